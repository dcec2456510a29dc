<?xml version="1.0" encoding="UTF-8"?>
<!--
  The page of "Catalogue Card (ENU)" with its words in Italian.
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:import href="Common/BookParts.xsl"/>
  <xsl:output method="html" encoding="UTF-8" indent="no"/>

  <xsl:variable name="word-open-picture" select="'Apri l’immagine'"/>
  <xsl:variable name="word-cover" select="'Copertina'"/>
  <xsl:variable name="word-by" select="'di '"/>
  <xsl:variable name="word-ebook" select="'E-book'"/>
  <xsl:variable name="word-ebook-only" select="'solo e-book'"/>
  <xsl:variable name="word-of-five" select="' su 5'"/>
  <xsl:variable name="word-reviews-before" select="' ('"/>
  <xsl:variable name="word-reviews-after" select="' recensioni)'"/>
  <xsl:variable name="word-web-page" select="'Pagina web'"/>
  <xsl:variable name="word-open-web-page" select="'Apri la pagina del libro'"/>
  <xsl:variable name="word-series-number-before" select="' n. '"/>
  <xsl:variable name="word-series-number-after" select="''"/>
  <xsl:variable name="word-lent-to" select="'Prestato a '"/>
  <xsl:variable name="word-lent-to-after" select="''"/>
  <xsl:variable name="word-borrowed-from" select="'Preso in prestito da '"/>
  <xsl:variable name="word-borrowed-from-after" select="''"/>
  <xsl:variable name="word-since-before" select="' dal '"/>
  <xsl:variable name="word-since-after" select="''"/>
  <xsl:variable name="word-due-before" select="' (da restituire entro il '"/>
  <xsl:variable name="word-due-after" select="')'"/>
  <xsl:variable name="word-overdue" select="' — in ritardo'"/>
  <xsl:variable name="word-comma" select="', '"/>
  <xsl:variable name="word-date-range" select="' – '"/>
  <xsl:variable name="word-reading-since-before" select="'In lettura dal '"/>
  <xsl:variable name="word-reading-since-after" select="''"/>
  <xsl:variable name="word-finished-before" select="'Finito il '"/>
  <xsl:variable name="word-finished-after" select="''"/>
  <xsl:variable name="word-read-undated" select="'Letto, data non nota'"/>

  <xsl:template match="/">
    <html lang="it">
      <head>
        <link rel="stylesheet" type="text/css" HREF="tomelo.css"/>
        <style type="text/css">
          table { font-size: inherit; font-weight: inherit; line-height: inherit; }
          .overdue { font-weight: bold; }
          .card { max-width: 44em; margin: 0.5em auto 1.6em auto; padding: 1.1em 1.4em;
                  border: 1px solid rgba(128, 128, 128, 0.5); border-radius: 3px;
                  box-shadow: 0 2px 6px rgba(0, 0, 0, 0.15); overflow: hidden; }
          .card .cover-corner { float: right; margin: 0 0 0.8em 1.2em; }
          img.cover { max-width: 120px; max-height: 170px; }
          img.back-cover { max-width: 90px; max-height: 130px; }
          .card h1.title { margin: 0 0 0.2em 0; font-size: 1.35em; }
          .imprint { margin: 0.6em 0; }
          .collation { margin: 0.2em 0 0.8em 0; }
          .card .description, .card .notes { margin: 0.8em 0; }
          .tracings { clear: both; border-top: 1px dashed rgba(128, 128, 128, 0.6);
                      margin-top: 1em; padding-top: 0.6em; font-size: 0.92em; }
          .tracings ul { margin: 0.2em 0 0.4em 0; padding-left: 1.2em; }
        </style>
      </head>
      <body>
        <xsl:apply-templates select="Tomelodex/Book"/>
      </body>
    </html>
  </xsl:template>

  <xsl:template match="Book">
    <div class="card book">
      <xsl:if test="FrontCover">
        <div class="cover-corner">
          <xsl:call-template name="cover"><xsl:with-param name="path" select="FrontCover"/></xsl:call-template>
        </div>
      </xsl:if>
      <xsl:if test="Author"><div class="author heading"><xsl:value-of select="Author"/></div></xsl:if>
      <h1 class="title">
        <xsl:value-of select="Title"/>
        <xsl:if test="Subtitle"><span class="subtitle">: <xsl:value-of select="Subtitle"/></span></xsl:if>
      </h1>
      <div class="imprint">
        <xsl:if test="Edition"><xsl:value-of select="Edition"/>. </xsl:if>
        <xsl:value-of select="Publisher"/>
        <xsl:if test="Publisher and ReleaseDate">, </xsl:if>
        <xsl:value-of select="ReleaseDate"/>
      </div>
      <div class="collation label">
        <xsl:if test="PageCount"><xsl:value-of select="PageCount"/> pagine. </xsl:if>
        <xsl:if test="Binding"><xsl:value-of select="Binding"/>. </xsl:if>
        <xsl:if test="Dimension"><xsl:value-of select="Dimension"/>. </xsl:if>
        <xsl:if test="Language"><xsl:value-of select="Language"/>. </xsl:if>
        <xsl:if test="Series"><span class="series">(<xsl:value-of select="Series"/><xsl:if test="SeriesNumber"> ; <xsl:value-of select="SeriesNumber"/></xsl:if>)</span><xsl:text> </xsl:text></xsl:if>
        <xsl:if test="ISBN">ISBN <xsl:value-of select="ISBN"/>. </xsl:if>
        <xsl:if test="Format"><xsl:value-of select="Format"/><xsl:text> </xsl:text></xsl:if>
        <xsl:if test="BookSize"><xsl:call-template name="book-size"/>. </xsl:if>
        <xsl:if test="EbookOnly = 'Yes'"><span class="badge"><xsl:value-of select="$word-ebook-only"/></span></xsl:if>
      </div>
      <xsl:if test="MyRating or AmazonRating">
        <div class="ratings">
          <xsl:if test="MyRating">La mia valutazione <xsl:call-template name="my-rating"/>&#160;&#160; </xsl:if>
          <xsl:if test="AmazonRating">Lettori <xsl:call-template name="readers-rating"/></xsl:if>
        </div>
      </xsl:if>
      <xsl:if test="Description">
        <div class="description"><xsl:value-of select="Description" disable-output-escaping="yes"/></div>
      </xsl:if>
      <xsl:if test="Notes">
        <div class="notes"><xsl:value-of select="Notes" disable-output-escaping="yes"/></div>
      </xsl:if>
      <div class="tracings">
        <xsl:if test="Location or Status">
          <div class="label">
            <xsl:value-of select="Status"/>
            <xsl:if test="Location and Status"> &#8212; </xsl:if>
            <xsl:value-of select="Location"/>
            <xsl:if test="PurchaseDate"> &#8212; acquistato il <xsl:value-of select="PurchaseDate"/></xsl:if>
            <xsl:if test="Store"> presso <xsl:value-of select="Store"/></xsl:if>
            <xsl:if test="PurchasePrice"> per <xsl:call-template name="price"><xsl:with-param name="value" select="PurchasePrice"/></xsl:call-template></xsl:if>
          </div>
        </xsl:if>
        <xsl:if test="Loans/Loan[not(ReturnDate)]">
          <div class="label loan-line"><xsl:call-template name="open-loan"/></div>
        </xsl:if>
        <xsl:if test="Readings/Reading">
          <div class="readings-inline"><span class="label">Letture: </span><xsl:call-template name="reading-line"/></div>
        </xsl:if>
        <xsl:if test="Categories/Category"><xsl:call-template name="category-list"/></xsl:if>
        <xsl:if test="Links/Link"><xsl:call-template name="link-list"/></xsl:if>
        <xsl:if test="BackCover">
          <xsl:call-template name="cover">
            <xsl:with-param name="path" select="BackCover"/>
            <xsl:with-param name="class" select="'back-cover'"/>
          </xsl:call-template>
        </xsl:if>
      </div>
    </div>
  </xsl:template>
</xsl:stylesheet>
