#include "CliCommands.h"

#include "app/AppSettings.h"
#include "app/NativeFileName.h"
#include "app/OutputFile.h"
#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "db/DbAccess.h"
#include "db/TomeloDoc.h"

#include <QCoreApplication>
#include <cerrno>
#include <cstdio>

namespace {

// Messages the core shows become lines: information on standard output,
// everything else on standard error. Questions are never asked; they get
// the answer of the command's options (Yes unless told otherwise).
class CCliPrompt : public CUserPrompt
{
public:
    MsgAnswer Message(const QString &text, MsgIcon icon, MsgButtons buttons) override
    {
        if (icon == MsgIcon::Information)
            PrintOut(text);
        else if (icon != MsgIcon::Question)
            PrintErr(m_file.isEmpty() || text.contains(m_file)
                         ? text
                         : m_file + QStringLiteral(": ") + text);
        if (buttons == MsgButtons::Ok || buttons == MsgButtons::OkCancel)
            return MsgAnswer::Ok;
        return m_answer;
    }
    MsgAnswer m_answer = MsgAnswer::Yes;
    // The file the messages shown now concern, named in front of those that
    // do not name it themselves.
    QString m_file;
};

CCliPrompt g_prompt;

bool WantsHelp(const QStringList &args)
{
    return args.contains(QStringLiteral("--help")) || args.contains(QStringLiteral("-h"));
}

} // namespace

int UsageError(const QString &text)
{
    PrintErr(text);
    PrintErr(QCoreApplication::translate("Cli", "Try 'tomelodex-cli --help'."));
    return kExitUsage;
}

bool TakeOption(QStringList &args, const QString &name, QString *value)
{
    const int at = int(args.indexOf(name));
    if (at < 0)
        return false;
    *value = at + 1 < args.size() ? args.at(at + 1) : QString();
    args.remove(at, at + 1 < args.size() ? 2 : 1);
    return true;
}

bool TakeDuplicatesOption(QStringList &args)
{
    QString value = QStringLiteral("skip");
    TakeOption(args, QStringLiteral("--duplicates"), &value);
    if (value == u"skip")
        g_prompt.m_answer = MsgAnswer::Yes;
    else if (value == u"add")
        g_prompt.m_answer = MsgAnswer::No;
    else
        return false;
    return true;
}

CMessagesAboutFile::CMessagesAboutFile(const QString &path)
{
    g_prompt.m_file = PrintableFileName(path);
}

CMessagesAboutFile::~CMessagesAboutFile()
{
    g_prompt.m_file.clear();
}

bool OpenLibrary(CTomeloDoc &doc, const QString &path)
{
    const CMessagesAboutFile about(path);
    return doc.OnOpenDocument(path);
}

bool OpenLibraryToWrite(CTomeloDoc &doc, const QString &path)
{
    // Opening has said why the library is read-only; once is enough.
    return OpenLibrary(doc, path) && !doc.IsReadOnly();
}

int OpenForAdding(CTomeloDoc &doc, const QString &path, int category)
{
    if (category != 1 && category < 32)
        return UsageError(QCoreApplication::translate(
                              "Cli",
                              "tomelodex-cli: books can be added only to category 1 or a category "
                              "numbered 32 or above, not %1")
                              .arg(category));
    if (!OpenLibraryToWrite(doc, path))
        return kExitFailed;
    QString name;
    bool exists = false;
    if (!QuerySingleValue(QStringLiteral("SELECT Name FROM category WHERE CatID=%1").arg(category),
                          *doc.m_connection, name, &exists))
        return kExitFailed;
    if (!exists) {
        PrintErr(QCoreApplication::translate("Cli", "%1: the library has no category %2")
                     .arg(PrintableFileName(path))
                     .arg(category));
        return kExitFailed;
    }
    return kExitOk;
}

bool RefuseStrayName(const QString &name)
{
    if (!HasStrayBytes(name))
        return false;
    PrintErr(QCoreApplication::translate("Cli", "tomelodex-cli: %1: the name is not valid UTF-8; "
                                                "only a library can be named so")
                 .arg(PrintableFileName(name)));
    return true;
}

bool ParseId(const QString &text, int *id)
{
    bool ok = false;
    *id = text.toInt(&ok);
    return ok && !text.startsWith(u'+') && text.trimmed() == text;
}

bool ParseBookIds(const QStringList &texts, const QString &command, QVector<quint32> *ids)
{
    for (const QString &text : texts) {
        int id = 0;
        if (!ParseId(text, &id) || id < 0) {
            UsageError(
                QCoreApplication::translate("Cli", "tomelodex-cli %1: '%2' is not a book number")
                    .arg(command, text));
            return false;
        }
        ids->append(quint32(id));
    }
    return true;
}

bool CheckPlainArgs(const QStringList &args, int count)
{
    for (const QString &arg : args) {
        if (arg.startsWith(QStringLiteral("--")))
            return false;
    }
    return args.size() == count;
}

namespace {

QString GeneralHelp()
{
    QString text = QCoreApplication::translate(
        "Cli", "usage: tomelodex-cli COMMAND [OPTIONS] ARGS\n\n"
               "Works on Tomelodex libraries without opening the window.\n\nCommands:\n");
    for (const CCliCommand &command : CliCommands())
        text += QStringLiteral("  %1 %2\n      %3\n")
                    .arg(command.name, command.synopsis, command.description);
    text += QCoreApplication::translate(
        "Cli",
        "\nOptions for every command: --source openlibrary|product chooses where books are\n"
        "looked up for this run (the LookupSource setting otherwise; --service-host without\n"
        "--source means product). --openlibrary-host URL, --covers-host URL, --service-host URL,\n"
        "--search-host URL and --store-host URL use another Open Library, cover server, product\n"
        "service, keyword search or store for this run (scheme, host and optional port,\n"
        "e.g. http://127.0.0.1:8080).\n"
        "\n'tomelodex-cli COMMAND --help' describes one command;\n"
        "'tomelodex-cli --version' prints the program's name and version.\n"
        "Exit status: 0 success, 1 the operation failed or found nothing, 2 usage error.");
    return text;
}

} // namespace

