#pragma once

#include "exchange/CatalogueReader.h"

#include <QDir>

#include <memory>

class CBookXmlReader;

// This program's own book XML, read as import-xml reads it, so that the
// import of other catalogues takes it too: each field goes to itself, the
// categories the file names become categories below the source's parent.
class CTomelodexReader : public CCatalogueReader
{
public:
    CTomelodexReader();
    ~CTomelodexReader() override;

    QString SourceName() const override;
    bool Open(const QString &path) override;
    bool Next(CForeignBook &book) override;

private:
    std::unique_ptr<CBookXmlReader> m_reader;
    QDir m_folder; // the file's folder, which relative cover paths start from
};
