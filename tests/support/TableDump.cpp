#include "TableDump.h"

#include "PlainSqlite.h"

#include <algorithm>

CTableDump DumpTables(const QString &path)
{
    CPlainSqlite db(path);
    CTableDump dump;
    const QStringList tables = db.Rows(QStringLiteral(
        "SELECT name FROM sqlite_master WHERE type='table' AND name NOT LIKE 'sqlite_%'"));
    for (const QString &table : tables) {
        QStringList quoted;
        for (const QString &column :
             db.Rows(QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(table)))
            quoted += QStringLiteral("quote(\"%1\")").arg(column);
        QStringList rows =
            db.Rows(QStringLiteral("SELECT %1 FROM \"%2\"").arg(quoted.join(u','), table));
        if (!db.Error().isEmpty())
            rows = QStringList{QStringLiteral("<error> ") + db.Error()};
        std::sort(rows.begin(), rows.end());
        dump.insert(table, rows);
    }
    return dump;
}

QString DumpDifference(const CTableDump &expected, const CTableDump &actual)
{
    QStringList tables = expected.keys() + actual.keys();
    tables.removeDuplicates();
    for (const QString &table : tables) {
        const QStringList want = expected.value(table);
        const QStringList have = actual.value(table);
        if (want == have)
            continue;
        for (const QString &row : want) {
            if (!have.contains(row))
                return QStringLiteral("%1: missing row %2").arg(table, row);
        }
        for (const QString &row : have) {
            if (!want.contains(row))
                return QStringLiteral("%1: extra row %2").arg(table, row);
        }
        return QStringLiteral("%1: %2 rows instead of %3")
            .arg(table)
            .arg(have.size())
            .arg(want.size());
    }
    return QString();
}
