#include "exchange/ForeignMapping.h"

#include "app/StringTable.h"
#include "db/AmountText.h"
#include "db/DateText.h"
#include "loans/SeriesNumber.h"
#include "online/IsbnRules.h"
#include "xml/BookXmlReader.h"
#include "xml/HtmlSanitizer.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <QRegularExpression>

#include <cmath>

namespace {

// More readings than this from one read count are taken for a mistake.
constexpr int kMaxReadCount = 1000;

// Drops control characters other than line breaks and tabs, and makes every
// line break a "\n".
QString CleanText(const QString &text)
{
    QString clean;
    clean.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            if (i + 1 >= text.size() || text.at(i + 1) != u'\n')
                clean.append(u'\n');
            continue;
        }
        if (c == u'\n' || c == u'\t' || c.category() != QChar::Other_Control)
            clean.append(c);
    }
    return clean.trimmed();
}

// The text with runs of white space made one space.
QString Simplified(const QString &text)
{
    return text.simplified();
}

bool LooksLikeHtml(const QString &text)
{
    static const QRegularExpression tag(QStringLiteral(R"(<\s*/?\s*[A-Za-z][^<>]*>|&#?\w+;)"));
    return tag.match(text).hasMatch();
}

// Plain text as HTML paragraphs: a blank line ends a paragraph, a single
// line break stays one.
QString PlainTextParagraphs(const QString &text)
{
    static const QRegularExpression blankLine(QStringLiteral(R"(\n[ \t]*\n\s*)"));
    QString html;
    for (const QString &paragraph : text.split(blankLine, Qt::SkipEmptyParts)) {
        QString escaped = paragraph.trimmed().toHtmlEscaped();
        escaped.replace(u'\n', QStringLiteral("<br>"));
        html += QStringLiteral("<p>") + escaped + QStringLiteral("</p>");
    }
    return html;
}

QString AsHtml(const QString &text)
{
    return LooksLikeHtml(text) ? SanitizeBookHtml(text) : PlainTextParagraphs(text);
}

std::optional<QDate> DateOf(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid() || year < 1)
        return std::nullopt;
    return date;
}

// The limit of the library's column for `field`, or 0 when it has none.
int ColumnLimit(const QString &field)
{
    for (const CBookRecord::ColumnLimit &limit : CBookRecord::ColumnLimits()) {
        if (field == QLatin1String(limit.Field))
            return limit.Limit;
    }
    return 0;
}

// A language code ("en", "eng") as the language's English name.
QString LanguageName(const QString &text)
{
    static const QRegularExpression code(QStringLiteral("^[a-z]{2,3}$"));
    if (!code.match(text).hasMatch())
        return text;
    const QLocale::Language language = QLocale::codeToLanguage(text);
    if (language == QLocale::AnyLanguage || language == QLocale::C)
        return text;
    return QLocale::languageToString(language);
}

// One value kept in Notes as a "Column: value" line.
struct CNoteLine
{
    QString column;
    QString value;
};

// Maps one record; see MapForeignBook.
class CForeignBookMapper
{
public:
    explicit CForeignBookMapper(const CForeignBook &book) : m_book(book) {}

    CImportedBook Map()
    {
        m_out.number = m_book.number;
        m_out.categories = m_book.categories;
        m_out.toRead = m_book.toRead;
        m_out.coverFile = m_book.coverFile;
        m_out.coverData = m_book.coverData;
        m_out.record.Links = m_book.links;
        for (const CForeignValue &value : m_book.values)
            MapValue(value);
        FinishAuthors();
        FinishIsbn();
        FinishSeries();
        FinishStatus();
        MapReadings();
        MapLoans();
        FinishTexts();
        if (!m_book.problem.isEmpty())
            m_out.problem = m_book.problem;
        else if (m_out.record.Title.isEmpty() && m_out.record.ISBN.isEmpty())
            m_out.problem =
                QCoreApplication::translate("Import", "It has neither a title nor an ISBN.");
        return std::move(m_out);
    }

private:
    using Handler = void (CForeignBookMapper::*)(const QString &column, const QString &text);

