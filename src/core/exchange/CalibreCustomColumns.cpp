#include "exchange/CalibreCustomColumns.h"

#include "app/StringTable.h"
#include "exchange/CalibreDate.h"
#include "exchange/HtmlPlainText.h"

#include <QCoreApplication>

namespace {

// calibre keeps these kinds in a table of values shared by the books and a
// link table; the others in one table with a row per book.
bool IsNormalizedKind(const QString &datatype)
{
    return datatype == QLatin1String("text") || datatype == QLatin1String("series") ||
           datatype == QLatin1String("enumeration") || datatype == QLatin1String("rating");
}

QString NumberText(double value)
{
    return QString::number(value, 'g', 12);
}

} // namespace

void CCalibreCustomColumns::Load(CReadOnlyDatabase &database, const QTimeZone &timeZone)
{
    m_columns.clear();
    m_skipped.clear();
    m_error.clear();
    m_timeZone = timeZone;
    if (!database.HasTable(QStringLiteral("custom_columns")))
        return;
    const QStringList fields = database.Columns(QStringLiteral("custom_columns"));
    auto field = [&fields](const char *name, const char *fallback) {
        return fields.contains(QLatin1String(name)) ? QString::fromLatin1(name)
                                                    : QString::fromLatin1(fallback);
    };
    CReadOnlyDatabase::Query definitions =
        database.Prepare(QStringLiteral("SELECT id, %1, %2, %3, %4 FROM custom_columns ORDER BY id")
                             .arg(field("name", "label"), field("datatype", "'text'"),
                                  field("normalized", "-1"), field("mark_for_delete", "0")));
    while (definitions.Step()) {
        Column column;
        const qint64 id = definitions.Integer(0);
        column.name = definitions.Text(1);
        column.datatype = definitions.Text(2).toLower();
        const bool normalized = definitions.Integer(3) < 0 ? IsNormalizedKind(column.datatype)
                                                           : definitions.Integer(3) != 0;
        if (definitions.Integer(4) != 0)
            continue; // the user deleted it; calibre drops it on its next start
        if (column.datatype == QLatin1String("composite")) {
            m_skipped.append(QCoreApplication::translate("Messages", "%1 (computed by calibre)")
                                 .arg(column.name));
            continue;
        }
        // The identifiers come from the library's own numbers, never from text.
        const QString values = QStringLiteral("custom_column_%1").arg(id);
        const QString links = QStringLiteral("books_custom_column_%1_link").arg(id);
        QString sql;
        if (normalized && database.HasTable(values) && database.HasTable(links)) {
            column.hasExtra = database.Columns(links).contains(QLatin1String("extra"));
            sql =
                QStringLiteral("SELECT v.value%3 FROM %2 l JOIN %1 v ON v.id = l.value "
                               "WHERE l.book = ? ORDER BY l.id")
                    .arg(values, links, column.hasExtra ? QStringLiteral(", l.extra") : QString());
        } else if (!normalized && database.Columns(values).contains(QLatin1String("book"))) {
            sql = QStringLiteral("SELECT value FROM %1 WHERE book = ? ORDER BY id").arg(values);
        }
        if (!sql.isEmpty())
            column.query = database.Prepare(sql);
        if (!column.query.IsValid()) {
            m_skipped.append(
                QCoreApplication::translate("Messages", "%1 (its table cannot be read)")
                    .arg(column.name));
            continue;
        }
        m_columns.push_back(std::move(column));
    }
}

QVector<CForeignValue> CCalibreCustomColumns::Values(qint64 bookId)
{
    QVector<CForeignValue> values;
    for (Column &column : m_columns) {
        column.query.Restart(bookId);
        QStringList texts;
        while (column.query.Step()) {
            const QString text = ValueText(column, column.query);
            if (!text.isEmpty())
                texts.append(text);
        }
        if (column.query.Failed() && m_error.isEmpty())
            m_error = column.query.Error();
        if (!texts.isEmpty())
            values.append({column.name, QString(), texts.join(QStringLiteral(", "))});
    }
    return values;
}

QString CCalibreCustomColumns::ValueText(const Column &column,
                                         const CReadOnlyDatabase::Query &row) const
{
    if (row.IsNull(0))
        return QString();
    const QString &kind = column.datatype;
    if (kind == QLatin1String("bool"))
        return LoadString(row.Integer(0) != 0 ? 199 : 200); // "Yes" / "No"
    if (kind == QLatin1String("rating")) {
        // Kept out of 10 like the book's rating; shown as stars out of 5.
        const double stars = row.Number(0) / 2.0;
        return stars > 0 ? QStringLiteral("%1/5").arg(NumberText(stars)) : QString();
    }
    if (kind == QLatin1String("int") || kind == QLatin1String("float"))
        return NumberText(row.Number(0));
    if (kind == QLatin1String("datetime"))
        return CalibreDay(row.Text(0), m_timeZone);
    if (kind == QLatin1String("comments"))
        return PlainTextFromHtml(row.Text(0));
    if (kind == QLatin1String("series") && column.hasExtra && !row.IsNull(1))
        return QStringLiteral("%1 #%2").arg(row.Text(0).trimmed(), NumberText(row.Number(1)));
    return row.Text(0).trimmed();
}
