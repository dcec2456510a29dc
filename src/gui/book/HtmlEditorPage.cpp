#include "book/HtmlEditorPage.h"

#include "book/EditorFontDlg.h"
#include "book/HtmlEditorCommands.h"
#include "book/HtmlEditorView.h"
#include "book/HyperlinkDlg.h"
#include "book/InsertImageDlg.h"

#include <QAction>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

// The address of the link the caret is in, or an empty text.
const char kCurrentLinkScript[] = "(function () {"
                                  " var node = window.getSelection().anchorNode;"
                                  " while (node && node.nodeName !== 'A') node = node.parentNode;"
                                  " return node ? (node.getAttribute('href') || '') : ''; })()";

const char kCurrentFontScript[] = "[document.queryCommandValue('fontName'),"
                                  " document.queryCommandValue('fontSize'),"
                                  " document.queryCommandValue('foreColor')]";

// Links in the preview open in the desktop's programs; only addresses of
// the web and of mail, since the text came from the web.
void OpenPreviewLink(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https") ||
        scheme == QLatin1String("mailto"))
        QDesktopServices::openUrl(url);
}

bool IsEscape(const QEvent *event)
{
    const auto *key = static_cast<const QKeyEvent *>(event);
    return key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier;
}

bool IsPageTurn(const QEvent *event)
{
    const auto *key = static_cast<const QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::ShiftModifier;
    return modifiers == Qt::ControlModifier &&
           (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab);
}

} // namespace

CHtmlEditorPage::CHtmlEditorPage(QString CBookRecord::*field, const QString &objectName,
                                 QWidget *parent)
    : CBookSheetPage(parent), m_field(field), m_layout(new QVBoxLayout(this))
{
    setObjectName(objectName);
    m_layout->setContentsMargins(4, 4, 4, 4);
    m_layout->setSpacing(2);
}

void CHtmlEditorPage::LoadFrom(const CBookRecord &book, const CBookSheetContext &)
{
    m_html = book.*m_field;
    if (m_editor)
        m_editor->Load(m_html);
}

void CHtmlEditorPage::PageShown()
{
    if (!m_editor)
        BuildEditor();
    m_editor->setFocus();
}

bool CHtmlEditorPage::MayLeave()
{
    // Left unchanged when the engine cannot give the text back.
    if (m_editor)
        m_editor->FetchBodyHtml(m_html);
    return true;
}

void CHtmlEditorPage::StoreTo(CBookRecord &book) const
{
    book.*m_field = m_html;
}

void CHtmlEditorPage::BuildEditor()
{
    BuildToolBar();
    auto *frame = new QFrame(this);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);
    auto *frameLayout = new QVBoxLayout(frame);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    m_editor = new CHtmlEditorView(frame);
    m_editor->setObjectName(QStringLiteral("HtmlEditor"));
    frameLayout->addWidget(m_editor);
    m_layout->addWidget(frame, 1);

    // The editor's keys reach the engine through the widget it creates.
    m_editor->installEventFilter(this);
    for (QObject *child : m_editor->children())
        child->installEventFilter(this);
    connect(m_editor, &CHtmlEditorView::Ready, this, &CHtmlEditorPage::UpdateActions);
    // What was typed since the page was last left is gone with the engine;
    // the text as it was then comes back.
    connect(m_editor, &CHtmlEditorView::ContentLost, this, [this] {
        UpdateActions();
        m_editor->Load(m_html);
    });
    connect(m_editor, &CHtmlEditorView::LinkClicked, this, &OpenPreviewLink);
    m_editor->Load(m_html);
    UpdateActions();
}

void CHtmlEditorPage::BuildToolBar()
{
    m_toolBar = new QToolBar(this);
    m_toolBar->setObjectName(QStringLiteral("HtmlEditorToolBar"));
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const CEditorCommand &command : EditorCommands()) {
        if (command.id == 0) {
            m_toolBar->addSeparator();
            continue;
        }
        if (!command.toolTip)
            continue;
        auto *action =
            new QAction(EditorCommandIcon(command), EditorCommandToolTip(command), m_toolBar);
        action->setObjectName(QLatin1String(command.name));
        action->setToolTip(EditorCommandToolTip(command));
        if (command.id == ID_EDITOR_DESIGN_PREVIEW)
            action->setCheckable(true);
        const int id = command.id;
        connect(action, &QAction::triggered, this, [this, id] { OnCommand(id); });
        m_toolBar->addAction(action);
        m_actions.insert(id, action);
    }
    m_layout->addWidget(m_toolBar);
}

void CHtmlEditorPage::UpdateActions()
{
    const bool ready = m_editor && m_editor->IsReady();
    const bool preview = ready && m_editor->IsPreview();
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        const bool isSwitch = it.key() == ID_EDITOR_DESIGN_PREVIEW;
        it.value()->setEnabled(ready && (isSwitch || !preview));
        if (isSwitch)
            it.value()->setChecked(preview);
    }
}