    void MapValue(const CForeignValue &value)
    {
        const QString text = CleanText(value.value);
        if (text.isEmpty())
            return;
        const QString column = Simplified(CleanText(value.column));
        static const QHash<QString, Handler> handlers = {
            {QStringLiteral("Author"), &CForeignBookMapper::AddAuthor},
            {QStringLiteral("ISBN"), &CForeignBookMapper::AddIsbn},
            {QStringLiteral("ReleaseDate"), &CForeignBookMapper::SetReleaseDate},
            {QStringLiteral("PurchaseDate"), &CForeignBookMapper::SetPurchaseDate},
            {QStringLiteral("MyRating"), &CForeignBookMapper::SetRatingOutOf5},
            {QString::fromLatin1(ForeignField::MyRatingOutOf10),
             &CForeignBookMapper::SetRatingOutOf10},
            {QStringLiteral("PurchasePrice"), &CForeignBookMapper::SetAmount},
            {QStringLiteral("ListPrice"), &CForeignBookMapper::SetAmount},
            {QStringLiteral("AmazonPrice"), &CForeignBookMapper::SetAmount},
            {QStringLiteral("AmazonRating"), &CForeignBookMapper::SetAmount},
            {QStringLiteral("BookSize"), &CForeignBookMapper::SetAmount},
            {QStringLiteral("PageCount"), &CForeignBookMapper::SetCount},
            {QStringLiteral("CurrentPage"), &CForeignBookMapper::SetCount},
            {QStringLiteral("NumOfReviews"), &CForeignBookMapper::SetCount},
            {QStringLiteral("Description"), &CForeignBookMapper::AddDescription},
            {QStringLiteral("Notes"), &CForeignBookMapper::AddNotes},
            {QStringLiteral("Series"), &CForeignBookMapper::SetSeries},
            {QStringLiteral("SeriesNumber"), &CForeignBookMapper::SetSeriesNumber},
            {QString::fromLatin1(ForeignField::SeriesWithNumber),
             &CForeignBookMapper::SetSeriesWithNumber},
            {QStringLiteral("Categories"), &CForeignBookMapper::AddCategories},
            {QStringLiteral("EbookOnly"), &CForeignBookMapper::SetEbookOnly},
            {QStringLiteral("FrontCover"), &CForeignBookMapper::SetFrontCover},
            {QStringLiteral("Language"), &CForeignBookMapper::SetLanguage},
        };
        m_field = value.field;
        if (m_field.isEmpty()) {
            AddLine(column, text);
            return;
        }
        if (const Handler handler = handlers.value(m_field))
            (this->*handler)(column, text);
        else
            SetText(column, text);
    }

    // A "Column: value" line in Notes.
    void AddLine(const QString &column, const QString &text)
    {
        m_lines.append({column.isEmpty() ? m_field : column, text});
    }
    // A value that could not go to its field as it was: kept in Notes and
    // listed in the report.
    void AddOddValue(const QString &column, const QString &text)
    {
        AddLine(column, text);
        m_out.oddValues.append(m_lines.last().column + QStringLiteral(": ") + text);
    }

    // A text field: the first value wins, a second different one goes to Notes.
    void SetText(const QString &column, const QString &text)
    {
        CBookRecord probe;
        if (!SetBookFieldFromXml(probe, m_field, QString())) {
            AddLine(column, text);
            return;
        }
        const int limit = ColumnLimit(m_field);
        if (limit > 0 && text.size() > limit) {
            if (m_field == u"Title")
                SetField(text.left(limit), column);
            AddOddValue(column, text);
            return;
        }
        SetField(m_field == u"Title" || m_field == u"Subtitle" || limit > 0 ? Simplified(text)
                                                                            : text,
                 column);
    }

    // Sets the current field unless a value is there already, which then
    // stays; a second, different value goes to Notes.
    void SetField(const QString &text, const QString &column)
    {
        const auto known = m_setValues.constFind(m_field);
        if (known != m_setValues.constEnd()) {
            if (known->compare(text, Qt::CaseInsensitive) != 0)
                AddLine(column, text);
            return;
        }
        m_setValues.insert(m_field, text);
        SetBookFieldFromXml(m_out.record, m_field, text);
    }

