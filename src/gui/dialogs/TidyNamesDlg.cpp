#include "dialogs/TidyNamesDlg.h"

#include "app/AppSettings.h"
#include "app/UserPrompt.h"
#include "db/SimilarNames.h"
#include "db/TextCollation.h"
#include "db/TomeloDoc.h"
#include "dialogs/NameChoiceDlg.h"
#include "dialogs/NameTidyCommand.h"
#include "frame/WaitCursor.h"
#include "undo/LibraryUndo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSet>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kIdRole = Qt::UserRole;
constexpr int kBooksRole = Qt::UserRole + 1;
constexpr int kNameColumn = 0;
constexpr int kBooksColumn = 1;

// A row of the list: a name, or a group of similar names. Sorts names
// letter case aside and counts as numbers.
class CNameItem : public QTreeWidgetItem
{
public:
    // A group has no identifier.
    CNameItem(const QString &name, int books, const QVariant &id)
    {
        setText(kNameColumn, name);
        setText(kBooksColumn, QLocale().toString(books));
        setData(kNameColumn, kIdRole, id);
        setData(kBooksColumn, kBooksRole, books);
        setTextAlignment(kBooksColumn, Qt::AlignRight | Qt::AlignVCenter);
    }

    bool operator<(const QTreeWidgetItem &other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : kNameColumn;
        if (column == kBooksColumn) {
            const int mine = data(kBooksColumn, kBooksRole).toInt();
            const int theirs = other.data(kBooksColumn, kBooksRole).toInt();
            if (mine != theirs)
                return mine < theirs;
        }
        const int order = CompareFoldingCase(text(kNameColumn), other.text(kNameColumn));
        return order != 0 ? order < 0 : text(kNameColumn) < other.text(kNameColumn);
    }
};

bool IsGroup(const QTreeWidgetItem &item)
{
    return !item.data(kNameColumn, kIdRole).isValid();
}

// Most books first, so that the name most books carry is offered first.
QStringList NamesByBooks(QVector<CNameUse> names)
{
    std::stable_sort(names.begin(), names.end(),
                     [](const CNameUse &a, const CNameUse &b) { return a.books > b.books; });
    QStringList texts;
    for (const CNameUse &use : std::as_const(names))
        texts += use.name;
    return texts;
}

bool HasDefaultValue(NameKind kind, CAppSettings::DefaultText &which)
{
    switch (kind) {
    case NameKind::Language:
        which = CAppSettings::kDefaultLanguage;
        return true;
    case NameKind::Store:
        which = CAppSettings::kDefaultStore;
        return true;
    case NameKind::Location:
        which = CAppSettings::kDefaultLocation;
        return true;
    case NameKind::Format:
        which = CAppSettings::kDefaultFormat;
        return true;
    default:
        return false;
    }
}

} // namespace

