#include "exchange/StoryGraphReader.h"

#include "exchange/ExportText.h"

#include <QCoreApplication>
#include <QRegularExpression>

QString CStoryGraphReader::SourceName() const
{
    return QStringLiteral("StoryGraph");
}

QList<CBookReading> CStoryGraphReader::ReadingsFromRanges(const QString &text)
{
    static const QRegularExpression date(
        QStringLiteral("\\d{4}[/.-]\\d{1,2}[/.-]\\d{1,2}|\\d{1,2}/\\d{1,2}/\\d{4}"));
    QList<CBookReading> readings;
    for (const QString &range : SplitExportList(text, QStringLiteral(","))) {
        QStringList dates;
        auto matches = date.globalMatch(range);
        while (matches.hasNext())
            dates.append(matches.next().captured(0));
        CBookReading reading;
        if (dates.size() >= 2) {
            reading.Started = dates.at(0);
            reading.Finished = dates.at(1);
        } else if (dates.size() == 1 && range.endsWith(u'-')) {
            reading.Started = dates.at(0);
        } else {
            // A single date, or a text the mapping keeps in Notes.
            reading.Finished = dates.isEmpty() ? range : dates.at(0);
        }
        readings.append(reading);
    }
    return readings;
}

bool CStoryGraphReader::TakeHeader(const QStringList &header)
{
    m_lastDateRead.clear();
    SetFields(header, {{"title", "Title"},
                       {"isbnuid", "ISBN"},
                       {"isbn", "ISBN"},
                       {"format", "Binding"},
                       {"review", "Notes"}});
    for (int i = 0; i < header.size(); ++i) {
        const QString key = ColumnKey(header.at(i));
        if (key == u"authors") {
            SetAction(i, [](const QString &column, const QString &value, CForeignBook &book) {
                for (const QString &name : SplitExportList(value, QStringLiteral(",")))
                    book.values.append({column, QStringLiteral("Author"), name});
            });
        } else if (key == u"tags") {
            SetAction(i, [](const QString &, const QString &value, CForeignBook &book) {
                for (const QString &tag : SplitExportList(value, QStringLiteral(",")))
                    book.categories.append(QStringList{tag});
            });
        } else if (key == u"readstatus") {
            SetAction(i, [](const QString &column, const QString &value, CForeignBook &book) {
                if (value == u"to-read")
                    book.toRead = true;
                else if (value != u"read")
                    book.values.append({column, QString(), value});
            });
        } else if (key == u"datesread") {
            SetAction(i, [](const QString &, const QString &value, CForeignBook &book) {
                book.readings += ReadingsFromRanges(value);
            });
        } else if (key == u"lastdateread") {
            SetAction(i, [this](const QString &, const QString &value, CForeignBook &) {
                m_lastDateRead = value;
            });
        } else if (key == u"readcount") {
            SetAction(i, [](const QString &, const QString &value, CForeignBook &book) {
                book.readCount = value.toInt();
            });
        } else if (key == u"owned") {
            // Owning the book is what a catalogue's books do; only a "No" is
            // worth a line in Notes.
            SetAction(i, [](const QString &column, const QString &value, CForeignBook &book) {
                if (!IsExportYes(value))
                    book.values.append({column, QString(), value});
            });
        } else if (key == u"starrating") {
            SetAction(i, [](const QString &column, const QString &value, CForeignBook &book) {
                if (value.toDouble() > 0)
                    book.values.append({column, QStringLiteral("MyRating"), value});
            });
        }
    }
    if (FindColumn(header, {QStringLiteral("title")}) < 0) {
        SetError(QCoreApplication::translate("Import",
                                             "%1 has no Title column: it is no StoryGraph export.")
                     .arg(FileName()));
        return false;
    }
    return true;
}

void CStoryGraphReader::FinishRow(CForeignBook &book)
{
    // "Last Date Read" repeats the end of the last range of "Dates Read";
    // older exports have only it.
    if (book.readings.isEmpty() && !m_lastDateRead.isEmpty())
        book.readings.append({QString(), m_lastDateRead, QString()});
    m_lastDateRead.clear();
}
