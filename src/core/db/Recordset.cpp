#include "db/Recordset.h"

#include "db/DateText.h"
#include "db/LibraryConnection.h"
#include "db/SqlFormat.h"

#include <sqlite3.h>

#include <cctype>
#include <cstring>

#include <QCoreApplication>

namespace {

using Type = CFieldValue::Type;

// The storage type a column's declared type stands for; Other when the
// column is an expression or declares nothing we know.
Type DeclaredType(const char *declared)
{
    if (!declared)
        return Type::Other;
    const QByteArray d = QByteArray(declared).toUpper();
    if (d.contains("CURRENCY") || d.contains("MONEY"))
        return Type::Currency;
    if (d.contains("SINGLE"))
        return Type::Single;
    if (d.contains("DOUBLE") || d.contains("FLOAT") || d.contains("REAL"))
        return Type::Double;
    if (d.contains("BOOL") || d.contains("YESNO") || d == "BIT")
        return Type::Boolean;
    if (d.contains("DATE") || d.contains("TIME"))
        return Type::Date;
    if (d.contains("SMALLINT") || d.contains("SHORT"))
        return Type::Int16;
    if (d.contains("TINYINT") || d.contains("BYTE"))
        return Type::Byte;
    if (d.contains("INT") || d.contains("LONG"))
        return Type::Int32;
    if (d.contains("TEXT") || d.contains("CHAR") || d.contains("MEMO") || d.contains("CLOB"))
        return Type::Text;
    return Type::Other;
}

QString ColumnText(sqlite3_stmt *stmt, int index)
{
    const void *data = sqlite3_column_text16(stmt, index);
    const int bytes = sqlite3_column_bytes16(stmt, index);
    return QString::fromUtf16(static_cast<const char16_t *>(data), bytes / 2);
}

} // namespace

CRecordset::CRecordset(CLibraryConnection &connection) : m_connection(connection) {}

CRecordset::~CRecordset()
{
    Close();
}

bool CRecordset::Open(const QString &sql)
{
    Close();
    m_sql = sql;
    m_error.clear();
    m_affected = 0;
    sqlite3 *db = m_connection.Handle();
    if (!db) {
        m_error = sql + u'\n' + QString::fromUtf8(sqlite3_errstr(SQLITE_MISUSE));
        return false;
    }
    const QByteArray utf8 = sql.toUtf8();
    const char *tail = nullptr;
    if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &m_stmt, &tail) != SQLITE_OK) {
        Fail();
        return false;
    }
    if (!m_stmt) { // nothing but white space
        m_eof = true;
        return true;
    }
    // One statement at a time: a second one would otherwise be passed over
    // without a word while the first is reported as done.
    if (tail && !IsBlankSql(tail)) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        m_error = sql + u'\n' +
                  QCoreApplication::translate(
                      "Messages", "Characters found after the end of the SQL statement.");
        m_eof = true;
        return false;
    }
    QString refusal;
    if (!m_connection.PrepareToRun(m_stmt, &refusal)) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
        m_error = sql + u'\n' + refusal;
        m_eof = true;
        return false;
    }
    const int count = sqlite3_column_count(m_stmt);
    m_columns.reserve(count);
    m_declared.reserve(count);
    for (int i = 0; i < count; ++i) {
        m_declared.append(DeclaredType(sqlite3_column_decltype(m_stmt, i)));
        // The first column of a name wins, as with SELECT * over a join.
        const QString name = ColumnName(i).toLower();
        if (!m_columns.contains(name))
            m_columns.insert(name, i);
    }
    const qint64 changesBefore = sqlite3_total_changes64(db);
    if (!Step())
        return false;
    m_affected = RowsChangedByStatement(db, changesBefore);
    return true;
}

bool CRecordset::Step()
{
    const int rc = sqlite3_step(m_stmt);
    if (rc == SQLITE_ROW) {
        m_eof = false;
        return true;
    }
    m_eof = true;
    if (rc == SQLITE_DONE)
        return true;
    Fail();
    return false;
}

