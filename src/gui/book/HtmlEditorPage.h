#pragma once

#include "book/BookSheetPage.h"
#include "db/BookRecord.h"

#include <QHash>

class CHtmlEditorView;
class QAction;
class QToolBar;
class QVBoxLayout;

// A page of the book sheet that edits one HTML field of the book (the
// description or the notes) in the browser engine: a formatting toolbar,
// the editing keys, and a switch between editing and preview. The engine is
// started the first time the page is shown; until then the page hands back
// the field exactly as it was given.
class CHtmlEditorPage : public CBookSheetPage
{
    Q_OBJECT

public:
    CHtmlEditorPage(QString CBookRecord::*field, const QString &objectName,
                    QWidget *parent = nullptr);

    void LoadFrom(const CBookRecord &book, const CBookSheetContext &context) override;
    void PageShown() override;
    bool MayLeave() override;
    void StoreTo(CBookRecord &book) const override;

    // Carries out one command of the editor's table (as its button or key
    // does); a command the editor cannot do now is ignored.
    void OnCommand(int id);

    // Null until the page is first shown.
    CHtmlEditorView *Editor() const { return m_editor; }
    QToolBar *ToolBar() const { return m_toolBar; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void BuildEditor();
    void BuildToolBar();
    void UpdateActions();
    // The command whose key `event` is, or 0.
    int CommandOfKey(const QEvent *event) const;
    // Asks the engine whether the command may run now.
    bool MayRun(const QString &engineCommand, bool needEnabled);

    void OnFont();
    void OnBackgroundColor();
    void OnHyperlink();
    void OnInsertImage();
    void OnSwitchMode();

    QString CBookRecord::*m_field;
    QString m_html;
    QVBoxLayout *m_layout = nullptr;
    QToolBar *m_toolBar = nullptr;
    CHtmlEditorView *m_editor = nullptr;
    QHash<int, QAction *> m_actions;
};
