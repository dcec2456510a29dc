#include "book/HtmlEditorView.h"

#include "book/EditorWebPage.h"

#include <QEventLoop>
#include <QJsonArray>
#include <QJsonDocument>
#include <QPointer>
#include <QTimer>
#include <QWebEngineScript>

#include <memory>

namespace {

// The document around the text; its body style gives the default font.
const char kEditorDocument[] = "<html>\n<head>\n<title>Tomelo</title>\n"
                               "<meta http-equiv=\"Content-Type\" content=\"text/html; "
                               "charset=utf-8\"></head>\n"
                               "<body style=\"font-family: Tahoma, Verdana, Arial, sans-serif\">\n"
                               "</body>\n</html>\n";

// Puts a text into the body. It is parsed in a document of its own first,
// where nothing of it loads or acts, to drop refresh elements: one would
// replace the editor's document (and the text with it). The mark on
// the window tells the editor's document from any other.
const char kSetBodyFunction[] =
    "function tomeloSetBody(html) {"
    " var inert = document.implementation.createHTMLDocument('');"
    " inert.body.innerHTML = html;"
    " inert.body.querySelectorAll('meta[http-equiv]').forEach(function (m) { m.remove(); });"
    " document.body.innerHTML = inert.body.innerHTML;"
    " window.tomeloEditor = true; }";

// How long the program waits for the engine's answer before it gives up.
constexpr int kAnswerTimeoutMs = 10000;

} // namespace

QString JsString(const QString &text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

CHtmlEditorView::CHtmlEditorView(QWidget *parent)
    : QWebEngineView(parent), m_page(new CEditorWebPage(this))
{
    setPage(m_page);
    // The engine's own right-click menu is never shown.
    setContextMenuPolicy(Qt::PreventContextMenu);
    connect(m_page, &CEditorWebPage::LinkClicked, this, &CHtmlEditorView::LinkClicked);
    connect(m_page, &QWebEnginePage::renderProcessTerminated, this,
            [this](QWebEnginePage::RenderProcessTerminationStatus status) {
                if (status == QWebEnginePage::NormalTerminationStatus)
                    return;
                m_ready = false;
                Q_EMIT ContentLost();
            });
    connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) {
        if (!ok || m_ready)
            return;
        // The caret starts at the top, so that typing goes into the text.
        const QString script = QLatin1String(kSetBodyFunction) +
                               QStringLiteral("tomeloSetBody(%1); document.designMode = 'on';"
                                              " getSelection().collapse(document.body, 0); true;")
                                   .arg(JsString(m_pendingBody));
        m_pendingBody.clear();
        page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                              [view = QPointer<CHtmlEditorView>(this)](const QVariant &) {
                                  if (!view)
                                      return;
                                  view->m_ready = true;
                                  Q_EMIT view->Ready();
                              });
    });
}

void CHtmlEditorView::Load(const QString &bodyHtml)
{
    m_ready = false;
    m_preview = false;
    m_pendingBody = bodyHtml;
    m_page->SetNetworkAllowed(false);
    m_page->LoadDocument(QString::fromLatin1(kEditorDocument));
}

bool CHtmlEditorView::Evaluate(const QString &script, QVariant *result)
{
    // The answer may come after the wait has given up: it then goes nowhere.
    struct Answer
    {
        QPointer<QEventLoop> loop;
        QVariant value;
        bool received = false;
    };
    auto answer = std::make_shared<Answer>();
    QEventLoop loop;
    answer->loop = &loop;
    page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                          [answer](const QVariant &value) {
                              answer->value = value;
                              answer->received = true;
                              if (answer->loop)
                                  answer->loop->quit();
                          });
    if (!answer->received) {
        QTimer::singleShot(kAnswerTimeoutMs, &loop, &QEventLoop::quit);
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    answer->loop = nullptr;
    if (answer->received && result)
        *result = answer->value;
    return answer->received;
}

bool CHtmlEditorView::FetchBodyHtml(QString &html)
{
    if (!m_ready)
        return false;
    QVariant value;
    if (!Evaluate(QStringLiteral("window.tomeloEditor === true && document.body ?"
                                 " document.body.innerHTML : null"),
                  &value) ||
        value.isNull())
        return false;
    html = value.toString();
    return true;
}

void CHtmlEditorView::RunCommand(const QString &name, const QString &value, bool needEnabled)
{
    if (!m_ready)
        return;
    const QString script =
        QStringLiteral("(function (name, value, needEnabled) {"
                       " if (!document.queryCommandSupported(name)) return false;"
                       " if (needEnabled && !document.queryCommandEnabled(name)) return false;"
                       " return document.execCommand(name, false, value); })(%1, %2, %3)")
            .arg(JsString(name), value.isNull() ? QStringLiteral("null") : JsString(value),
                 needEnabled ? QStringLiteral("true") : QStringLiteral("false"));
    page()->runJavaScript(script, QWebEngineScript::ApplicationWorld);
}

void CHtmlEditorView::SetPreview(bool preview)
{
    if (!m_ready || preview == m_preview)
        return;
    m_preview = preview;
    m_page->SetNetworkAllowed(preview);
    // The text is parsed again for the preview, so that pictures held back
    // while editing are fetched now.
    page()->runJavaScript(preview ? QLatin1String(kSetBodyFunction) +
                                        QStringLiteral("document.designMode = 'off';"
                                                       " tomeloSetBody(document.body.innerHTML);")
                                  : QStringLiteral("document.designMode = 'on';"),
                          QWebEngineScript::ApplicationWorld);
}
