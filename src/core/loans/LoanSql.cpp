#include "loans/LoanSql.h"

#include "db/DateText.h"
#include "db/LibraryConnection.h"
#include "db/Recordset.h"
#include "db/SqlFormat.h"

#include <QCoreApplication>

bool HasLoanTables(CLibraryConnection &connection)
{
    return connection.SchemaVersion() >= kLoanTablesVersion;
}

bool EnsureLoanTables(CLibraryConnection &connection, QString *error)
{
    return connection.EnsureCurrentSchema(error);
}

bool RunLoanSql(CLibraryConnection &connection, const QString &sql, QString *error,
                qint64 *affected)
{
    return connection.Execute(sql, error, affected, true);
}

bool ForEachRow(CLibraryConnection &connection, const QString &sql,
                const std::function<void(const CRecordset &)> &row, QString *error)
{
    CRecordset rs(connection);
    if (!rs.Open(sql)) {
        *error = rs.ErrorText();
        return false;
    }
    while (!rs.IsEOF()) {
        row(rs);
        if (!rs.MoveNext() && rs.HasError()) {
            *error = rs.ErrorText();
            return false;
        }
    }
    return true;
}

bool QueryInteger(CLibraryConnection &connection, const QString &sql, qint64 *value, QString *error)
{
    *value = 0;
    bool first = true;
    return ForEachRow(
        connection, sql,
        [&](const CRecordset &rs) {
            if (first)
                *value = rs.GetInteger(0);
            first = false;
        },
        error);
}

QString TextLiteral(const QString &text)
{
    return FormatSqlLiteral(text, kLiteralText);
}

QString DateLiteral(const QDate &date)
{
    return date.isValid() ? QLatin1Char('\'') + StoredDateText(date) + QLatin1Char('\'')
                          : QStringLiteral("NULL");
}

QDate StoredLoanDate(const QString &text)
{
    return QDate::fromString(text.left(10), Qt::ISODate);
}

QDate ParseLoanDate(const QString &text, bool *ok)
{
    const QString trimmed = text.trimmed();
    *ok = true;
    if (trimmed.isEmpty())
        return QDate();
    const std::optional<CPartialDate> date = ParsePartialDate(trimmed);
    *ok = date && date->HasDay();
    return *ok ? date->ToDate() : QDate();
}

bool FindNameId(CLibraryConnection &connection, const QString &table, const QString &keyColumn,
                const QString &name, qint64 *id, QString *error)
{
    bool ascii = true;
    for (const QChar c : name)
        ascii = ascii && c.unicode() < 0x80;
    // The index serves the usual ASCII name; others are compared row by row.
    return QueryInteger(connection,
                        QStringLiteral("SELECT %1 FROM %2 WHERE Name = %3%4 ORDER BY %1 LIMIT 1")
                            .arg(keyColumn, table, TextLiteral(name),
                                 ascii ? QString()
                                       : QStringLiteral(" COLLATE ") +
                                             QLatin1String(CLibraryConnection::kFoldingCollation)),
                        id, error);
}

bool WriteLoanRows(CLibraryConnection &connection, QString *error,
                   const std::function<bool()> &writes)
{
    CTransaction transaction(connection);
    if (!transaction.IsActive()) {
        *error = transaction.Error();
        return false;
    }
    if (!EnsureLoanTables(connection, error) || !writes())
        return false;
    if (!transaction.Commit()) {
        *error = transaction.Error();
        return false;
    }
    return true;
}

bool RenameNameRow(CLibraryConnection &connection, const QString &table, const QString &keyColumn,
                   qint64 id, const QString &name, const QString &taken, QString *error)
{
    return WriteLoanRows(connection, error, [&] {
        qint64 other = 0;
        if (!FindNameId(connection, table, keyColumn, name, &other, error))
            return false;
        if (other != 0 && other != id) {
            *error = taken;
            return false;
        }
        return RunLoanSql(connection,
                          QStringLiteral("UPDATE %1 SET Name = %2 WHERE %3 = %4")
                              .arg(table, TextLiteral(name), keyColumn)
                              .arg(id),
                          error);
    });
}

bool InsertLoanRow(CLibraryConnection &connection, const QString &sql, qint64 *id, QString *error)
{
    return RunLoanSql(connection, sql, error) &&
           QueryInteger(connection, QStringLiteral("SELECT last_insert_rowid()"), id, error);
}

bool CheckBookExists(CLibraryConnection &connection, qint32 bookId, QString *error)
{
    qint64 books = 0;
    if (!QueryInteger(connection,
                      QStringLiteral("SELECT COUNT(*) FROM book WHERE BookID = %1").arg(bookId),
                      &books, error))
        return false;
    if (books == 0)
        *error = QCoreApplication::translate("Loans", "The library has no book %1.").arg(bookId);
    return books > 0;
}
