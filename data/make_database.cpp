// Builds a library database from SQL files: the template from the schema,
// the sample library from the schema and the sample data.
//   tomelodex-mkdb OUTPUT SQLFILE...

#include "db/LibraryConnection.h"
#include "db/SchemaVersion.h"

#include <QFile>
#include <QString>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: tomelodex-mkdb OUTPUT SQLFILE...\n");
        return 2;
    }
    const QString output = QString::fromLocal8Bit(argv[1]);
    const QString partial = output + QStringLiteral(".part");
    QFile::remove(partial);

    {
        CLibraryConnection connection;
        QString error;
        if (!connection.Create(partial, &error)) {
            std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(error));
            return 1;
        }
        for (int i = 2; i < argc; ++i) {
            QFile file(QString::fromLocal8Bit(argv[i]));
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", argv[i]);
                return 1;
            }
            const QString sql = QString::fromUtf8(file.readAll());
            if (!connection.Execute(QStringLiteral("BEGIN;") + sql + QStringLiteral(";COMMIT;"),
                                    &error)) {
                std::fprintf(stderr, "%s: %s\n", argv[i], qPrintable(error));
                return 1;
            }
        }
        // Stamped with the version the program writes, so it never upgrades
        // a library made from these files.
        if (!connection.Execute(
                QStringLiteral("PRAGMA user_version=%1").arg(CSchemaVersion::Current()), &error) ||
            !connection.Execute(QStringLiteral("VACUUM"), &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
    }
    QFile::remove(output);
    if (!QFile::rename(partial, output)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
