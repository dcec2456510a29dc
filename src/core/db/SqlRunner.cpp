#include "db/SqlRunner.h"

#include "app/StringTable.h"
#include "db/LibraryConnection.h"
#include "db/Recordset.h"
#include "db/TomeloDoc.h"

namespace {

QVector<QVariant> RowValues(const CRecordset &rs, int columns)
{
    QVector<QVariant> values;
    values.reserve(columns);
    for (int i = 0; i < columns; ++i) {
        switch (rs.GetField(i).type) {
        case CFieldValue::Type::Null:
            values.append(QVariant());
            break;
        case CFieldValue::Type::Other: // binary data
            values.append(rs.GetUtf8(i).toByteArray());
            break;
        default:
            // As stored (dates in ISO form), which is what a statement compares with.
            values.append(QString::fromUtf8(rs.GetUtf8(i)));
            break;
        }
    }
    return values;
}

} // namespace

CSqlRunResult RunUserSql(CTomeloDoc &doc, const QString &sql, int keepRows, qint64 countLimit)
{
    CSqlRunResult result;
    if (!doc.IsLibraryOpen())
        return result;
    // The statement's result set becomes the one the book list works with.
    doc.m_listRecordset = std::make_unique<CRecordset>(*doc.m_connection);
    CRecordset &rs = *doc.m_listRecordset;
    if (!rs.Open(sql)) {
        result.error = rs.ErrorText();
        return result;
    }
    result.affected = rs.RecordsAffected();
    const int columnCount = rs.ColumnCount();
    for (int i = 0; i < columnCount; ++i)
        result.columns += rs.ColumnName(i);
    while (!rs.IsEOF()) {
        if (countLimit > 0 && result.rows == countLimit) {
            result.countStopped = true;
            break;
        }
        if (result.rows < keepRows)
            result.firstRows.append(RowValues(rs, columnCount));
        ++result.rows;
        if (!rs.MoveNext() && rs.HasError()) {
            result.error = rs.ErrorText();
            rs.Close();
            return result;
        }
    }
    rs.Close();
    result.ok = true;
    if (result.affected != 0)
        doc.ReloadTree();
    return result;
}

QString SqlRunReport(const CSqlRunResult &result)
{
    return FormatMessage(163, {QString::number(result.affected), QString::number(result.rows)});
}
