#include "db/ImportCache.h"

#include "app/StringTable.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"

#include <QElapsedTimer>

#include <sqlite3.h>

CImportCache::CImportCache(CLibraryConnection &connection) : m_connection(connection)
{
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(connection.Handle(), "PRAGMA cache_size", -1, &stmt, nullptr) ==
            SQLITE_OK &&
        sqlite3_step(stmt) == SQLITE_ROW)
        m_old = sqlite3_column_int64(stmt, 0);
    sqlite3_finalize(stmt);
    connection.Execute(QStringLiteral("PRAGMA cache_size=-%1").arg(kImportCacheKiB));
}

CImportCache::~CImportCache()
{
    m_connection.Execute(QStringLiteral("PRAGMA cache_size=%1").arg(m_old));
}

bool BeginImportTransaction(std::optional<CTransaction> &transaction,
                            CLibraryConnection &connection,
                            const std::function<void(const QString &status)> &onWaiting,
                            int busyWaitSeconds, QString *error, bool *busy)
{
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        transaction.emplace(connection);
        if (transaction->IsActive())
            return true;
        const int code = connection.Handle() ? sqlite3_errcode(connection.Handle()) : SQLITE_MISUSE;
        *error = transaction->Error();
        *busy = code == SQLITE_BUSY || code == SQLITE_LOCKED;
        transaction.reset();
        if (!*busy || waited.elapsed() >= qint64(busyWaitSeconds) * 1000)
            return false;
        if (onWaiting)
            onWaiting(LoadString(244));
    }
}

bool InImportTransaction(const CLibraryConnection &connection)
{
    return connection.Handle() && sqlite3_get_autocommit(connection.Handle()) == 0;
}
