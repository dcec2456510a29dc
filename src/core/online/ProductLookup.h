#pragma once

#include "online/LookupSource.h" // LookupByIsbn, which picks the source

#include <QByteArray>
#include <QString>

class CBookRecord;
class CXmlDocument;

// Texts of the lookup that have no string number. The ones with a number
// (135 and 143) come from the string table.
// Start of the names of a lookup's files in the temporary folder.
inline constexpr char kLookupTempPrefix[] = "Tomelo-lookup-";
inline constexpr char kLookupLoadingStatus[] = "Loading XML from %s...";
inline constexpr char kLookupDownloadingCoverStatus[] = "Downloading cover...";
inline constexpr char kLookupParsingHtmlStatus[] = "Parsing html...";
inline constexpr char kLookupServiceError[] = "Error message returned from Amazon:\n%s";
inline constexpr char kLookupCoverDownloadFailed[] = "Unable to download the cover picture.";
inline constexpr char kLookupPageDownloadFailed[] = "Unable to download the html page.";

// Fixed values of the product service's requests.
inline constexpr char kServiceSubscriptionId[] = "7QHN2ZK5XW3RB8TLM0C4";

// A cover whose Content-Length is at most this is the service's placeholder
// picture, not a cover.
inline constexpr qint64 kMaxPlaceholderCoverBytes = 2047;
// Lines at the top of a product page that never hold the edition.
inline constexpr int kProductPageSkippedLines = 300;

// The ItemLookup request for one ISBN on the configured service host. Keys in
// the order the service expects; the ISBN is percent-encoded, which leaves a
// normalised ISBN as it is.
QString ItemLookupUrl(const QString &normalisedIsbn);

// The name of the service site shown in the loading status: the host of the
// configured service address.
QString ServiceSiteName();

// Fills `record` from the product service's answer for `isbn` (normalised
// first), then takes the edition from the product page when the user asked
// for that, and downloads the large cover into a temporary file
// (CoverTempPath). Writes nothing into a library. Of the answer it takes
// counts and ratings only within their ranges and addresses only when they
// are http or https (AnswerFields.h); anything else leaves the field empty.
//
// Returns true when the answer was loaded and mapped, even without a cover.
// On false, ErrorText says why. An answer that cannot be loaded sets
// HasFatalError and is always shown; an error reported by the service, and
// an answer without a title, leave HasFatalError alone and are shown unless
// `silent`. Download problems of the
// cover or the page are shown but never make the lookup fail.
//
// Under a CHttpCancelScope whose flag turns true, fails at once with
// ErrorText kHttpCancelledError, shows nothing and leaves HasFatalError alone.
//
// May run on a worker thread: StatusText is the one member another thread may
// read meanwhile.
bool ProductLookupByIsbn(CBookRecord &record, const QString &isbn, bool resetToDefaults,
                         bool silent);

// The editorial reviews of an answer as HTML: per review, in document order,
// "<p><b>Source</b><br />Content</p>" with Content as delivered (it is HTML).
QString EditorialReviewsToHtml(const CXmlDocument &document);

// Reads the edition from the store's product page of `isbn` into Edition.
// The page is kept in a temporary file of the record while it is read. False
// when the page could not be fetched or stored; Edition then keeps its value.
bool FetchEditionFromPage(CBookRecord &record, const QString &isbn);

// A new empty file named Tomelo-lookup-* in the temporary folder, made for
// this record only (created exclusively, so nobody else's file or link is
// reused), and listed in its TempFiles. Empty when none could be made.
QString CreateRecordTempFile(CBookRecord &record);

// Writes a downloaded cover to `target` + the extension its content calls
// for (CoverPictureExtension), replacing whatever has that name. False after
// the cover-failure message when the body is no picture or too large, or
// when the file cannot be written; nothing is stored then.
bool StoreCoverPicture(CBookRecord &record, const QString &target, const QByteArray &body,
                       QString *extension);

// Downloads LargeImageUrl into `target` + extension (of the picture's
// content: ".jpg", ".gif", ".png" or ".bmp"). False without a message when
// there is no address, the picture is missing on the server (404 or 410) or
// no larger than the placeholder; false with a message when the download
// fails, what came is no picture, or the file fails.
bool DownloadCover(CBookRecord &record, const QString &target, QString *extension);
