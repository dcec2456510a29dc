<?xml version="1.0" encoding="UTF-8"?>
<!--
  Pieces every book page template shares. The program relies on these
  forms: pictures are written as <img tomelosrc=...> and anchors as
  <a tomelohref=...> (the attribute first), and the program's own links use
  tomelocover://PATH, tomelocat://CATEGORY-ID and tomelolink://BOOK-ID/LINK-ID.
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">

  <!-- The words these pieces write. A template in another language imports
       this file (xsl:import, not xsl:include) and declares its own. -->
  <xsl:variable name="word-open-picture" select="'Open the picture'"/>
  <xsl:variable name="word-cover" select="'Cover'"/>
  <xsl:variable name="word-by" select="'by '"/>
  <xsl:variable name="word-ebook" select="'E-book'"/>
  <xsl:variable name="word-ebook-only" select="'e-book only'"/>
  <xsl:variable name="word-of-five" select="' of 5'"/>
  <xsl:variable name="word-reviews-before" select="' ('"/>
  <xsl:variable name="word-reviews-after" select="' reviews)'"/>
  <xsl:variable name="word-web-page" select="'Web page'"/>
  <xsl:variable name="word-open-web-page" select="&quot;Open the book's page&quot;"/>

  <!-- Series, loans and readings. Each text comes in pieces before and
       after the value it surrounds, so that a language can put the words
       in its own order: "Lent to Ann since Dec 1, 2026 (due Dec 29, 2026)". -->
  <xsl:variable name="word-series-number-before" select="' #'"/>
  <xsl:variable name="word-series-number-after" select="''"/>
  <xsl:variable name="word-lent-to" select="'Lent to '"/>
  <xsl:variable name="word-lent-to-after" select="''"/>
  <xsl:variable name="word-borrowed-from" select="'Borrowed from '"/>
  <xsl:variable name="word-borrowed-from-after" select="''"/>
  <xsl:variable name="word-since-before" select="' since '"/>
  <xsl:variable name="word-since-after" select="''"/>
  <xsl:variable name="word-due-before" select="' (due '"/>
  <xsl:variable name="word-due-after" select="')'"/>
  <xsl:variable name="word-overdue" select="' &#8212; overdue'"/>
  <xsl:variable name="word-comma" select="', '"/>
  <xsl:variable name="word-date-range" select="' &#8211; '"/>
  <xsl:variable name="word-reading-since-before" select="'Reading since '"/>
  <xsl:variable name="word-reading-since-after" select="''"/>
  <xsl:variable name="word-finished-before" select="'Finished '"/>
  <xsl:variable name="word-finished-after" select="''"/>
  <xsl:variable name="word-read-undated" select="'Read, date not known'"/>

  <!-- A cover picture that opens the picture file when clicked. -->
  <xsl:template name="cover">
    <xsl:param name="path"/>
    <xsl:param name="class" select="'cover'"/>
    <a tomelohref="tomelocover://{$path}" class="picture" title="{$word-open-picture}">
      <img tomelosrc="{$path}" class="{$class}" alt="{$word-cover}"/>
    </a>
  </xsl:template>

  <!-- Title, subtitle and author. -->
  <xsl:template name="title-block">
    <h1 class="title"><xsl:value-of select="Title"/></h1>
    <xsl:if test="Subtitle">
      <div class="subtitle"><xsl:value-of select="Subtitle"/></div>
    </xsl:if>
    <xsl:if test="Author">
      <div class="author"><xsl:value-of select="$word-by"/><xsl:value-of select="Author"/></div>
    </xsl:if>
  </xsl:template>

  <!-- One labelled row of a facts table; nothing when the value is empty. -->
  <xsl:template name="fact">
    <xsl:param name="label"/>
    <xsl:param name="value"/>
    <xsl:if test="string($value) != ''">
      <tr><th><xsl:value-of select="$label"/></th><td><xsl:value-of select="$value"/></td></tr>
    </xsl:if>
  </xsl:template>

  <!-- A price with two decimals when it reads as a number, else as stored. -->
  <xsl:template name="price">
    <xsl:param name="value"/>
    <xsl:choose>
      <xsl:when test="number($value) = number($value)">
        <xsl:value-of select="format-number($value, '#,##0.00')"/>
      </xsl:when>
      <xsl:otherwise><xsl:value-of select="$value"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <xsl:template name="price-fact">
    <xsl:param name="label"/>
    <xsl:param name="value"/>
    <xsl:if test="string($value) != ''">
      <tr>
        <th><xsl:value-of select="$label"/></th>
        <td class="price"><xsl:call-template name="price"><xsl:with-param name="value" select="$value"/></xsl:call-template></td>
      </tr>
    </xsl:if>
  </xsl:template>

  <!-- Format and size of an e-book, and whether the book exists only as one. -->
  <xsl:template name="ebook-facts">
    <xsl:if test="Format or BookSize or EbookOnly = 'Yes'">
      <tr>
        <th><xsl:value-of select="$word-ebook"/></th>
        <td>
          <xsl:value-of select="Format"/>
          <xsl:if test="Format and BookSize">, </xsl:if>
          <xsl:if test="BookSize"><xsl:call-template name="book-size"/></xsl:if>
          <xsl:if test="EbookOnly = 'Yes'">
            <xsl:if test="Format or BookSize"><xsl:text> </xsl:text></xsl:if>
            <span class="badge"><xsl:value-of select="$word-ebook-only"/></span>
          </xsl:if>
        </td>
      </tr>
    </xsl:if>
  </xsl:template>

  <!-- The e-book's size in megabytes, without needless decimals. -->
  <xsl:template name="book-size">
    <xsl:choose>
      <xsl:when test="number(BookSize) = number(BookSize)">
        <xsl:value-of select="format-number(BookSize, '#,##0.##')"/>
      </xsl:when>
      <xsl:otherwise><xsl:value-of select="BookSize"/></xsl:otherwise>
    </xsl:choose>
    <xsl:text> MB</xsl:text>
  </xsl:template>

  <!-- Stars: `filled` of five, rounded. -->
  <xsl:template name="stars">
    <xsl:param name="filled"/>
    <xsl:variable name="n" select="round($filled)"/>
    <span class="stars" title="{$filled}{$word-of-five}">
      <span class="star-on"><xsl:value-of select="substring('&#9733;&#9733;&#9733;&#9733;&#9733;', 1, $n)"/></span>
      <span class="star-off"><xsl:value-of select="substring('&#9733;&#9733;&#9733;&#9733;&#9733;', 1, 5 - $n)"/></span>
    </span>
  </xsl:template>

  <xsl:template name="my-rating">
    <xsl:call-template name="stars"><xsl:with-param name="filled" select="MyRating"/></xsl:call-template>
  </xsl:template>

  <xsl:template name="readers-rating">
    <xsl:choose>
      <xsl:when test="number(AmazonRating) = number(AmazonRating)">
        <xsl:call-template name="stars"><xsl:with-param name="filled" select="AmazonRating"/></xsl:call-template>
        <span class="rating-text"><xsl:text> </xsl:text><xsl:value-of select="format-number(AmazonRating, '0.0#')"/></span>
      </xsl:when>
      <xsl:otherwise><xsl:value-of select="AmazonRating"/></xsl:otherwise>
    </xsl:choose>
    <xsl:if test="NumOfReviews">
      <span class="reviews"><xsl:value-of select="$word-reviews-before"/><xsl:value-of select="NumOfReviews"/><xsl:value-of select="$word-reviews-after"/></span>
    </xsl:if>
  </xsl:template>

  <!-- The book's web page, opened in the user's browser. -->
  <xsl:template name="url-fact">
    <xsl:if test="URL">
      <tr><th><xsl:value-of select="$word-web-page"/></th><td><a tomelohref="{URL}" class="web"><xsl:value-of select="$word-open-web-page"/></a></td></tr>
    </xsl:if>
  </xsl:template>

  <!-- ">>Book Collection>>Science" read as "Book Collection › Science". -->
  <xsl:template name="category-path">
    <xsl:param name="path"/>
    <xsl:variable name="rest" select="substring-after($path, '&gt;&gt;')"/>
    <xsl:choose>
      <xsl:when test="contains($rest, '&gt;&gt;')">
        <xsl:value-of select="substring-before($rest, '&gt;&gt;')"/>
        <span class="path-separator"> &#8250; </span>
        <xsl:call-template name="category-path">
          <xsl:with-param name="path" select="concat('&gt;&gt;', substring-after($rest, '&gt;&gt;'))"/>
        </xsl:call-template>
      </xsl:when>
      <xsl:otherwise><xsl:value-of select="$rest"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- Each category the book is in, linked so a click shows that category. -->
  <xsl:template name="category-list">
    <ul class="categories">
      <xsl:for-each select="Categories/Category">
        <li>
          <a tomelohref="tomelocat://{@ID}" class="category">
            <xsl:call-template name="category-path"><xsl:with-param name="path" select="."/></xsl:call-template>
          </a>
        </li>
      </xsl:for-each>
    </ul>
  </xsl:template>

  <!-- The related links (web pages, files, folders) with their notes. -->
  <xsl:template name="link-list">
    <ul class="links">
      <xsl:for-each select="Links/Link">
        <li>
          <a tomelohref="tomelolink://{../../@ID}/{@ID}" class="link">
            <xsl:choose>
              <xsl:when test="Title"><xsl:value-of select="Title"/></xsl:when>
              <xsl:otherwise><xsl:value-of select="Path"/></xsl:otherwise>
            </xsl:choose>
          </a>
          <xsl:if test="Notes">
            <span class="link-notes"> &#8212; <xsl:value-of select="Notes"/></span>
          </xsl:if>
        </li>
      </xsl:for-each>
    </ul>
  </xsl:template>

  <!-- "Dune #2": the book's series and its number there, when it has one. -->
  <xsl:template name="series-text">
    <xsl:value-of select="Series"/>
    <xsl:if test="SeriesNumber">
      <xsl:value-of select="$word-series-number-before"/>
      <xsl:value-of select="SeriesNumber"/>
      <xsl:value-of select="$word-series-number-after"/>
    </xsl:if>
  </xsl:template>

  <!-- Which way a loan went and with whom ("Lent to Ann", "Borrowed from
       Bob"); the context is the Loan. -->
  <xsl:template name="loan-party">
    <xsl:choose>
      <xsl:when test="Direction = 'borrowed'">
        <xsl:value-of select="$word-borrowed-from"/>
        <span class="borrower"><xsl:value-of select="Name"/></span>
        <xsl:value-of select="$word-borrowed-from-after"/>
      </xsl:when>
      <xsl:otherwise>
        <xsl:value-of select="$word-lent-to"/>
        <span class="borrower"><xsl:value-of select="Name"/></span>
        <xsl:value-of select="$word-lent-to-after"/>
      </xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- The loan the book is out on, when there is one: who, since when,
       until when, whether it is overdue (the program marks that, as the
       dates reach the page already written for reading), and its notes. -->
  <xsl:template name="open-loan">
    <xsl:for-each select="Loans/Loan[not(ReturnDate)][1]">
      <span class="loan">
        <xsl:call-template name="loan-party"/>
        <xsl:if test="LoanDate">
          <xsl:value-of select="$word-since-before"/>
          <xsl:value-of select="LoanDate"/>
          <xsl:value-of select="$word-since-after"/>
        </xsl:if>
        <xsl:if test="DueDate">
          <xsl:value-of select="$word-due-before"/>
          <xsl:value-of select="DueDate"/>
          <xsl:value-of select="$word-due-after"/>
        </xsl:if>
        <xsl:if test="@Overdue = 'yes'">
          <span class="overdue"><xsl:value-of select="$word-overdue"/></span>
        </xsl:if>
        <xsl:if test="Notes">
          <span class="loan-notes"> &#8212; <xsl:value-of select="Notes"/></span>
        </xsl:if>
      </span>
    </xsl:for-each>
  </xsl:template>

  <!-- The loans that are over, the latest first: who and from when to when. -->
  <xsl:template name="loan-history-list">
    <ul class="loans">
      <xsl:for-each select="Loans/Loan[ReturnDate]">
        <li>
          <xsl:call-template name="loan-party"/>
          <xsl:value-of select="$word-comma"/>
          <xsl:value-of select="LoanDate"/>
          <xsl:value-of select="$word-date-range"/>
          <xsl:value-of select="ReturnDate"/>
          <xsl:if test="Notes">
            <span class="loan-notes"> &#8212; <xsl:value-of select="Notes"/></span>
          </xsl:if>
        </li>
      </xsl:for-each>
    </ul>
  </xsl:template>

  <!-- When a reading was; the context is the Reading. -->
  <xsl:template name="reading-dates">
    <xsl:choose>
      <xsl:when test="Started and Finished">
        <xsl:value-of select="Started"/>
        <xsl:value-of select="$word-date-range"/>
        <xsl:value-of select="Finished"/>
      </xsl:when>
      <xsl:when test="Started">
        <xsl:value-of select="$word-reading-since-before"/>
        <xsl:value-of select="Started"/>
        <xsl:value-of select="$word-reading-since-after"/>
      </xsl:when>
      <xsl:when test="Finished">
        <xsl:value-of select="$word-finished-before"/>
        <xsl:value-of select="Finished"/>
        <xsl:value-of select="$word-finished-after"/>
      </xsl:when>
      <xsl:otherwise><xsl:value-of select="$word-read-undated"/></xsl:otherwise>
    </xsl:choose>
  </xsl:template>

  <!-- The readings of the book, the latest first, with their notes. -->
  <xsl:template name="reading-list">
    <ul class="readings">
      <xsl:for-each select="Readings/Reading">
        <li>
          <xsl:call-template name="reading-dates"/>
          <xsl:if test="Notes">
            <span class="reading-notes"> &#8212; <xsl:value-of select="Notes"/></span>
          </xsl:if>
        </li>
      </xsl:for-each>
    </ul>
  </xsl:template>

  <!-- The same on one line, for the templates that keep each book short. -->
  <xsl:template name="reading-line">
    <xsl:for-each select="Readings/Reading">
      <xsl:if test="position() &gt; 1"><span class="path-separator"> &#183; </span></xsl:if>
      <xsl:call-template name="reading-dates"/>
      <xsl:if test="Notes">
        <span class="reading-notes"> &#8212; <xsl:value-of select="Notes"/></span>
      </xsl:if>
    </xsl:for-each>
  </xsl:template>
</xsl:stylesheet>
