#include "CliCommands.h"

#include "app/NativeFileName.h"
#include "db/DateText.h"
#include "db/TomeloDoc.h"
#include "loans/LoanSql.h"
#include "loans/LoanStore.h"
#include "loans/ReadingStore.h"

#include <QCoreApplication>

namespace {

// The options of one command line, taken out of it one by one; the first
// fault is a usage error of `command`.
class COptionReader
{
public:
    COptionReader(const QString &command, const QStringList &args)
        : m_command(command), m_args(args)
    {}

    // A date option; absent gives an invalid date. A missing or unreadable
    // value is a usage error.
    QDate Date(const QString &name)
    {
        QString value;
        if (!Text(name, &value))
            return QDate();
        bool ok = false;
        const QDate date = ParseLoanDate(value, &ok);
        if (!ok || !date.isValid())
            Refuse(QCoreApplication::translate("Cli", "tomelodex-cli %1: %2 needs a date such as "
                                                      "2026-12-07, not '%3'")
                       .arg(m_command, name, value));
        return date;
    }

    // A text option: false when absent; a missing value is a usage error.
    bool Text(const QString &name, QString *value)
    {
        const qsizetype at = m_args.indexOf(name);
        if (at < 0)
            return false;
        if (at + 1 >= m_args.size()) {
            m_args.removeAt(at);
            return Refuse(QCoreApplication::translate("Cli", "tomelodex-cli %1: %2 needs a value")
                              .arg(m_command, name));
        }
        *value = m_args.at(at + 1);
        m_args.remove(at, 2);
        return true;
    }

    bool Flag(const QString &name) { return m_args.removeAll(name) > 0; }

    // The plain arguments left: exactly `count` of them, the second a book
    // number when `bookId` is given.
    bool Plain(int count, int *bookId = nullptr)
    {
        if (!m_usage.isEmpty())
            return false;
        if (!CheckPlainArgs(m_args, count))
            return Refuse(QCoreApplication::translate("Cli", "usage: tomelodex-cli %1 %2")
                              .arg(m_command, Synopsis()));
        if (bookId && (!ParseId(m_args.at(1), bookId) || *bookId <= 0))
            return Refuse(
                QCoreApplication::translate("Cli", "tomelodex-cli %1: '%2' is not a book number")
                    .arg(m_command, m_args.at(1)));
        return true;
    }

    const QStringList &Args() const { return m_args; }
    bool Failed() const { return !m_usage.isEmpty(); }
    int UsageExit() const { return UsageError(m_usage); }
    bool Refuse(const QString &text)
    {
        if (m_usage.isEmpty())
            m_usage = text;
        return false;
    }

private:
    QString Synopsis() const;

