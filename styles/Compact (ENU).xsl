<?xml version="1.0" encoding="UTF-8"?>
<!--
  One line per book: a small cover, title and author, publisher and date,
  ratings and status. Made for looking over many selected books at once.
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:output method="html" encoding="UTF-8" indent="no"/>
  <xsl:include href="Common/BookParts.xsl"/>

  <xsl:template match="/">
    <html>
      <head>
        <link rel="stylesheet" type="text/css" HREF="tomelo.css"/>
        <style type="text/css">
          table { font-size: inherit; font-weight: inherit; line-height: inherit; }
          .overdue { font-weight: bold; }
          table.books { width: 100%; border-collapse: collapse; }
          table.books td { vertical-align: top; padding: 0.45em 0.6em 0.45em 0; }
          table.books tr.book { border-bottom: 1px solid rgba(128, 128, 128, 0.35); }
          td.thumb { width: 56px; }
          img.cover { max-width: 52px; max-height: 72px; }
          h1.title { font-size: 1.1em; margin: 0; }
          .subtitle, .author { font-size: 0.95em; }
          td.when { white-space: nowrap; }
          td.rating { white-space: nowrap; text-align: right; }
          .categories-inline, .readings-inline, .series { font-size: 0.85em; margin-top: 0.25em; }
        </style>
      </head>
      <body>
        <table class="books">
          <xsl:apply-templates select="Tomelodex/Book"/>
        </table>
      </body>
    </html>
  </xsl:template>

  <xsl:template match="Book">
    <tr class="book">
      <td class="thumb">
        <xsl:if test="FrontCover">
          <xsl:call-template name="cover"><xsl:with-param name="path" select="FrontCover"/></xsl:call-template>
        </xsl:if>
      </td>
      <td>
        <xsl:call-template name="title-block"/>
        <xsl:if test="Series">
          <div class="series"><xsl:call-template name="series-text"/></div>
        </xsl:if>
        <xsl:if test="Categories/Category">
          <div class="categories-inline">
            <xsl:for-each select="Categories/Category">
              <xsl:if test="position() &gt; 1"><span class="path-separator"> &#183; </span></xsl:if>
              <a tomelohref="tomelocat://{@ID}" class="category">
                <xsl:call-template name="category-path"><xsl:with-param name="path" select="."/></xsl:call-template>
              </a>
            </xsl:for-each>
          </div>
        </xsl:if>
        <xsl:if test="Readings/Reading">
          <div class="readings-inline">
            <span class="label">Readings: </span>
            <xsl:call-template name="reading-line"/>
          </div>
        </xsl:if>
      </td>
      <td class="when">
        <div><xsl:value-of select="Publisher"/></div>
        <div class="label"><xsl:value-of select="ReleaseDate"/></div>
        <xsl:if test="ISBN"><div class="label">ISBN <xsl:value-of select="ISBN"/></div></xsl:if>
      </td>
      <td class="rating">
        <xsl:if test="MyRating"><div><xsl:call-template name="my-rating"/></div></xsl:if>
        <xsl:if test="Status"><div class="label"><xsl:value-of select="Status"/></div></xsl:if>
        <xsl:if test="Loans/Loan[not(ReturnDate)]"><div class="label loan-line"><xsl:call-template name="open-loan"/></div></xsl:if>
        <xsl:if test="ListPrice">
          <div class="price"><xsl:call-template name="price"><xsl:with-param name="value" select="ListPrice"/></xsl:call-template></div>
        </xsl:if>
      </td>
    </tr>
  </xsl:template>
</xsl:stylesheet>
