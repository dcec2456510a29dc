#pragma once

#include "exchange/CatalogueReader.h"

#include <memory>

// Any of LibraryThing's exports: the JSON one, or a table (tab-separated, or
// the older CSV), told apart by the file's first character.
class CLibraryThingExportReader : public CCatalogueReader
{
public:
    QString SourceName() const override;
    bool Open(const QString &path) override;
    bool Next(CForeignBook &book) override;

private:
    void TakeRemarks();

    std::unique_ptr<CCatalogueReader> m_reader;
    int m_notesTaken = 0;
};
