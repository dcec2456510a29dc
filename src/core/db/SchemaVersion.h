#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

class CLibraryConnection;

// The versions of a library's tables, stamped in the file as SQLite's
// `PRAGMA user_version`. Libraries made before versions were stamped say 0.
// Each version after it is reached by one step from the version before, so a
// library of any older version is brought up to date by running the steps
// from its own version on, in one transaction.
//
// Adding a version: append one step to the table in SchemaVersion.cpp (its
// SQL and/or a function), list the tables and columns it brings in the
// required parts with the new version number, change data/schema.sql to
// match, and add a case to the upgrade test.
class CSchemaVersion
{
public:
    // The version this program writes: new libraries get it, older ones are
    // upgraded to it, and newer ones are only read.
    static int Current();

    // The version stamped in the library; false when it cannot be read.
    static bool Read(CLibraryConnection &connection, int *version, QString *error = nullptr);

    // The tables this program needs in a library of `version` and their
    // columns. Tables and columns beyond these are fine.
    static QMap<QString, QStringList> RequiredColumns(int version);

    // What the library lacks of RequiredColumns(version), one entry a
    // table ("the table link") or column ("the column book.Notes"); empty when
    // it has everything.
    static QStringList MissingParts(CLibraryConnection &connection, int version);

    // Runs the steps from `fromVersion` to Current() and stamps the version.
    // The caller holds the write transaction around it.
    static bool Upgrade(CLibraryConnection &connection, int fromVersion, QString *error);

    // Where the copy of `libraryPath` kept before upgrading it from
    // `version` goes: "NAME.mdb.bak-<version>" beside it.
    static QString BackupPath(const QString &libraryPath, int version);
};
