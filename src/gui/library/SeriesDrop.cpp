#include "library/SeriesDrop.h"

#include "app/UserPrompt.h"
#include "db/LibraryConnection.h"
#include "db/Recordset.h"
#include "db/TomeloDoc.h"
#include "library/SeriesDropCommand.h"
#include "loans/LoanSql.h"
#include "loans/SeriesNumber.h"
#include "loans/SeriesStore.h"
#include "undo/LibraryUndo.h"

#include <QCoreApplication>
#include <QSet>
#include <QStringList>

#include <cmath>

namespace {

QString Tr(const char *text, int n = -1)
{
    return QCoreApplication::translate("SeriesDrop", text, nullptr, n);
}

} // namespace

CSeriesDrop::CSeriesDrop(CTomeloDoc &doc, qint64 seriesId, const QString &seriesName)
    : m_doc(doc), m_seriesId(seriesId), m_seriesName(seriesName)
{}

int CSeriesDrop::NextFreeNumber(const QVector<quint32> &except) const
{
    const QSet<quint32> skipped(except.cbegin(), except.cend());
    double largest = 0;
    QString error;
    ForEachRow(
        *m_doc.m_connection,
        QStringLiteral("SELECT BookID, Number FROM book_series WHERE SeriesID = %1")
            .arg(m_seriesId),
        [&](const CRecordset &rs) {
            const QString number = rs.GetText(1);
            if (skipped.contains(quint32(rs.GetInteger(0))) || !IsSeriesNumberText(number))
                return;
            largest = std::max(largest, StoredSeriesNumber(number).toDouble());
        },
        &error);
    // Whole numbers far beyond any series are not counted on.
    return largest < 1e8 ? int(std::floor(largest)) + 1 : 1;
}

bool CSeriesDrop::AskNumbers(const QVector<quint32> &bookIds, QStringList &numbers) const
{
    const int next = NextFreeNumber(bookIds);
    if (bookIds.size() == 1) {
        QString number = QString::number(next);
        if (!AskText(
                Tr("Number of the book in the series \"%1\" (empty for none):").arg(m_seriesName),
                number))
            return false;
        number = number.trimmed();
        if (!number.isEmpty() && !IsSeriesNumberText(number)) {
            ShowMessage(CSeriesStore::BadNumberMessage(number), MsgIcon::Warning);
            return false;
        }
        numbers = {number};
        return true;
    }
    const MsgAnswer answer =
        ShowMessage(Tr("Number the %n books in the series \"%1\" from %2 on, in the order they "
                       "are listed?\n\nNo puts them into the series without numbers.",
                       int(bookIds.size()))
                        .arg(m_seriesName)
                        .arg(next),
                    MsgIcon::Question, MsgButtons::YesNoCancel);
    if (answer == MsgAnswer::Cancel)
        return false;
    numbers.clear();
    for (int i = 0; i < bookIds.size(); ++i)
        numbers << (answer == MsgAnswer::Yes ? QString::number(next + i) : QString());
    return true;
}

bool CSeriesDrop::Run(const QVector<quint32> &bookIds)
{
    if (!m_doc.IsLibraryOpen() || bookIds.isEmpty() || m_seriesId <= 0)
        return false;
    QStringList numbers;
    if (!AskNumbers(bookIds, numbers))
        return false;
    CLibraryConnection &connection = *m_doc.m_connection;
    auto command = std::make_unique<CSeriesDropCommand>(m_doc, bookIds, m_seriesName);
    QString error;
    const bool written = WriteLoanRows(connection, &error, [&] {
        for (int i = 0; i < bookIds.size(); ++i)
            if (!CSeriesStore::WriteBookSeries(connection, qint32(bookIds[i]), m_seriesName,
                                               numbers[i], &error))
                return false;
        return true;
    });
    if (!written) {
        ShowMessage(error, MsgIcon::Warning);
        return false;
    }
    CLibraryUndo::Of(m_doc).Push(std::move(command));
    m_doc.NotifyBooksChanged();
    return true;
}
