#include "online/ProductLookup.h"

#include "app/AppSettings.h"
#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "db/BookRecord.h"
#include "db/CoverStaging.h"
#include "db/StaleFiles.h"
#include "online/AnswerFields.h"
#include "online/HttpClient.h"
#include "online/IsbnRules.h"
#include "online/XmlFetch.h"
#include "xml/XmlDocument.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryFile>
#include <QTextStream>
#include <QUrl>

#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int kCoverBlockBytes = 1023;
constexpr int kPageBlockBytes = 32767;

QString Text(const CXmlDocument &document, const char *path)
{
    return document.selectSingleNode(QLatin1String(path)).text();
}

// An ISBN as it goes into a request or a page address. Anything that is not
// a plain ISBN character is encoded so that it cannot add keys to the query.
QString EncodedItem(const QString &isbn)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(isbn));
}

QString HostWithoutTrailingSlash(QString host)
{
    host = host.trimmed();
    while (host.endsWith(u'/'))
        host.chop(1);
    return host;
}

// Hundredths of an inch as inches; absent, non-numeric, negative or
// absurdly large text counts as 0.
double Inches(const QString &text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok && std::isfinite(value) && value >= 0 && value < 1e6 ? value * 0.01 : 0.0;
}

void Fail(CBookRecord &record, const QString &text)
{
    record.ErrorText = text;
    // A transfer the user cancelled failed on purpose: nothing to report.
    if (!HttpCancelRequested())
        ShowMessage(text);
}

bool FailCancelled(CBookRecord &record)
{
    record.ErrorText = TranslatedMessage(kHttpCancelledError);
    return false;
}

} // namespace

QString CreateRecordTempFile(CBookRecord &record)
{
    QTemporaryFile file(QDir(QDir::tempPath())
                            .filePath(OwnFileNamePrefix(QLatin1String(kLookupTempPrefix)) +
                                      QStringLiteral("XXXXXX")));
    file.setAutoRemove(false);
    if (!file.open())
        return QString();
    const QString path = file.fileName();
    file.close();
    record.TempFiles.append(path);
    return path;
}

QString ItemLookupUrl(const QString &normalisedIsbn)
{
    return HostWithoutTrailingSlash(CAppSettings::ServiceHost()) +
           QStringLiteral("/onca/xml?Service=AWSECommerceService&SubscriptionId=") +
           QLatin1String(kServiceSubscriptionId) +
           QStringLiteral("&Operation=ItemLookup&ResponseGroup=Large&ItemId=") +
           EncodedItem(normalisedIsbn);
}

QString ServiceSiteName()
{
    const QString host = HostWithoutTrailingSlash(CAppSettings::ServiceHost());
    const QString name = QUrl(host).host();
    return name.isEmpty() ? host : name;
}