    void AddAuthor(const QString &, const QString &text)
    {
        const QString name = Simplified(text);
        for (const QString &known : std::as_const(m_authors)) {
            if (known.compare(name, Qt::CaseInsensitive) == 0)
                return;
        }
        m_authors.append(name);
    }

    void AddIsbn(const QString &column, const QString &text)
    {
        static const QRegularExpression label(QStringLiteral("(?i)\\bisbn(-?1[03])?\\s*:?"));
        static const QRegularExpression separators(QStringLiteral("[\\s,;|/]+"));
        QString stripped = text;
        if (stripped.contains(QLatin1String("isbn"), Qt::CaseInsensitive))
            stripped.remove(label);
        // Quoting a reader left behind: ="...", [...], (...).
        static const QString quoting = QStringLiteral(R"([]"'=())");
        stripped.removeIf([](QChar c) { return quoting.contains(c); });
        QString whole = stripped;
        whole.removeIf([](QChar c) { return c.isSpace() || c == u'-'; });
        const QStringList tokens =
            (IsValidIsbn(NormalizeIsbn(whole)) || IsValidIsbn13(NormalizeIsbn(whole)))
                ? QStringList{whole}
                : stripped.split(separators, Qt::SkipEmptyParts);
        for (const QString &token : tokens) {
            const QString normal = NormalizeIsbn(token);
            if (IsValidIsbn(normal)) {
                m_isbn10.append({column, normal});
            } else if (IsValidIsbn13(normal)) {
                const QString converted = ConvertEanToIsbn(normal);
                if (IsValidIsbn(converted))
                    m_isbn10.append({column, converted});
                else
                    m_isbn13.append({column, normal});
            } else {
                AddOddValue(column, token);
            }
        }
    }

    void SetReleaseDate(const QString &column, const QString &text) { SetDate(column, text); }
    void SetPurchaseDate(const QString &column, const QString &text) { SetDate(column, text); }
    void SetDate(const QString &column, const QString &text)
    {
        const QString date = ForeignDate(text);
        if (date.isEmpty())
            AddOddValue(column, text);
        else
            SetField(date, column);
    }

    void SetRatingOutOf5(const QString &column, const QString &text) { SetRating(column, text, 1); }
    void SetRatingOutOf10(const QString &column, const QString &text)
    {
        SetRating(column, text, 2);
    }
    void SetRating(const QString &column, const QString &text, int divisor)
    {
        const std::optional<double> amount = ReadAmount(text, QLocale::c());
        if (!amount || *amount < 0 || *amount / divisor > 5) {
            AddOddValue(column, text);
            return;
        }
        // Half up: 4.5 stars are 5, 3 out of 10 is 2.
        const int rating = int(std::floor(*amount / divisor + 0.5));
        if (rating == 0)
            return; // 0 means not rated
        if (m_out.record.MyRating != 0) {
            if (m_out.record.MyRating != rating)
                AddLine(column, text);
            return;
        }
        m_out.record.MyRating = rating;
    }

    void SetAmount(const QString &column, const QString &text)
    {
        const std::optional<double> amount = ReadAmount(text, QLocale::c());
        if (!amount || *amount < 0) {
            AddOddValue(column, text);
            return;
        }
        // The record keeps numbers as the user's locale writes them, the
        // form a save reads.
        SetField(PlainNumberText(*amount).replace(u'.', QLocale().decimalPoint()), column);
    }

    void SetCount(const QString &column, const QString &text)
    {
        static const QRegularExpression count(QStringLiteral(R"(^(\d{1,9})\s*(pages?|pp?\.?)?$)"),
                                              QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch match = count.match(text);
        if (!match.hasMatch()) {
            AddOddValue(column, text);
            return;
        }
        const QString number = QString::number(match.captured(1).toLongLong());
        if (number != u"0")
            SetField(number, column);
    }

    void AddDescription(const QString &column, const QString &text)
    {
        m_description.append({column, AsHtml(text)});
    }
    void AddNotes(const QString &column, const QString &text)
    {
        m_notes.append({column, AsHtml(text)});
    }

    void SetSeries(const QString &column, const QString &text)
    {
        const QString name = Simplified(text);
        if (m_series.isEmpty())
            m_series = name;
        else if (m_series.compare(name, Qt::CaseInsensitive) != 0)
            AddLine(column, text);
    }

    void SetSeriesNumber(const QString &column, const QString &text)
    {
        if (!IsSeriesNumberText(text)) {
            AddOddValue(column, text);
            return;
        }
        const QString number = StoredSeriesNumber(text);
        if (m_seriesNumber.isEmpty())
            m_seriesNumber = number;
        else if (m_seriesNumber != number)
            AddLine(column, text);
    }

    void SetSeriesWithNumber(const QString &column, const QString &text)
    {
        // "Dune #2", "Dune, #2", "Dune; 2", "Dune (2)", "Dune [2]", "(Dune, #2)".
        static const QRegularExpression numbered(QStringLiteral(
            R"(^\(?\s*(.*?)\s*(?:[,;]?\s*#\s*([^\s#()\[\]]+)|[,;]\s*(\d+(?:[.,]\d+)?)|\s\((\S+)\)|\s\[(\S+)\])\s*\)?$)"));
        const QRegularExpressionMatch match = numbered.match(Simplified(text));
        if (!match.hasMatch() || match.captured(1).isEmpty()) {
            SetSeries(column, text);
            return;
        }
        QString number;
        for (int group = 2; group <= 5 && number.isEmpty(); ++group)
            number = match.captured(group);
        SetSeries(column, match.captured(1));
        if (m_series.compare(match.captured(1), Qt::CaseInsensitive) == 0)
            SetSeriesNumber(column, number);
    }

    // Names separated by ";" (or by "," when there is no ";"), each a
    // category below the source's parent. A path written as this program
    // writes it (">>Book Collection>>Fiction>>Classics") keeps its levels
    // below the library's root.
    void AddCategories(const QString &, const QString &text)
    {
        const QChar separator =
            text.contains(u';') || text.contains(QStringLiteral(">>")) ? QChar(u';') : QChar(u',');
        for (const QString &part : text.split(separator, Qt::SkipEmptyParts)) {
            // "; " separates paths: the space must not stand for a level.
            const QString entry = part.trimmed();
            QStringList path;
            if (entry.startsWith(QStringLiteral(">>"))) {
                path = entry.split(QStringLiteral(">>"), Qt::SkipEmptyParts);
                if (path.size() > 1)
                    path.removeFirst();
            } else {
                path = QStringList{entry};
            }
            for (QString &name : path)
                name = Simplified(name);
            path.removeAll(QString());
            if (!path.isEmpty() && !m_out.categories.contains(path))
                m_out.categories.append(path);
        }
    }

    void SetEbookOnly(const QString &column, const QString &text)
    {
        const QString folded = text.toLower();
        if (folded == u"yes" || folded == u"true" || folded == u"1" || text == LoadString(199))
            m_out.record.EBookOnly = true;
        else if (folded != u"no" && folded != u"false" && folded != u"0" && text != LoadString(200))
            AddOddValue(column, text);
    }

    void SetFrontCover(const QString &column, const QString &text)
    {
        if (m_out.coverFile.isEmpty() && m_out.coverData.isEmpty())
            m_out.coverFile = text;
        else
            AddLine(column, text);
    }

    void SetLanguage(const QString &column, const QString &text)
    {
        SetText(column, LanguageName(Simplified(text)));
    }

    void FinishAuthors() { m_out.record.Author = m_authors.join(QStringLiteral(" / ")); }

    // An ISBN-10 when there is one, else a valid ISBN-13; other ISBNs of
    // other books go to Notes.
    void FinishIsbn()
    {
        const QList<CNoteLine> &from = m_isbn10.isEmpty() ? m_isbn13 : m_isbn10;
        if (from.isEmpty())
            return;
        m_out.record.ISBN = from.first().value;
        for (const QList<CNoteLine> *list : {&m_isbn10, &m_isbn13}) {
            for (const CNoteLine &isbn : *list) {
                if (!IsSameBookIsbn(isbn.value, m_out.record.ISBN))
                    AddLine(isbn.column, isbn.value);
            }
        }
    }

    void FinishSeries()
    {
        m_out.record.Series = m_series;
        if (!m_series.isEmpty())
            m_out.record.SeriesNumber = m_seriesNumber;
        else if (!m_seriesNumber.isEmpty())
            m_lines.append(
                {QCoreApplication::translate("Import", "Series number"), m_seriesNumber});
    }

    void FinishStatus()
    {
        if (!m_book.wishList)
            return;
        m_out.wishList = true;
        const QString wish = LoadString(220);
        if (!m_out.record.Status.isEmpty() &&
            m_out.record.Status.compare(wish, Qt::CaseInsensitive) != 0)
            m_lines.append({QCoreApplication::translate("Import", "Status"), m_out.record.Status});
        m_out.record.Status = wish;
    }

    // A date of a reading or a loan: a whole date as ISO, or empty with the
    // text sent to Notes under `label`.
    QString DayOrNote(const QString &text, const QString &label)
    {
        const QString clean = CleanText(text);
        if (clean.isEmpty())
            return QString();
        const QString date = ForeignDate(clean);
        if (date.size() == 10)
            return date;
        AddOddValue(label, clean);
        return QString();
    }

    void MapReadings()
    {
        for (const CBookReading &reading : m_book.readings) {
            CBookReading mapped;
            mapped.Started = DayOrNote(reading.Started,
                                       QCoreApplication::translate("Import", "Reading started"));
            mapped.Finished = DayOrNote(reading.Finished,
                                        QCoreApplication::translate("Import", "Reading finished"));
            mapped.Notes = CleanText(reading.Notes);
            if (!mapped.Started.isEmpty() && !mapped.Finished.isEmpty() &&
                mapped.Finished < mapped.Started) {
                AddOddValue(QCoreApplication::translate("Import", "Reading started"),
                            mapped.Started);
                mapped.Started.clear();
            }
            m_out.record.Readings.append(mapped);
        }
        int count = m_book.readCount;
        if (count > kMaxReadCount) {
            AddOddValue(QCoreApplication::translate("Import", "Read count"),
                        QString::number(count));
            count = 0;
        }
        while (m_out.record.Readings.size() < count)
            m_out.record.Readings.append(CBookReading());
    }

    void MapLoans()
    {
        QList<CBookLoan> loans;
        for (const CBookLoan &loan : m_book.loans) {
            CBookLoan mapped;
            mapped.Name = Simplified(CleanText(loan.Name));
            mapped.Notes = CleanText(loan.Notes);
            mapped.Direction = CleanText(loan.Direction).toLower();
            if (mapped.Direction.isEmpty())
                mapped.Direction = QStringLiteral("lent");
            const QString label =
                QCoreApplication::translate("Import", "Loan to %1").arg(mapped.Name);
            const QString whole = DescribeLoan(loan);
            if (mapped.Name.isEmpty() ||
                (mapped.Direction != u"lent" && mapped.Direction != u"borrowed")) {
                AddOddValue(QCoreApplication::translate("Import", "Loan"), whole);
                continue;
            }
            mapped.LoanDate = DayOrNote(loan.LoanDate, label);
            if (mapped.LoanDate.isEmpty()) {
                if (CleanText(loan.LoanDate).isEmpty())
                    AddOddValue(QCoreApplication::translate("Import", "Loan"), whole);
                continue;
            }
            mapped.DueDate = DayOrNote(loan.DueDate, label);
            mapped.ReturnDate = DayOrNote(loan.ReturnDate, label);
            if (!mapped.DueDate.isEmpty() && mapped.DueDate < mapped.LoanDate) {
                AddOddValue(QCoreApplication::translate("Import", "Due date"), mapped.DueDate);
                mapped.DueDate.clear();
            }
            if (!mapped.ReturnDate.isEmpty() && mapped.ReturnDate < mapped.LoanDate) {
                AddOddValue(QCoreApplication::translate("Import", "Loan"), whole);
                continue;
            }
            loans.append(mapped);
        }
        // A book is out on one loan at a time: the latest open loan stays open.
        int open = -1;
        for (int i = 0; i < loans.size(); ++i) {
            if (loans.at(i).ReturnDate.isEmpty() &&
                (open < 0 || loans.at(i).LoanDate >= loans.at(open).LoanDate))
                open = i;
        }
        for (int i = 0; i < loans.size(); ++i) {
            if (loans.at(i).ReturnDate.isEmpty() && i != open)
                AddOddValue(QCoreApplication::translate("Import", "Loan"),
                            DescribeLoan(loans.at(i)));
            else
                m_out.record.Loans.append(loans.at(i));
        }
    }

    static QString DescribeLoan(const CBookLoan &loan)
    {
        QStringList parts;
        for (const QString &part : {loan.Direction, loan.Name, loan.LoanDate, loan.DueDate,
                                    loan.ReturnDate, loan.Notes}) {
            const QString clean = Simplified(CleanText(part));
            if (!clean.isEmpty())
                parts.append(clean);
        }
        return parts.join(QStringLiteral(", "));
    }

    // Description and Notes as HTML: several values are paragraphs, each
    // under its column's name in Notes when there are several; then every
    // value that had no field as a "Column: value" line.
    void FinishTexts()
    {
        m_out.record.Description = JoinParts(m_description);
        QString notes = JoinParts(m_notes);
        for (const CNoteLine &line : std::as_const(m_lines)) {
            QString value = line.value.toHtmlEscaped();
            value.replace(u'\n', QStringLiteral("<br>"));
            notes += QStringLiteral("<p>") + line.column.toHtmlEscaped() + QStringLiteral(": ") +
                     value + QStringLiteral("</p>");
        }
        m_out.record.Notes = notes;
    }

    static QString JoinParts(const QList<CNoteLine> &parts)
    {
        QString html;
        for (const CNoteLine &part : parts) {
            if (parts.size() > 1 && !part.column.isEmpty())
                html += QStringLiteral("<p><b>") + part.column.toHtmlEscaped() +
                        QStringLiteral("</b></p>");
            html += part.value;
        }
        return html;
    }

    const CForeignBook &m_book;
    CImportedBook m_out;
    QString m_field;                     // the field of the value being mapped
    QHash<QString, QString> m_setValues; // field -> the value it took
    QStringList m_authors;
    QList<CNoteLine> m_isbn10;
    QList<CNoteLine> m_isbn13;
    QString m_series;
    QString m_seriesNumber;
    QList<CNoteLine> m_description;
    QList<CNoteLine> m_notes;
    QList<CNoteLine> m_lines;
};

} // namespace

CImportedBook MapForeignBook(const CForeignBook &book)
{
    return CForeignBookMapper(book).Map();
}

QString ForeignDate(const QString &text)
{
    const QString trimmed = CleanText(text);
    // Year first, with "-", "/" or "." between, maybe a time after:
    // "2004-01-05", "2004/01/05", "2008-10-01T00:00:00+00:00", "2000-09".
    static const QRegularExpression yearFirst(
        QStringLiteral(R"(^(\d{4})[-/.](\d{1,2})(?:[-/.](\d{1,2}))?(?:[T ].*)?$)"));
    if (const QRegularExpressionMatch match = yearFirst.match(trimmed); match.hasMatch()) {
        const int year = match.captured(1).toInt();
        const int month = match.captured(2).toInt();
        if (!match.hasCaptured(3) || match.captured(3).isEmpty()) {
            if (!DateOf(year, month, 1))
                return QString();
            return StoredDateText(CPartialDate{year, month, 0});
        }
        const std::optional<QDate> date = DateOf(year, month, match.captured(3).toInt());
        return date ? StoredDateText(*date) : QString();
    }
    // Month first as most exports write it ("9/21/2019"), day first when
    // the first number cannot be a month ("21/09/2019").
    static const QRegularExpression slashed(
        QStringLiteral(R"(^(\d{1,2})[/.-](\d{1,2})[/.-](\d{4})(?:[T ].*)?$)"));
    if (const QRegularExpressionMatch match = slashed.match(trimmed); match.hasMatch()) {
        int month = match.captured(1).toInt();
        int day = match.captured(2).toInt();
        if (month > 12)
            std::swap(month, day);
        const std::optional<QDate> date = DateOf(match.captured(3).toInt(), month, day);
        return date ? StoredDateText(*date) : QString();
    }
    if (const std::optional<CPartialDate> date = ParsePartialDate(trimmed))
        return StoredDateText(*date);
    return QString();
}
