#pragma once

#include "exchange/TableCatalogueReader.h"

// The StoryGraph's CSV export ("ISBN/UID" since it has had non-ISBN
// editions, "ISBN" before), read by the header's column names.
class CStoryGraphReader : public CTableCatalogueReader
{
public:
    QString SourceName() const override;

    // The readings of a "Dates Read" text: ranges "2023/01/05-2023/01/20"
    // separated by commas, a single date for a finished reading, a range
    // without its end for one in progress.
    static QList<CBookReading> ReadingsFromRanges(const QString &text);

protected:
    bool TakeHeader(const QStringList &header) override;
    void FinishRow(CForeignBook &book) override;

private:
    QString m_lastDateRead;
};
