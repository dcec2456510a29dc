#include "db/BulkEdit.h"

#include "app/StringTable.h"
#include "db/BookRecord.h"
#include "db/DateText.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "db/Recordset.h"
#include "db/SqlFormat.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>

#include <functional>

namespace {

// Books are named in statements this many at a time, which keeps every
// statement short whatever the selection.
constexpr int kChunk = 500;

int ColumnLimit(const char *name)
{
    for (const CBookRecord::ColumnLimit &limit : CBookRecord::ColumnLimits()) {
        if (qstrcmp(limit.Field, name) == 0)
            return limit.Limit;
    }
    return 0;
}

const QVector<CBulkFieldInfo> &FieldTable()
{
    using K = EBulkKind;
    using F = EBulkField;
    static const QVector<CBulkFieldInfo> table = [] {
        QVector<CBulkFieldInfo> fields = {
            {F::Title, "Title", "Title", nullptr, K::Text, 0},
            {F::Subtitle, "Subtitle", "Subtitle", nullptr, K::Text, 0},
            {F::Author, "Author", "Author", nullptr, K::Text, 0},
            {F::Edition, "Edition", "Edition", nullptr, K::Text, 0},
            {F::Publisher, "Publisher", "PublisherID", "bookpublisher", K::Name, 0},
            {F::PageCount, "PageCount", "PageCount", nullptr, K::Integer, 0},
            {F::Language, "Language", "LanguageID", "booklanguage", K::Name, 0},
            {F::ReleaseDate, "ReleaseDate", "ReleaseDate", nullptr, K::Date, 0},
            {F::Binding, "Binding", "BindingID", "bookbinding", K::Name, 0},
            {F::Dimension, "Dimension", "Dimension", nullptr, K::Text, 0},
            {F::Extras, "Extras", "ExtrasID", "bookextras", K::Name, 0},
            {F::PurchaseDate, "PurchaseDate", "PurchaseDate", nullptr, K::Date, 0},
            {F::Store, "Store", "StoreID", "bookstore", K::Name, 0},
            {F::PurchasePrice, "PurchasePrice", "PurchasePrice", nullptr, K::Number, 0},
            {F::ListPrice, "ListPrice", "ListPrice", nullptr, K::Number, 0},
            {F::AmazonPrice, "AmazonPrice", "AmazonPrice", nullptr, K::Number, 0},
            {F::AmazonRating, "AmazonRating", "AmazonRating", nullptr, K::Number, 0},
            {F::NumOfReviews, "NumOfReviews", "NumOfReviews", nullptr, K::Integer, 0},
            {F::MyRating, "MyRating", "MyRating", nullptr, K::Rating, 0},
            {F::Location, "Location", "LocationID", "booklocation", K::Name, 0},
            {F::Status, "Status", "StatusID", "bookstatus", K::Name, 0},
            {F::CurrentPage, "CurrentPage", "CurrentPage", nullptr, K::Integer, 0},
            {F::EBookOnly, "EBookOnly", "EBookOnly", nullptr, K::Flag, 0},
            {F::Format, "Format", "FormatID", "bookformat", K::Name, 0},
            {F::BookSize, "BookSize", "BookSize", nullptr, K::Number, 0},
            {F::UserText1, "UserText1", "UserText1", nullptr, K::Text, 0},
            {F::UserText2, "UserText2", "UserText2", nullptr, K::Text, 0},
        };
        for (int i = 0; i < fields.size(); ++i) {
            Q_ASSERT(int(fields[i].Field) == i);
            fields[i].Limit = ColumnLimit(fields[i].Name);
        }
        return fields;
    }();
    return table;
}

QString IdList(const QVector<quint32> &ids, int from, int count)
{
    QStringList list;
    list.reserve(count);
    for (int i = from; i < from + count; ++i)
        list.append(QString::number(ids[i]));
    return list.join(u',');
}

// Calls `each` with the ids of every chunk of `ids` in turn; stops at the
// first false.
bool ForEachChunk(const QVector<quint32> &ids, const std::function<bool(const QString &)> &each)
{
    for (int from = 0; from < ids.size(); from += kChunk) {
        if (!each(IdList(ids, from, qMin(kChunk, int(ids.size()) - from))))
            return false;
    }
    return true;
}

// What the book record holds for a field of the current row, as Load reads it.
QString FieldText(const CRecordset &rs, int column, EBulkKind kind)
{
    switch (kind) {
    case EBulkKind::Rating:
        return QString::number(rs.GetText(column).toInt());
    case EBulkKind::Flag:
        return rs.GetField(column).integer != 0 ? QStringLiteral("1") : QStringLiteral("0");
    case EBulkKind::Date: {
        // A time of day stays with its date, as the book sheet keeps it.
        const CFieldValue value = rs.GetField(column);
        if (value.type == CFieldValue::Type::Date && value.date.time() != QTime(0, 0))
            return rs.GetText(column) + value.date.toString(QStringLiteral(" HH:mm:ss"));
        return rs.GetText(column);
    }
    default:
        return rs.GetText(column);
    }
}

// The stored values of `fields` of each book of `ids`, in the order of `ids`
// (books no longer there are left out): for every field its text as the
// book record holds it and, for names, the stored identifier after it.
// `each` gets the book, its title and the values; false stops the reading.
using FieldTexts = QStringList;
bool ReadFields(const QVector<quint32> &ids, const QVector<EBulkField> &fields,
                CLibraryConnection &connection,
                const std::function<bool(quint32, const QString &, const FieldTexts &)> &each,
                QString *error)
{
    QStringList columns = {QStringLiteral("b.BookID"), QStringLiteral("b.Title")};
    for (const EBulkField field : fields) {
        const CBulkFieldInfo &info = CBulkEdit::Info(field);
        const QString column = QStringLiteral("b.") + QLatin1String(info.Column);
        if (info.Kind == EBulkKind::Name) {
            const QString table = QLatin1String(info.LookupTable);
            columns << QStringLiteral("(SELECT Name FROM %1 WHERE %2=%3)")
                           .arg(table, LookupKeyColumn(table), column)
                    << column;
        } else {
            columns << column;
        }
    }
    const QString select = QStringLiteral("SELECT %1 FROM book AS b WHERE b.BookID IN (%2)");
    for (int from = 0; from < ids.size(); from += kChunk) {
        const int count = qMin(kChunk, int(ids.size()) - from);
        CRecordset rs(connection);
        if (!rs.Open(select.arg(columns.join(u','), IdList(ids, from, count)))) {
            if (error)
                *error = rs.ErrorText();
            return false;
        }
        QHash<quint32, std::pair<QString, FieldTexts>> rows;
        while (!rs.IsEOF()) {
            FieldTexts values;
            int column = 2;
            for (const EBulkField field : fields) {
                const EBulkKind kind = CBulkEdit::Info(field).Kind;
                values << FieldText(rs, column++, kind);
                if (kind == EBulkKind::Name)
                    values << rs.GetText(column++);
            }
            rows.insert(quint32(rs.GetInteger(0)), {rs.GetText(1), values});
            if (!rs.MoveNext() && rs.HasError()) {
                if (error)
                    *error = rs.ErrorText();
                return false;
            }
        }
        for (int i = from; i < from + count; ++i) {
            const auto row = rows.constFind(ids[i]);
            if (row != rows.constEnd() && !each(ids[i], row->first, row->second))
                return true;
        }
    }
    return true;
}

// The SQL literal a field is set to, adding a lookup row for a new name.
bool ValueLiteral(const CBulkFieldInfo &info, const QString &value, CLibraryConnection &connection,
                  QString &literal)
{
    switch (info.Kind) {
    case EBulkKind::Text:
        literal = FormatSqlLiteral(value, kLiteralText);
        return true;
    case EBulkKind::Name:
        return LookupOrAddId(QLatin1String(info.LookupTable), value, literal, connection);
    case EBulkKind::Integer:
        literal = FormatSqlLiteral(value, kLiteralInteger);
        return true;
    case EBulkKind::Number:
        literal = FormatSqlLiteral(value, kLiteralNumber);
        return true;
    case EBulkKind::Date:
        // A text that is no date is kept as it was given, as the sheet does.
        literal = FormatSqlLiteral(StoredDateText(value.trimmed()).value_or(value), kLiteralText);
        return true;
    case EBulkKind::Rating:
        literal = QString::number(qBound(0, value.toInt(), 5));
        return true;
    case EBulkKind::Flag:
        literal = value.trimmed() == QLatin1String("1") ? QStringLiteral("1") : QStringLiteral("0");
        return true;
    }
    return false;
}

// An SQL condition true when the stored column differs from `literal`.
// Letter case counts ("dune" changes "Dune"), an empty text is no value, a
// rating of NULL is unrated and any non-zero flag is set. The column keeps
// its affinity, so a year stored as a number equals its text.
QString DiffersCondition(const CBulkFieldInfo &info, const QString &literal)
{
    const QString column = QLatin1String(info.Column);
    switch (info.Kind) {
    case EBulkKind::Rating:
        return QStringLiteral("COALESCE(%1,0) IS NOT %2").arg(column, literal);
    case EBulkKind::Flag:
        return QStringLiteral("(COALESCE(%1,0)<>0) IS NOT %2").arg(column, literal);
    default:
        if (literal == QLatin1String("NULL"))
            return QStringLiteral("(%1 IS NOT NULL AND %1<>'')").arg(column);
        return QStringLiteral("%1 IS NOT (%2 COLLATE BINARY)").arg(column, literal);
    }
}

// Values that differ book by book, gathered and written a chunk of books at
// a time: one UPDATE with a CASE for each column rather than one per book.
class CColumnWriter
{
public:
    void Set(quint32 bookId, const QString &column, const QString &literal)
    {
        m_cases[column] += QStringLiteral(" WHEN %1 THEN %2").arg(bookId).arg(literal);
        if (m_books.isEmpty() || m_books.last() != bookId)
            m_books.append(bookId);
    }
    int Books() const { return int(m_books.size()); }
    bool Flush(CLibraryConnection &connection, QString *error)
    {
        if (m_books.isEmpty())
            return true;
        QStringList assignments;
        for (auto column = m_cases.cbegin(); column != m_cases.cend(); ++column)
            assignments
                << QStringLiteral("%1=CASE BookID%2 ELSE %1 END").arg(column.key(), *column);
        const bool ok =
            connection.Execute(QStringLiteral("UPDATE book SET %1 WHERE BookID IN (%2)")
                                   .arg(assignments.join(u','), IdList(m_books, 0, Books())),
                               error);
        m_cases.clear();
        m_books.clear();
        return ok;
    }

private:
    QMap<QString, QString> m_cases; // column -> its " WHEN id THEN value" clauses
    QVector<quint32> m_books;
};

QString TooLongForBook(const QString &field, const QString &title, int length, int limit)
{
    return QCoreApplication::translate(
               "Messages",
               "The replacement makes %1 of \"%2\" %3 characters long, but the library keeps at "
               "most %4 for it.")
        .arg(field, title)
        .arg(length)
        .arg(limit);
}

} // namespace

