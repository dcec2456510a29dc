#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

class CTomeloDoc;

// Runs a statement typed by the user on the open library. A statement that
// changes rows reports how many; a query reports how many rows it returned,
// and keeps the first of them when asked to.
struct CSqlRunResult
{
    bool ok = false;
    qint64 affected = 0;
    qint64 rows = 0;
    QString error; // the statement, a line break and the database's description

    // The names of the columns the statement returns; empty for a statement
    // that returns none (UPDATE, CREATE TABLE, ...).
    QStringList columns;
    // The first rows as the library keeps them: a null QVariant for NULL,
    // QByteArray for binary data, QString for everything else.
    QVector<QVector<QVariant>> firstRows;
    // Set when counting stopped at the limit with rows still to come: `rows`
    // is then the limit, and the statement returned more.
    bool countStopped = false;

    bool ReturnsRows() const { return !columns.isEmpty(); }
};

// `keepRows` first rows are kept in the result; counting stops after
// `countLimit` rows (0: counts them all), so that a query returning millions
// of rows does not keep the caller waiting.
CSqlRunResult RunUserSql(CTomeloDoc &doc, const QString &sql, int keepRows = 0,
                         qint64 countLimit = 0);

// The text that reports a successful run ("Records affected: ...").
QString SqlRunReport(const CSqlRunResult &result);
