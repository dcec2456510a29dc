<?xml version="1.0" encoding="UTF-8"?>
<!--
  The standard book page of "Default (ENU)" with its words in Traditional Chinese.
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
          .book { margin: 0 0 2em 0; padding: 0 0 1.5em 0; }
          .book-head { width: 100%; border-collapse: collapse; }
          .book-head td { vertical-align: top; padding: 0; }
          td.cover-cell { width: 1%; padding-right: 1.25em; }
          img.cover { max-width: 180px; max-height: 260px; }
          img.back-cover { max-width: 120px; max-height: 170px; }
          .facts { border-collapse: collapse; margin-top: 0.6em; }
          .facts th { text-align: left; font-weight: normal; padding: 0.15em 1.2em 0.15em 0;
                      white-space: nowrap; vertical-align: top; }
          .facts td { padding: 0.15em 0; vertical-align: top; }
          .section { margin-top: 1.2em; }
          .section h2 { margin: 0 0 0.35em 0; }
          ul.links, ul.categories, ul.readings, ul.loans { margin: 0; padding-left: 1.2em; }
        </style>
      </head>
      <body>
        <xsl:apply-templates select="Tomelodex/Book"/>
      </body>
    </html>
  </xsl:template>

  <xsl:template match="Book">
    <div class="book">
      <table class="book-head">
        <tr>
          <xsl:if test="FrontCover">
            <td class="cover-cell">
              <xsl:call-template name="cover">
                <xsl:with-param name="path" select="FrontCover"/>
                <xsl:with-param name="class" select="'cover'"/>
              </xsl:call-template>
            </td>
          </xsl:if>
          <td>
            <xsl:call-template name="title-block"/>
            <table class="facts">
              <xsl:if test="Series">
                <tr><th>系列</th><td class="series"><xsl:call-template name="series-text"/></td></tr>
              </xsl:if>
              <xsl:call-template name="fact"><xsl:with-param name="label" select="'出版社'"/><xsl:with-param name="value" select="Publisher"/></xsl:call-template>
              <xsl:call-template name="fact"><xsl:with-param name="label" select="'出版日期'"/><xsl:with-param name="value" select="ReleaseDate"/></xsl:call-template>
              <xsl:call-template name="fact"><xsl:with-param name="label" select="'版本'"/><xsl:with-param name="value" select="Edition"/></xsl:call-template>
              <xsl:call-template name="fact"><xsl:with-param name="label" select="'ISBN'"/><xsl:with-param name="value" select="ISBN"/></xsl:call-template>
              <xsl:call-template name="fact"><xsl:with-param name="label" select="'頁數'"/><xsl:with-param name="value" select="PageCount"/></xsl:call-template>
              <xsl:call-template name="fact"><xsl:with-param name="label" select="'裝訂'"/><xsl:with-param name="value" select="Binding"/></xsl:call-template>
              <xsl:call-template name="fact"><xsl:with-param name="label" select="'語言'"/><xsl:with-param name="value" select="Language"/></xsl:call-template>
              <xsl:call-template name="fact"><xsl:with-param name="label" select="'尺寸'"/><xsl:with-param name="value" select="Dimension"/></xsl:call-template>
              <xsl:call-template name="fact"><xsl:with-param name="label" select="'附件'"/><xsl:with-param name="value" select="Extras"/></xsl:call-template>
              <xsl:call-template name="ebook-facts"/>
              <xsl:if test="MyRating">
                <tr><th>我的評分</th><td><xsl:call-template name="my-rating"/></td></tr>
              </xsl:if>
              <xsl:if test="AmazonRating">
                <tr><th>讀者評分</th><td><xsl:call-template name="readers-rating"/></td></tr>
              </xsl:if>
              <xsl:call-template name="url-fact"/>
            </table>
          </td>
        </tr>
      </table>

      <xsl:if test="ListPrice or AmazonPrice or PurchasePrice or PurchaseDate or Store or Location or Status or CurrentPage or UserText1 or UserText2 or Loans/Loan[not(ReturnDate)]">
        <div class="section personal">
          <h2>我的收藏</h2>
          <table class="facts">
            <xsl:call-template name="fact"><xsl:with-param name="label" select="'狀態'"/><xsl:with-param name="value" select="Status"/></xsl:call-template>
            <xsl:call-template name="fact"><xsl:with-param name="label" select="'位置'"/><xsl:with-param name="value" select="Location"/></xsl:call-template>
            <xsl:if test="Loans/Loan[not(ReturnDate)]">
              <tr><th>借閱</th><td><xsl:call-template name="open-loan"/></td></tr>
            </xsl:if>
            <xsl:call-template name="fact"><xsl:with-param name="label" select="'讀到第幾頁'"/><xsl:with-param name="value" select="CurrentPage"/></xsl:call-template>
            <xsl:call-template name="fact"><xsl:with-param name="label" select="'購買日期'"/><xsl:with-param name="value" select="PurchaseDate"/></xsl:call-template>
            <xsl:call-template name="fact"><xsl:with-param name="label" select="'商店'"/><xsl:with-param name="value" select="Store"/></xsl:call-template>
            <xsl:call-template name="price-fact"><xsl:with-param name="label" select="'購買價格'"/><xsl:with-param name="value" select="PurchasePrice"/></xsl:call-template>
            <xsl:call-template name="price-fact"><xsl:with-param name="label" select="'定價'"/><xsl:with-param name="value" select="ListPrice"/></xsl:call-template>
            <xsl:call-template name="price-fact"><xsl:with-param name="label" select="'商店價格'"/><xsl:with-param name="value" select="AmazonPrice"/></xsl:call-template>
            <xsl:call-template name="fact"><xsl:with-param name="label" select="'備註 1'"/><xsl:with-param name="value" select="UserText1"/></xsl:call-template>
            <xsl:call-template name="fact"><xsl:with-param name="label" select="'備註 2'"/><xsl:with-param name="value" select="UserText2"/></xsl:call-template>
          </table>
        </div>
      </xsl:if>

      <xsl:if test="Readings/Reading">
        <div class="section">
          <h2>閱讀記錄</h2>
          <xsl:call-template name="reading-list"/>
        </div>
      </xsl:if>

      <xsl:if test="Loans/Loan[ReturnDate]">
        <div class="section">
          <h2>以往借閱</h2>
          <xsl:call-template name="loan-history-list"/>
        </div>
      </xsl:if>

      <xsl:if test="Categories/Category">
        <div class="section">
          <h2>類別</h2>
          <xsl:call-template name="category-list"/>
        </div>
      </xsl:if>

      <xsl:if test="Links/Link">
        <div class="section">
          <h2>相關連結</h2>
          <xsl:call-template name="link-list"/>
        </div>
      </xsl:if>

      <xsl:if test="Description">
        <div class="section">
          <h2>簡介</h2>
          <div class="description"><xsl:value-of select="Description" disable-output-escaping="yes"/></div>
        </div>
      </xsl:if>

      <xsl:if test="Notes">
        <div class="section">
          <h2>筆記</h2>
          <div class="notes"><xsl:value-of select="Notes" disable-output-escaping="yes"/></div>
        </div>
      </xsl:if>

      <xsl:if test="BackCover">
        <div class="section">
          <h2>封底</h2>
          <xsl:call-template name="cover">
            <xsl:with-param name="path" select="BackCover"/>
            <xsl:with-param name="class" select="'back-cover'"/>
          </xsl:call-template>
        </div>
      </xsl:if>
    </div>
  </xsl:template>
</xsl:stylesheet>
