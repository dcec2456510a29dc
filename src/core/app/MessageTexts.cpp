// The messages kept in constants, as the translation tools find them. Each
// text here must read exactly as its constant, which the compiler checks;
// TranslatedMessage looks the constant up under "Messages".

#include "app/StringTable.h"
#include "online/AnswerFields.h"
#include "online/HttpClient.h"
#include "online/KeywordSearch.h"
#include "online/OpenLibraryClient.h"
#include "online/OpenLibraryLookup.h"
#include "online/ProductLookup.h"

namespace {

constexpr bool Same(const char *a, const char *b)
{
    while (*a && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

static_assert(Same(QT_TRANSLATE_NOOP("Messages", "The transfer was cancelled."),
                   kHttpCancelledError));
static_assert(Same(QT_TRANSLATE_NOOP("Messages", "Loading XML from %s..."), kLookupLoadingStatus));
static_assert(Same(QT_TRANSLATE_NOOP("Messages", "Downloading cover..."),
                   kLookupDownloadingCoverStatus));
static_assert(Same(QT_TRANSLATE_NOOP("Messages", "Parsing html..."), kLookupParsingHtmlStatus));
static_assert(Same(QT_TRANSLATE_NOOP("Messages", "Error message returned from Amazon:\n%s"),
                   kLookupServiceError));
static_assert(Same(QT_TRANSLATE_NOOP("Messages", "Unable to download the cover picture."),
                   kLookupCoverDownloadFailed));
static_assert(Same(QT_TRANSLATE_NOOP("Messages", "Unable to download the html page."),
                   kLookupPageDownloadFailed));
static_assert(Same(QT_TRANSLATE_NOOP("Messages", "Failed to load book info from Open Library:\n%1"),
                   kOpenLibraryLoadFailed));
static_assert(Same(QT_TRANSLATE_NOOP("Messages",
                                     "Open Library asks to wait: trying again in %1 s..."),
                   kOpenLibraryWaitStatus));
static_assert(Same(QT_TRANSLATE_NOOP("Messages",
                                     "Keeping to Open Library's request limit: waiting %1 s..."),
                   kOpenLibraryLimitStatus));
static_assert(Same(QT_TRANSLATE_NOOP("Messages", "Loading book info from Open Library..."),
                   kOpenLibraryLoadingStatus));
static_assert(Same(QT_TRANSLATE_NOOP("Messages", "Error message returned from Open Library:\n%1 "
                                                 "is not a book Open Library knows."),
                   kOpenLibraryNotFound));
static_assert(Same(
    QT_TRANSLATE_NOOP("Messages", "The answer for %1 has no title, so it is not taken as a book."),
    kLookupAnswerWithoutTitle));
static_assert(Same(QT_TRANSLATE_N_NOOP("Messages",
                                       "%n result(s) found, %1. Current page: %2  (Note: Some "
                                       "e-books might have been filtered.)"),
                   kSearchStatusLine));
static_assert(Same(QT_TRANSLATE_N_NOOP("Messages", "%n page(s)"), kSearchPageCount));
static_assert(Same(QT_TRANSLATE_NOOP("Messages",
                                     "No valid results found.\nNote: e-books are ignored."),
                   kSearchNoValidResults));

} // namespace
