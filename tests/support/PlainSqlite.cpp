#include "PlainSqlite.h"

#include <QFile>

#include <sqlite3.h>

CPlainSqlite::CPlainSqlite(const QString &path)
{
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &m_db, SQLITE_OPEN_READWRITE,
                        nullptr) != SQLITE_OK) {
        m_error = QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_close_v2(m_db);
        m_db = nullptr;
        return;
    }
    // Waits for the program's write lock as a patient tool would.
    sqlite3_busy_timeout(m_db, 30000);
}

CPlainSqlite::~CPlainSqlite()
{
    sqlite3_close_v2(m_db);
}

QStringList CPlainSqlite::Rows(const QString &sql)
{
    m_error.clear();
    QStringList rows;
    if (!m_db)
        return rows;
    sqlite3_stmt *stmt = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v2(m_db, utf8.constData(), int(utf8.size()), &stmt, nullptr) != SQLITE_OK) {
        m_error = QString::fromUtf8(sqlite3_errmsg(m_db));
        return rows;
    }
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        QStringList columns;
        for (int i = 0; i < sqlite3_column_count(stmt); ++i)
            columns << QString::fromUtf8(
                reinterpret_cast<const char *>(sqlite3_column_text(stmt, i)));
        rows << columns.join(u'|');
    }
    if (rc != SQLITE_DONE)
        m_error = QString::fromUtf8(sqlite3_errmsg(m_db));
    sqlite3_finalize(stmt);
    return rows;
}

bool CPlainSqlite::Exec(const QString &sql)
{
    m_error.clear();
    if (!m_db) {
        m_error = QStringLiteral("not open");
        return false;
    }
    char *message = nullptr;
    if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, &message) == SQLITE_OK)
        return true;
    m_error = QString::fromUtf8(message);
    sqlite3_free(message);
    return false;
}
