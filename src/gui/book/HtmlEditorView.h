#pragma once

#include <QVariant>
#include <QWebEngineView>

class CEditorWebPage;

// The browser engine as an HTML editor: an empty document whose body takes
// the text to edit, in design mode. Only the program's own scripts run, in a
// world of their own; scripts and event handlers inside the text never run.
// While editing, the text's pictures are not fetched from the network; the
// preview fetches them. Nothing but pictures is ever fetched for the text.
class CHtmlEditorView : public QWebEngineView
{
    Q_OBJECT

public:
    explicit CHtmlEditorView(QWidget *parent = nullptr);

    // Starts loading `bodyHtml` into the editor; Ready() follows.
    void Load(const QString &bodyHtml);
    bool IsReady() const { return m_ready; }

    // Runs `script` in the program's world and waits for its value (user
    // input is held back meanwhile). False when the engine did not answer.
    bool Evaluate(const QString &script, QVariant *result = nullptr);

    // The body's markup as the engine writes it; false leaves `html` alone.
    bool FetchBodyHtml(QString &html);

    // Runs the editing command `name` (with `value`, when not null) when the
    // engine supports it and, with `needEnabled`, when it can be done now.
    void RunCommand(const QString &name, const QString &value = QString(), bool needEnabled = true);

    bool IsPreview() const { return m_preview; }
    // Preview shows the text as a page whose links work; editing resumes
    // with the same content.
    void SetPreview(bool preview);

Q_SIGNALS:
    void Ready();
    // The engine's process ended: the content is gone and the editor is
    // not ready until it is loaded again.
    void ContentLost();
    // A link the user clicked in the preview.
    void LinkClicked(const QUrl &url);

private:
    CEditorWebPage *m_page = nullptr;
    QString m_pendingBody;
    bool m_ready = false;
    bool m_preview = false;
};

// A text as a JavaScript string literal.
QString JsString(const QString &text);