    QString m_command;
    QStringList m_args;
    QString m_usage;
};

const QString kLoanSynopsis = QStringLiteral(
    "LIBRARY BOOKID (--to NAME | --from NAME) [--date DATE] [--due DATE] [--notes TEXT]");
const QString kReturnSynopsis = QStringLiteral("LIBRARY BOOKID [--date DATE]");
const QString kLoansSynopsis = QStringLiteral("LIBRARY [--overdue] [--all] [--date DATE]");
const QString kReadSynopsis =
    QStringLiteral("LIBRARY BOOKID [--started DATE] [--finished DATE] [--notes TEXT]");

QString COptionReader::Synopsis() const
{
    if (m_command == u"loan")
        return kLoanSynopsis;
    if (m_command == u"return")
        return kReturnSynopsis;
    if (m_command == u"loans")
        return kLoansSynopsis;
    return kReadSynopsis;
}

// A refusal or failure of the store, naming the library.
int StoreFailed(const QString &path, const QString &error)
{
    PrintErr(PrintableFileName(path) + QStringLiteral(": ") + error);
    return kExitFailed;
}

QString DateText(const QDate &date)
{
    return date.isValid() ? date.toString(Qt::ISODate) : QString();
}

int CmdLoan(const QStringList &args)
{
    COptionReader options(QStringLiteral("loan"), args);
    CNewLoan loan;
    QString to, from;
    const bool lent = options.Text(QStringLiteral("--to"), &to);
    const bool borrowed = options.Text(QStringLiteral("--from"), &from);
    loan.loanDate = options.Date(QStringLiteral("--date"));
    loan.dueDate = options.Date(QStringLiteral("--due"));
    options.Text(QStringLiteral("--notes"), &loan.notes);
    int bookId = 0;
    if (!options.Failed() && lent == borrowed)
        options.Refuse(QCoreApplication::translate(
            "Cli", "tomelodex-cli loan: give either --to NAME or --from NAME"));
    if (!options.Plain(2, &bookId))
        return options.UsageExit();
    loan.direction = lent ? LoanDirection::Lent : LoanDirection::Borrowed;
    loan.borrower = lent ? to : from;

    const QString path = options.Args().at(0);
    CTomeloDoc doc;
    if (!OpenLibraryToWrite(doc, path))
        return kExitFailed;
    CLoanStore store(*doc.m_connection);
    return store.Lend(bookId, loan) > 0 ? kExitOk : StoreFailed(path, store.Error());
}

int CmdReturn(const QStringList &args)
{
    COptionReader options(QStringLiteral("return"), args);
    const QDate date = options.Date(QStringLiteral("--date"));
    int bookId = 0;
    if (!options.Plain(2, &bookId))
        return options.UsageExit();
    const QString path = options.Args().at(0);
    CTomeloDoc doc;
    if (!OpenLibraryToWrite(doc, path))
        return kExitFailed;
    CLoanStore store(*doc.m_connection);
    return store.Return(bookId, date) ? kExitOk : StoreFailed(path, store.Error());
}

int CmdLoans(const QStringList &args)
{
    COptionReader options(QStringLiteral("loans"), args);
    const bool overdue = options.Flag(QStringLiteral("--overdue"));
    const bool all = options.Flag(QStringLiteral("--all"));
    const QDate date = options.Date(QStringLiteral("--date"));
    if (!options.Plain(1))
        return options.UsageExit();
    const QString path = options.Args().at(0);
    CTomeloDoc doc;
    if (!OpenLibrary(doc, path))
        return kExitFailed;
    CLoanStore store(*doc.m_connection);
    QVector<CLoanRow> rows;
    const LoanFilter filter =
        overdue ? LoanFilter::Overdue : (all ? LoanFilter::All : LoanFilter::Open);
    if (!store.List(filter, rows, date))
        return StoreFailed(path, store.Error());
    for (const CLoanRow &row : std::as_const(rows))
        PrintOut(QStringList{QString::number(row.bookId), row.title,
                             LoanDirectionText(row.direction), row.borrower, DateText(row.loanDate),
                             DateText(row.dueDate), DateText(row.returnDate)}
                     .join(u'\t'));
    return kExitOk;
}

int CmdRead(const QStringList &args)
{
    COptionReader options(QStringLiteral("read"), args);
    CReadingRow reading;
    reading.started = options.Date(QStringLiteral("--started"));
    reading.finished = options.Date(QStringLiteral("--finished"));
    options.Text(QStringLiteral("--notes"), &reading.notes);
    int bookId = 0;
    if (!options.Plain(2, &bookId))
        return options.UsageExit();
    reading.bookId = bookId;
    // A reading with no dates at all begins today.
    if (!reading.started.isValid() && !reading.finished.isValid())
        reading.started = QDate::currentDate();
    const QString path = options.Args().at(0);
    CTomeloDoc doc;
    if (!OpenLibraryToWrite(doc, path))
        return kExitFailed;
    CReadingStore store(*doc.m_connection);
    return store.Add(reading) > 0 ? kExitOk : StoreFailed(path, store.Error());
}

} // namespace

std::vector<CCliCommand> LoanCommands()
{
    return {
        {QStringLiteral("loan"), kLoanSynopsis,
         QCoreApplication::translate(
             "Cli", "Records a loan of the book: lent to NAME (--to) or borrowed from NAME "
                    "(--from), on DATE (default today), due back on the --due date. Fails for a "
                    "book already out, a due date before the loan date or an empty name."),
         CmdLoan},
        {QStringLiteral("return"), kReturnSynopsis,
         QCoreApplication::translate("Cli", "Closes the book's open loan on DATE (default "
                                            "today). Fails when none is open."),
         CmdReturn},
        {QStringLiteral("loans"), kLoansSynopsis,
         QCoreApplication::translate(
             "Cli", "Lists open loans, oldest first (--all: returned ones too; --overdue: those "
                    "due before DATE, default today), one a line: BookID, Title, lent or "
                    "borrowed, name, loan date, due date, return date, separated by tabs."),
         CmdLoans},
        {QStringLiteral("read"), kReadSynopsis,
         QCoreApplication::translate("Cli", "Adds a reading of the book (begun today when no "
                                            "date is given). Fails when it finished before it "
                                            "started."),
         CmdRead},
    };
}