CTidyNamesDlg::CTidyNamesDlg(CTomeloDoc &doc, QWidget *parent) : QDialog(parent), m_doc(doc)
{
    setObjectName(QStringLiteral("TidyNamesDlg"));
    setWindowTitle(tr("Tidy Names"));

    m_kind = new QComboBox(this);
    m_kind->setObjectName(QStringLiteral("NameKind"));
    m_kind->addItem(tr("Publishers"), int(NameKind::Publisher));
    m_kind->addItem(tr("Languages"), int(NameKind::Language));
    m_kind->addItem(tr("Bindings"), int(NameKind::Binding));
    m_kind->addItem(tr("Stores"), int(NameKind::Store));
    m_kind->addItem(tr("Locations"), int(NameKind::Location));
    m_kind->addItem(tr("Formats"), int(NameKind::Format));
    auto *kindLabel = new QLabel(tr("&Names of:"), this);
    kindLabel->setBuddy(m_kind);
    m_filter = new QLineEdit(this);
    m_filter->setObjectName(QStringLiteral("NameFilter"));
    m_filter->setClearButtonEnabled(true);
    m_filter->setPlaceholderText(tr("Names containing..."));
    auto *filterLabel = new QLabel(tr("&Find:"), this);
    filterLabel->setBuddy(m_filter);
    m_similarOnly = new QCheckBox(tr("Show only &similar names"), this);
    m_similarOnly->setObjectName(QStringLiteral("SimilarOnly"));
    m_similarOnly->setToolTip(tr("Groups the names that differ only in letter case, spaces, "
                                 "punctuation or a company word such as \"Inc.\" or "
                                 "\"Publishing\""));

    m_names = new QTreeWidget(this);
    m_names->setObjectName(QStringLiteral("Names"));
    m_names->setColumnCount(2);
    m_names->setHeaderLabels({tr("Name"), tr("Books")});
    m_names->headerItem()->setTextAlignment(kBooksColumn, Qt::AlignRight | Qt::AlignVCenter);
    m_names->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_names->setRootIsDecorated(false);
    m_names->setUniformRowHeights(true);
    m_names->setAlternatingRowColors(true);
    m_names->setSortingEnabled(true);
    m_names->sortByColumn(kNameColumn, Qt::AscendingOrder);
    m_names->header()->setStretchLastSection(false);
    m_names->header()->setSectionResizeMode(kNameColumn, QHeaderView::Stretch);
    m_names->header()->setSectionResizeMode(kBooksColumn, QHeaderView::ResizeToContents);

    m_merge = new QPushButton(tr("&Merge..."), this);
    m_merge->setObjectName(QStringLiteral("Merge"));
    m_rename = new QPushButton(tr("&Rename..."), this);
    m_rename->setObjectName(QStringLiteral("Rename"));
    m_delete = new QPushButton(tr("&Delete"), this);
    m_delete->setObjectName(QStringLiteral("Delete"));
    m_deleteUnused = new QPushButton(tr("Delete &Unused"), this);
    m_deleteUnused->setObjectName(QStringLiteral("DeleteUnused"));
    for (QPushButton *button : {m_merge, m_rename, m_delete, m_deleteUnused})
        button->setAutoDefault(false);
    auto *actions = new QVBoxLayout;
    actions->addWidget(m_merge);
    actions->addWidget(m_rename);
    actions->addWidget(m_delete);
    actions->addSpacing(12);
    actions->addWidget(m_deleteUnused);
    actions->addStretch();

    auto *hint =
        new QLabel(tr("Select two or more names and choose Merge to make them one."), this);
    hint->setWordWrap(true);
    m_summary = new QLabel(this);
    m_summary->setObjectName(QStringLiteral("NamesSummary"));
    m_result = new QLabel(this);
    m_result->setObjectName(QStringLiteral("TidyResult"));
    m_result->setWordWrap(true);
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_result->hide();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &CTidyNamesDlg::reject);

    auto *top = new QGridLayout;
    top->addWidget(kindLabel, 0, 0);
    top->addWidget(m_kind, 0, 1);
    top->addWidget(filterLabel, 0, 2);
    top->addWidget(m_filter, 0, 3);
    top->setColumnStretch(3, 1);
    top->addWidget(m_similarOnly, 1, 0, 1, 4);
    auto *middle = new QHBoxLayout;
    middle->addWidget(m_names, 1);
    middle->addLayout(actions);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_summary, 1);
    bottom->addWidget(buttons);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(hint);
    layout->addLayout(middle, 1);
    layout->addWidget(m_result);
    layout->addLayout(bottom);

    connect(m_kind, &QComboBox::currentIndexChanged, this, [this] {
        ShowResult(QString());
        FillList({});
    });
    connect(m_similarOnly, &QCheckBox::toggled, this, &CTidyNamesDlg::Reload);
    connect(m_filter, &QLineEdit::textChanged, this, &CTidyNamesDlg::ApplyFilter);
    connect(m_names, &QTreeWidget::itemSelectionChanged, this, &CTidyNamesDlg::UpdateButtons);
    connect(m_names, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item) {
        if (!IsGroup(*item))
            OnRename();
    });
    connect(m_merge, &QPushButton::clicked, this, &CTidyNamesDlg::OnMerge);
    connect(m_rename, &QPushButton::clicked, this, &CTidyNamesDlg::OnRename);
    connect(m_delete, &QPushButton::clicked, this, &CTidyNamesDlg::OnDeleteSelected);
    connect(m_deleteUnused, &QPushButton::clicked, this, &CTidyNamesDlg::OnDeleteUnused);
    // What another program writes meanwhile shows here too.
    connect(&m_doc, &CTomeloDoc::LibraryChangedElsewhere, this, &CTidyNamesDlg::Reload);
    connect(&m_doc, &CTomeloDoc::LibraryOpened, this, [this] {
        if (m_doc.IsLibraryOpen())
            Reload();
        else
            reject();
    });

    FillList({});
    resize(640, 480);
}

