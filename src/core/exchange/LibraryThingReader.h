#pragma once

#include "exchange/TableCatalogueReader.h"

// LibraryThing's table exports: the tab-separated export and the older CSV
// one (header cells in single quotes), read by the header's column names.
// Its JSON export has a reader of its own.
class CLibraryThingReader : public CTableCatalogueReader
{
public:
    QString SourceName() const override;

    // Collections and tags of a LibraryThing book as categories, with the
    // wish list and the to-read list they stand for.
    static void AddCollections(const QStringList &names, CForeignBook &book);
    // The values of a "Publication" text, "Ace (1990), Edition: 2nd,
    // Hardcover, 544 pages": publisher, edition, binding and pages; what it
    // cannot place stays under `column`. Returns the year, which the caller
    // takes as the release date when the record has no other.
    static QString AddPublication(const QString &column, const QString &text, CForeignBook &book);
    // The release date from the publication's year when nothing else gave one.
    static void AddPublicationYear(const QString &year, CForeignBook &book);

protected:
    bool TakeHeader(const QStringList &header) override;
    void FinishRow(CForeignBook &book) override;
    QString CleanValue(const QString &value) const override;

private:
    CBookLoan m_loan;
    QString m_loanEnd;
    QString m_loanStatus;
    CBookReading m_reading;
    QString m_publicationYear;
};
