#pragma once

#include "exchange/TableCatalogueReader.h"

// Goodreads' "Export Library" CSV, in every layout it has written (31
// columns before 2022, 24 since), read by the header's column names.
class CGoodreadsReader : public CTableCatalogueReader
{
public:
    QString SourceName() const override;

    // "Title (Series, #2)" split into the title and its series; false when
    // the title names no series.
    static bool SplitSeriesFromTitle(const QString &text, QString &title, QString &series,
                                     QString &number);

protected:
    bool TakeHeader(const QStringList &header) override;
    void FinishRow(CForeignBook &book) override;

private:
    // Values of the row in hand that several columns decide together.
    QStringList m_shelves;
    QString m_exclusiveShelf;
    QString m_dateRead;
    int m_readCount = 0;
    bool m_hasExclusiveShelf = false;
};
