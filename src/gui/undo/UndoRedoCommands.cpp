#include "undo/UndoRedoCommands.h"

#include "db/TomeloDoc.h"
#include "frame/CommandIds.h"
#include "frame/MainFrame.h"
#include "undo/LibraryUndo.h"

#include <QAction>
#include <QCoreApplication>

namespace {

// A change's name as a menu text: its "&" are letters, not marks.
QString MenuText(const char *plain, const char *named, const QString &change)
{
    if (change.isEmpty())
        return QCoreApplication::translate("CommandTable", plain);
    QString escaped = change;
    escaped.replace(u'&', QStringLiteral("&&"));
    return QCoreApplication::translate("CommandTable", named).arg(escaped);
}

} // namespace

CUndoRedoCommands::CUndoRedoCommands(CMainFrame &frame, CTomeloDoc &doc)
    : m_frame(frame), m_doc(doc)
{
    QUndoStack &stack = CLibraryUndo::Of(doc).Stack();
    QObject::connect(&stack, &QUndoStack::indexChanged, &frame, [this] {
        UpdateTexts();
        m_frame.UpdateCommands();
    });
    QObject::connect(&stack, &QUndoStack::cleanChanged, &frame, [this] { UpdateTexts(); });
    UpdateTexts();
}

void CUndoRedoCommands::UpdateTexts()
{
    QUndoStack &stack = CLibraryUndo::Of(m_doc).Stack();
    if (QAction *undo = m_frame.Action(ID_EDIT_UNDO))
        undo->setText(MenuText(QT_TRANSLATE_NOOP("CommandTable", "&Undo"),
                               QT_TRANSLATE_NOOP("CommandTable", "&Undo %1"),
                               stack.canUndo() ? stack.undoText() : QString()));
    if (QAction *redo = m_frame.Action(ID_EDIT_REDO))
        redo->setText(MenuText(QT_TRANSLATE_NOOP("CommandTable", "&Redo"),
                               QT_TRANSLATE_NOOP("CommandTable", "&Redo %1"),
                               stack.canRedo() ? stack.redoText() : QString()));
}

bool CUndoRedoCommands::OnUpdateCommand(int id, bool &enabled, bool &)
{
    QUndoStack &stack = CLibraryUndo::Of(m_doc).Stack();
    switch (id) {
    case ID_EDIT_UNDO:
        enabled = m_doc.IsLibraryOpen() && stack.canUndo();
        return true;
    case ID_EDIT_REDO:
        enabled = m_doc.IsLibraryOpen() && stack.canRedo();
        return true;
    default:
        return false;
    }
}

bool CUndoRedoCommands::OnCommand(int id)
{
    switch (id) {
    case ID_EDIT_UNDO:
        CLibraryUndo::Of(m_doc).Undo();
        return true;
    case ID_EDIT_REDO:
        CLibraryUndo::Of(m_doc).Redo();
        return true;
    default:
        return false;
    }
}
