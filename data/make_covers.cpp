// Draws a front cover for every book of a library into its images folder and
// records each file name in FrontCover, as the program stores a cover: the
// book's identifier and the picture's extension.
//   tomelodex-covers LIBRARY IMAGESDIR

#include "CoverArt.h"
#include "db/LibraryConnection.h"
#include "db/Recordset.h"

#include <QDir>
#include <QGuiApplication>
#include <QList>
#include <QString>

#include <cstdio>

namespace {

bool ReadBooks(CLibraryConnection &connection, QList<CCoverArt::Book> &books, QString &error)
{
    CRecordset rows(connection);
    if (!rows.Open(
            QStringLiteral("SELECT BookID, Title, Subtitle, Author FROM book ORDER BY BookID"))) {
        error = rows.ErrorText();
        return false;
    }
    while (!rows.IsEOF()) {
        books.append({rows.GetText(0).toInt(), rows.GetText(1), rows.GetText(2), rows.GetText(3)});
        if (!rows.MoveNext() && rows.HasError()) {
            error = rows.ErrorText();
            return false;
        }
    }
    return true;
}

// Removes the pictures of an earlier run, so a book taken out of the sample
// leaves no cover behind.
void RemoveOldCovers(QDir dir)
{
    for (const QString &name : dir.entryList({QStringLiteral("*.jpg")}, QDir::Files))
        dir.remove(name);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: tomelodex-covers LIBRARY IMAGESDIR\n");
        return 2;
    }
    // Drawing text needs the font database of a GUI application, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QString libraryPath = QString::fromLocal8Bit(argv[1]);
    const QDir imagesDir(QString::fromLocal8Bit(argv[2]));
    CLibraryConnection connection;
    QString error;
    QList<CCoverArt::Book> books;
    if (!connection.Open(libraryPath, &error) || !ReadBooks(connection, books, error)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(error));
        return 1;
    }
    if (!imagesDir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[2]);
        return 1;
    }
    RemoveOldCovers(imagesDir);

    CTransaction transaction(connection);
    for (const CCoverArt::Book &book : books) {
        const QString name = QString::number(book.id) + QStringLiteral(".jpg");
        if (!CCoverArt::Draw(book).save(imagesDir.filePath(name), "JPEG", 90)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(imagesDir.filePath(name)));
            return 1;
        }
        const QString update = QStringLiteral("UPDATE book SET FrontCover='%1' WHERE BookID=%2")
                                   .arg(name)
                                   .arg(book.id);
        if (!connection.Execute(update, &error)) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
    }
    if (!transaction.Commit()) {
        std::fprintf(stderr, "%s\n", qPrintable(transaction.Error()));
        return 1;
    }
    return 0;
}
