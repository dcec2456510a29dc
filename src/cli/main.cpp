#include "CliCommands.h"

#include "app/NativeFileName.h"
#include "app/TomeloApp.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Brindlewood"));
    QCoreApplication::setApplicationName(QStringLiteral("Tomelodex"));
    TomeloApp().InitCore();
    // The arguments as given, byte for byte: a library name that is not
    // UTF-8 still names that library and no other.
    const int code = RunCli(ArgumentsFromNative(argc, argv).mid(1));
    TomeloApp().ExitCore();
    return FinishStandardOutput(code);
}
