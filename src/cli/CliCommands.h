#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <vector>

// Exit codes every command keeps to.
enum CliExit
{
    kExitOk = 0,
    kExitFailed = 1,
    kExitUsage = 2
};

struct CCliCommand
{
    QString name;
    QString synopsis;    // arguments after the command name
    QString description; // what the command does, for --help
    std::function<int(const QStringList &args)> run;
};

// The commands of the tool, in the order --help lists them.
const std::vector<CCliCommand> &CliCommands();

// Runs one command line (without the program name).
int RunCli(const QStringList &arguments);

// Prints a usage error and returns kExitUsage.
int UsageError(const QString &text);

// True when `args` holds exactly `count` arguments and no option.
bool CheckPlainArgs(const QStringList &args, int count);

// The command groups, one source file each.
std::vector<CCliCommand> LibraryCommands();
std::vector<CCliCommand> IsbnCommands();
std::vector<CCliCommand> XmlCommands();
std::vector<CCliCommand> BatchCommands();
std::vector<CCliCommand> OnlineCommands();
std::vector<CCliCommand> RenderCommands();
std::vector<CCliCommand> EditCommands();
std::vector<CCliCommand> BackupCommands();
std::vector<CCliCommand> LoanCommands();
std::vector<CCliCommand> ImportCommands();

// Removes "NAME VALUE" from `args`. Returns false when NAME is absent; a NAME
// without a value gives true and an empty `value`.
bool TakeOption(QStringList &args, const QString &name, QString *value);

// Removes `--duplicates skip|add` and answers the duplicate question
// accordingly from now on (skip when the option is absent). False on a bad
// value.
bool TakeDuplicatesOption(QStringList &args);

// While it lives, error messages that do not name `path` get it in front.
class CMessagesAboutFile
{
public:
    explicit CMessagesAboutFile(const QString &path);
    ~CMessagesAboutFile();
    CMessagesAboutFile(const CMessagesAboutFile &) = delete;
    CMessagesAboutFile &operator=(const CMessagesAboutFile &) = delete;
};

class CTomeloDoc;
// Opens the library at `path` in `doc`; its errors name the file.
bool OpenLibrary(CTomeloDoc &doc, const QString &path);
// OpenLibrary for a command that changes the library: false also when the
// library may only be read (a newer version wrote it), after saying why.
bool OpenLibraryToWrite(CTomeloDoc &doc, const QString &path);
// Opens `path` in `doc` for adding books to `category`, which must be the
// root (1) or an existing user category (32 and above): kExitOk, else the
// exit code after the message.
int OpenForAdding(CTomeloDoc &doc, const QString &path, int category);

// Parses a whole decimal number; false for anything else.
// True, after saying so, when `name` is not UTF-8: only libraries are opened
// by such names, any other file is refused rather than taken for another.
bool RefuseStrayName(const QString &name);

bool ParseId(const QString &text, int *id);

// Parses book numbers into `ids`; false after a usage error for `command`.
bool ParseBookIds(const QStringList &texts, const QString &command, QVector<quint32> *ids);

class QIODevice;
// Writes a command's result with `write` to the file `path`, or to standard
// output when `path` is empty (see COutputFile): kExitOk, or kExitFailed after
// a message naming the output when any of it could not be written.
int WriteResult(const QString &path, const std::function<bool(QIODevice &out)> &write);

// Flushes and closes standard output at the end of a run. Returns `code`,
// or kExitFailed (for a run that had succeeded) after a message naming the
// output when anything printed to it was lost.
int FinishStandardOutput(int code);

// Output helpers: UTF-8, results to standard output, failures to standard error.
void PrintOut(const QString &text);
// Prints `text` as it is, without adding a line break.
void PrintOutRaw(const QString &text);
void PrintErr(const QString &text);
