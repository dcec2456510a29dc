#include "loans/LoanCommands.h"

#include "app/UserPrompt.h"
#include "db/LibraryConnection.h"
#include "db/Recordset.h"
#include "db/TomeloDoc.h"
#include "frame/CommandIds.h"
#include "frame/MainFrame.h"
#include "library/TomeloListView.h"
#include "loans/LendDlg.h"
#include "loans/LoanCommand.h"
#include "undo/LibraryUndo.h"

#include <QHash>

CLoanCommands::CLoanCommands(CMainFrame &frame, CTomeloDoc &doc) : m_frame(frame), m_doc(doc)
{
    for (auto signal : {&CTomeloDoc::LibraryOpened, &CTomeloDoc::BooksChanged,
                        &CTomeloDoc::SelectionChanged, &CTomeloDoc::LibraryChangedElsewhere})
        connect(&m_doc, signal, this, &CLoanCommands::Forget);
}

bool CLoanCommands::OnUpdateCommand(int id, bool &enabled, bool &checked)
{
    checked = false;
    switch (id) {
    case ID_LEND_BOOK:
    case ID_BORROW_BOOK:
        enabled = m_doc.IsLibraryOpen() && !m_doc.m_selectedBookIds.isEmpty() &&
                  OutAmongSelected().isEmpty();
        return true;
    case ID_RETURN_BOOK:
        enabled = m_doc.IsLibraryOpen() && !OutAmongSelected().isEmpty();
        return true;
    default:
        return false;
    }
}

bool CLoanCommands::OnCommand(int id)
{
    switch (id) {
    case ID_LEND_BOOK:
        OnLend(LoanDirection::Lent);
        return true;
    case ID_BORROW_BOOK:
        OnLend(LoanDirection::Borrowed);
        return true;
    case ID_RETURN_BOOK:
        OnReturn();
        return true;
    default:
        return false;
    }
}

const QSet<quint32> &CLoanCommands::OutAmongSelected()
{
    if (m_outKnown)
        return m_out;
    m_out.clear();
    m_outKnown = true;
    const QVector<quint32> &selected = m_doc.m_selectedBookIds;
    if (!m_doc.IsLibraryOpen() || selected.isEmpty())
        return m_out;
    // Few books are out at any time: all of them are read, whatever the
    // size of the selection, and kept until something changes.
    const QSet<quint32> wanted(selected.cbegin(), selected.cend());
    CRecordset open(*m_doc.m_connection);
    if (!open.Open(QStringLiteral("SELECT BookID FROM loan WHERE ReturnDate IS NULL")))
        return m_out; // a library the program cannot read lends nothing
    for (; !open.IsEOF(); open.MoveNext()) {
        const auto bookId = quint32(open.GetInteger(0));
        if (wanted.contains(bookId))
            m_out.insert(bookId);
    }
    return m_out;
}

QStringList CLoanCommands::Titles(const QVector<quint32> &bookIds) const
{
    QStringList ids;
    ids.reserve(bookIds.size());
    for (const quint32 bookId : bookIds)
        ids += QString::number(bookId);
    QHash<quint32, QString> titles;
    CRecordset books(*m_doc.m_connection);
    if (books.Open(QStringLiteral("SELECT BookID, Title FROM book WHERE BookID IN (%1)")
                       .arg(ids.join(u',')))) {
        for (; !books.IsEOF(); books.MoveNext())
            titles.insert(quint32(books.GetInteger(0)), books.GetText(1));
    }
    QStringList ordered;
    ordered.reserve(bookIds.size());
    for (const quint32 bookId : bookIds)
        ordered += titles.value(bookId);
    return ordered;
}

void CLoanCommands::OnLend(LoanDirection direction)
{
    const QVector<quint32> books = m_doc.m_selectedBookIds;
    if (books.isEmpty() || !m_doc.IsLibraryOpen())
        return;
    CLendDlg dialog(*m_doc.m_connection, direction, Titles(books), &m_frame);
    dialog.SetWriter([&](const CNewLoan &loan) { return RecordLoans(books, loan); });
    if (dialog.exec() == QDialog::Accepted)
        ShowChange(books);
}

QString CLoanCommands::RecordLoans(const QVector<quint32> &bookIds, const CNewLoan &loan)
{
    auto command = std::make_unique<CLoanCommand>(m_doc,
                                                  loan.direction == LoanDirection::Lent
                                                      ? CLoanCommand::Kind::Lend
                                                      : CLoanCommand::Kind::Borrow,
                                                  bookIds);
    CLibraryConnection &connection = *m_doc.m_connection;
    CTransaction transaction(connection);
    if (!transaction.IsActive())
        return transaction.Error();
    CLoanStore store(connection);
    for (const quint32 bookId : bookIds) {
        // One refusal stores none of the loans.
        if (store.Lend(qint32(bookId), loan) == 0)
            return store.Error();
    }
    if (!transaction.Commit())
        return transaction.Error();
    CLibraryUndo::Of(m_doc).Push(std::move(command));
    return QString();
}

void CLoanCommands::OnReturn()
{
    const QVector<quint32> selected = m_doc.m_selectedBookIds;
    QVector<quint32> books;
    for (const quint32 bookId : selected) {
        if (OutAmongSelected().contains(bookId))
            books += bookId;
    }
    if (books.isEmpty())
        return;
    auto command = std::make_unique<CLoanCommand>(m_doc, CLoanCommand::Kind::Return, books);
    CLibraryConnection &connection = *m_doc.m_connection;
    QString error;
    {
        CTransaction transaction(connection);
        CLoanStore store(connection);
        bool returned = transaction.IsActive();
        for (int i = 0; returned && i < books.size(); ++i)
            returned = store.Return(qint32(books[i]));
        if (returned)
            returned = transaction.Commit();
        if (!returned)
            error = !transaction.Error().isEmpty() ? transaction.Error() : store.Error();
    }
    if (!error.isEmpty()) {
        ShowMessage(error, MsgIcon::Error);
        // Another program may have returned one meanwhile.
        Forget();
        return;
    }
    CLibraryUndo::Of(m_doc).Push(std::move(command));
    ShowChange(selected);
}

void CLoanCommands::ShowChange(const QVector<quint32> &bookIds)
{
    m_doc.NotifyBooksChanged();
    if (CTomeloListView *list = m_frame.ListView())
        list->SelectBooks(bookIds);
}
