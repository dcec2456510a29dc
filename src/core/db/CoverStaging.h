#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class CLibraryConnection;

// Cover pictures on their way into a library's images folder. A picture is
// first copied into the folder under a staging name of the program's own
// (".tomelo-cover-PID-..."), and renamed to its book's name only after the
// commit that makes the book, so a failed or killed save never leaves a
// cover without a book; the next open of the library removes staging files
// whose process is gone.

// Only a plain file name may name a stored picture; anything with a folder
// in it would reach outside the images folder.
bool IsPlainFileName(const QString &name);

// The extension the content of a picture calls for (".jpg", ".gif", ".png"
// or ".bmp"), or empty when it is larger than kMaxCoverBytes or does not
// start like a JPEG, GIF, PNG or BMP picture. Every cover that comes into a
// library, from a file or from the network, passes this check.
QString CoverPictureExtension(const QByteArray &picture);

// A new, unused staging path in `imagesDir` ending in `extension`.
QString NewCoverStagingPath(const QString &imagesDir, const QString &extension);
bool IsCoverStagingPath(const QString &path, const QString &imagesDir);
// Removes the staging files in `imagesDir` left by processes that have
// ended (or older than a day, in case the process number was reused).
void RemoveStaleCoverStaging(const QString &imagesDir);

// Copies a picture named by an outside file into a staging file, but only a
// regular file (no symbolic link, device or FIFO) of at most kMaxCoverBytes
// whose content starts like a JPEG, GIF, PNG or BMP picture. The staged file
// keeps the source's picture extension, or gets the one its content calls
// for. On refusal `whyNot` tells the reason and nothing is left behind.
bool StageOutsideCover(const QString &source, const QString &imagesDir, QString *staged,
                       QString *whyNot);

// What one save does with one cover: the picture staged beside its final
// place before the rows are written, and put in place after their commit.
struct CCoverPlan
{
    int bookId = 0;
    const char *column = ""; // FrontCover or BackCover
    QString newName;         // stored in the row; empty = no picture
    QString staged;          // the copy waiting in the images folder
    QString deleteAfter;     // a picture of the book that is no longer wanted
    bool copyFailed = false;
};

// Plans the cover `column` of book `bookId`: `tempPath` is the picture it is
// to have (empty for none), `stored` the file name it has now.
CCoverPlan PlanCover(const QString &tempPath, const QString &stored, int bookId, const char *column,
                     const QString &imagesDir);
// Removes the staged copy of a plan that will not be carried out.
void DiscardCover(const CCoverPlan &plan);
// Puts the staged picture in place; false when it could not be.
bool PlaceCover(const CCoverPlan &plan, const QString &imagesDir);

// Holds the cover plans of the saves inside one transaction of the
// caller's until it has committed: CBookRecord::Save hands its plans here
// instead of placing them while a scope is open on its connection.
// Destroyed before PlaceAll, it discards every staged copy.
class CDeferredCovers
{
public:
    CDeferredCovers(CLibraryConnection &connection, const QString &imagesDir);
    ~CDeferredCovers();
    CDeferredCovers(const CDeferredCovers &) = delete;
    CDeferredCovers &operator=(const CDeferredCovers &) = delete;

    // The scope open on `connection`, or null.
    static CDeferredCovers *ActiveFor(const CLibraryConnection &connection);

    void Add(const CCoverPlan &plan);
    // After the commit: puts every picture in place. A picture that cannot
    // be placed is taken off its book's row; false when any could not be.
    bool PlaceAll();

private:
    CLibraryConnection &m_connection;
    QString m_imagesDir;
    QList<CCoverPlan> m_plans;
};
