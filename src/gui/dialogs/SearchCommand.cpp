#include "dialogs/SearchCommand.h"

#include <QCoreApplication>

CSearchCommand::CSearchCommand(CTomeloDoc &doc, int searchResultsId, const QString &keyword)
    : CLibraryCommand(doc, CSnapshotScope::ForCategories({searchResultsId}),
                      QCoreApplication::translate("LibraryUndo", "Search for \"%1\"").arg(keyword))
{}