bool ProductLookupByIsbn(CBookRecord &record, const QString &isbn, bool resetToDefaults,
                         bool silent)
{
    if (resetToDefaults)
        record.ResetToDefaults();
    record.StatusText = FormatString(TranslatedMessage(kLookupLoadingStatus), {ServiceSiteName()});
    record.NotFound = false;
    const QString normalised = NormalizeIsbn(isbn);

    // The wait cursor around the load is the caller's: the core has no cursor.
    CXmlDocument document;
    if (!LoadXmlFromUrl(ItemLookupUrl(normalised), document)) {
        if (HttpCancelRequested())
            return FailCancelled(record);
        record.HasFatalError = true;
        Fail(record, LoadString(143));
        return false;
    }

    const QString serviceError = Text(document, "ItemLookupResponse//Error/Message");
    if (!serviceError.isEmpty()) {
        // The service answers an unknown or malformed ISBN this way.
        record.NotFound = true;
        record.StatusText = serviceError;
        record.ErrorText = FormatString(TranslatedMessage(kLookupServiceError), {serviceError});
        if (!silent)
            ShowMessage(record.ErrorText);
        return false;
    }

    // An answer without a title is no book to keep; the record stays as it was.
    const QString title = Text(document, "ItemLookupResponse//Title");
    if (!CheckAnswerTitle(record, title, normalised, silent))
        return false;

    QStringList authors;
    for (const CXmlNode &node :
         document.selectNodes(QStringLiteral("ItemLookupResponse//ItemAttributes/Author")))
        authors.append(node.text());
    // Replaces the field rather than appending to it: a record looked up twice
    // would otherwise carry every name twice, run together.
    if (!authors.isEmpty())
        record.Author = authors.join(QStringLiteral(" / "));
    record.Description = EditorialReviewsToHtml(document);
    record.URL = record.ProductUrlPrefix + EncodedItem(normalised);
    record.ISBN = normalised;
    record.Title = title;
    record.Publisher = Text(document, "ItemLookupResponse//Publisher");
    record.ReleaseDate = Text(document, "ItemLookupResponse//PublicationDate");
    record.AmazonPrice = Text(document, "ItemLookupResponse//Offers//FormattedPrice");
    record.ListPrice = Text(document, "ItemLookupResponse//ListPrice/FormattedPrice");
    record.AmazonRating =
        DecimalFromAnswer(Text(document, "ItemLookupResponse//AverageRating"), 0, kMaxAnswerRating);
    record.NumOfReviews = WholeNumberFromAnswer(Text(document, "ItemLookupResponse//TotalReviews"),
                                                0, kMaxAnswerReviewCount);
    record.LargeImageUrl =
        WebAddressFromAnswer(Text(document, "ItemLookupResponse//LargeImage/URL"));
    record.MediumImageUrl =
        WebAddressFromAnswer(Text(document, "ItemLookupResponse//MediumImage/URL"));
    record.Binding = Text(document, "ItemLookupResponse//ItemAttributes/Binding");
    record.PageCount = WholeNumberFromAnswer(Text(document, "ItemLookupResponse//NumberOfPages"), 1,
                                             kMaxAnswerPageCount);
    // The edition is what the product page prints, never the publication
    // date over again.
    record.Edition.clear();
    record.Dimension =
        QString::asprintf("%.2f x %.2f x %.2f inches",
                          Inches(Text(document, "ItemLookupResponse//ItemAttributes/Length")),
                          Inches(Text(document, "ItemLookupResponse//ItemAttributes/Width")),
                          Inches(Text(document, "ItemLookupResponse//ItemAttributes/Height")));

    if (CAppSettings::GetEditionFromHtml() == 1)
        FetchEditionFromPage(record, normalised);

    const QString target = CreateRecordTempFile(record);
    QString extension;
    if (!target.isEmpty() && DownloadCover(record, target, &extension)) {
        record.CoverTempPath = target + extension;
        // The picture is a file of its own beside the empty name file.
        record.TempFiles.append(record.CoverTempPath);
    } else {
        record.CoverTempPath.clear();
    }
    // A book whose page or cover was cut off is not the whole book.
    if (HttpCancelRequested())
        return FailCancelled(record);
    return true;
}

QString EditorialReviewsToHtml(const CXmlDocument &document)
{
    QString html;
    for (const CXmlNode &review : document.selectNodes(
             QStringLiteral("ItemLookupResponse//EditorialReviews/EditorialReview"))) {
        html += QStringLiteral("<p><b>") +
                review.selectSingleNode(QStringLiteral("Source")).text() +
                QStringLiteral("</b><br />") +
                review.selectSingleNode(QStringLiteral("Content")).text() + QStringLiteral("</p>");
    }
    return html;
}

