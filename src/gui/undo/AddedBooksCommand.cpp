#include "undo/AddedBooksCommand.h"

#include "db/LibraryConnection.h"
#include "db/Recordset.h"
#include "db/TomeloDoc.h"

namespace {

qint64 LastBookId(CTomeloDoc &doc)
{
    if (!doc.IsLibraryOpen())
        return 0;
    CRecordset rs(*doc.m_connection);
    return rs.Open(QStringLiteral("SELECT MAX(BookID) FROM book")) && !rs.IsEOF() ? rs.GetInteger(0)
                                                                                  : 0;
}

} // namespace

CAddedBooksCommand::CAddedBooksCommand(CTomeloDoc &doc, const CSnapshotScope &scope)
    : CLibraryCommand(doc, scope, QString(), true), m_lastBookId(LastBookId(doc))
{}

bool CAddedBooksCommand::FindAddedBooks()
{
    if (!m_doc.IsLibraryOpen())
        return false;
    CSnapshotScope added;
    CRecordset rs(*m_doc.m_connection);
    if (!rs.Open(QStringLiteral("SELECT BookID FROM book WHERE BookID > %1").arg(m_lastBookId)))
        return false;
    for (; !rs.IsEOF(); rs.MoveNext())
        added.bookIds += rs.GetInteger(0);
    if (added.bookIds.isEmpty())
        return false;
    AddNewRows(added);
    setText(TextFor(int(added.bookIds.size())));
    return true;
}
