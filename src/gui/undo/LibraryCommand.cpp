#include "undo/LibraryCommand.h"

#include "app/TomeloApp.h"
#include "app/UserPrompt.h"
#include "db/LibraryConnection.h"
#include "db/TomeloDoc.h"
#include "frame/WaitCursor.h"

#include <QCoreApplication>

CLibraryCommand::CLibraryCommand(CTomeloDoc &doc, const CSnapshotScope &scope, const QString &text,
                                 bool holdCovers)
    : QUndoCommand(text), m_doc(doc)
{
    QString error;
    m_valid = doc.IsLibraryOpen() && m_before.Capture(scope, *doc.m_connection, &error);
    if (m_valid && holdCovers) {
        m_covers = std::make_unique<CHeldCovers>(TomeloApp().m_imagesDir);
        m_covers->Hold(CHeldCovers::kBefore, m_before.CoverNames());
    }
}

CLibraryCommand::~CLibraryCommand() = default;

void CLibraryCommand::AddNewRows(const CSnapshotScope &scope)
{
    m_before.AddAbsentRows(scope);
}

bool CLibraryCommand::Finish()
{
    QString error;
    if (!m_valid || !m_doc.IsLibraryOpen() ||
        !m_after.Capture(m_before.Scope(), *m_doc.m_connection, &error))
        return false;
    if (m_covers)
        m_covers->Hold(CHeldCovers::kAfter, m_after.CoverNames());
    return true;
}

void CLibraryCommand::undo()
{
    Apply(CHeldCovers::kBefore);
}

void CLibraryCommand::redo()
{
    Apply(CHeldCovers::kAfter);
}

void CLibraryCommand::Apply(CHeldCovers::Side side)
{
    m_result = Result::Done;
    if (m_skipNextApply) {
        m_skipNextApply = false;
        return;
    }
    if (!m_doc.IsLibraryOpen()) {
        m_result = Result::Failed;
        return;
    }
    const bool undoing = side == CHeldCovers::kBefore;
    const CRowSnapshot &target = undoing ? m_before : m_after;
    CRowSnapshot expected = undoing ? m_after : m_before;
    for (;;) {
        CRowSnapshot found;
        QString error;
        CRowSnapshot::Outcome outcome;
        {
            const CWaitCursor wait;
            outcome = target.RestoreOver(expected, *m_doc.m_connection, &found, &error);
        }
        if (outcome == CRowSnapshot::Outcome::Restored)
            break;
        if (outcome == CRowSnapshot::Outcome::Failed) {
            ShowMessage(error, MsgIcon::Warning);
            m_result = Result::Failed;
            return;
        }
        // Asked without holding the library: the other program may go on.
        const QString question =
            undoing ? QCoreApplication::translate(
                          "LibraryUndo",
                          "Since \"%1\", the books or categories it changed were changed "
                          "again by another program.\n\nUndoing it now also takes back "
                          "what that program changed in them.")
                          .arg(text())
                    : QCoreApplication::translate(
                          "LibraryUndo",
                          "Since \"%1\" was undone, the books or categories it changes were "
                          "changed by another program.\n\nRedoing it now overwrites what "
                          "that program changed in them.")
                          .arg(text());
        const QString action = undoing ? QCoreApplication::translate("LibraryUndo", "Undo Anyway")
                                       : QCoreApplication::translate("LibraryUndo", "Redo Anyway");
        if (!ConfirmAction(question, action)) {
            m_result = Result::Declined;
            return;
        }
        expected = found;
    }
    if (m_covers)
        m_covers->PutInPlace(side, target.CoverNames(), expected.CoverNames());
    m_doc.NotifyRowsRestored();
    ShowResult(side);
}

void CLibraryCommand::ShowResult(CHeldCovers::Side) {}
