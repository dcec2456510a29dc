#pragma once

#include <QUrl>
#include <QWebEnginePage>

// The web page of the information view. It loads only the page the view
// writes (and the blank page); every other navigation is cancelled, and a
// link the user clicked in the page is handed to the view instead.
// Navigations the page starts on its own (a refresh element, a frame, a
// form) are cancelled without a word: book descriptions come from the web.
class CInfoPage : public QWebEnginePage
{
    Q_OBJECT

public:
    explicit CInfoPage(QObject *parent = nullptr);

    // The one document the page may load (frames inside it may be blank).
    void SetOwnPage(const QUrl &url) { m_ownPage = url; }

Q_SIGNALS:
    void LinkClicked(const QUrl &url);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;

private:
    QUrl m_ownPage;
};
