#include "undo/LibraryUndo.h"

#include "db/TomeloDoc.h"
#include "undo/LibraryCommand.h"

namespace {

// Each change keeps copies of the rows it touched: the oldest go first.
constexpr int kUndoLimit = 100;

} // namespace

CLibraryUndo::CLibraryUndo(CTomeloDoc &doc) : QObject(&doc)
{
    setObjectName(QStringLiteral("LibraryUndo"));
    m_stack.setUndoLimit(kUndoLimit);
    connect(&doc, &CTomeloDoc::LibraryOpened, &m_stack, &QUndoStack::clear);
}

CLibraryUndo::~CLibraryUndo() = default;

CLibraryUndo &CLibraryUndo::Of(CTomeloDoc &doc)
{
    auto *undo = doc.findChild<CLibraryUndo *>(QString(), Qt::FindDirectChildrenOnly);
    return undo ? *undo : *new CLibraryUndo(doc);
}

void CLibraryUndo::Push(std::unique_ptr<CLibraryCommand> command)
{
    if (!command)
        return;
    if (m_group) {
        m_groupTexts += command->text();
        return;
    }
    if (!command->Finish() || command->ChangedNothing())
        return;
    command->SkipNextApply(); // made already
    m_stack.push(command.release());
}

bool CLibraryUndo::Undo()
{
    return Step(true);
}

bool CLibraryUndo::Redo()
{
    return Step(false);
}

bool CLibraryUndo::Step(bool undo)
{
    const int index = m_stack.index();
    if (undo ? !m_stack.canUndo() : !m_stack.canRedo())
        return false;
    // The stack's own commands are all library commands.
    auto *command = static_cast<CLibraryCommand *>(
        const_cast<QUndoCommand *>(m_stack.command(undo ? index - 1 : index)));
    if (undo)
        m_stack.undo();
    else
        m_stack.redo();
    if (command->LastResult() == CLibraryCommand::Result::Done)
        return true;
    // Nothing was written: the stack goes back to where the library is.
    command->SkipNextApply();
    m_stack.setIndex(index);
    return false;
}

CLibraryUndo::CGroup::CGroup(CTomeloDoc &doc, std::unique_ptr<CLibraryCommand> command)
    : m_undo(CLibraryUndo::Of(doc))
{
    m_undo.m_group = std::move(command);
    m_undo.m_groupTexts.clear();
}

CLibraryUndo::CGroup::~CGroup()
{
    std::unique_ptr<CLibraryCommand> command = std::move(m_undo.m_group);
    const QStringList texts = m_undo.m_groupTexts;
    m_undo.m_groupTexts.clear();
    if (!command || texts.isEmpty())
        return;
    if (command->text().isEmpty())
        command->setText(texts.first());
    m_undo.Push(std::move(command));
}
