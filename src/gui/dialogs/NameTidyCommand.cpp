#include "dialogs/NameTidyCommand.h"

#include "db/LibraryConnection.h"
#include "db/Recordset.h"
#include "db/TomeloDoc.h"

#include <QCoreApplication>

namespace {

// The books a merge into `keptName` may move: those carrying one of `names`
// or another name spelt like `keptName` but for letter case.
CSnapshotScope TidyScope(CTomeloDoc &doc, NameKind kind, const QVector<CNameUse> &names,
                         const QString &keptName)
{
    CSnapshotScope scope;
    scope.wholeTables = {CNameTidy::TableName(kind)};
    if (keptName.isEmpty() || !doc.IsLibraryOpen())
        return scope; // only names no book carries are deleted
    QStringList ids;
    for (const CNameUse &use : names)
        ids += QString::number(use.id);
    QVector<CNameUse> all;
    CNameTidy(*doc.m_connection).List(kind, all);
    for (const CNameUse &use : std::as_const(all)) {
        if (use.name.trimmed().compare(keptName.trimmed(), Qt::CaseInsensitive) == 0)
            ids += QString::number(use.id);
    }
    CRecordset rs(*doc.m_connection);
    if (rs.Open(QStringLiteral("SELECT BookID FROM book WHERE %1 IN (%2)")
                    .arg(CNameTidy::KeyColumn(kind), ids.join(u',')))) {
        for (; !rs.IsEOF(); rs.MoveNext())
            scope.bookIds += rs.GetInteger(0);
    }
    return scope;
}

} // namespace

CNameTidyCommand::CNameTidyCommand(CTomeloDoc &doc, NameKind kind, const QVector<CNameUse> &names,
                                   const QString &keptName)
    : CLibraryCommand(doc, TidyScope(doc, kind, names, keptName), QString())
{}

bool CNameTidyCommand::NameAfter(const CNameTidyChange &change, int deleted)
{
    for (const auto &book : change.books) {
        if (!Scope().bookIds.contains(book.first))
            return false;
    }
    if (change.keptId == 0)
        setText(QCoreApplication::translate("LibraryUndo", "Delete %n Name(s)", nullptr, deleted));
    else if (change.MergedCount() > 1)
        setText(QCoreApplication::translate("LibraryUndo", "Merge %n Names into \"%1\"", nullptr,
                                            change.MergedCount())
                    .arg(change.keptNewName));
    else
        setText(QCoreApplication::translate("LibraryUndo", "Rename \"%1\" to \"%2\"")
                    .arg(change.keptOldName, change.keptNewName));
    return true;
}
