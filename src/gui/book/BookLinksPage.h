#pragma once

#include "book/BookSheetPage.h"

#include <QList>

class QTreeWidget;
class QTreeWidgetItem;
struct CLinkEntry;

// The Related Links page: the book's links as a list, with Add, Edit and
// Delete through the link sheet. A new link gets the number after the
// highest ever given out while the page exists, so a number is never given
// twice even after a delete.
class CBookLinksPage : public CBookSheetPage
{
    Q_OBJECT

public:
    explicit CBookLinksPage(QWidget *parent = nullptr);

    QString Caption() const override { return tr("Related &Links"); }
    void LoadFrom(const CBookRecord &book, const CBookSheetContext &context) override;
    void PageShown() override { m_shown = true; }
    // Writes the list only when the page was shown; the links as loaded
    // stay otherwise.
    void StoreTo(CBookRecord &book) const override;

    // The rows as shown, top to bottom.
    QList<CLinkEntry> Links() const;

    void OnAddLink();
    void OnEditLink();
    void OnDeleteLink();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void AddRow(const CLinkEntry &link);
    static void SetRowTexts(QTreeWidgetItem *row, const QString &title, const QString &path,
                            const QString &notes);
    QTreeWidgetItem *SelectedRow() const;

    QTreeWidget *m_list;
    int m_lastLinkId = 0;
    bool m_shown = false;
};