NameKind CTidyNamesDlg::Kind() const
{
    return NameKind(m_kind->currentData().toInt());
}

QVector<CNameUse> CTidyNamesDlg::SelectedNames() const
{
    QSet<int> ids;
    const QList<QTreeWidgetItem *> selected = m_names->selectedItems();
    for (const QTreeWidgetItem *item : selected) {
        if (!IsGroup(*item)) {
            ids.insert(item->data(kNameColumn, kIdRole).toInt());
            continue;
        }
        for (int i = 0; i < item->childCount(); ++i)
            ids.insert(item->child(i)->data(kNameColumn, kIdRole).toInt());
    }
    QVector<CNameUse> names;
    for (const CNameUse &use : m_uses) {
        if (ids.contains(use.id))
            names += use;
    }
    return names;
}

void CTidyNamesDlg::Reload()
{
    QVector<int> selected;
    for (const CNameUse &use : SelectedNames())
        selected += use.id;
    FillList(selected);
}

void CTidyNamesDlg::FillList(const QVector<int> &selectIds)
{
    m_names->clear();
    m_uses.clear();
    if (m_doc.IsLibraryOpen()) {
        CNameTidy tidy(*m_doc.m_connection);
        if (!tidy.List(Kind(), m_uses))
            ShowMessage(tidy.Error());
    }
    // Sorting each item in as it comes would take long for many names.
    m_names->setSortingEnabled(false);
    QList<QTreeWidgetItem *> items;
    if (m_similarOnly->isChecked()) {
        m_names->setRootIsDecorated(true);
        for (const QVector<int> &group : CSimilarNames::Groups(m_uses, Kind())) {
            QVector<CNameUse> members;
            for (const int index : group)
                members += m_uses[index];
            int books = 0;
            for (const CNameUse &use : std::as_const(members))
                books += use.books;
            auto *header = new CNameItem(
                tr("%1 (%n name(s))", "", members.size()).arg(NamesByBooks(members).first()), books,
                QVariant());
            QFont bold = header->font(kNameColumn);
            bold.setBold(true);
            header->setFont(kNameColumn, bold);
            for (const CNameUse &use : std::as_const(members))
                header->addChild(new CNameItem(use.name, use.books, use.id));
            items += header;
        }
    } else {
        m_names->setRootIsDecorated(false);
        for (const CNameUse &use : std::as_const(m_uses))
            items += new CNameItem(use.name, use.books, use.id);
    }
    m_names->addTopLevelItems(items);
    m_names->setSortingEnabled(true);
    m_names->expandAll();

    QTreeWidgetItem *current = nullptr;
    for (QTreeWidgetItemIterator it(m_names); *it; ++it) {
        if (!IsGroup(**it) && selectIds.contains((*it)->data(kNameColumn, kIdRole).toInt())) {
            (*it)->setSelected(true);
            if (!current)
                current = *it;
        }
    }
    if (current) {
        m_names->setCurrentItem(current, kNameColumn, QItemSelectionModel::NoUpdate);
        m_names->scrollToItem(current);
    }
    ApplyFilter();

    const int unused = int(std::count_if(m_uses.begin(), m_uses.end(),
                                         [](const CNameUse &u) { return u.books == 0; }));
    m_summary->setText(tr("%n name(s)", "", m_uses.size()) + QStringLiteral(" \u2022 ") +
                       tr("%n unused", "", unused));
    UpdateButtons();
}

