#include "book/BookLinksPage.h"

#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "book/LinkProperties.h"
#include "db/BookRecord.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column
{
    kColumnId,
    kColumnTitle,
    kColumnPath,
    kColumnNotes,
    kColumnCount
};

} // namespace

CBookLinksPage::CBookLinksPage(QWidget *parent) : CBookSheetPage(parent)
{
    setObjectName(QStringLiteral("BookLinksPage"));
    auto *intro =
        new QLabel(tr("Add URLs, local files or folders which are related to this book."), this);
    intro->setWordWrap(true);
    auto *example = new QLabel(tr("e.g. author's website, ebook files."), this);
    example->setEnabled(false);

    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("LinkList"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAllColumnsShowFocus(true);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setHeaderLabels({tr("ID"), tr("Title"), tr("Path"), tr("Notes")});
    const int character = fontMetrics().averageCharWidth();
    const int widths[kColumnCount] = {6, 14, 30, 18};
    for (int column = 0; column < kColumnCount; ++column)
        m_list->setColumnWidth(column, widths[column] * character);
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, &CBookLinksPage::OnEditLink);
    m_list->installEventFilter(this);

    auto *add = new QPushButton(tr("&Add..."), this);
    add->setObjectName(QStringLiteral("AddLink"));
    auto *edit = new QPushButton(tr("&Edit..."), this);
    edit->setObjectName(QStringLiteral("EditLink"));
    // Not "&Delete": D opens the Description tab of the sheet.
    auto *remove = new QPushButton(tr("Dele&te"), this);
    remove->setObjectName(QStringLiteral("DeleteLink"));
    connect(add, &QPushButton::clicked, this, &CBookLinksPage::OnAddLink);
    connect(edit, &QPushButton::clicked, this, &CBookLinksPage::OnEditLink);
    connect(remove, &QPushButton::clicked, this, &CBookLinksPage::OnDeleteLink);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(add);
    buttons->addWidget(edit);
    buttons->addWidget(remove);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(example);
    layout->addWidget(m_list, 1);
    layout->addLayout(buttons);
}

bool CBookLinksPage::eventFilter(QObject *watched, QEvent *event)
{
    // The Delete key deletes the selected link.
    if (watched == m_list && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent *>(event)->matches(QKeySequence::Delete)) {
        OnDeleteLink();
        return true;
    }
    return CBookSheetPage::eventFilter(watched, event);
}

void CBookLinksPage::LoadFrom(const CBookRecord &book, const CBookSheetContext &)
{
    m_list->clear();
    m_lastLinkId = 0;
    for (const CLinkEntry &link : book.Links) {
        AddRow(link);
        ++m_lastLinkId;
    }
}

void CBookLinksPage::StoreTo(CBookRecord &book) const
{
    if (m_shown)
        book.Links = Links();
}

QList<CLinkEntry> CBookLinksPage::Links() const
{
    QList<CLinkEntry> links;
    for (int i = 0; i < m_list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *row = m_list->topLevelItem(i);
        links.append({row->text(kColumnId), row->text(kColumnTitle), row->text(kColumnPath),
                      row->text(kColumnNotes)});
    }
    return links;
}

void CBookLinksPage::AddRow(const CLinkEntry &link)
{
    auto *row = new QTreeWidgetItem(m_list);
    row->setText(kColumnId, link.LinkID);
    SetRowTexts(row, link.Name, link.Path, link.Notes);
}

void CBookLinksPage::SetRowTexts(QTreeWidgetItem *row, const QString &title, const QString &path,
                                 const QString &notes)
{
    const QString texts[] = {title, path, notes};
    for (int column = kColumnTitle; column < kColumnCount; ++column) {
        row->setText(column, texts[column - kColumnTitle]);
        // The whole text when the column cuts it short.
        row->setToolTip(column, texts[column - kColumnTitle]);
    }
}

QTreeWidgetItem *CBookLinksPage::SelectedRow() const
{
    const QList<QTreeWidgetItem *> selected = m_list->selectedItems();
    if (selected.isEmpty()) {
        ShowMessage(LoadString(156));
        return nullptr;
    }
    return selected.first();
}

void CBookLinksPage::OnAddLink()
{
    CLinkProperties sheet(true, this);
    if (sheet.exec() != QDialog::Accepted)
        return;
    ++m_lastLinkId;
    AddRow({QString::number(m_lastLinkId), sheet.Page().Title(), sheet.Page().Path(),
            sheet.Page().Notes()});
    m_list->setCurrentItem(m_list->topLevelItem(m_list->topLevelItemCount() - 1));
}

void CBookLinksPage::OnEditLink()
{
    QTreeWidgetItem *row = SelectedRow();
    if (!row)
        return;
    CLinkProperties sheet(false, this);
    sheet.Page().SetTexts(row->text(kColumnTitle), row->text(kColumnPath), row->text(kColumnNotes));
    if (sheet.exec() == QDialog::Accepted)
        SetRowTexts(row, sheet.Page().Title(), sheet.Page().Path(), sheet.Page().Notes());
}

void CBookLinksPage::OnDeleteLink()
{
    if (QTreeWidgetItem *row = SelectedRow())
        delete row;
}
