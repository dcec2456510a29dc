#include "db/SqlRunner.h"

#include "app/StringTable.h"
#include "db/LibraryConnection.h"
#include "db/Recordset.h"
#include "db/TomeloDoc.h"

CSqlRunResult RunUserSql(CTomeloDoc &doc, const QString &sql)
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
    if (result.affected == 0) {
        while (!rs.IsEOF()) {
            ++result.rows;
            if (!rs.MoveNext() && rs.HasError()) {
                result.error = rs.ErrorText();
                rs.Close();
                return result;
            }
        }
        rs.Close();
    }
    result.ok = true;
    if (result.affected != 0)
        doc.ReloadTree();
    return result;
}

QString SqlRunReport(const CSqlRunResult &result)
{
    return FormatMessage(163, {QString::number(result.affected), QString::number(result.rows)});
}
