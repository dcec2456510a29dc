#pragma once

#include "exchange/TableCatalogueReader.h"

// Any CSV or TSV table with a header row: each column's field is guessed
// from its header name (Title, Author(s), ISBN, Publisher, Pages, Year,
// Series, Tags, Rating, Notes, ...; case, spaces and punctuation aside, and
// every book XML element name for itself), and `--map` adds to and
// overrides the guess. A header with neither a title nor an ISBN column is
// refused.
class CGenericCsvReader : public CTableCatalogueReader
{
public:
    QString SourceName() const override;

    // The field the guess gives a column of this header name; empty for
    // none, and the column's values then go to Notes.
    static QString GuessField(const QString &headerName);

protected:
    bool TakeHeader(const QStringList &header) override;
};
