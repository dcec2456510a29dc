#pragma once

#include <QString>

class CTomeloDoc;

// Runs a statement typed by the user on the open library. A statement that
// changes rows reports how many; a query reports how many rows it returned.
struct CSqlRunResult
{
    bool ok = false;
    qint64 affected = 0;
    qint64 rows = 0;
    QString error; // the statement, a line break and the database's description
};

CSqlRunResult RunUserSql(CTomeloDoc &doc, const QString &sql);

// The text that reports a successful run ("Records affected: ...").
QString SqlRunReport(const CSqlRunResult &result);