bool CHtmlEditorPage::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_editor && event->type() == QEvent::ChildAdded)
        static_cast<QChildEvent *>(event)->child()->installEventFilter(this);
    const bool isKey =
        event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (event->type() == QEvent::ShortcutOverride && IsPageTurn(event)) {
        // The engine would keep Ctrl+Tab; the sheet turns its pages with it.
        event->ignore();
        return true;
    }
    if (isKey && watched != m_editor && IsEscape(event)) {
        // The engine keeps Escape to itself; the sheet cancels on it.
        if (event->type() == QEvent::KeyPress)
            QCoreApplication::sendEvent(m_editor->parentWidget(), event);
        return true;
    }
    if (isKey && watched != m_editor) {
        if (const int id = CommandOfKey(event)) {
            // Accepting the override keeps the key from the window's
            // shortcuts; the key press then carries the command out.
            event->accept();
            if (event->type() == QEvent::KeyPress)
                OnCommand(id);
            return true;
        }
    }
    return CBookSheetPage::eventFilter(watched, event);
}

int CHtmlEditorPage::CommandOfKey(const QEvent *event) const
{
    const auto *key = static_cast<const QKeyEvent *>(event);
    const QKeySequence pressed(
        QKeyCombination(key->modifiers() & ~Qt::KeypadModifier, Qt::Key(key->key())));
    for (const CEditorCommand &command : EditorCommands()) {
        if (command.keys && EditorCommandKey(command) == pressed)
            return command.id;
    }
    return 0;
}

bool CHtmlEditorPage::MayRun(const QString &engineCommand, bool needEnabled)
{
    QVariant answer;
    const QString script = QStringLiteral("document.queryCommandSupported(%1) &&"
                                          " (%2 || document.queryCommandEnabled(%1))")
                               .arg(JsString(engineCommand),
                                    needEnabled ? QStringLiteral("false") : QStringLiteral("true"));
    return m_editor->Evaluate(script, &answer) && answer.toBool();
}

void CHtmlEditorPage::OnCommand(int id)
{
    const CEditorCommand *command = FindEditorCommand(id);
    if (!command || !m_editor || !m_editor->IsReady())
        return;
    switch (id) {
    case ID_EDITOR_FONT:
        OnFont();
        break;
    case ID_EDITOR_BACKCOLOR:
        OnBackgroundColor();
        break;
    case ID_EDITOR_HYPERLINK:
        OnHyperlink();
        break;
    case ID_EDITOR_IMAGE:
        OnInsertImage();
        break;
    case ID_EDITOR_DESIGN_PREVIEW:
        OnSwitchMode();
        break;
    default:
        m_editor->RunCommand(QLatin1String(command->engineCommand), QString(),
                             command->condition == EditorCondition::SupportedAndEnabled);
        break;
    }
    if (m_editor)
        m_editor->setFocus();
}

void CHtmlEditorPage::OnFont()
{
    if (!MayRun(QStringLiteral("fontName"), true))
        return;
    QVariant answer;
    m_editor->Evaluate(QLatin1String(kCurrentFontScript), &answer);
    const QVariantList current = answer.toList();
    const QString face = FirstFontFamily(current.value(0).toString());
    const int size = current.value(1).toInt();
    const QColor color = ColorFromCss(current.value(2).toString());

    CEditorFontDlg dialog(this);
    dialog.SetCurrent(face, size, color);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (!dialog.Face().isEmpty() && dialog.Face() != face)
        m_editor->RunCommand(QStringLiteral("fontName"), dialog.Face());
    if (dialog.Size() > 0 && dialog.Size() != size)
        m_editor->RunCommand(QStringLiteral("fontSize"), QString::number(dialog.Size()));
    if (dialog.Color() != color)
        m_editor->RunCommand(QStringLiteral("foreColor"), dialog.Color().name());
}

void CHtmlEditorPage::OnBackgroundColor()
{
    const QColor color = QColorDialog::getColor(
        Qt::black, this, EditorCommandToolTip(*FindEditorCommand(ID_EDITOR_BACKCOLOR)));
    if (color.isValid())
        m_editor->RunCommand(QStringLiteral("backColor"), color.name());
}

void CHtmlEditorPage::OnHyperlink()
{
    if (!MayRun(QStringLiteral("createLink"), false))
        return;
    QVariant current;
    m_editor->Evaluate(QLatin1String(kCurrentLinkScript), &current);
    CHyperlinkDlg dialog(this);
    if (!current.toString().isEmpty())
        dialog.SetAddress(current.toString());
    if (dialog.exec() == QDialog::Accepted)
        m_editor->RunCommand(QStringLiteral("createLink"), dialog.Address());
}

void CHtmlEditorPage::OnInsertImage()
{
    if (!MayRun(QStringLiteral("insertImage"), false))
        return;
    CInsertImageDlg dialog(this);
    if (dialog.exec() == QDialog::Accepted)
        m_editor->RunCommand(QStringLiteral("insertHTML"), dialog.ImageHtml());
}

void CHtmlEditorPage::OnSwitchMode()
{
    m_editor->SetPreview(!m_editor->IsPreview());
    UpdateActions();
}