QString CTextReplace::Problem() const
{
    if (Find.isEmpty())
        return QCoreApplication::translate("Messages", "Type the text to find.");
    if (Pattern) {
        const QRegularExpression expression(Find);
        if (!expression.isValid())
            return QCoreApplication::translate("Messages",
                                               "The regular expression is not valid: %1.")
                .arg(expression.errorString());
    }
    return QString();
}

QString CTextReplace::Apply(const QString &text) const
{
    if (Find.isEmpty())
        return text;
    QString result = text;
    if (!Pattern)
        return result.replace(Find, With, MatchCase ? Qt::CaseSensitive : Qt::CaseInsensitive);
    const auto options =
        MatchCase ? QRegularExpression::NoPatternOption : QRegularExpression::CaseInsensitiveOption;
    if (Compiled.pattern() != Find || Compiled.patternOptions() != options)
        Compiled = QRegularExpression(Find, options);
    if (!Compiled.isValid())
        return text;
    return result.replace(Compiled, With);
}

const CBulkFieldInfo &CBulkEdit::Info(EBulkField field)
{
    return FieldTable()[int(field)];
}

bool CBulkEdit::CanReplace(EBulkField field)
{
    const EBulkKind kind = Info(field).Kind;
    return kind == EBulkKind::Text || kind == EBulkKind::Name;
}

