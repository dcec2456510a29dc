#pragma once

#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineUrlRequestInterceptor>

#include <atomic>

// Lets the editor's page fetch its document and pictures only: local and
// inline ones, and web ones only while `allowNetwork` is set.
class CEditorRequestFilter : public QWebEngineUrlRequestInterceptor
{
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void interceptRequest(QWebEngineUrlRequestInfo &info) override;

    std::atomic<bool> allowNetwork{false};
};

// The editor's web page: no script of the document runs, nothing opens
// windows or plug-ins, a dropped file does not replace the document, and the
// page never navigates away from the document it was given. A link the user
// clicks in the preview is handed out through LinkClicked.
class CEditorWebPage : public QWebEnginePage
{
    Q_OBJECT

public:
    explicit CEditorWebPage(QObject *parent = nullptr);

    // Loads `html` as the page's one document.
    void LoadDocument(const QString &html);
    void SetNetworkAllowed(bool allowed);

Q_SIGNALS:
    void LinkClicked(const QUrl &url);

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage *createWindow(WebWindowType type) override;

private:
    CEditorRequestFilter m_filter;
    bool m_documentLoading = false;
};