void CTidyNamesDlg::ApplyFilter()
{
    const QString text = m_filter->text().trimmed();
    auto matches = [&text](const QTreeWidgetItem *item) {
        return text.isEmpty() || item->text(kNameColumn).contains(text, Qt::CaseInsensitive);
    };
    for (int i = 0; i < m_names->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = m_names->topLevelItem(i);
        bool shown = item->childCount() == 0 && matches(item);
        // A group shows whole when one of its names matches.
        for (int child = 0; child < item->childCount() && !shown; ++child)
            shown = matches(item->child(child));
        item->setHidden(!shown);
    }
}

void CTidyNamesDlg::UpdateButtons()
{
    const bool writable = m_doc.IsLibraryOpen() && !m_doc.IsReadOnly();
    const QVector<CNameUse> selected = SelectedNames();
    const bool allUnused = std::all_of(selected.begin(), selected.end(),
                                       [](const CNameUse &use) { return use.books == 0; });
    const bool anyUnused = std::any_of(m_uses.begin(), m_uses.end(),
                                       [](const CNameUse &use) { return use.books == 0; });
    m_merge->setEnabled(writable && selected.size() >= 2);
    m_rename->setEnabled(writable && selected.size() == 1);
    m_delete->setEnabled(writable && !selected.isEmpty() && allUnused);
    m_deleteUnused->setEnabled(writable && anyUnused);
}

void CTidyNamesDlg::OnMerge()
{
    const QVector<CNameUse> names = SelectedNames();
    if (names.size() < 2)
        return;
    CNameChoiceDlg choice(tr("Merge Names"),
                          tr("Merge these %n names into one. The books of all of them will "
                             "carry the name you choose or type:",
                             "", names.size()),
                          NamesByBooks(names), this);
    if (choice.exec() != QDialog::Accepted)
        return;
    MergeInto(names, choice.Name());
}

void CTidyNamesDlg::OnRename()
{
    const QVector<CNameUse> names = SelectedNames();
    if (names.size() != 1)
        return;
    const CNameUse &use = names.first();
    CNameChoiceDlg choice(tr("Rename"), tr("New name for \"%1\":").arg(use.name), {use.name}, this);
    if (choice.exec() != QDialog::Accepted || choice.Name() == use.name)
        return;
    MergeInto(names, choice.Name());
}

void CTidyNamesDlg::MergeInto(const QVector<CNameUse> &names, const QString &kept)
{
    CNameTidy tidy(*m_doc.m_connection);
    QVector<int> ids;
    for (const CNameUse &use : names)
        ids += use.id;
    // A name typed that another name of the list already has makes the two one.
    const int other = tidy.FindOther(Kind(), kept, ids);
    if (other != 0) {
        const auto existing = std::find_if(m_uses.begin(), m_uses.end(),
                                           [other](const CNameUse &u) { return u.id == other; });
        const QString otherName = existing != m_uses.end() ? existing->name : kept;
        const QString question =
            names.size() == 1
                ? tr("\"%1\" is already in the list. Merge \"%2\" into it?")
                      .arg(otherName, names.first().name)
                : tr("\"%1\" is already in the list. Merge the %n selected names into it?", "",
                     names.size())
                      .arg(otherName);
        if (!ConfirmAction(question, tr("Merge")))
            return;
    }
    CNameTidyChange change;
    CNameTidy::Outcome outcome;
    {
        const CWaitCursor wait;
        auto command = std::make_unique<CNameTidyCommand>(m_doc, Kind(), names, kept);
        outcome = tidy.Merge(Kind(), names, kept, &change);
        if (outcome == CNameTidy::Outcome::Done && command->NameAfter(change, 0))
            CLibraryUndo::Of(m_doc).Push(std::move(command));
    }
    if (!Finish(outcome, tidy, change))
        return;
    FollowDefaults(change);
    if (change.MergedCount() > 1) {
        ShowResult(
            tr("Merged %n names into \"%1\"", "", change.MergedCount()).arg(change.keptNewName) +
            QStringLiteral(": ") + tr("%n book(s) changed.", "", change.books.size()));
    } else {
        ShowResult(tr("Renamed \"%1\" to \"%2\".").arg(change.keptOldName, change.keptNewName));
    }
    FillList({change.keptId});
}

