#pragma once

#include "app/UserPrompt.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>

class QProcess;

class CLibraryConnection;

// Answers the core's messages from a queue and remembers what was shown, so
// no test waits on a dialog. Installed for its lifetime.
class CRecordingPrompt : public CUserPrompt
{
public:
    struct Shown
    {
        QString text;
        MsgIcon icon;
        MsgButtons buttons;
        QString action; // the button that carries out a confirmed step
        bool canUndo = true;
    };

    CRecordingPrompt();
    ~CRecordingPrompt() override;

    MsgAnswer Message(const QString &text, MsgIcon icon, MsgButtons buttons) override;
    MsgAnswer Confirm(const QString &text, const QString &action, bool canUndo) override;
    // Recorded as a question with Ok and Cancel (`offered` keeps the text
    // offered); answered from `answers`, typing the next of `typed` (the
    // offered text stays when there is none).
    bool AskText(const QString &text, QString &value) override;

    QList<MsgAnswer> answers; // taken from the front; Ok or Yes when empty
    QStringList typed;        // taken from the front
    QStringList offered;      // the text each AskText offered
    QList<Shown> shown;
    // Called as each message is shown, before it is answered.
    std::function<void()> onMessage;

    QString LastText() const { return shown.isEmpty() ? QString() : shown.last().text; }
};

// A temporary folder for one test with its own settings home, and the
// program folder pointed at the built template and language files.
class CTestEnv
{
public:
    CTestEnv();
    ~CTestEnv();

    bool IsValid() const { return m_dir.isValid(); }
    QString Path(const QString &name) const { return m_dir.filePath(name); }

    // Writes `contents` to `name` (folders made as needed); its path, or
    // empty when it cannot be written.
    QString WriteFile(const QString &name, const QByteArray &contents) const;

    // A plain copy of the library template at `name` (not localised).
    QString CopyTemplate(const QString &name);

    // Opens a copy of the template "lib.mdb" with a user category 32 "Mine"
    // and its images folder "lib_images"; false when any step fails.
    bool OpenLibraryWithUserCategory(CLibraryConnection &db, QString *imagesDir);

    static QString RuntimeDir();
    static QString TemplatePath();

private:
    QTemporaryDir m_dir;
    QByteArray m_oldConfigHome;
};

// What one run of the command-line tool did.
struct CliRun
{
    int code = -1; // -1: did not end in time, -2: crashed
    QString out;
    QString err;
};

// Runs the command-line tool named by TOMELODEX_CLI with its settings under
// `configHome`, `input` on its standard input and `extraEnvironment`
// ("NAME=value") added.
CliRun RunCliTool(const QStringList &args, const QString &configHome,
                  const QByteArray &input = QByteArray(),
                  const QStringList &extraEnvironment = QStringList());

// RunCliTool with `prepare` called on the process before it starts, to
// redirect its output or change the child before it runs the tool
// (QProcess::setChildProcessModifier).
CliRun RunCliToolWith(const QStringList &args, const QString &configHome,
                      const std::function<void(QProcess &)> &prepare,
                      const QStringList &extraEnvironment = QStringList());

// RunCliTool as a user whom file permissions bind: as root, the tool runs as
// nobody (every folder on the way must let others in); otherwise as the
// current user.
CliRun RunCliToolUnprivileged(const QStringList &args, const QString &configHome);

// The first column of the first row of `sql` as display text, "<no row>"
// when there is none and "<error>" when the statement fails.
QString QueryText(CLibraryConnection &db, const QString &sql);

// A device that is always full ("No space left on device") and that a
// program under test could not replace even if it tried: /dev/full for a user
// who cannot write /dev, and for root a node of the same device made in
// `folder`. Empty when there is none to be had.
QString AlwaysFullDevice(const QString &folder);

// Reads a whole file (empty when it cannot be read).
QByteArray ReadFileBytes(const QString &path);
