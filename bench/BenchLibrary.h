#pragma once

#include "db/LibraryConnection.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sqlite3.h>

// Runs `statements` through SQLite's C interface in one transaction: the
// floor the program's own writes are measured against.
template <typename Statements>
bool ExecuteInOneTransaction(sqlite3 *db, const Statements &statements, QString *error)
{
    sqlite3_exec(db, "BEGIN", nullptr, nullptr, nullptr);
    for (const QByteArray &sql : statements) {
        if (sqlite3_exec(db, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK) {
            *error = QString::fromUtf8(sqlite3_errmsg(db));
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
            return false;
        }
    }
    return sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
}

// A fresh copy of the library template with its images folder in a
// temporary folder, open for the benchmark that made it.
struct BenchLibrary
{
    QTemporaryDir dir;
    QString path;
    QString images;
    CLibraryConnection db;

    BenchLibrary()
    {
        path = dir.filePath(QStringLiteral("bench.mdb"));
        images = dir.filePath(QStringLiteral("bench_images"));
        QDir().mkpath(images);
        QFile::copy(QStringLiteral(TOMELODEX_RUNTIME_DIR "/Tomelodex.dbt"), path);
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        db.Open(path);
    }
};
