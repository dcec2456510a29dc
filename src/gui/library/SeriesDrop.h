#pragma once

#include <QString>
#include <QVector>

class CTomeloDoc;

// Books dropped on a series in the category tree join it. Their numbers are
// asked first: for one book a number, the next free one offered; for
// several, whether to number them from the next free number on in the order
// they were listed, or to give them none. The books leave any series they
// were in. One undoable change; false when cancelled or refused (said, with
// nothing stored).
class CSeriesDrop
{
public:
    CSeriesDrop(CTomeloDoc &doc, qint64 seriesId, const QString &seriesName);

    bool Run(const QVector<quint32> &bookIds);

    // The number after the largest whole number the series' books other
    // than `except` have; 1 for a series without numbers.
    int NextFreeNumber(const QVector<quint32> &except) const;

private:
    // The number of each book, in order; false when cancelled or refused.
    bool AskNumbers(const QVector<quint32> &bookIds, QStringList &numbers) const;

    CTomeloDoc &m_doc;
    qint64 m_seriesId;
    QString m_seriesName;
};
