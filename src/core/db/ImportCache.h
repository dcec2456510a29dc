#pragma once

#include "db/LibraryConnection.h"

#include <QString>

#include <functional>
#include <optional>

// A larger page cache while an import runs: the title and ISBN indexes of
// a big library take random inserts, and with the default cache each of them
// spills pages to the journal. Bounded, so memory stays flat.
class CImportCache
{
public:
    explicit CImportCache(CLibraryConnection &connection);
    ~CImportCache();
    CImportCache(const CImportCache &) = delete;
    CImportCache &operator=(const CImportCache &) = delete;

private:
    static constexpr int kImportCacheKiB = 32 * 1024;
    CLibraryConnection &m_connection;
    qint64 m_old = -2000;
};

// Starts an import's transaction. While another program holds the write
// lock beyond the connection's own wait, tries again until
// `busyWaitSeconds` have passed, telling `onWaiting` each time. On failure
// `busy` tells whether the library was in use.
bool BeginImportTransaction(std::optional<CTransaction> &transaction,
                            CLibraryConnection &connection,
                            const std::function<void(const QString &status)> &onWaiting,
                            int busyWaitSeconds, QString *error, bool *busy);

// Whether `connection` is inside a transaction still: a full disk or an I/O
// error makes the database roll the whole of it back.
bool InImportTransaction(const CLibraryConnection &connection);
