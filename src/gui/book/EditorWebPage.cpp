#include "book/EditorWebPage.h"

#include <QWebEngineSettings>

namespace {

bool IsLocalScheme(const QString &scheme)
{
    return scheme == QLatin1String("data") || scheme == QLatin1String("blob") ||
           scheme == QLatin1String("about") || scheme == QLatin1String("file");
}

bool IsWebScheme(const QString &scheme)
{
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
}

// Receives the navigation of a window a link asked for ("target=_blank")
// and hands its address on instead of opening a window.
class CNewWindowCatcher : public QWebEnginePage
{
public:
    CNewWindowCatcher(CEditorWebPage *opener, QObject *parent)
        : QWebEnginePage(parent), m_opener(opener)
    {
        settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType, bool isMainFrame) override
    {
        if (isMainFrame) {
            Q_EMIT m_opener->LinkClicked(url);
            deleteLater();
        }
        return false;
    }

private:
    CEditorWebPage *m_opener;
};

} // namespace

void CEditorRequestFilter::interceptRequest(QWebEngineUrlRequestInfo &info)
{
    const QString scheme = info.requestUrl().scheme().toLower();
    const bool reachable = IsLocalScheme(scheme) || (allowNetwork && IsWebScheme(scheme));
    // Of a text only its pictures are fetched: style sheets, fonts, media,
    // frames, plug-ins and the like stay out, as they do on the book page.
    const QWebEngineUrlRequestInfo::ResourceType type = info.resourceType();
    const bool wanted = type == QWebEngineUrlRequestInfo::ResourceTypeMainFrame ||
                        type == QWebEngineUrlRequestInfo::ResourceTypeImage;
    info.block(!(reachable && wanted));
}

CEditorWebPage::CEditorWebPage(QObject *parent) : QWebEnginePage(parent)
{
    QWebEngineSettings *page = settings();
    // Only scripts of the document's own world are off: the program's
    // scripts run in a world of their own.
    page->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    page->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    page->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    page->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
    page->setAttribute(QWebEngineSettings::AutoLoadIconsForPage, false);
    page->setAttribute(QWebEngineSettings::ErrorPageEnabled, false);
    // Cut, Copy and Paste are the program's editing commands.
    page->setAttribute(QWebEngineSettings::JavascriptCanAccessClipboard, true);
    page->setAttribute(QWebEngineSettings::JavascriptCanPaste, true);
    setUrlRequestInterceptor(&m_filter);
    SetNetworkAllowed(false);
}

void CEditorWebPage::SetNetworkAllowed(bool allowed)
{
    // The document is local (so that the user's own pictures show): the
    // engine keeps it from the web unless told otherwise, and the filter
    // holds back whatever else would reach out.
    settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, allowed);
    m_filter.allowNetwork = allowed;
}

void CEditorWebPage::LoadDocument(const QString &html)
{
    m_documentLoading = true;
    // A local base lets pictures from the user's own files show.
    setHtml(html, QUrl(QStringLiteral("file:///")));
}

bool CEditorWebPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    if (!isMainFrame)
        return false;
    if (m_documentLoading && type != NavigationTypeLinkClicked) {
        m_documentLoading = false;
        return true;
    }
    if (type == NavigationTypeLinkClicked)
        Q_EMIT LinkClicked(url);
    return false;
}

QWebEnginePage *CEditorWebPage::createWindow(WebWindowType)
{
    return new CNewWindowCatcher(this, this);
}