void CBulkEdit::Set(EBulkField field, const QString &value)
{
    m_values.insert(field, value);
}

void CBulkEdit::Replace(EBulkField field, const CTextReplace &replace)
{
    if (CanReplace(field))
        m_replacements.insert(field, replace);
}

void CBulkEdit::AddToCategory(int categoryId)
{
    m_addTo.insert(categoryId);
}

void CBulkEdit::RemoveFromCategory(int categoryId)
{
    m_removeFrom.insert(categoryId);
}

bool CBulkEdit::IsEmpty() const
{
    return m_values.isEmpty() && m_replacements.isEmpty() && m_addTo.isEmpty() &&
           m_removeFrom.isEmpty();
}

QString CBulkEdit::Problem() const
{
    for (auto replace = m_replacements.begin(); replace != m_replacements.end(); ++replace) {
        if (const QString problem = replace->Problem(); !problem.isEmpty())
            return problem;
    }
    for (auto value = m_values.begin(); value != m_values.end(); ++value) {
        const CBulkFieldInfo &info = Info(value.key());
        QString text = *value;
        if (m_replacements.contains(value.key()))
            text = m_replacements.constFind(value.key())->Apply(text);
        if (value.key() == EBulkField::Title && text.trimmed().isEmpty())
            return LoadString(155);
        if (info.Limit > 0 && text.size() > info.Limit)
            return CBookRecord::TooLongMessage(QLatin1String(info.Name), int(text.size()),
                                               info.Limit);
    }
    for (const int id : m_addTo) {
        if (m_removeFrom.contains(id))
            return QCoreApplication::translate("Messages",
                                               "A category cannot be both joined and left.");
    }
    return QString();
}

