#pragma once

#include "db/FieldValue.h"

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

class CLibraryConnection;
struct sqlite3_stmt;

// A forward-only result set: opened for one query, read row by row, closed.
// Values come back with the storage type their column declares.
class CRecordset
{
public:
    explicit CRecordset(CLibraryConnection &connection);
    ~CRecordset();
    CRecordset(const CRecordset &) = delete;
    CRecordset &operator=(const CRecordset &) = delete;

    // Runs the query and moves to its first row. On failure ErrorText() holds
    // the statement, a line break and the database's description.
    bool Open(const QString &sql);
    void Close();
    bool IsOpen() const { return m_stmt != nullptr; }

    bool IsEOF() const { return m_eof; }
    bool MoveNext();

    int ColumnCount() const;
    QString ColumnName(int index) const;
    int ColumnIndex(const QString &name) const; // -1 when there is no such column

    CFieldValue GetField(int index) const;
    CFieldValue GetField(const QString &name) const;
    // The column's integer value as stored, without any conversion (0 for
    // NULL): the quick way through long lists of identifiers.
    qint64 GetInteger(int index) const;
    // The field as display text (FormatFieldValue).
    QString GetText(int index) const;
    QString GetText(const QString &name) const;
    // The field's text as the database keeps it (UTF-8), without conversion;
    // valid until the next move, empty for NULL.
    QByteArrayView GetUtf8(int index) const;

    // Rows changed by the statement when it was not a query.
    qint64 RecordsAffected() const { return m_affected; }

    bool HasError() const { return !m_error.isEmpty(); }
    QString ErrorText() const { return m_error; }

private:
    bool Step();
    void Fail();

    CLibraryConnection &m_connection;
    sqlite3_stmt *m_stmt = nullptr;
    QString m_sql;
    QString m_error;
    bool m_eof = true;
    qint64 m_affected = 0;
    QHash<QString, int> m_columns; // lower-case name to index
    // The storage type each column declares, read once per statement rather
    // than for every value.
    QVector<CFieldValue::Type> m_declared;
};
