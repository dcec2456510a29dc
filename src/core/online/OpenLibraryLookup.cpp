#include "online/OpenLibraryLookup.h"

#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "db/BookRecord.h"
#include "db/CoverStaging.h"
#include "db/DateText.h"
#include "online/AnswerFields.h"
#include "online/IsbnRules.h"
#include "online/OpenLibraryClient.h"
#include "online/ProductLookup.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QUrl>

namespace {

// Names of the MARC language codes Open Library gives, for the languages a
// personal library most often holds; any other code is kept as it is.
const QHash<QString, QString> &LanguageNames()
{
    static const QHash<QString, QString> names = {
        {"ara", "Arabic"},   {"cat", "Catalan"},    {"chi", "Chinese"},   {"cze", "Czech"},
        {"dan", "Danish"},   {"dut", "Dutch"},      {"eng", "English"},   {"fin", "Finnish"},
        {"fre", "French"},   {"ger", "German"},     {"gre", "Greek"},     {"heb", "Hebrew"},
        {"hin", "Hindi"},    {"hun", "Hungarian"},  {"ice", "Icelandic"}, {"ita", "Italian"},
        {"jpn", "Japanese"}, {"kor", "Korean"},     {"lat", "Latin"},     {"nor", "Norwegian"},
        {"pol", "Polish"},   {"por", "Portuguese"}, {"rum", "Romanian"},  {"rus", "Russian"},
        {"spa", "Spanish"},  {"swe", "Swedish"},    {"tur", "Turkish"},   {"ukr", "Ukrainian"},
        {"wel", "Welsh"}};
    return names;
}

QString Encoded(const QString &text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

QString FailureText(const QString &reason)
{
    return TranslatedMessage(kOpenLibraryLoadFailed).arg(reason);
}

// The JSON object of an answer; empty with `error` set when it is none.
QJsonObject ParseObject(const QByteArray &body, QString *error)
{
    QJsonParseError parse;
    const QJsonDocument document = QJsonDocument::fromJson(body, &parse);
    if (parse.error != QJsonParseError::NoError || !document.isObject()) {
        *error = QCoreApplication::translate("Messages",
                                             "The answer is not the JSON Open Library sends (%1).")
                     .arg(parse.error != QJsonParseError::NoError ? parse.errorString()
                                                                  : QStringLiteral("no object"));
        return QJsonObject();
    }
    return document.object();
}

// The first entry of a list of names: plain strings ("publishers" of an
// edition) or {"name": ...} objects (of the /api/books answer).
QString FirstName(const QJsonValue &list)
{
    const QJsonValue first = list.toArray().first();
    return first.isObject() ? first.toObject().value(QLatin1String("name")).toString().trimmed()
                            : first.toString().trimmed();
}

// Cover ids are numbers of Open Library's own; a larger one is no id.
constexpr qint64 kMaxCoverId = 999999999999LL;

QString LanguageName(const QJsonValue &languages)
{
    const QString key =
        languages.toArray().first().toObject().value(QLatin1String("key")).toString();
    const QString code = key.section(u'/', -1).trimmed().toLower();
    return LanguageNames().value(code, code);
}

// A record key such as "/books/OL1429049M", checked before it becomes a path.
QString CheckedKey(const QJsonValue &value, const char *pattern)
{
    const QString key = value.toString();
    const QRegularExpression shape{QString::fromLatin1(pattern)};
    return shape.match(key).hasMatch() ? key : QString();
}

QJsonObject FetchRecord(const QString &key, COpenLibraryClient &client)
{
    if (key.isEmpty())
        return QJsonObject();
    const CHttpResponse response =
        client.Get(OpenLibraryApiBase() + key + QStringLiteral(".json"), kMaxXmlAnswerBytes);
    QString error;
    return response.ok ? ParseObject(response.body, &error) : QJsonObject();
}

QString CoverIdOf(const QJsonObject &book, const QJsonObject &edition)
{
    // The answer names its covers by address: ".../b/id/135182-L.jpg".
    static const QRegularExpression idInUrl(QStringLiteral("/b/id/(\\d+)-"));
    const QJsonObject cover = book.value(QLatin1String("cover")).toObject();
    for (const char *size : {"large", "medium", "small"}) {
        const auto match = idInUrl.match(cover.value(QLatin1String(size)).toString());
        if (match.hasMatch())
            return match.captured(1);
    }
    for (const QJsonValue &id : edition.value(QLatin1String("covers")).toArray()) {
        // Open Library marks a removed cover with -1.
        const QString number = WholeNumberFromAnswer(id, 1, kMaxCoverId);
        if (!number.isEmpty())
            return number;
    }
    return QString();
}

void FillFromBook(CBookRecord &record, const QJsonObject &book)
{
    QStringList authors;
    for (const QJsonValue &author : book.value(QLatin1String("authors")).toArray()) {
        const QString name = author.toObject().value(QLatin1String("name")).toString().trimmed();
        if (!name.isEmpty())
            authors.append(name);
    }
    if (!authors.isEmpty())
        record.Author = authors.join(QStringLiteral(" / "));
    record.Title = book.value(QLatin1String("title")).toString().trimmed();
    record.Subtitle = book.value(QLatin1String("subtitle")).toString().trimmed();
    record.Publisher = FirstName(book.value(QLatin1String("publishers")));
    record.ReleaseDate = OpenLibraryDateToIso(book.value(QLatin1String("publish_date")).toString());
    record.PageCount =
        WholeNumberFromAnswer(book.value(QLatin1String("number_of_pages")), 1, kMaxAnswerPageCount);
    record.URL = WebAddressFromAnswer(book.value(QLatin1String("url")).toString());
    const QString key = CheckedKey(book.value(QLatin1String("key")), "^/books/OL\\d+M$");
    if (record.URL.isEmpty() && !key.isEmpty())
        record.URL = OpenLibraryApiBase() + key;
}

// The edition's own record gives what /api/books leaves out, and stands in
// for what it did not send.
void FillFromEdition(CBookRecord &record, const QJsonObject &edition)
{
    auto fill = [](QString &field, const QString &value) {
        if (field.isEmpty())
            field = value;
    };
    fill(record.Title, edition.value(QLatin1String("title")).toString().trimmed());
    fill(record.Subtitle, edition.value(QLatin1String("subtitle")).toString().trimmed());
    fill(record.Publisher, FirstName(edition.value(QLatin1String("publishers"))));
    fill(record.ReleaseDate,
         OpenLibraryDateToIso(edition.value(QLatin1String("publish_date")).toString()));
    fill(record.PageCount, WholeNumberFromAnswer(edition.value(QLatin1String("number_of_pages")), 1,
                                                 kMaxAnswerPageCount));
    const QString binding = edition.value(QLatin1String("physical_format")).toString().trimmed();
    if (!binding.isEmpty())
        record.Binding = binding;
    const QString language = LanguageName(edition.value(QLatin1String("languages")));
    if (!language.isEmpty())
        record.Language = language;
    const QString dimensions =
        edition.value(QLatin1String("physical_dimensions")).toString().trimmed();
    if (!dimensions.isEmpty())
        record.Dimension = dimensions;
    record.Edition = edition.value(QLatin1String("edition_name")).toString().trimmed();
    record.Description =
        PlainTextToHtml(OpenLibraryText(edition.value(QLatin1String("description"))));
}

void FetchCover(CBookRecord &record, const QJsonObject &book, const QJsonObject &edition,
                const QString &isbn, COpenLibraryClient &client, bool silent)
{
    // A record looked up again keeps no cover of the book before.
    record.CoverTempPath.clear();
    record.LargeImageUrl = OpenLibraryCoverUrl(book, edition, isbn, u'L');
    record.MediumImageUrl = OpenLibraryCoverUrl(book, edition, isbn, u'M');
    if (record.LargeImageUrl.isEmpty())
        return;
    record.StatusText = TranslatedMessage(kLookupDownloadingCoverStatus);
    const CHttpResponse response =
        client.Get(record.LargeImageUrl, kMaxCoverBytes, COpenLibraryClient::kCovers);
    // A body that is no picture (an error page, say) is never kept: it is
    // reported like a failed download. An empty one or a 404 means no cover.
    const bool noCover = response.status == 404 || response.status == 410 ||
                         (response.ok && response.body.isEmpty());
    if (!response.ok || noCover || CoverPictureExtension(response.body).isEmpty()) {
        if (!noCover && !silent && !HttpCancelRequested()) {
            record.ErrorText = TranslatedMessage(kLookupCoverDownloadFailed);
            ShowMessage(record.ErrorText);
        }
        return;
    }
    const QString target = CreateRecordTempFile(record);
    QString extension;
    if (!target.isEmpty() && StoreCoverPicture(record, target, response.body, &extension)) {
        record.CoverTempPath = target + extension;
        record.TempFiles.append(record.CoverTempPath);
    }
}

} // namespace

QString OpenLibraryBooksUrl(const QStringList &isbns)
{
    QStringList keys;
    for (const QString &isbn : isbns)
        keys.append(QStringLiteral("ISBN:") + Encoded(isbn));
    return OpenLibraryApiBase() + QStringLiteral("/api/books?bibkeys=") + keys.join(u',') +
           QStringLiteral("&jscmd=data&format=json");
}

QString OpenLibraryDateToIso(const QString &publishDate)
{
    QString text = publishDate.trimmed();
    // Cataloguers' marks around a date: "[1994]", "c1994", "1994.", "1994?".
    static const QRegularExpression marks(QStringLiteral("^[\\[©c]+|[\\].?]+$"));
    text.remove(marks);
    text = text.trimmed();

    // Kept as precise as it is: "1994" stays a year, "2000-09" and
    // "March 2009" a month.
    const std::optional<CPartialDate> date = ParsePartialDate(text);
    return date ? StoredDateText(*date) : QString();
}

QString OpenLibraryCoverUrl(const QJsonObject &book, const QJsonObject &edition,
                            const QString &isbn, QChar size)
{
    const QString base = OpenLibraryCoversBase();
    const QString coverId = CoverIdOf(book, edition);
    if (!coverId.isEmpty())
        return base + QStringLiteral("/b/id/%1-%2.jpg").arg(coverId, size);
    if (isbn.isEmpty())
        return QString();
    // Asked by ISBN, a missing cover is a 404 instead of a blank picture.
    return base + QStringLiteral("/b/isbn/%1-%2.jpg?default=false").arg(Encoded(isbn), size);
}

QString OpenLibraryText(const QJsonValue &value)
{
    if (value.isString())
        return value.toString();
    const QJsonObject object = value.toObject();
    if (object.value(QLatin1String("type")).toString() == u"/type/text")
        return object.value(QLatin1String("value")).toString();
    return QString();
}

QString PlainTextToHtml(const QString &text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    static const QRegularExpression blankLines(QStringLiteral("\\n[ \\t]*\\n\\s*"));
    QString html;
    for (const QString &paragraph : plain.split(blankLines, Qt::SkipEmptyParts)) {
        const QString trimmed = paragraph.trimmed();
        if (!trimmed.isEmpty())
            html += QStringLiteral("<p>") +
                    trimmed.toHtmlEscaped().replace(u'\n', QStringLiteral("<br />")) +
                    QStringLiteral("</p>");
    }
    return html;
}

COpenLibraryBookAnswers::COpenLibraryBookAnswers(const QStringList &isbns) : m_isbns(isbns) {}

bool COpenLibraryBookAnswers::Fetch(int index, COpenLibraryClient &client)
{
    if (index < m_fetchedUpTo)
        return !m_errors.contains(index);
    const int start = index;
    const int end = int(std::min<qsizetype>(m_isbns.size(), start + kOpenLibraryIsbnsPerRequest));
    m_fetchedUpTo = end;
    QStringList asked;
    for (int i = start; i < end; ++i) {
        if (!m_isbns.at(i).isEmpty() && !asked.contains(m_isbns.at(i)))
            asked.append(m_isbns.at(i));
    }
    if (asked.isEmpty())
        return true;

    const CHttpResponse response = client.Get(OpenLibraryBooksUrl(asked), kMaxXmlAnswerBytes);
    ++m_requests;
    QString error = response.error;
    const QJsonObject answer = response.ok ? ParseObject(response.body, &error) : QJsonObject();
    if (!error.isEmpty()) {
        for (int i = start; i < end; ++i)
            m_errors.insert(i, error);
        return false;
    }
    m_anyAnswered = true;
    for (int i = start; i < end; ++i)
        m_books.insert(i, answer.value(QStringLiteral("ISBN:") + m_isbns.at(i)).toObject());
    return true;
}

QJsonObject COpenLibraryBookAnswers::Book(int index) const
{
    return m_books.value(index);
}

QString COpenLibraryBookAnswers::Error(int index) const
{
    return m_errors.value(index);
}

QString COpenLibraryBookAnswers::Isbn(int index) const
{
    return m_isbns.value(index);
}

bool OpenLibraryLookup(CBookRecord &record, COpenLibraryBookAnswers &answers, int index,
                       COpenLibraryClient &client, bool silent)
{
    record.StatusText = TranslatedMessage(kOpenLibraryLoadingStatus);
    record.NotFound = false;
    const QString isbn = answers.Isbn(index);
    if (!answers.Fetch(index, client)) {
        record.ErrorText = FailureText(answers.Error(index));
        // A job the user stopped has nothing to report. Otherwise, when Open
        // Library has not answered anything of the job yet, it cannot go on.
        if (!HttpCancelRequested()) {
            record.HasFatalError = !answers.AnyAnswered();
            if (record.HasFatalError || !silent)
                ShowMessage(record.ErrorText);
        }
        return false;
    }
    const QJsonObject book = answers.Book(index);
    if (book.isEmpty()) {
        record.NotFound = true;
        record.ErrorText = TranslatedMessage(kOpenLibraryNotFound).arg(isbn);
        record.StatusText = record.ErrorText.section(u'\n', 1);
        if (!silent)
            ShowMessage(record.ErrorText);
        return false;
    }

    record.ISBN = isbn;
    FillFromBook(record, book);
    const QString editionKey = CheckedKey(book.value(QLatin1String("key")), "^/books/OL\\d+M$");
    const QJsonObject edition = FetchRecord(editionKey, client);
    FillFromEdition(record, edition);
    if (!CheckAnswerTitle(record, record.Title, isbn, silent))
        return false;
    if (record.Description.isEmpty()) {
        const QJsonValue firstWork = edition.value(QLatin1String("works")).toArray().first();
        const QJsonObject work = FetchRecord(
            CheckedKey(firstWork.toObject().value(QLatin1String("key")), "^/works/OL\\d+W$"),
            client);
        record.Description =
            PlainTextToHtml(OpenLibraryText(work.value(QLatin1String("description"))));
    }
    FetchCover(record, book, edition, isbn, client, silent);
    return true;
}

bool OpenLibraryLookupByIsbn(CBookRecord &record, const QString &isbn, bool resetToDefaults,
                             bool silent)
{
    if (resetToDefaults)
        record.ResetToDefaults();
    COpenLibraryBookAnswers answers({NormalizeIsbn(isbn)});
    COpenLibraryClient client;
    client.status = &record.StatusText;
    return OpenLibraryLookup(record, answers, 0, client, silent);
}
