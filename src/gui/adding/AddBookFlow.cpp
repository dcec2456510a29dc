#include "adding/AddBookFlow.h"

#include "adding/AddBookDlg.h"
#include "adding/BackgroundLookup.h"
#include "adding/BatchAddCommand.h"
#include "adding/BatchDlg.h"
#include "adding/ResultsDlg.h"
#include "app/StringTable.h"
#include "app/TomeloApp.h"
#include "app/UserPrompt.h"
#include "db/BookRecord.h"
#include "db/CategoryStore.h"
#include "db/TomeloDoc.h"
#include "frame/ProgressWindow.h"
#include "online/BatchQueryEngine.h"
#include "online/ChmScan.h"
#include "online/IsbnRules.h"
#include "undo/LibraryUndo.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTextStream>

CAddBookFlow::CAddBookFlow(CTomeloDoc &doc, QWidget *owner)
    : QObject(owner), m_doc(doc), m_owner(owner)
{}

void CAddBookFlow::OnAddBook()
{
    if (!m_doc.IsLibraryOpen() || !IsTargetCategory(m_doc.m_currentCategoryId))
        return;
    CAddBookDlg dialog(m_owner);
    QString prefill;
    for (auto it = m_isbnFiles.cbegin(); it != m_isbnFiles.cend(); ++it)
        prefill += it.key() + u'\n';
    dialog.SetIsbnText(prefill);
    if (dialog.exec() != QDialog::Accepted)
        return;

    switch (dialog.GetMode()) {
    case CAddBookDlg::kModeIsbn:
        if (dialog.IsbnList().size() > 1)
            RunBatch(dialog.IsbnList());
        else
            AddOneByIsbn(dialog.IsbnList().value(0));
        break;
    case CAddBookDlg::kModeSearch: {
        CBookRecord record;
        if (SearchByTitleAuthorPublisher(record, dialog.SearchTitle(), dialog.SearchAuthor(),
                                         dialog.SearchPublisher(), true, m_owner,
                                         [&](const QString &isbn) { return MayAdd(isbn, record); }))
            OpenBookSheet(record);
        break;
    }
    case CAddBookDlg::kModeManual: {
        // A book typed in by hand gets the defaults for new books as well.
        CBookRecord record;
        record.ResetToDefaults();
        OpenBookSheet(record);
        break;
    }
    }
}

void CAddBookFlow::RunBatch(const QStringList &isbns)
{
    auto command = std::make_unique<CBatchAddCommand>(m_doc);
    {
        CBatchDlg batch(*m_doc.m_connection, TomeloApp().m_imagesDir, m_owner);
        batch.SetQueue(isbns, m_isbnFiles, m_doc.m_currentCategoryId);
        batch.exec();
    }
    if (command->FindAddedBooks())
        CLibraryUndo::Of(m_doc).Push(std::move(command));
    m_doc.NotifyBooksChanged();
}

void CAddBookFlow::AddOneByIsbn(const QString &isbn)
{
    CBookRecord record;
    if (!MayAdd(isbn, record) || !LookUpInBackground(m_owner, record, isbn))
        return;
    const QString file = m_isbnFiles.value(isbn).trimmed();
    if (!file.isEmpty())
        AddEbookFile(record, file);
    OpenBookSheet(record);
}

bool CAddBookFlow::MayAdd(const QString &isbn, CBookRecord &record)
{
    QString title;
    if (!FindStoredIsbn(isbn, *m_doc.m_connection, title) || title.isEmpty())
        return true;
    // Asked before anything is fetched: a book skipped costs no lookup.
    if (ShowMessage(FormatMessage(238, {title}), MsgIcon::Question, MsgButtons::YesNo) ==
        MsgAnswer::Yes)
        return false;
    record.AcceptedDuplicateIsbn = isbn;
    return true;
}

void CAddBookFlow::OpenBookSheet(const CBookRecord &record)
{
    if (runBookSheet)
        runBookSheet(record);
}

void CAddBookFlow::OnDroppedFiles(const QStringList &paths)
{
    m_isbnFiles.clear();
    for (const QString &path : paths)
        AnalyzeDroppedFile(path);
    if (m_isbnFiles.isEmpty()) {
        ShowMessage(LoadString(147), MsgIcon::Information);
        return;
    }
    OnAddBook();
}

void CAddBookFlow::AnalyzeDroppedFile(const QString &path)
{
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension == u"chm") {
        // A large archive takes a while: the window stays alive meanwhile.
        QString isbn;
        const QString status = LoadString(241) + u'\n' + QFileInfo(path).fileName();
        const bool finished = RunInBackground(
            m_owner, LoadString(240), [&status] { return status; },
            [&](const std::atomic<bool> &cancel) { isbn = ScanChmForIsbn(path, &cancel); });
        if (finished && !isbn.isEmpty())
            m_isbnFiles.insert(isbn, path);
        return;
    }
    static const QStringList kTextExtensions = {QStringLiteral("nfo"), QStringLiteral("txt"),
                                                QStringLiteral("htm"), QStringLiteral("html"),
                                                QStringLiteral("xml")};
    if (kTextExtensions.contains(extension))
        ScanTextFile(path);
}

void CAddBookFlow::ScanTextFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    // The progress runs over the bytes: counting the lines first would read a
    // large file twice.
    CProgressWindow progress(m_owner, LoadString(240), false);
    progress.GoModal();
    progress.SetRange(0, 1000);
    progress.SetText(LoadString(241));
    const qint64 size = qMax<qint64>(file.size(), 1);
    QTextStream in(&file);
    QElapsedTimer sincePump;
    sincePump.start();
    while (!in.atEnd()) {
        const QString isbn = FindIsbnInText(in.readLine());
        if (!isbn.isEmpty() && !m_isbnFiles.contains(isbn))
            m_isbnFiles.insert(isbn, QString());
        if (sincePump.elapsed() < 30)
            continue;
        sincePump.restart();
        progress.SetPos(int(in.pos() * 1000 / size));
        if (!progress.PeekAndPump(true))
            break;
    }
}
