#pragma once

#include "db/DocumentViews.h"

#include <QObject>
#include <QString>
#include <QTimer>
#include <QVector>

#include <memory>

class CFolderAlias;
class CLibraryConnection;
class CRecordset;

// The open library: its connection and the state the three views share.
// Opening connects to a library file; every change is written at once, so
// there is never anything to save. Views listen to its signals instead of
// calling each other: each change is announced once, by the document.
class CTomeloDoc : public QObject
{
    Q_OBJECT

public:
    CTomeloDoc();
    ~CTomeloDoc() override;
    CTomeloDoc(const CTomeloDoc &) = delete;
    CTomeloDoc &operator=(const CTomeloDoc &) = delete;

    ITreeView *m_treeView = nullptr;
    IListView *m_listView = nullptr;
    IInfoView *m_infoView = nullptr;
    std::unique_ptr<CLibraryConnection> m_connection; // only while a library is open
    std::unique_ptr<CRecordset> m_listRecordset;
    int m_currentCategoryId = -1;
    QVector<quint32> m_selectedBookIds;
    QString m_connectionString;
    bool m_isNewLibrary = false;

    // The empty document: no library.
    bool OnNewDocument();

    // Connects to the library at `path`, localises the fixed rows of a library
    // just made from the template, and prepares its images folder. Only once
    // that succeeded does it replace the open library: on a failure the open
    // one stays open and the reason is shown.
    bool OnOpenDocument(const QString &path);
    // OnOpenDocument, with the reason why `path` is not a library that can be
    // opened given to the caller (in `reason`) instead of shown.
    bool OpenLibrary(const QString &path, QString *reason);

    // New Database once the file has been chosen: copies the template beside
    // the program to `path` (replacing it) and opens the copy.
    bool CreateLibrary(const QString &path);

    // Compact Database: rewrites the open library compactly, in place, so
    // that other processes that have it open lose nothing and go on with the
    // compact file. On any failure the library stays as it was; either way
    // it is opened again afterwards. A library that cannot be written is
    // left alone.
    bool CompactDatabase();
    // True when the open library and its folder can be written.
    bool CanWriteLibrary() const;
    // Why the open library may only be read (a newer version of the program
    // wrote it), shown once when it is opened; empty when it may be written
    // or none is open. Every command that writes is refused meanwhile.
    QString ReadOnlyReason() const;
    bool IsReadOnly() const { return !ReadOnlyReason().isEmpty(); }

    // Looks every `intervalMs` for changes other programs (or other
    // connections) committed to the open library, and announces them with
    // LibraryChangedElsewhere. Off until called; the window turns it on.
    void StartWatching(int intervalMs = 1000);
    // One such look, at once.
    void CheckForChanges();

    QString GetConnectionString() const { return m_connectionString; }
    // Path of the open library (empty when none is open).
    QString GetPathName() const { return m_pathName; }
    bool IsLibraryOpen() const;
    void ReloadTree();

    // The images folder of the library at `path`: the file name in lower
    // case without ".mdb", followed by "_images", beside the library.
    static QString ImagesDirFor(const QString &path);

    // A short human-readable size ("1.50 MB").
    static QString FormatByteSize(qint64 bytes);

    // The tree sets the current category, the list the selected books (in
    // row order); each announces the change when the value differs.
    void SetCurrentCategory(int categoryId);
    void SetSelectedBooks(const QVector<quint32> &bookIds);

    // Announcements for views that change the library themselves.
    void NotifyBooksChanged() { Q_EMIT BooksChanged(); }
    void NotifyCategoriesChanged() { Q_EMIT CategoriesChanged(); }
    // Rows were written back under the views (an undo or a redo): they read
    // the library again as after another program's change, keeping the
    // current category and the selected books where they still are.
    void NotifyRowsRestored() { Q_EMIT LibraryChangedElsewhere(); }

Q_SIGNALS:
    // Another library is shown, or none (after a failed open, a close or a
    // reset): views drop what they show and read the document again.
    void LibraryOpened();
    void BooksChanged();
    void CategoriesChanged();
    void CurrentCategoryChanged(int categoryId);
    void SelectionChanged();
    // Another program changed the library: views read it again, keeping the
    // current category and the selected books where they still exist.
    void LibraryChangedElsewhere();

private:
    void ReleaseLibrary();
    // Closes the open library and tells the views.
    void CloseLibrary();
    bool LocaliseFixedRows(CLibraryConnection &connection);
    // Removes the files of the program's own naming that killed processes
    // left beside the library, in its images folder and in the temporary
    // folder. The one place an open cleans up.
    static void RemoveStaleFiles(const QString &path, const QString &imagesDir);

    qint64 ReadDataVersion() const;

    QString m_pathName;
    std::unique_ptr<CFolderAlias> m_imagesAlias; // what TomeloApp().m_imagesDir names
    QTimer m_watchTimer;
    // SQLite's count of commits by other connections, as last seen.
    qint64 m_dataVersion = -1;
};