void CTidyNamesDlg::OnDeleteSelected()
{
    DeleteNames(SelectedNames());
}

void CTidyNamesDlg::OnDeleteUnused()
{
    QVector<CNameUse> unused;
    for (const CNameUse &use : std::as_const(m_uses)) {
        if (use.books == 0)
            unused += use;
    }
    if (unused.isEmpty() ||
        !ConfirmAction(tr("Delete the %n name(s) that no book carries?", "", unused.size()),
                       tr("Delete")))
        return;
    DeleteNames(unused);
}

void CTidyNamesDlg::DeleteNames(const QVector<CNameUse> &names)
{
    if (names.isEmpty())
        return;
    CNameTidy tidy(*m_doc.m_connection);
    CNameTidyChange change;
    int deleted = 0;
    auto command = std::make_unique<CNameTidyCommand>(m_doc, Kind(), names, QString());
    const CNameTidy::Outcome outcome = tidy.DeleteUnused(Kind(), names, &deleted, &change);
    if (outcome == CNameTidy::Outcome::Done && deleted > 0 && command->NameAfter(change, deleted))
        CLibraryUndo::Of(m_doc).Push(std::move(command));
    if (!Finish(outcome, tidy, change))
        return;
    QString text = tr("Deleted %n name(s).", "", deleted);
    if (deleted < names.size()) {
        text +=
            u' ' + tr("%n name(s) kept: a book carries them now.", "", int(names.size()) - deleted);
    }
    ShowResult(text);
    FillList({});
}

bool CTidyNamesDlg::Finish(CNameTidy::Outcome outcome, const CNameTidy &tidy,
                           const CNameTidyChange &change)
{
    switch (outcome) {
    case CNameTidy::Outcome::Done:
        // The list, the page and the book sheets' choices show the names.
        if (!change.books.isEmpty() || change.keptOldName != change.keptNewName)
            m_doc.NotifyBooksChanged();
        return true;
    case CNameTidy::Outcome::ChangedElsewhere:
        ShowMessage(tr("Another program has changed these names meanwhile, so nothing was "
                       "changed. The list now shows the names as they are."));
        break;
    case CNameTidy::Outcome::Failed:
        ShowMessage(tidy.Error());
        break;
    }
    ShowResult(QString());
    Reload();
    return false;
}

void CTidyNamesDlg::ShowResult(const QString &text)
{
    m_result->setText(text);
    m_result->setVisible(!text.isEmpty());
}

void CTidyNamesDlg::FollowDefaults(const CNameTidyChange &change)
{
    CAppSettings::DefaultText which;
    if (!HasDefaultValue(change.kind, which))
        return;
    const QString current = CAppSettings::DefaultTextValue(which).trimmed();
    if (current.isEmpty())
        return;
    QStringList gone{change.keptOldName};
    for (const CNameUse &row : change.deletedRows)
        gone += row.name;
    const bool named = std::any_of(gone.begin(), gone.end(), [&current](const QString &name) {
        return CompareFoldingCase(name.trimmed(), current) == 0;
    });
    if (named && current != change.keptNewName)
        CAppSettings::SetDefaultTextValue(which, change.keptNewName);
}
