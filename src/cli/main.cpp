#include "CliCommands.h"

#include "app/TomeloApp.h"

#include <QCoreApplication>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Brindlewood"));
    QCoreApplication::setApplicationName(QStringLiteral("Tomelodex"));
    TomeloApp().InitCore();
    const int code = RunCli(app.arguments().mid(1));
    TomeloApp().ExitCore();
    return FinishStandardOutput(code);
}
