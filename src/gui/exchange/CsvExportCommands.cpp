#include "exchange/CsvExportCommands.h"

#include "app/OutputFile.h"
#include "app/UserPrompt.h"
#include "db/BookListQuery.h"
#include "db/TomeloDoc.h"
#include "exchange/CsvExport.h"
#include "frame/CommandIds.h"
#include "frame/FileDialogs.h"
#include "frame/MainFrame.h"
#include "frame/WaitCursor.h"

#include <QFileInfo>

bool CCsvExportCommands::OnUpdateCommand(int id, bool &enabled, bool &checked)
{
    if (id != ID_FILE_EXPORT_CSV && id != ID_FILE_EXPORT_GOODREADS_CSV)
        return false;
    checked = false;
    enabled = m_frame.Document().IsLibraryOpen();
    return true;
}

bool CCsvExportCommands::OnCommand(int id)
{
    switch (id) {
    case ID_FILE_EXPORT_CSV:
        Export(CsvExportLayout::Tomelodex, tr("Export CSV"));
        return true;
    case ID_FILE_EXPORT_GOODREADS_CSV:
        Export(CsvExportLayout::Goodreads, tr("Export Goodreads CSV"));
        return true;
    default:
        return false;
    }
}

void CCsvExportCommands::Export(CsvExportLayout layout, const QString &caption)
{
    CTomeloDoc &doc = m_frame.Document();
    if (!doc.IsLibraryOpen())
        return;
    const QString filter = tr("CSV files (*.csv)") + QStringLiteral(";;") + tr("All files (*)");
    QString path = AskSaveFileName(&m_frame, caption, filter);
    if (path.isEmpty())
        return;
    // A device or FIFO chosen by name is written as it is named.
    const QFileInfo chosen(path);
    if (chosen.suffix().isEmpty() && (chosen.isFile() || !chosen.exists()))
        path += QStringLiteral(".csv");

    const CWaitCursor wait;
    QVector<CBookListRow> rows;
    // The library has told the user why it could not list the books.
    if (!ReadBookList(doc.m_currentCategoryId, *doc.m_connection, rows))
        return;
    QVector<quint32> ids;
    ids.reserve(rows.size());
    for (const CBookListRow &row : std::as_const(rows))
        ids.append(row.bookId);
    COutputFile file(path);
    file.SetWaitForReader(false);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         WriteBooksCsv(file, ids, *doc.m_connection, layout) && file.Commit();
    if (!written)
        ShowMessage(file.ErrorMessage().isEmpty() ? tr("%1 could not be written.").arg(path)
                                                  : file.ErrorMessage(),
                    MsgIcon::Error);
}