void CRecordset::Fail()
{
    m_error = m_sql + u'\n' + m_connection.LastError();
    if (m_stmt) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
    }
    m_eof = true;
}

bool CRecordset::MoveNext()
{
    if (!m_stmt || m_eof)
        return false;
    return Step();
}

void CRecordset::Close()
{
    if (m_stmt) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
    }
    m_columns.clear();
    m_declared.clear();
    m_eof = true;
}

int CRecordset::ColumnCount() const
{
    return m_stmt ? sqlite3_column_count(m_stmt) : 0;
}

QString CRecordset::ColumnName(int index) const
{
    if (!m_stmt)
        return QString();
    return QString::fromUtf16(static_cast<const char16_t *>(sqlite3_column_name16(m_stmt, index)));
}

int CRecordset::ColumnIndex(const QString &name) const
{
    return m_columns.value(name.toLower(), -1);
}

qint64 CRecordset::GetInteger(int index) const
{
    return m_stmt && !m_eof ? sqlite3_column_int64(m_stmt, index) : 0;
}

CFieldValue CRecordset::GetField(int index) const
{
    if (!m_stmt || m_eof || index < 0 || index >= sqlite3_column_count(m_stmt))
        return CFieldValue();
    const int storage = sqlite3_column_type(m_stmt, index);
    if (storage == SQLITE_NULL)
        return CFieldValue::Null();
    const Type declared = m_declared.value(index, Type::Other);

    switch (storage) {
    case SQLITE_INTEGER: {
        const qint64 v = sqlite3_column_int64(m_stmt, index);
        switch (declared) {
        case Type::Currency:
        case Type::Single:
        case Type::Double:
            return CFieldValue::FromNumber(double(v), declared);
        case Type::Boolean:
        case Type::Int16:
        case Type::Byte:
            return CFieldValue::FromInt(v, declared);
        case Type::Text:
            return CFieldValue::FromText(ColumnText(m_stmt, index));
        case Type::Date:
            // A year alone, which the column's numeric affinity keeps as a
            // number, read as the four digits it was written with.
            if (v >= 1 && v <= 9999)
                return CFieldValue::FromText(DisplayDateText(CPartialDate{int(v), 0, 0}));
            return CFieldValue::FromInt(v);
        default:
            return CFieldValue::FromInt(v);
        }
    }
    case SQLITE_FLOAT: {
        const double v = sqlite3_column_double(m_stmt, index);
        switch (declared) {
        case Type::Currency:
        case Type::Single:
            return CFieldValue::FromNumber(v, declared);
        case Type::Text:
            return CFieldValue::FromText(ColumnText(m_stmt, index));
        default:
            return CFieldValue::FromNumber(v);
        }
    }
    case SQLITE_TEXT: {
        const QString text = ColumnText(m_stmt, index);
        // Dates are stored as the text they were written with. A date known
        // only to the month is shown as one ("2000-09" as "Sep 2000"), a
        // year alone as it is.
        if (declared == Type::Date) {
            if (const auto date = ParseDateText(text))
                return CFieldValue::FromDate(*date);
            if (const auto partial = ParsePartialDate(text); partial && partial->HasMonth())
                return CFieldValue::FromText(DisplayDateText(*partial));
        }
        return CFieldValue::FromText(text);
    }
    default:
        return CFieldValue{Type::Other, 0, 0.0, {}, {}};
    }
}

CFieldValue CRecordset::GetField(const QString &name) const
{
    return GetField(ColumnIndex(name));
}

QString CRecordset::GetText(int index) const
{
    return FormatFieldValue(GetField(index));
}

QString CRecordset::GetText(const QString &name) const
{
    return FormatFieldValue(GetField(name));
}

QByteArrayView CRecordset::GetUtf8(int index) const
{
    if (!m_stmt || m_eof || index < 0 || index >= sqlite3_column_count(m_stmt))
        return {};
    const auto *text = reinterpret_cast<const char *>(sqlite3_column_text(m_stmt, index));
    return QByteArrayView(text, text ? sqlite3_column_bytes(m_stmt, index) : 0);
}
