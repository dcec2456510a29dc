#include "info/InfoPage.h"

#include <QWebEngineSettings>

CInfoPage::CInfoPage(QObject *parent) : QWebEnginePage(parent)
{
    QWebEngineSettings *page = settings();
    page->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    page->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, false);
    page->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    page->setAttribute(QWebEngineSettings::NavigateOnDropEnabled, false);
}

bool CInfoPage::acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame)
{
    if (url == QUrl(QStringLiteral("about:blank")) || (isMainFrame && url == m_ownPage))
        return true;
    if (isMainFrame && type == NavigationTypeLinkClicked)
        Q_EMIT LinkClicked(url);
    return false;
}