CBulkEdit::CResult CBulkEdit::Apply(const QVector<quint32> &bookIds,
                                    CLibraryConnection &connection) const
{
    CResult result;
    result.Error = Problem();
    if (!result.Error.isEmpty())
        return result;
    // The same value for every book: a replacement of a value set is made
    // once, here.
    QMap<EBulkField, QString> values = m_values;
    QVector<EBulkField> replaced;
    for (auto value = values.begin(); value != values.end(); ++value) {
        if (m_replacements.contains(value.key()))
            *value = m_replacements.constFind(value.key())->Apply(*value);
    }
    for (auto replace = m_replacements.begin(); replace != m_replacements.end(); ++replace) {
        if (!values.contains(replace.key()))
            replaced.append(replace.key());
    }

    CBulkWriteScope bulk(connection);
    CTransaction transaction(connection);
    if (!transaction.IsActive()) {
        result.Error = transaction.Error();
        return result;
    }
    QSet<quint32> changed;
    const auto failed = [&](const QString &error) {
        result.Error = error.isEmpty() ? connection.LastError() : error;
        return result;
    };
    // Collects the books a query names and hands them to `change`.
    const auto booksOf = [&](const QString &sql, QStringList &ids) {
        CRecordset rs(connection);
        if (!rs.Open(sql))
            return false;
        while (!rs.IsEOF()) {
            ids.append(QString::number(rs.GetInteger(0)));
            changed.insert(quint32(rs.GetInteger(0)));
            if (!rs.MoveNext() && rs.HasError())
                return false;
        }
        return true;
    };

    // Values set: one statement per chunk for the books that differ.
    if (!values.isEmpty()) {
        QStringList assignments;
        QStringList differs;
        for (auto value = values.cbegin(); value != values.cend(); ++value) {
            const CBulkFieldInfo &info = Info(value.key());
            QString literal;
            if (!ValueLiteral(info, *value, connection, literal))
                return failed(QString());
            assignments << QLatin1String(info.Column) + u'=' + literal;
            differs << DiffersCondition(info, literal);
        }
        const bool ok = ForEachChunk(bookIds, [&](const QString &chunk) {
            QStringList ids;
            if (!booksOf(QStringLiteral("SELECT BookID FROM book WHERE BookID IN (%1) AND (%2)")
                             .arg(chunk, differs.join(QStringLiteral(" OR "))),
                         ids))
                return false;
            return ids.isEmpty() ||
                   connection.Execute(QStringLiteral("UPDATE book SET %1 WHERE BookID IN (%2)")
                                          .arg(assignments.join(u','), ids.join(u',')));
        });
        if (!ok)
            return failed(QString());
    }

    // Replacements: book by book, only where the text changes.
    if (!replaced.isEmpty()) {
        QString problem;
        QString readError;
        CColumnWriter writer;
        const bool ok = ReadFields(
            bookIds, replaced, connection,
            [&](quint32 bookId, const QString &title, const FieldTexts &texts) {
                bool any = false;
                int at = 0;
                for (const EBulkField field : qAsConst(replaced)) {
                    const CBulkFieldInfo &info = Info(field);
                    const QString before = texts[at++];
                    const QString after = m_replacements.constFind(field)->Apply(before);
                    const QString storedId = info.Kind == EBulkKind::Name ? texts[at++] : QString();
                    if (after == before)
                        continue;
                    if (field == EBulkField::Title && after.trimmed().isEmpty()) {
                        problem = LoadString(155);
                        return false;
                    }
                    if (info.Limit > 0 && after.size() > info.Limit) {
                        problem = TooLongForBook(QLatin1String(info.Name), title, int(after.size()),
                                                 info.Limit);
                        return false;
                    }
                    QString literal;
                    if (!ValueLiteral(info, after, connection, literal)) {
                        problem = connection.LastError();
                        return false;
                    }
                    // Another spelling of the same name is the same row.
                    if (info.Kind == EBulkKind::Name &&
                        literal == (storedId.isEmpty() ? QStringLiteral("NULL") : storedId))
                        continue;
                    writer.Set(bookId, QLatin1String(info.Column), literal);
                    any = true;
                }
                if (!any)
                    return true;
                changed.insert(bookId);
                return writer.Books() < kChunk || writer.Flush(connection, &problem);
            },
            &readError);
        if (ok && problem.isEmpty())
            writer.Flush(connection, &problem);
        if (!problem.isEmpty())
            return failed(problem);
        if (!ok)
            return failed(readError);
    }

    // Categories joined and left.
    QList<int> categories = m_addTo.values() + m_removeFrom.values();
    std::sort(categories.begin(), categories.end());
    for (const int categoryId : qAsConst(categories)) {
        QString found;
        if (!QuerySingleValue(
                QStringLiteral("SELECT COUNT(*) FROM category WHERE CatID=%1").arg(categoryId),
                connection, found, nullptr, false))
            return failed(QString());
        if (found.toInt() == 0)
            return failed(QCoreApplication::translate(
                "Messages", "A chosen category is no longer in the library."));
        const bool join = m_addTo.contains(categoryId);
        const bool ok = ForEachChunk(bookIds, [&](const QString &chunk) {
            QStringList ids;
            const QString who =
                join ? QStringLiteral("SELECT BookID FROM book WHERE BookID IN (%1) AND NOT "
                                      "EXISTS (SELECT 1 FROM book_category AS m WHERE "
                                      "m.BookID=book.BookID AND m.CatID=%2)")
                     : QStringLiteral("SELECT BookID FROM book_category WHERE BookID IN (%1) "
                                      "AND CatID=%2");
            if (!booksOf(who.arg(chunk).arg(categoryId), ids))
                return false;
            if (ids.isEmpty())
                return true;
            const QString change =
                join ? QStringLiteral("INSERT INTO book_category (BookID,CatID) SELECT BookID, "
                                      "%2 FROM book WHERE BookID IN (%1)")
                     : QStringLiteral("DELETE FROM book_category WHERE CatID=%2 AND BookID IN "
                                      "(%1)");
            return connection.Execute(change.arg(ids.join(u',')).arg(categoryId));
        });
        if (!ok)
            return failed(QString());
    }

    if (!transaction.Commit())
        return failed(transaction.Error());
    result.Ok = true;
    result.ChangedBooks = int(changed.size());
    return result;
}

