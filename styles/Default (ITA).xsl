<?xml version="1.0" encoding="UTF-8"?>
<!--
  The standard book page of "Default (ENU)" with its words in Italian.
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
                <tr><th>Serie</th><td class="series"><xsl:call-template name="series-text"/></td></tr>
              </xsl:if>
              <xsl:call-template name="fact"><xsl:with-param name="label" select="'Editore'"/><xsl:with-param name="value" select="Publisher"/></xsl:call-template>
              <xsl:call-template name="fact"><xsl:with-param name="label" select="'Pubblicato'"/><xsl:with-param name="value" select="ReleaseDate"/></xsl:call-template>
              <xsl:call-template name="fact"><xsl:with-param name="label" select="'Edizione'"/><xsl:with-param name="value" select="Edition"/></xsl:call-template>
              <xsl:call-template name="fact"><xsl:with-param name="label" select="'ISBN'"/><xsl:with-param name="value" select="ISBN"/></xsl:call-template>
              <xsl:call-template name="fact"><xsl:with-param name="label" select="'Pagine'"/><xsl:with-param name="value" select="PageCount"/></xsl:call-template>
              <xsl:call-template name="fact"><xsl:with-param name="label" select="'Rilegatura'"/><xsl:with-param name="value" select="Binding"/></xsl:call-template>
              <xsl:call-template name="fact"><xsl:with-param name="label" select="'Lingua'"/><xsl:with-param name="value" select="Language"/></xsl:call-template>
              <xsl:call-template name="fact"><xsl:with-param name="label" select="'Dimensioni'"/><xsl:with-param name="value" select="Dimension"/></xsl:call-template>
              <xsl:call-template name="fact"><xsl:with-param name="label" select="'Extra'"/><xsl:with-param name="value" select="Extras"/></xsl:call-template>
              <xsl:call-template name="ebook-facts"/>
              <xsl:if test="MyRating">
                <tr><th>La mia valutazione</th><td><xsl:call-template name="my-rating"/></td></tr>
              </xsl:if>
              <xsl:if test="AmazonRating">
                <tr><th>Valutazione dei lettori</th><td><xsl:call-template name="readers-rating"/></td></tr>
              </xsl:if>
              <xsl:call-template name="url-fact"/>
            </table>
          </td>
        </tr>
      </table>

      <xsl:if test="ListPrice or AmazonPrice or PurchasePrice or PurchaseDate or Store or Location or Status or CurrentPage or UserText1 or UserText2 or Loans/Loan[not(ReturnDate)]">
        <div class="section personal">
          <h2>Nella mia collezione</h2>
          <table class="facts">
            <xsl:call-template name="fact"><xsl:with-param name="label" select="'Stato'"/><xsl:with-param name="value" select="Status"/></xsl:call-template>
            <xsl:call-template name="fact"><xsl:with-param name="label" select="'Posizione'"/><xsl:with-param name="value" select="Location"/></xsl:call-template>
            <xsl:if test="Loans/Loan[not(ReturnDate)]">
              <tr><th>Prestito</th><td><xsl:call-template name="open-loan"/></td></tr>
            </xsl:if>
            <xsl:call-template name="fact"><xsl:with-param name="label" select="'Arrivato a pagina'"/><xsl:with-param name="value" select="CurrentPage"/></xsl:call-template>
            <xsl:call-template name="fact"><xsl:with-param name="label" select="'Acquistato'"/><xsl:with-param name="value" select="PurchaseDate"/></xsl:call-template>
            <xsl:call-template name="fact"><xsl:with-param name="label" select="'Negozio'"/><xsl:with-param name="value" select="Store"/></xsl:call-template>
            <xsl:call-template name="price-fact"><xsl:with-param name="label" select="'Prezzo pagato'"/><xsl:with-param name="value" select="PurchasePrice"/></xsl:call-template>
            <xsl:call-template name="price-fact"><xsl:with-param name="label" select="'Prezzo di listino'"/><xsl:with-param name="value" select="ListPrice"/></xsl:call-template>
            <xsl:call-template name="price-fact"><xsl:with-param name="label" select="'Prezzo del negozio'"/><xsl:with-param name="value" select="AmazonPrice"/></xsl:call-template>
            <xsl:call-template name="fact"><xsl:with-param name="label" select="'Nota 1'"/><xsl:with-param name="value" select="UserText1"/></xsl:call-template>
            <xsl:call-template name="fact"><xsl:with-param name="label" select="'Nota 2'"/><xsl:with-param name="value" select="UserText2"/></xsl:call-template>
          </table>
        </div>
      </xsl:if>

      <xsl:if test="Readings/Reading">
        <div class="section">
          <h2>Letture</h2>
          <xsl:call-template name="reading-list"/>
        </div>
      </xsl:if>

      <xsl:if test="Loans/Loan[ReturnDate]">
        <div class="section">
          <h2>Prestiti precedenti</h2>
          <xsl:call-template name="loan-history-list"/>
        </div>
      </xsl:if>

      <xsl:if test="Categories/Category">
        <div class="section">
          <h2>Categorie</h2>
          <xsl:call-template name="category-list"/>
        </div>
      </xsl:if>

      <xsl:if test="Links/Link">
        <div class="section">
          <h2>Collegamenti</h2>
          <xsl:call-template name="link-list"/>
        </div>
      </xsl:if>

      <xsl:if test="Description">
        <div class="section">
          <h2>Descrizione</h2>
          <div class="description"><xsl:value-of select="Description" disable-output-escaping="yes"/></div>
        </div>
      </xsl:if>

      <xsl:if test="Notes">
        <div class="section">
          <h2>Note</h2>
          <div class="notes"><xsl:value-of select="Notes" disable-output-escaping="yes"/></div>
        </div>
      </xsl:if>

      <xsl:if test="BackCover">
        <div class="section">
          <h2>Copertina posteriore</h2>
          <xsl:call-template name="cover">
            <xsl:with-param name="path" select="BackCover"/>
            <xsl:with-param name="class" select="'back-cover'"/>
          </xsl:call-template>
        </div>
      </xsl:if>
    </div>
  </xsl:template>
</xsl:stylesheet>
