#include "exchange/LibraryThingReader.h"

#include "exchange/ExportText.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

bool IsBindingName(const QString &text)
{
    static const QRegularExpression binding(
        QStringLiteral("hardcover|hardback|paperback|mass market|trade|library binding|"
                       "board book|spiral|leather|ebook|kindle|audio"),
        QRegularExpression::CaseInsensitiveOption);
    return binding.match(text).hasMatch();
}

// An action that files every name of a list under the book's authors,
// surname-first names turned around.
CTableCatalogueReader::CColumnAction ToAuthors(const QString &separators, bool surnameFirst)
{
    return [separators, surnameFirst](const QString &column, const QString &value,
                                      CForeignBook &book) {
        for (const QString &name : SplitExportList(value, separators)) {
            book.values.append(
                {column, QStringLiteral("Author"), surnameFirst ? NameFirstNameFirst(name) : name});
        }
    };
}

} // namespace

QString CLibraryThingReader::SourceName() const
{
    return QStringLiteral("LibraryThing");
}

void CLibraryThingReader::AddCollections(const QStringList &names, CForeignBook &book)
{
    for (const QString &name : names) {
        const QStringList path{name};
        if (!book.categories.contains(path))
            book.categories.append(path);
        const QString key = ColumnKey(name);
        if (key == u"wishlist")
            book.wishList = true;
        else if (key == u"toread")
            book.toRead = true;
    }
}

QString CLibraryThingReader::AddPublication(const QString &column, const QString &text,
                                            CForeignBook &book)
{
    static const QRegularExpression publisherYear(QStringLiteral("^(.*?)\\s*\\((\\d{4})\\)$"));
    static const QRegularExpression pages(QStringLiteral("^(\\d+)\\s+pages?$"),
                                          QRegularExpression::CaseInsensitiveOption);
    const QStringList parts = SplitExportList(text, QStringLiteral(","));
    const QRegularExpressionMatch first = publisherYear.match(parts.value(0));
    if (!first.hasMatch()) {
        book.values.append({column, QString(), text});
        return QString();
    }
    if (!first.captured(1).isEmpty())
        book.values.append({column, QStringLiteral("Publisher"), first.captured(1)});
    for (const QString &part : parts.mid(1)) {
        const QRegularExpressionMatch pageCount = pages.match(part);
        if (pageCount.hasMatch())
            book.values.append({column, QStringLiteral("PageCount"), pageCount.captured(1)});
        else if (part.startsWith(QLatin1String("Edition:")))
            book.values.append({column, QStringLiteral("Edition"), part.mid(8).trimmed()});
        else if (IsBindingName(part))
            book.values.append({column, QStringLiteral("Binding"), part});
        else
            book.values.append({column, QString(), part});
    }
    return first.captured(2);
}

void CLibraryThingReader::AddPublicationYear(const QString &year, CForeignBook &book)
{
    if (year.isEmpty())
        return;
    for (const CForeignValue &value : std::as_const(book.values)) {
        if (value.field == u"ReleaseDate")
            return;
    }
    book.values.append({QStringLiteral("Publication"), QStringLiteral("ReleaseDate"), year});
}

QString CLibraryThingReader::CleanValue(const QString &value) const
{
    // Its exports leave HTML character references in texts, sometimes
    // escaped twice ("O&amp;#039;Reilly").
    return DecodeHtmlEntities(value);
}

