#pragma once

#include "exchange/CatalogueReader.h"

#include <QJsonArray>

// LibraryThing's JSON export: an object of books keyed by their number (or
// an array of them), each an object of fields.
class CLibraryThingJsonReader : public CCatalogueReader
{
public:
    QString SourceName() const override;
    bool Open(const QString &path) override;
    bool Next(CForeignBook &book) override;

private:
    QJsonArray m_books;
    int m_next = 0;
};
