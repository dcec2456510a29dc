#pragma once

#include "exchange/TableCatalogueReader.h"

// Libib's CSV export of a library, read by the header's column names.
class CLibibReader : public CTableCatalogueReader
{
public:
    QString SourceName() const override;

protected:
    bool TakeHeader(const QStringList &header) override;
    void FinishRow(CForeignBook &book) override;

private:
    QString m_began;
    QString m_completed;
    QString m_status;
};
