#pragma once

#include "exchange/ForeignBook.h"
#include "exchange/ReadOnlyDatabase.h"

#include <QString>
#include <QStringList>
#include <QTimeZone>
#include <QVector>

#include <vector>

// The columns a calibre user added to a library (its custom_columns table):
// each book's values come out as "Column: value" texts for Notes, named as
// the user named the column. Columns calibre computes from templates
// (composite) hold nothing stored and are only listed for the report.
class CCalibreCustomColumns
{
public:
    // Reads the definitions of the columns whose tables the database has;
    // `timeZone` gives the dates of date columns as calibre shows them.
    void Load(CReadOnlyDatabase &database, const QTimeZone &timeZone);

    // The book's values, one per column that has any, in column order.
    QVector<CForeignValue> Values(qint64 bookId);

    // Names of the columns that were left out and why ("Name (computed)").
    QStringList Skipped() const { return m_skipped; }
    // The first error met while reading values; empty when none.
    QString Error() const { return m_error; }

private:
    struct Column
    {
        QString name;
        QString datatype;
        bool hasExtra = false; // a series column: the link row keeps the number
        CReadOnlyDatabase::Query query;
    };

    QString ValueText(const Column &column, const CReadOnlyDatabase::Query &row) const;

    std::vector<Column> m_columns;
    QStringList m_skipped;
    QString m_error;
    QTimeZone m_timeZone;
};
