#pragma once

#include <QString>
#include <QStringList>

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

// Output helpers: UTF-8, results to standard output, failures to standard error.
void PrintOut(const QString &text);
void PrintErr(const QString &text);