namespace {

// Why the first write to standard output failed (0: none did).
int g_standardOutputError = 0;

void WriteStandardOutput(const QByteArray &bytes)
{
    if (std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) != size_t(bytes.size()) ||
        std::fflush(stdout) != 0) {
        if (g_standardOutputError == 0)
            g_standardOutputError = errno != 0 ? errno : EIO;
    }
}

} // namespace

void PrintOut(const QString &text)
{
    WriteStandardOutput(text.toUtf8() + '\n');
}

void PrintOutRaw(const QString &text)
{
    WriteStandardOutput(text.toUtf8());
}

int WriteResult(const QString &path, const std::function<bool(QIODevice &out)> &write)
{
    COutputFile out(path);
    if (out.open(QIODevice::WriteOnly) && write(out) && out.Commit())
        return kExitOk;
    // A write that failed has its reason; anything else failed before it.
    if (!out.ErrorMessage().isEmpty())
        PrintErr(out.ErrorMessage());
    else if (!path.isEmpty())
        PrintErr(FormatMessage(166, {path}));
    return kExitFailed;
}

int FinishStandardOutput(int code)
{
    // Named now: once closed, descriptor 1 no longer says where it went.
    const QString name = COutputFile::StandardOutputName();
    errno = 0;
    int error = g_standardOutputError;
    if ((std::fflush(stdout) != 0 || std::ferror(stdout)) && error == 0)
        error = errno != 0 ? errno : EIO;
    errno = 0;
    // A file system may report a lost write only when the file is closed. A
    // standard output closed before the start lost nothing if nothing went
    // to it.
    if (std::fclose(stdout) != 0 && error == 0 && errno != EBADF)
        error = errno != 0 ? errno : EIO;
    if (error == 0)
        return code;
    PrintErr(COutputFile::WriteFailedMessage(name, error));
    return code == kExitOk ? kExitFailed : code;
}

void PrintErr(const QString &text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fputc('\n', stderr);
    std::fflush(stderr);
}

const std::vector<CCliCommand> &CliCommands()
{
    static const std::vector<CCliCommand> commands = [] {
        std::vector<CCliCommand> all;
        for (auto group :
             {LibraryCommands, IsbnCommands, XmlCommands, BatchCommands, OnlineCommands,
              RenderCommands, EditCommands, BackupCommands, LoanCommands, ImportCommands})
            for (CCliCommand &command : group())
                all.push_back(std::move(command));
        return all;
    }();
    return commands;
}

int RunCli(const QStringList &arguments)
{
    SetUserPrompt(&g_prompt);
    if (arguments.isEmpty())
        return UsageError(
            QCoreApplication::translate("Cli", "tomelodex-cli: a command is missing."));
    const QString name = arguments.first();
    if (name == u"--help" || name == u"-h" || name == u"help") {
        PrintOut(GeneralHelp());
        return kExitOk;
    }
    if (name == u"--version" || name == u"-V") {
        PrintOut(QStringLiteral("tomelodex-cli (Tomelodex) " TOMELODEX_VERSION));
        return kExitOk;
    }
    QStringList args = arguments.mid(1);
    const std::pair<const char *, const char *> hostOptions[] = {
        {"--service-host", kValueServiceHost},
        {"--search-host", kValueSearchHost},
        {"--store-host", kValueStoreHost},
        {"--openlibrary-host", kValueOpenLibraryHost},
        {"--covers-host", kValueCoversHost}};
    QString source;
    if (TakeOption(args, QStringLiteral("--source"), &source)) {
        if (source != QLatin1String(kLookupSourceOpenLibrary) &&
            source != QLatin1String(kLookupSourceProduct))
            return UsageError(QCoreApplication::translate(
                "Cli", "tomelodex-cli: --source needs openlibrary or product"));
    } else if (args.contains(QStringLiteral("--service-host"))) {
        // Command lines written for the product service keep using it.
        source = QLatin1String(kLookupSourceProduct);
    }
    CAppSettings::OverrideLookupSourceForThisRun(source);
    for (const auto &option : hostOptions) {
        QString host;
        if (!TakeOption(args, QLatin1String(option.first), &host))
            continue;
        if (!host.startsWith(QStringLiteral("http://")) &&
            !host.startsWith(QStringLiteral("https://")))
            return UsageError(
                QCoreApplication::translate(
                    "Cli", "tomelodex-cli: %1 needs an address such as http://127.0.0.1:8080")
                    .arg(QLatin1String(option.first)));
        CAppSettings::OverrideHostForThisRun(option.second, host);
    }
    // The product service's own hosts answer nobody: it takes a host of one's own.
    if (source == QLatin1String(kLookupSourceProduct) && !CAppSettings::ProductHostSet())
        return UsageError(QCoreApplication::translate(
            "Cli", "tomelodex-cli: the product service is discontinued; --source product needs "
                   "--service-host with a service of your own"));
    for (const CCliCommand &command : CliCommands()) {
        if (command.name != name)
            continue;
        if (WantsHelp(args)) {
            PrintOut(QStringLiteral("usage: tomelodex-cli %1 %2\n\n%3")
                         .arg(command.name, command.synopsis, command.description));
            return kExitOk;
        }
        return command.run(args);
    }
    return UsageError(
        QCoreApplication::translate("Cli", "tomelodex-cli: unknown command '%1'.").arg(name));
}
