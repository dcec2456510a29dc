#pragma once

#include <QString>
#include <QStringList>

// Start of the names of the folders that keep cover pictures for undoing,
// inside the images folder, followed by the process number.
inline constexpr char kHeldCoversPrefix[] = ".tomelo-undo-";

// The cover pictures of one change, as they were before it and after it,
// kept so that undoing or redoing the change can put back the pictures
// its book rows name. Pictures are kept as further names of the same files
// (copies where the file system has no such names), in a hidden folder of
// the images folder that goes when this object does; a process that was
// killed leaves it to the next open of the library.
class CHeldCovers
{
public:
    enum Side
    {
        kBefore = 0,
        kAfter = 1,
    };

    explicit CHeldCovers(const QString &imagesDir);
    ~CHeldCovers();
    CHeldCovers(const CHeldCovers &) = delete;
    CHeldCovers &operator=(const CHeldCovers &) = delete;

    // Keeps the pictures `names` (plain file names in the images folder) as
    // they are now, as those of `side`. Missing files are passed over.
    void Hold(Side side, const QStringList &names);

    // After the rows of `side` were written back: each picture they name is
    // put back as it was kept, and each one only the other side names is
    // taken out of the images folder (kept, should it be needed again).
    void PutInPlace(Side side, const QStringList &names, const QStringList &otherNames);

private:
    QString HeldPath(Side side, const QString &name) const;

    QString m_imagesDir;
    QString m_folder; // made when first needed
};
