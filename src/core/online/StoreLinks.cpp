#include "online/StoreLinks.h"

#include "app/AppSettings.h"

#include <QUrl>

QString StoreWebAddress()
{
    QString host = CAppSettings::StoreHost().trimmed();
    while (host.endsWith(u'/'))
        host.chop(1);
    return host;
}

QString ProductUrlPrefix()
{
    return StoreWebAddress() + QStringLiteral("/exec/obidos/ASIN/");
}

QString MakeAssociateLink(const QString &url, const QString &isbn, const QString &tag)
{
    QString usedTag = tag.trimmed();
    if (usedTag.isEmpty())
        usedTag = QString::fromLatin1(kDefaultAssociateTag);
    const QString store = StoreWebAddress();
    if (store.isEmpty() || !url.startsWith(store, Qt::CaseSensitive))
        return url;
    // Tag and ISBN are encoded so that neither can add to or break the query;
    // ordinary tags and ISBNs pass unchanged.
    return store + QStringLiteral("/exec/obidos/redirect?tag=") +
           QString::fromLatin1(QUrl::toPercentEncoding(usedTag)) + QStringLiteral("&path=ASIN%2F") +
           QString::fromLatin1(QUrl::toPercentEncoding(isbn));
}
