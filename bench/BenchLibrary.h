#pragma once

#include "db/LibraryConnection.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

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
