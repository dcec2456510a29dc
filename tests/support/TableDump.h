#pragma once

#include <QMap>
#include <QString>
#include <QStringList>

// Every table of the library at `path` with all its rows, read through a
// connection of SQLite's own: each row its values as SQLite's quote() gives
// them (so NULL, 1, 1.0 and '1' differ), the rows in order. Two dumps are
// equal when the libraries hold the same rows, whatever order they were
// written in.
using CTableDump = QMap<QString, QStringList>;
CTableDump DumpTables(const QString &path);

// The first table where two dumps differ, with a row that only one of them
// has; empty when they are equal. For QVERIFY2.
QString DumpDifference(const CTableDump &expected, const CTableDump &actual);
