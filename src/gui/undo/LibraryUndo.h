#pragma once

#include <QObject>
#include <QStringList>
#include <QUndoStack>

#include <memory>

class CLibraryCommand;
class CTomeloDoc;

// The changes the window made to the open library, to be undone and redone
// in turn. One for each document, made on first use; emptied whenever
// another library (or none) is opened, since its changes belong to the
// library that was open.
class CLibraryUndo : public QObject
{
    Q_OBJECT

public:
    static CLibraryUndo &Of(CTomeloDoc &doc);
    ~CLibraryUndo() override;

    // Takes a change that has been made: it is undone first from now on.
    // A command whose rows could not be read, or that changed none, is
    // dropped.
    void Push(std::unique_ptr<CLibraryCommand> command);

    // Undoes or redoes one change; false when there was none, the person
    // kept another program's change, or the library could not be written.
    bool Undo();
    bool Redo();

    QUndoStack &Stack() { return m_stack; }

    // Makes several changes one: while it lasts, the commands pushed are
    // not kept, and at its end `command` (whose scope covers them all) is
    // pushed under the first one's text. Nothing is pushed when nothing
    // was.
    class CGroup
    {
    public:
        CGroup(CTomeloDoc &doc, std::unique_ptr<CLibraryCommand> command);
        ~CGroup();
        CGroup(const CGroup &) = delete;
        CGroup &operator=(const CGroup &) = delete;

    private:
        CLibraryUndo &m_undo;
    };

private:
    explicit CLibraryUndo(CTomeloDoc &doc);
    // Undoes (or redoes) the command next in line; puts the stack back when
    // it did not.
    bool Step(bool undo);

    QUndoStack m_stack;
    std::unique_ptr<CLibraryCommand> m_group;
    QStringList m_groupTexts;
};
