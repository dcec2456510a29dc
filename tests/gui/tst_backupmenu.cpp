// File > Back Up Library and File > Restore from Backup in the real window:
// a backup of the open library (read-only too), the restored library opened
// in its place, a restore that would replace a file refused, and the
// progress window that keeps the window answering and can cancel the work.

#include "GuiTestSupport.h"

#include "backup/BackupTaskRunner.h"
#include "db/LibraryConnection.h"
#include "db/TomeloDoc.h"
#include "frame/CommandIds.h"
#include "frame/MainFrame.h"
#include "frame/ProgressWindow.h"

#include <QAction>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include <atomic>

namespace {

QString Query(const QString &library, const QString &sql)
{
    CLibraryConnection connection;
    if (!connection.Open(library))
        return QStringLiteral("<cannot open>");
    return QueryText(connection, sql);
}

// The sample library with its covers at `name`.
QString SampleWithCovers(CWindowTestEnv &env, const QString &name)
{
    const QString library = env.CopyLibrary(name);
    const QString images = CTomeloDoc::ImagesDirFor(library);
    QDir().mkpath(images);
    const QDir sample(CTestEnv::RuntimeDir() + QStringLiteral("/sample_images"));
    for (const QString &file : sample.entryList(QDir::Files))
        QFile::copy(sample.filePath(file), images + u'/' + file);
    return library;
}

} // namespace

class TestBackupMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void backUpAndRestoreFromTheFileMenu()
    {
        CWindowTestEnv env(CWindowTestEnv::kWithoutSample);
        const QString library = SampleWithCovers(env, QStringLiteral("Books.mdb"));
        // Written by a newer version: read-only, and still backed up.
        {
            CLibraryConnection db;
            QVERIFY(db.Open(library));
            QVERIFY(db.Execute(QStringLiteral("PRAGMA user_version = 999")));
        }
        QVERIFY(env.StartWindow({library}));
        CMainFrame &frame = env.Frame();
        QVERIFY(env.Document().IsReadOnly());
        QVERIFY(!frame.CommandState(ID_FILE_IMPORT_XML));
        QVERIFY(frame.CommandState(ID_FILE_BACKUP));
        QVERIFY(frame.CommandState(ID_FILE_RESTORE_BACKUP));

        // Both in the File menu, as a person sees it.
        QMenu *file = frame.menuBar()->actions().value(0)->menu();
        QVERIFY(file);
        QVERIFY(file->actions().contains(frame.Action(ID_FILE_BACKUP)));
        QVERIFY(file->actions().contains(frame.Action(ID_FILE_RESTORE_BACKUP)));
        file->popup(frame.mapToGlobal(QPoint(0, 0)));
        QVERIFY(QTest::qWaitForWindowExposed(file));
        CWindowTestEnv::SaveScreenshot(*file, QStringLiteral("backup-file-menu"));
        file->hide();

        const QString archive = env.Path(QStringLiteral("Books backup.zip"));
        env.files.names = {archive};
        env.prompt.shown.clear();
        QVERIFY(frame.RouteCommand(ID_FILE_BACKUP));
        QCOMPARE(env.files.captions.value(0), QStringLiteral("Back Up Library"));
        QVERIFY(QFile::exists(archive));
        QVERIFY2(env.prompt.LastText().contains(archive), qPrintable(env.prompt.LastText()));

        // Restored under a new name and opened in the window.
        const QString restored = env.Path(QStringLiteral("Restored.mdb"));
        env.files.names = {archive, restored};
        QVERIFY(frame.RouteCommand(ID_FILE_RESTORE_BACKUP));
        QCOMPARE(env.Document().GetPathName(), restored);
        QCOMPARE(Query(restored, QStringLiteral("SELECT COUNT(*) FROM book")),
                 Query(library, QStringLiteral("SELECT COUNT(*) FROM book")));
        QCOMPARE(QDir(env.Path(QStringLiteral("restored_images"))).entryList(QDir::Files),
                 QDir(env.Path(QStringLiteral("books_images"))).entryList(QDir::Files));
        QCOMPARE(frame.RecentFiles().value(0), restored);

        // Onto a library that exists: refused, and the open one stays.
        env.prompt.shown.clear();
        const QByteArray before = ReadFileBytes(library);
        env.files.names = {archive, library};
        QVERIFY(frame.RouteCommand(ID_FILE_RESTORE_BACKUP));
        QVERIFY2(env.prompt.LastText().contains(QStringLiteral("exists already")),
                 qPrintable(env.prompt.LastText()));
        QCOMPARE(ReadFileBytes(library), before);
        QCOMPARE(env.Document().GetPathName(), restored);
    }

    void progressWindowAnswersAndCancels()
    {
        CWindowTestEnv env(CWindowTestEnv::kWithoutSample);
        QVERIFY(env.StartWindow({env.CopyLibrary(QStringLiteral("Books.mdb"))}));
        // Work that goes on until it is told to stop, as a long backup does.
        std::atomic<bool> halfway{false};
        // Looks at the progress window a person would see, without holding
        // up the loop that keeps it going.
        QString shot;
        QTimer watcher;
        connect(&watcher, &QTimer::timeout, this, [&] {
            CProgressWindow *window = nullptr;
            for (QWidget *widget : QApplication::topLevelWidgets())
                if (auto *progress = qobject_cast<CProgressWindow *>(widget))
                    window = progress->isVisible() ? progress : window;
            if (!halfway || !window || window->Percent() != 50 || !shot.isEmpty())
                return;
            shot = CWindowTestEnv::SaveScreenshot(*window, QStringLiteral("backup-progress"));
            if (QPushButton *cancel = window->findChild<QPushButton *>())
                cancel->click();
        });
        watcher.start(20);
        CBackupTaskRunner runner(&env.Frame(), QStringLiteral("Back Up Library"),
                                 QStringLiteral("Backing up Books.mdb to Books.zip..."));
        const bool result = runner.Run([&](const BackupProgress &progress) {
            halfway = true;
            QElapsedTimer waited; // a test that cannot cancel fails, never hangs
            waited.start();
            while (progress(50, 100) && waited.elapsed() < 60000)
                QThread::msleep(5);
            return false;
        });
        QVERIFY(!result);
        QVERIFY(runner.Cancelled());
        // The window's own timers went on meanwhile: the one that looked at
        // the progress window and pressed Cancel.
        QVERIFY(!shot.isEmpty());
    }
};

TOMELODEX_GUI_TEST_MAIN(TestBackupMenu)
#include "tst_backupmenu.moc"
