#pragma once

// How a change of the library becomes undoable:
//
//   auto command = std::make_unique<CMyChangeCommand>(doc, ...); // rows as before
//   ... write the change as ever, in one transaction ...
//   if (written)
//       CLibraryUndo::Of(doc).Push(std::move(command));          // rows as after
//
// A command class of its own for each kind of change, beside the feature
// that makes it, derived from CLibraryCommand: its constructor names the
// rows the change may touch (a CSnapshotScope: the books, the categories,
// whole tables, the tables of names) and the text Edit > Undo shows
// ("Move 3 Books to Fiction", translated, with %n for counts). Rows the
// change adds (new books, new categories) are named with AddNewRows before
// the push. Undo and redo each write the rows back in one transaction; when
// another program changed those rows in between, the person is asked first.
// Override ShowResult to bring the change into sight afterwards.

#include "db/HeldCovers.h"
#include "db/RowSnapshot.h"

#include <QUndoCommand>

#include <memory>

class CTomeloDoc;

class CLibraryCommand : public QUndoCommand
{
public:
    // Reads the rows `scope` covers as they are before the change. With
    // `holdCovers`, the cover pictures of the books are kept too, for a
    // change that replaces or deletes them.
    CLibraryCommand(CTomeloDoc &doc, const CSnapshotScope &scope, const QString &text,
                    bool holdCovers = false);
    ~CLibraryCommand() override;

    // Rows the change made, which did not exist before it.
    void AddNewRows(const CSnapshotScope &scope);

    // Reads the rows as the change left them; false (said) when the
    // library could not be read, before or now.
    bool Finish();

    // The rows the change may touch.
    const CSnapshotScope &Scope() const { return m_before.Scope(); }
    // Whether the rows are the same after the change as before it.
    bool ChangedNothing() const { return m_before.SameRows(m_after); }

    void undo() override;
    void redo() override;

    enum class Result
    {
        Done,
        Declined, // another program's change was in the way, and the person kept it
        Failed,   // the library could not be written; nothing was
    };
    Result LastResult() const { return m_result; }
    // The next undo or redo only moves the stack: the library is as it
    // should be already (the change was just made, or an undo failed).
    void SkipNextApply() { m_skipNextApply = true; }

protected:
    // After the rows of `side` were written back and the views read the
    // library again: brings what changed into sight. Does nothing here.
    virtual void ShowResult(CHeldCovers::Side side);

    CTomeloDoc &m_doc;

private:
    void Apply(CHeldCovers::Side side);

    CRowSnapshot m_before;
    CRowSnapshot m_after;
    std::unique_ptr<CHeldCovers> m_covers;
    bool m_valid = false;
    bool m_skipNextApply = true;
    Result m_result = Result::Done;
};
