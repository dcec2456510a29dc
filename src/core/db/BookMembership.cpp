#include "db/BookMembership.h"

#include "app/UserPrompt.h"
#include "db/CategoryStore.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "db/Recordset.h"
#include "db/SqlFormat.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace {

bool CommitReported(CTransaction &transaction)
{
    if (transaction.Commit())
        return true;
    ShowMessage(transaction.Error(), MsgIcon::Warning);
    return false;
}

// A cover name names a file inside the images folder. Whatever directory
// parts a damaged or imported row carries are dropped, so a deletion never
// reaches outside that folder.
QString CoverPath(const QString &imagesDir, QString name)
{
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    name = QFileInfo(name).fileName();
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        return QString();
    return QDir(imagesDir).filePath(name);
}

// Reads the two cover names of a book before it is deleted.
bool ReadCovers(quint32 bookId, CLibraryConnection &connection, QStringList &covers)
{
    CRecordset rs(connection);
    if (!rs.Open(
            QStringLiteral("SELECT FrontCover,BackCover FROM book WHERE BookID=%1").arg(bookId))) {
        ShowMessage(rs.ErrorText(), MsgIcon::Warning);
        return false;
    }
    if (!rs.IsEOF())
        covers << rs.GetText(0) << rs.GetText(1);
    return true;
}

// True when some remaining book still shows the picture `name`.
bool CoverStillUsed(const QString &name, CLibraryConnection &connection)
{
    QString count;
    return !QuerySingleValue(QStringLiteral("SELECT COUNT(*) FROM book WHERE FrontCover=%1 OR "
                                            "BackCover=%1")
                                 .arg(FormatSqlLiteral(name, kLiteralText)),
                             connection, count, nullptr, false) ||
           count.toInt() > 0;
}

} // namespace

bool SendBooksTo(const QVector<quint32> &bookIds, int categoryId, CLibraryConnection &connection)
{
    CTransaction transaction(connection);
    if (!transaction.IsActive())
        return false;
    for (const quint32 bookId : bookIds)
        ExecuteSql(QStringLiteral("INSERT OR IGNORE INTO book_category(BookID,CatID) VALUES(%1,%2)")
                       .arg(bookId)
                       .arg(categoryId),
                   false, connection);
    return CommitReported(transaction);
}

bool PasteBooksInto(const QVector<quint32> &bookIds, int categoryId, CLibraryConnection &connection)
{
    CTransaction transaction(connection);
    return transaction.IsActive() &&
           AddBooksToCategory(bookIds.size(), bookIds.constData(), categoryId, connection) &&
           CommitReported(transaction);
}

int CountBooksOnlyIn(const QVector<quint32> &bookIds, const QVector<int> &categoryIds,
                     CLibraryConnection &connection)
{
    if (bookIds.isEmpty() || categoryIds.isEmpty())
        return 0;
    QStringList ids;
    ids.reserve(bookIds.size());
    for (const quint32 id : bookIds)
        ids.append(QString::number(id));
    QStringList categories;
    categories.reserve(categoryIds.size());
    for (const int id : categoryIds)
        categories.append(QString::number(id));
    QString count;
    const QString sql =
        QStringLiteral("SELECT COUNT(DISTINCT BookID) FROM book_category AS here WHERE CatID IN "
                       "(%1) AND BookID IN (%2) AND NOT EXISTS (SELECT 1 FROM book_category AS "
                       "other WHERE other.BookID = here.BookID AND other.CatID NOT IN (%1))")
            .arg(categories.join(u','), ids.join(u','));
    return QuerySingleValue(sql, connection, count, nullptr, false) ? count.toInt() : -1;
}

bool RemoveBooks(const QVector<quint32> &bookIds, int currentCategoryId, const QString &imagesDir,
                 CLibraryConnection &connection)
{
    CTransaction transaction(connection);
    if (!transaction.IsActive())
        return false;
    QStringList covers;
    for (const quint32 bookId : bookIds) {
        QString sql;
        if (currentCategoryId == kAllBooks) {
            sql = QStringLiteral("DELETE FROM book_category WHERE BookID=%1").arg(bookId);
        } else if (currentCategoryId == kRecycleBin) {
            if (!ReadCovers(bookId, connection, covers))
                return false;
            sql = QStringLiteral("DELETE FROM book WHERE BookID=%1").arg(bookId);
        } else {
            sql = QStringLiteral("DELETE FROM book_category WHERE CatID=%1 AND BookID=%2")
                      .arg(currentCategoryId)
                      .arg(bookId);
        }
        if (!ExecuteSql(sql, true, connection))
            return false;
    }
    if (!CommitReported(transaction))
        return false;
    // Pictures go only once their rows are gone for good.
    for (const QString &cover : qAsConst(covers)) {
        const QString path = CoverPath(imagesDir, cover);
        if (!path.isEmpty() && !CoverStillUsed(cover, connection))
            QFile::remove(path);
    }
    return true;
}