bool FetchEditionFromPage(CBookRecord &record, const QString &isbn)
{
    record.StatusText = TranslatedMessage(kLookupParsingHtmlStatus);
    std::unique_ptr<CUrlStream> stream =
        OpenUrl(record.ProductUrlPrefix + EncodedItem(isbn), nullptr, kMaxPageBytes);
    if (!stream) {
        Fail(record, TranslatedMessage(kLookupPageDownloadFailed));
        return false;
    }

    const QString path = CreateRecordTempFile(record);
    if (path.isEmpty())
        return false;
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        std::vector<char> block(kPageBlockBytes);
        qint64 count = 0;
        while ((count = ReadBody(*stream, block.data(), kPageBlockBytes)) > 0) {
            if (file.write(block.data(), count) != count)
                return false;
        }
    }
    // Store pages name their character set in the answer; older ones use
    // Latin-1, which is also what a page without the name is read as.
    QStringConverter::Encoding encoding = QStringConverter::Latin1;
    const QString type = QueryHeader(*stream, QStringLiteral("Content-Type")).toLower();
    const int charset = int(type.indexOf(QStringLiteral("charset=")));
    if (charset >= 0) {
        const QString name = type.mid(charset + 8).section(u';', 0, 0).remove(u'"').trimmed();
        if (const auto named = QStringConverter::encodingForName(name.toLatin1().constData()))
            encoding = *named;
    }
    CloseUrl(stream);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    QTextStream in(&file);
    in.setEncoding(encoding);
    for (int i = 0; i < kProductPageSkippedLines && !in.atEnd(); ++i)
        in.readLine();

    const QString marker = QStringLiteral("<li><b>Publisher:</b>");
    while (!in.atEnd()) {
        QString line = in.readLine();
        if (line.size() <= 20 || !line.contains(marker))
            continue;
        line.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
        const qsizetype separator = line.indexOf(QStringLiteral("; "));
        record.Edition = separator >= 0 ? line.mid(separator + 2) : QString();
        // The edition may go on after a line break, up to the end of the item.
        while (!in.atEnd()) {
            const QString next = in.readLine();
            if (next.size() <= 5)
                continue;
            if (next.contains(QStringLiteral("</li>")))
                record.Edition += next.left(next.size() - 5);
            break;
        }
        break;
    }
    return true;
}

bool DownloadCover(CBookRecord &record, const QString &target, QString *extension)
{
    const QString url = record.LargeImageUrl.trimmed();
    if (url.isEmpty())
        return false;
    record.StatusText = TranslatedMessage(kLookupDownloadingCoverStatus);

    auto stream = std::make_unique<CUrlStream>();
    if (!stream->Open(url, kMaxCoverBytes)) {
        // The server has no picture under the address it gave: the book has
        // no cover, as with a placeholder, and that is nothing to report.
        if (stream->Status() == 404 || stream->Status() == 410)
            return false;
        Fail(record, TranslatedMessage(kLookupCoverDownloadFailed));
        return false;
    }
    if (QueryHeader(*stream, QStringLiteral("Content-Length")).trimmed().toLongLong() <=
        kMaxPlaceholderCoverBytes)
        return false;
    QByteArray body;
    char block[kCoverBlockBytes];
    qint64 count = 0;
    while ((count = ReadBody(*stream, block, kCoverBlockBytes)) > 0)
        body.append(block, count);
    CloseUrl(stream);
    return StoreCoverPicture(record, target, body, extension);
}

bool StoreCoverPicture(CBookRecord &record, const QString &target, const QByteArray &body,
                       QString *extension)
{
    // What the server calls a picture may be an error page or anything else:
    // only a picture by its content, within the size any cover may have, is
    // kept, under the extension its content calls for.
    const QString ext = CoverPictureExtension(body);
    if (ext.isEmpty()) {
        Fail(record, TranslatedMessage(kLookupCoverDownloadFailed));
        return false;
    }

    // Written to a new file beside the target and renamed onto it, so that an
    // existing file or link of that name is replaced, never written through.
    const QString path = target + ext;
    const QString cannotWrite = LoadString(135) + u'\n' + path;
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    if (!file.open()) {
        Fail(record, cannotWrite);
        return false;
    }
    bool written = file.write(body) == body.size() && file.flush();
    file.close();
    // The usual rights of a picture, not the temporary file's owner-only ones:
    // the library keeps a copy of it.
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (!written || std::rename(QFile::encodeName(file.fileName()).constData(),
                                QFile::encodeName(path).constData()) != 0) {
        Fail(record, cannotWrite);
        return false;
    }
    file.setAutoRemove(false);
    if (extension)
        *extension = ext;
    return true;
}