bool CLibraryThingReader::TakeHeader(const QStringList &header)
{
    m_loan = CBookLoan();
    m_loanEnd.clear();
    m_loanStatus.clear();
    m_reading = CBookReading();
    const bool hasFirstLast = FindColumn(header, {QStringLiteral("authorfirstlast")}) >= 0;
    SetFields(header, {{"title", "Title"},
                       {"authorfirstlast", "Author"},
                       {"review", "Notes"},
                       {"reviews", "Notes"},
                       {"comment", "Notes"},
                       {"privatecomment", "Notes"},
                       {"summary", "Description"},
                       {"dimensions", "Dimension"},
                       {"pagecount", "PageCount"},
                       {"languages", "Language"},
                       {"fromwhere", "Store"},
                       {"listprice", "ListPrice"},
                       {"purchaseprice", "PurchasePrice"}});
    for (int i = 0; i < header.size(); ++i) {
        const QString key = ColumnKey(header.at(i));
        if (key == u"bookid" || key == u"booksid" || key == u"sortcharacter" ||
            (key == u"authorlastfirst" && hasFirstLast)) {
            // Its own row number, the title's sort offset, the author again.
            SetAction(i, Ignore());
        } else if (key == u"primaryauthor" || key == u"authorlastfirst") {
            SetAction(i, ToAuthors(QString(), true));
        } else if (key == u"secondaryauthor") {
            SetAction(i, ToAuthors(QStringLiteral("|;"), true));
        } else if (key == u"primaryauthorrole") {
            SetAction(i, [](const QString &column, const QString &value, CForeignBook &book) {
                if (value != u"Author")
                    book.values.append({column, QString(), value});
            });
        } else if (key == u"isbn" || key == u"isbns") {
            SetAction(i, [](const QString &column, const QString &value, CForeignBook &book) {
                for (const QString &isbn :
                     SplitExportList(WithoutBrackets(value), QStringLiteral(",;")))
                    book.values.append({column, QStringLiteral("ISBN"), isbn});
            });
        } else if (key == u"date" || key == u"acquired") {
            const QString field =
                key == u"date" ? QStringLiteral("ReleaseDate") : QStringLiteral("PurchaseDate");
            SetAction(i, [field](const QString &column, const QString &value, CForeignBook &book) {
                book.values.append({column, field, WithoutBrackets(value)});
            });
        } else if (key == u"publication" || key == u"publicationinfo") {
            SetAction(i, [this](const QString &column, const QString &value, CForeignBook &book) {
                m_publicationYear = AddPublication(column, value, book);
            });
        } else if (key == u"rating" || key == u"ratings") {
            SetAction(i, [](const QString &column, const QString &value, CForeignBook &book) {
                if (value.toDouble() > 0)
                    book.values.append({column, QStringLiteral("MyRating"), value});
            });
        } else if (key == u"tags" || key == u"collections") {
            SetAction(i, [](const QString &, const QString &value, CForeignBook &book) {
                AddCollections(SplitExportList(value, QStringLiteral(",")), book);
            });
        } else if (key == u"copies") {
            SetAction(i, [](const QString &column, const QString &value, CForeignBook &book) {
                if (value != u"1")
                    book.values.append({column, QString(), value});
            });
        } else if (key == u"workid") {
            SetAction(i, [](const QString &column, const QString &value, CForeignBook &book) {
                book.values.append({column, QStringLiteral("URL"),
                                    QStringLiteral("https://www.librarything.com/work/") + value});
            });
        } else if (key == u"datestarted") {
            SetAction(i, [this](const QString &, const QString &value, CForeignBook &) {
                m_reading.Started = WithoutBrackets(value);
            });
        } else if (key == u"dateread") {
            SetAction(i, [this](const QString &, const QString &value, CForeignBook &) {
                m_reading.Finished = WithoutBrackets(value);
            });
        } else if (key == u"lendingpatron") {
            SetAction(i, [this](const QString &, const QString &value, CForeignBook &) {
                m_loan.Name = value;
            });
        } else if (key == u"lendingstart") {
            SetAction(i, [this](const QString &, const QString &value, CForeignBook &) {
                m_loan.LoanDate = WithoutBrackets(value);
            });
        } else if (key == u"lendingend") {
            SetAction(i, [this](const QString &, const QString &value, CForeignBook &) {
                m_loanEnd = WithoutBrackets(value);
            });
        } else if (key == u"lendingstatus") {
            SetAction(i, [this](const QString &, const QString &value, CForeignBook &) {
                m_loanStatus = value;
            });
        }
    }
    if (FindColumn(header, {QStringLiteral("title")}) < 0) {
        SetError(QCoreApplication::translate(
                     "Import", "%1 has no title column: it is no LibraryThing export.")
                     .arg(FileName()));
        return false;
    }
    return true;
}

void CLibraryThingReader::FinishRow(CForeignBook &book)
{
    AddPublicationYear(m_publicationYear, book);
    m_publicationYear.clear();
    if (!m_reading.Started.isEmpty() || !m_reading.Finished.isEmpty())
        book.readings.append(m_reading);
    if (!m_loan.Name.isEmpty() || !m_loan.LoanDate.isEmpty()) {
        m_loan.Direction = QStringLiteral("lent");
        // The end of a loan is its return once the status says the book is
        // back, and the day it is due before.
        if (m_loanStatus.contains(QLatin1String("return"), Qt::CaseInsensitive))
            m_loan.ReturnDate = m_loanEnd;
        else
            m_loan.DueDate = m_loanEnd;
        if (!m_loanStatus.isEmpty())
            m_loan.Notes = m_loanStatus;
        book.loans.append(m_loan);
    } else if (!m_loanStatus.isEmpty() || !m_loanEnd.isEmpty()) {
        book.values.append({QStringLiteral("Lending Status"), QString(),
                            (m_loanStatus + u' ' + m_loanEnd).trimmed()});
    }
    m_loan = CBookLoan();
    m_loanEnd.clear();
    m_loanStatus.clear();
    m_reading = CBookReading();
}
