<?xml version="1.0" encoding="UTF-8"?>
<!--
  The page of "Compact (ENU)" with its words in Traditional Chinese.
-->
<xsl:stylesheet version="1.0" xmlns:xsl="http://www.w3.org/1999/XSL/Transform">
  <xsl:import href="Common/BookParts.xsl"/>
  <xsl:output method="html" encoding="UTF-8" indent="no"/>

  <xsl:variable name="word-open-picture" select="'開啟圖片'"/>
  <xsl:variable name="word-cover" select="'封面'"/>
  <xsl:variable name="word-by" select="'作者：'"/>
  <xsl:variable name="word-ebook" select="'電子書'"/>
  <xsl:variable name="word-ebook-only" select="'僅電子書'"/>
  <xsl:variable name="word-of-five" select="'（滿分 5）'"/>
  <xsl:variable name="word-reviews-before" select="'（'"/>
  <xsl:variable name="word-reviews-after" select="' 則評論）'"/>
  <xsl:variable name="word-web-page" select="'網頁'"/>
  <xsl:variable name="word-open-web-page" select="'開啟本書的網頁'"/>
  <xsl:variable name="word-series-number-before" select="' 第'"/>
  <xsl:variable name="word-series-number-after" select="'部'"/>
  <xsl:variable name="word-lent-to" select="'借給 '"/>
  <xsl:variable name="word-lent-to-after" select="''"/>
  <xsl:variable name="word-borrowed-from" select="'向 '"/>
  <xsl:variable name="word-borrowed-from-after" select="' 借入'"/>
  <xsl:variable name="word-since-before" select="'，自 '"/>
  <xsl:variable name="word-since-after" select="' 起'"/>
  <xsl:variable name="word-due-before" select="'（'"/>
  <xsl:variable name="word-due-after" select="' 到期）'"/>
  <xsl:variable name="word-overdue" select="'，已逾期'"/>
  <xsl:variable name="word-comma" select="'，'"/>
  <xsl:variable name="word-date-range" select="' 至 '"/>
  <xsl:variable name="word-reading-since-before" select="'自 '"/>
  <xsl:variable name="word-reading-since-after" select="' 起在讀'"/>
  <xsl:variable name="word-finished-before" select="''"/>
  <xsl:variable name="word-finished-after" select="' 讀完'"/>
  <xsl:variable name="word-read-undated" select="'讀過，日期不詳'"/>

  <xsl:template match="/">
    <html lang="zh-TW">
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
            <span class="label">閱讀：</span>
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
