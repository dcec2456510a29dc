#pragma once

#include <QHash>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

class CBookRecord;
class COpenLibraryClient;

// The most ISBNs one /api/books request asks for: the address stays far
// below the length web servers accept.
inline constexpr int kOpenLibraryIsbnsPerRequest = 100;

inline constexpr char kOpenLibraryLoadingStatus[] = "Loading book info from Open Library...";
inline constexpr char kOpenLibraryNotFound[] =
    "Error message returned from Open Library:\n%1 is not a book Open Library knows.";

// The /api/books request (jscmd=data, JSON) for these normalised ISBNs.
QString OpenLibraryBooksUrl(const QStringList &isbns);

// A publish_date as the library stores dates, as precise as it came ("1994"
// stays "1994", "March 2009" gives "2009-03", "July 28, 2008" "2008-07-28");
// empty when the text is no date this reads.
QString OpenLibraryDateToIso(const QString &publishDate);

// The address of a book's cover of `size` ('S', 'M' or 'L') on the covers
// host: by the cover id of the /api/books record or, without one, of the
// edition; else by ISBN, asking for a 404 rather than a blank picture when
// there is none. Empty without id and ISBN.
QString OpenLibraryCoverUrl(const QJsonObject &book, const QJsonObject &edition,
                            const QString &isbn, QChar size);

// A text field that Open Library gives as a plain string or as a
// {"type": "/type/text", "value": ...} object; empty for anything else.
QString OpenLibraryText(const QJsonValue &value);

// Plain text as HTML: blank lines part paragraphs, each "<p>...</p>" with
// its single line breaks as "<br />", every character escaped.
QString PlainTextToHtml(const QString &text);

// The /api/books answers for the ISBNs of a job, asked for in requests of
// up to kOpenLibraryIsbnsPerRequest ISBNs, each when its first entry is
// needed.
class COpenLibraryBookAnswers
{
public:
    // `isbns` normalised, in the order they will be needed.
    explicit COpenLibraryBookAnswers(const QStringList &isbns);

    // Makes sure entry `index` was asked for, with the entries after it that
    // share its request. False when that request failed (Error tells why).
    bool Fetch(int index, COpenLibraryClient &client);

    // The answer's record of entry `index`; empty when Open Library does
    // not know the ISBN.
    QJsonObject Book(int index) const;
    QString Error(int index) const;
    QString Isbn(int index) const;
    // True once any request of the job got an answer.
    bool AnyAnswered() const { return m_anyAnswered; }
    int RequestsMade() const { return m_requests; }

private:
    QStringList m_isbns;
    int m_fetchedUpTo = 0; // entries before this one have been asked for
    QHash<int, QJsonObject> m_books;
    QHash<int, QString> m_errors;
    bool m_anyAnswered = false;
    int m_requests = 0;
};

// Fills `record` for entry `index` of `answers` (asked for first when
// needed): the /api/books record, then the edition and the work for what
// it lacks, then the large cover into a temporary file (CoverTempPath).
// Fields of the wrong JSON type or out of range stay empty, addresses are
// taken only when they are http or https (AnswerFields.h), and a cover that
// is no picture is not kept.
// Returns true when Open Library knew the book, even when the edition, the
// work or the cover could not be had. Otherwise ErrorText says why; a
// request that failed before Open Library answered anything of the job sets
// HasFatalError and is always shown, an unknown ISBN or a record without a
// title is shown unless `silent`.
bool OpenLibraryLookup(CBookRecord &record, COpenLibraryBookAnswers &answers, int index,
                       COpenLibraryClient &client, bool silent);

// OpenLibraryLookup for one ISBN (normalised first).
bool OpenLibraryLookupByIsbn(CBookRecord &record, const QString &isbn, bool resetToDefaults,
                             bool silent);