bool CBulkEdit::Preview(const QVector<quint32> &bookIds, CLibraryConnection &connection, int limit,
                        QVector<CPreviewRow> &rows, QString *error) const
{
    rows.clear();
    QVector<EBulkField> fields;
    for (auto replace = m_replacements.begin(); replace != m_replacements.end(); ++replace) {
        if (replace->Problem().isEmpty())
            fields.append(replace.key());
    }
    if (fields.isEmpty() || limit <= 0)
        return true;
    QString readError;
    ReadFields(
        bookIds, fields, connection,
        [&](quint32 bookId, const QString &title, const FieldTexts &texts) {
            int at = 0;
            for (const EBulkField field : qAsConst(fields)) {
                const QString before = m_values.contains(field) ? m_values[field] : texts[at];
                at += Info(field).Kind == EBulkKind::Name ? 2 : 1;
                const QString after = m_replacements.constFind(field)->Apply(before);
                if (after != before)
                    rows.append({bookId, title, field, before, after});
                if (rows.size() >= limit)
                    return false;
            }
            return true;
        },
        &readError);
    if (error)
        *error = readError;
    return readError.isEmpty();
}

bool CBulkEdit::ReadShared(const QVector<quint32> &bookIds, CLibraryConnection &connection,
                           CBulkSharedValues &shared, QString *error)
{
    QVector<EBulkField> fields;
    for (int i = 0; i < kBulkFieldCount; ++i)
        fields.append(EBulkField(i));
    shared.Values = QVector<std::optional<QString>>(kBulkFieldCount);
    QVector<bool> differ(kBulkFieldCount, false);
    bool first = true;
    QString readError;
    ReadFields(
        bookIds, fields, connection,
        [&](quint32, const QString &, const FieldTexts &texts) {
            int at = 0;
            for (int i = 0; i < kBulkFieldCount; ++i) {
                const QString &text = texts[at];
                at += Info(EBulkField(i)).Kind == EBulkKind::Name ? 2 : 1;
                if (first)
                    shared.Values[i] = text;
                else if (!differ[i] && shared.Values[i] != text)
                    differ[i] = true;
            }
            first = false;
            return true;
        },
        &readError);
    for (int i = 0; i < kBulkFieldCount; ++i) {
        if (differ[i])
            shared.Values[i].reset();
    }
    if (error)
        *error = readError;
    return readError.isEmpty();
}
