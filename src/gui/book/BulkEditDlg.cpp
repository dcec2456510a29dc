#include "book/BulkEditDlg.h"

#include "app/UserPrompt.h"
#include "book/BulkEditCommand.h"
#include "book/DatePicker.h"
#include "book/LookupCombo.h"
#include "book/SheetFieldLimits.h"
#include "db/CategoryStore.h"
#include "db/TomeloDoc.h"
#include "undo/LibraryUndo.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <memory>

namespace {

// The first replacements the preview shows.
constexpr int kPreviewRows = 20;

constexpr const char *kGeneral = "CBookBasicPage";
constexpr const char *kPersonal = "CBookPersonalPage";

QString FieldObjectName(EBulkField field)
{
    return QLatin1String(CBulkEdit::Info(field).Name);
}

} // namespace

CBulkEditDlg::CBulkEditDlg(const QVector<quint32> &bookIds, CTomeloDoc &doc, QWidget *parent)
    : QDialog(parent), m_bookIds(bookIds), m_doc(doc), m_connection(*doc.m_connection)
{
    setObjectName(QStringLiteral("BulkEditDlg"));
    setWindowTitle(tr("Edit %n Book(s)", nullptr, int(bookIds.size())));

    auto *tabs = new QTabWidget(this);
    tabs->setObjectName(QStringLiteral("BulkEditPages"));
    tabs->addTab(MakeGeneralPage(), QCoreApplication::translate(kGeneral, "&General"));
    tabs->addTab(MakePersonalPage(), QCoreApplication::translate(kPersonal, "&Personal"));
    tabs->addTab(MakeReplacePage(), tr("Rep&lace"));
    tabs->addTab(MakeCategoriesPage(), tr("&Categories"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CBulkEditDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CBulkEditDlg::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs, 1);
    layout->addWidget(buttons);

    FillLookupLists();
    ShowSharedValues();
    CSheetFieldLimits::Apply(*this);

    m_previewTimer.setSingleShot(true);
    m_previewTimer.setInterval(200);
    connect(&m_previewTimer, &QTimer::timeout, this, &CBulkEditDlg::UpdatePreview);
}

QWidget *CBulkEditDlg::MakeGeneralPage()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("BulkGeneralPage"));
    auto *grid = new QGridLayout(page);
    AddField(grid, EBulkField::Title, kGeneral, QT_TRANSLATE_NOOP("CBookBasicPage", "&Title:"));
    AddField(grid, EBulkField::Subtitle, kGeneral,
             QT_TRANSLATE_NOOP("CBookBasicPage", "&Subtitle:"));
    AddField(grid, EBulkField::Author, kGeneral, QT_TRANSLATE_NOOP("CBookBasicPage", "Auth&or:"));
    AddField(grid, EBulkField::Edition, kGeneral, QT_TRANSLATE_NOOP("CBookBasicPage", "&Edition:"));
    AddField(grid, EBulkField::Publisher, kGeneral,
             QT_TRANSLATE_NOOP("CBookBasicPage", "Publis&her:"));
    AddField(grid, EBulkField::PageCount, kGeneral, QT_TRANSLATE_NOOP("CBookBasicPage", "P&age:"));
    AddField(grid, EBulkField::Language, kGeneral,
             QT_TRANSLATE_NOOP("CBookBasicPage", "La&nguage:"));
    AddField(grid, EBulkField::ReleaseDate, kGeneral,
             QT_TRANSLATE_NOOP("CBookBasicPage", "&Release Date:"));
    AddField(grid, EBulkField::Binding, kGeneral, QT_TRANSLATE_NOOP("CBookBasicPage", "&Binding:"));
    AddField(grid, EBulkField::Dimension, kGeneral,
             QT_TRANSLATE_NOOP("CBookBasicPage", "Di&mension:"));
    AddField(grid, EBulkField::Extras, kGeneral, QT_TRANSLATE_NOOP("CBookBasicPage", "E&xtras:"));
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(grid->rowCount(), 1);
    return page;
}

QWidget *CBulkEditDlg::MakePersonalPage()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("BulkPersonalPage"));
    auto group = [&](const char *title) {
        auto *box = new QGroupBox(QCoreApplication::translate(kPersonal, title), page);
        auto *grid = new QGridLayout(box);
        grid->setColumnStretch(1, 1);
        return std::make_pair(box, grid);
    };
    auto [purchaseBox, purchase] = group(QT_TRANSLATE_NOOP("CBookPersonalPage", "Purchase Info"));
    AddField(purchase, EBulkField::PurchaseDate, kPersonal,
             QT_TRANSLATE_NOOP("CBookPersonalPage", "Pu&rchase Date:"));
    AddField(purchase, EBulkField::Store, kPersonal,
             QT_TRANSLATE_NOOP("CBookPersonalPage", "&Store:"));
    AddField(purchase, EBulkField::PurchasePrice, kPersonal,
             QT_TRANSLATE_NOOP("CBookPersonalPage", "Purc&hase Price:"));
    AddField(purchase, EBulkField::ListPrice, kPersonal,
             QT_TRANSLATE_NOOP("CBookPersonalPage", "L&ist Price:"));
    AddField(purchase, EBulkField::AmazonPrice, kPersonal,
             QT_TRANSLATE_NOOP("CBookPersonalPage", "&Amazon Price:"));
    auto [ratingBox, rating] = group(QT_TRANSLATE_NOOP("CBookPersonalPage", "Rating"));
    AddField(rating, EBulkField::AmazonRating, kPersonal,
             QT_TRANSLATE_NOOP("CBookPersonalPage", "Ama&zon Rating:"));
    AddField(rating, EBulkField::NumOfReviews, kPersonal,
             QT_TRANSLATE_NOOP("CBookPersonalPage", "Num&ber of Reviews:"));
    AddField(rating, EBulkField::MyRating, kPersonal,
             QT_TRANSLATE_NOOP("CBookPersonalPage", "M&y Rating:"));
    auto [miscBox, misc] = group(QT_TRANSLATE_NOOP("CBookPersonalPage", "Misc Info"));
    AddField(misc, EBulkField::Location, kPersonal,
             QT_TRANSLATE_NOOP("CBookPersonalPage", "L&ocation:"));
    AddField(misc, EBulkField::Status, kPersonal,
             QT_TRANSLATE_NOOP("CBookPersonalPage", "S&tatus:"));
    AddField(misc, EBulkField::CurrentPage, kPersonal,
             QT_TRANSLATE_NOOP("CBookPersonalPage", "C&urrent Page:"));
    auto [eBookBox, eBook] = group(QT_TRANSLATE_NOOP("CBookPersonalPage", "eBook Info"));
    AddField(eBook, EBulkField::EBookOnly, kPersonal, nullptr);
    AddField(eBook, EBulkField::Format, kPersonal,
             QT_TRANSLATE_NOOP("CBookPersonalPage", "&Format:"));
    AddField(eBook, EBulkField::BookSize, kPersonal,
             QT_TRANSLATE_NOOP("CBookPersonalPage", "Size (in &MB):"));
    auto [textsBox, texts] = group(QT_TRANSLATE_NOOP("CBookPersonalPage", "User Defined Texts"));
    AddField(texts, EBulkField::UserText1, kPersonal,
             QT_TRANSLATE_NOOP("CBookPersonalPage", "User Text &1:"));
    AddField(texts, EBulkField::UserText2, kPersonal,
             QT_TRANSLATE_NOOP("CBookPersonalPage", "User Text &2:"));
    for (QGridLayout *grid :
         std::initializer_list<QGridLayout *>{purchase, rating, misc, eBook, texts})
        grid->setRowStretch(grid->rowCount(), 1);

    auto *grid = new QGridLayout(page);
    grid->addWidget(purchaseBox, 0, 0);
    grid->addWidget(ratingBox, 0, 1);
    grid->addWidget(miscBox, 1, 0);
    grid->addWidget(eBookBox, 1, 1);
    grid->addWidget(textsBox, 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    return page;
}

void CBulkEditDlg::AddField(QGridLayout *grid, EBulkField field, const char *context,
                            const char *label)
{
    const int row = grid->rowCount();
    CFieldRow entry{field, MakeEditor(field), new QCheckBox(tr("change"), grid->parentWidget())};
    entry.Change->setObjectName(FieldObjectName(field) + QStringLiteral("Change"));
    entry.Change->setToolTip(tr("Checked: every selected book gets this value; left empty, the "
                                "field is cleared on every book.\nUnchecked: the books keep "
                                "what they have."));
    if (label) {
        auto *caption = new QLabel(QCoreApplication::translate(context, label));
        caption->setBuddy(entry.Editor);
        grid->addWidget(caption, row, 0);
        grid->addWidget(entry.Editor, row, 1);
    } else {
        grid->addWidget(entry.Editor, row, 0, 1, 2);
    }
    grid->addWidget(entry.Change, row, 2);
    m_rows.append(entry);
}

QWidget *CBulkEditDlg::MakeEditor(EBulkField field)
{
    const CBulkFieldInfo &info = CBulkEdit::Info(field);
    const QByteArray name = info.Name;
    switch (info.Kind) {
    case EBulkKind::Name:
        return new CLookupCombo(name.constData(), field != EBulkField::Status, this);
    case EBulkKind::Date:
        return new CDatePicker(FieldObjectName(field), this);
    case EBulkKind::Rating: {
        auto *rating = new QComboBox(this);
        rating->setObjectName(FieldObjectName(field));
        rating->addItems({QCoreApplication::translate(kPersonal, "Unrated"), QStringLiteral("1"),
                          QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4"),
                          QStringLiteral("5")});
        return rating;
    }
    case EBulkKind::Flag: {
        auto *flag =
            new QCheckBox(QCoreApplication::translate(kPersonal, "I only have &ebook"), this);
        flag->setObjectName(FieldObjectName(field));
        return flag;
    }
    default: {
        auto *edit = new QLineEdit(this);
        edit->setObjectName(FieldObjectName(field));
        return edit;
    }
    }
}

void CBulkEditDlg::FillLookupLists()
{
    for (const CFieldRow &row : qAsConst(m_rows)) {
        const CBulkFieldInfo &info = CBulkEdit::Info(row.Field);
        if (auto *list = qobject_cast<CLookupCombo *>(row.Editor))
            list->Fill(QLatin1String(info.LookupTable), m_connection);
    }
}

void CBulkEditDlg::ShowSharedValues()
{
    CBulkSharedValues shared;
    QString error;
    if (!CBulkEdit::ReadShared(m_bookIds, m_connection, shared, &error))
        ShowMessage(error, MsgIcon::Warning);
    const QString various = tr("(various)");
    for (const CFieldRow &row : qAsConst(m_rows)) {
        const bool same = shared.IsShared(row.Field);
        const QString value = shared.Shared(row.Field);
        if (auto *list = qobject_cast<CLookupCombo *>(row.Editor)) {
            list->SetName(value);
            if (!same && list->lineEdit())
                list->lineEdit()->setPlaceholderText(various);
            else if (!same)
                list->setPlaceholderText(various);
            if (!same && !list->isEditable())
                list->setCurrentIndex(-1);
            connect(list, &QComboBox::activated, row.Change,
                    [change = row.Change] { change->setChecked(true); });
            if (list->lineEdit())
                connect(list->lineEdit(), &QLineEdit::textEdited, row.Change,
                        [change = row.Change] { change->setChecked(true); });
        } else if (auto *date = qobject_cast<CDatePicker *>(row.Editor)) {
            date->SetText(value);
            if (!same)
                date->DateEdit()->setPlaceholderText(various);
            // From here on the date's text changes only by the user's hand:
            // typed, stepped with the keys or chosen in the calendar.
            connect(date->DateEdit(), &QLineEdit::textChanged, row.Change,
                    [change = row.Change] { change->setChecked(true); });
            connect(date->CheckBox(), &QCheckBox::clicked, row.Change,
                    [change = row.Change] { change->setChecked(true); });
        } else if (auto *flag = qobject_cast<QCheckBox *>(row.Editor)) {
            flag->setTristate(!same);
            flag->setCheckState(!same                         ? Qt::PartiallyChecked
                                : value == QLatin1String("1") ? Qt::Checked
                                                              : Qt::Unchecked);
            connect(flag, &QCheckBox::clicked, row.Change, [flag, change = row.Change] {
                // Once chosen, the flag is set or not; "various" is no value.
                if (flag->checkState() == Qt::PartiallyChecked)
                    flag->setCheckState(Qt::Checked);
                flag->setTristate(false);
                change->setChecked(true);
            });
        } else if (auto *rating = qobject_cast<QComboBox *>(row.Editor)) {
            rating->setPlaceholderText(various);
            rating->setCurrentIndex(same ? qBound(0, value.toInt(), 5) : -1);
            connect(rating, &QComboBox::activated, row.Change,
                    [change = row.Change] { change->setChecked(true); });
        } else if (auto *edit = qobject_cast<QLineEdit *>(row.Editor)) {
            edit->setText(value);
            edit->setCursorPosition(0);
            if (!same)
                edit->setPlaceholderText(various);
            connect(edit, &QLineEdit::textEdited, row.Change,
                    [change = row.Change] { change->setChecked(true); });
        }
    }
}

QString CBulkEditDlg::Value(const CFieldRow &row) const
{
    if (auto *list = qobject_cast<CLookupCombo *>(row.Editor))
        return list->Name();
    if (auto *date = qobject_cast<CDatePicker *>(row.Editor))
        return date->Text();
    if (auto *flag = qobject_cast<QCheckBox *>(row.Editor))
        return flag->checkState() == Qt::Checked ? QStringLiteral("1") : QStringLiteral("0");
    if (auto *rating = qobject_cast<QComboBox *>(row.Editor))
        return QString::number(qMax(0, rating->currentIndex()));
    if (auto *edit = qobject_cast<QLineEdit *>(row.Editor))
        return edit->text();
    return QString();
}

QWidget *CBulkEditDlg::MakeReplacePage()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("BulkReplacePage"));
    auto *grid = new QGridLayout(page);
    auto *intro = new QLabel(tr("Replaces text inside one field of every selected book. In a "
                                "regular expression, \\1 to \\9 in the replacement stand for "
                                "what its groups found."),
                             page);
    intro->setWordWrap(true);
    grid->addWidget(intro, 0, 0, 1, 2);

    m_replaceField = new QComboBox(page);
    m_replaceField->setObjectName(QStringLiteral("ReplaceField"));
    m_find = new QLineEdit(page);
    m_find->setObjectName(QStringLiteral("ReplaceFind"));
    m_replaceWith = new QLineEdit(page);
    m_replaceWith->setObjectName(QStringLiteral("ReplaceWith"));
    m_pattern = new QCheckBox(tr("Regular e&xpression"), page);
    m_pattern->setObjectName(QStringLiteral("ReplacePattern"));
    m_matchCase = new QCheckBox(tr("Match c&ase"), page);
    m_matchCase->setObjectName(QStringLiteral("ReplaceMatchCase"));
    m_replaceProblem = new QLabel(page);
    m_replaceProblem->setObjectName(QStringLiteral("ReplaceProblem"));
    m_replaceProblem->setWordWrap(true);
    m_replaceProblem->setForegroundRole(QPalette::LinkVisited);
    m_preview = new QTableWidget(0, 3, page);
    m_preview->setObjectName(QStringLiteral("ReplacePreview"));
    m_preview->setHorizontalHeaderLabels({tr("Book"), tr("Before"), tr("After")});
    m_preview->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_preview->verticalHeader()->hide();
    m_preview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_preview->setSelectionBehavior(QAbstractItemView::SelectRows);

    // Texts and names, by the caption their page gives them.
    for (const CFieldRow &row : qAsConst(m_rows)) {
        if (!CBulkEdit::CanReplace(row.Field))
            continue;
        for (const QLabel *label : findChildren<QLabel *>()) {
            if (label->buddy() == row.Editor)
                m_replaceField->addItem(CSheetFieldLimits::PlainCaption(label->text()),
                                        int(row.Field));
        }
    }

    auto *fieldLabel = new QLabel(tr("&Field:"), page);
    fieldLabel->setBuddy(m_replaceField);
    auto *findLabel = new QLabel(tr("F&ind:"), page);
    findLabel->setBuddy(m_find);
    auto *withLabel = new QLabel(tr("Replace &with:"), page);
    withLabel->setBuddy(m_replaceWith);
    grid->addWidget(fieldLabel, 1, 0);
    grid->addWidget(m_replaceField, 1, 1, Qt::AlignLeft);
    grid->addWidget(findLabel, 2, 0);
    grid->addWidget(m_find, 2, 1);
    grid->addWidget(withLabel, 3, 0);
    grid->addWidget(m_replaceWith, 3, 1);
    auto *options = new QHBoxLayout;
    options->addWidget(m_pattern);
    options->addWidget(m_matchCase);
    options->addStretch(1);
    grid->addLayout(options, 4, 1);
    grid->addWidget(m_replaceProblem, 5, 0, 1, 2);
    grid->addWidget(new QLabel(tr("The first changes:"), page), 6, 0, 1, 2);
    grid->addWidget(m_preview, 7, 0, 1, 2);
    grid->setRowStretch(7, 1);
    grid->setColumnStretch(1, 1);

    const auto later = [this] { m_previewTimer.start(); };
    connect(m_replaceField, &QComboBox::currentIndexChanged, this, later);
    connect(m_find, &QLineEdit::textChanged, this, later);
    connect(m_replaceWith, &QLineEdit::textChanged, this, later);
    connect(m_pattern, &QCheckBox::toggled, this, later);
    connect(m_matchCase, &QCheckBox::toggled, this, later);
    return page;
}

void CBulkEditDlg::UpdatePreview()
{
    m_preview->setRowCount(0);
    m_replaceProblem->clear();
    const CBulkEdit edit = Edit();
    if (edit.Replacements().isEmpty())
        return;
    if (const QString problem = edit.Replacements().first().Problem(); !problem.isEmpty()) {
        m_replaceProblem->setText(problem);
        return;
    }
    QVector<CBulkEdit::CPreviewRow> rows;
    QString error;
    if (!edit.Preview(m_bookIds, m_connection, kPreviewRows, rows, &error)) {
        m_replaceProblem->setText(error);
        return;
    }
    if (rows.isEmpty())
        m_replaceProblem->setText(tr("No selected book has this text in this field."));
    m_preview->setRowCount(int(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        const QStringList cells = {rows[i].Title, rows[i].Before, rows[i].After};
        for (int column = 0; column < 3; ++column) {
            auto *cell = new QTableWidgetItem(cells[column]);
            cell->setToolTip(cells[column]);
            m_preview->setItem(i, column, cell);
        }
    }
}

QWidget *CBulkEditDlg::MakeCategoriesPage()
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("BulkCategoriesPage"));
    auto *grid = new QGridLayout(page);
    m_joinTree = MakeCategoryTree("JoinCategories");
    m_leaveTree = MakeCategoryTree("LeaveCategories");
    auto *joinLabel = new QLabel(tr("&Add the books to:"), page);
    joinLabel->setBuddy(m_joinTree);
    auto *leaveLabel = new QLabel(tr("Re&move the books from:"), page);
    leaveLabel->setBuddy(m_leaveTree);
    grid->addWidget(joinLabel, 0, 0);
    grid->addWidget(leaveLabel, 0, 1);
    grid->addWidget(m_joinTree, 1, 0);
    grid->addWidget(m_leaveTree, 1, 1);
    return page;
}

QTreeWidget *CBulkEditDlg::MakeCategoryTree(const char *objectName)
{
    auto *tree = new QTreeWidget(this);
    tree->setObjectName(QLatin1String(objectName));
    tree->setHeaderHidden(true);
    QVector<CCategoryRow> rows;
    CCategoryStore(m_connection).ReadAll(rows);
    // The root and the user's categories as the tree shows them, then the
    // special categories books can be sent to.
    QHash<int, QTreeWidgetItem *> items;
    auto make = [&](const CCategoryRow &row, QTreeWidgetItem *parent) {
        auto *item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
        item->setText(0, row.name);
        item->setData(0, Qt::UserRole, row.id);
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
        item->setCheckState(0, Qt::Unchecked);
        items.insert(row.id, item);
    };
    for (const CCategoryRow &row : qAsConst(rows)) {
        if (row.id == kBookCollection)
            make(row, nullptr);
    }
    // Parents before their children, whatever order the rows come in.
    for (bool added = true; added;) {
        added = false;
        for (const CCategoryRow &row : qAsConst(rows)) {
            if (IsUserCategory(row.id) && !items.contains(row.id) && items.contains(row.parentId)) {
                make(row, items.value(row.parentId));
                added = true;
            }
        }
    }
    for (const CCategoryRow &row : qAsConst(rows)) {
        if (row.id == kFavorites || row.id == kReadingList)
            make(row, nullptr);
    }
    tree->sortItems(0, Qt::AscendingOrder);
    tree->expandAll();
    connect(tree, &QTreeWidget::itemChanged, this, &CBulkEditDlg::OnCategoryChecked);
    return tree;
}

void CBulkEditDlg::OnCategoryChecked(QTreeWidgetItem *item)
{
    if (item->checkState(0) != Qt::Checked)
        return;
    // A category is joined or left, not both.
    QTreeWidget *other = item->treeWidget() == m_joinTree ? m_leaveTree : m_joinTree;
    const QVariant id = item->data(0, Qt::UserRole);
    for (QTreeWidgetItemIterator it(other); *it; ++it) {
        if ((*it)->data(0, Qt::UserRole) == id)
            (*it)->setCheckState(0, Qt::Unchecked);
    }
}

CBulkEdit CBulkEditDlg::Edit() const
{
    CBulkEdit edit;
    for (const CFieldRow &row : m_rows) {
        if (row.Change->isChecked())
            edit.Set(row.Field, Value(row));
    }
    if (!m_find->text().isEmpty()) {
        edit.Replace(EBulkField(m_replaceField->currentData().toInt()),
                     {m_find->text(), m_replaceWith->text(), m_pattern->isChecked(),
                      m_matchCase->isChecked()});
    }
    for (QTreeWidgetItemIterator it(m_joinTree, QTreeWidgetItemIterator::Checked); *it; ++it)
        edit.AddToCategory((*it)->data(0, Qt::UserRole).toInt());
    for (QTreeWidgetItemIterator it(m_leaveTree, QTreeWidgetItemIterator::Checked); *it; ++it)
        edit.RemoveFromCategory((*it)->data(0, Qt::UserRole).toInt());
    return edit;
}

void CBulkEditDlg::accept()
{
    const CBulkEdit edit = Edit();
    if (edit.IsEmpty()) {
        QDialog::accept();
        return;
    }
    if (const QString problem = edit.Problem(); !problem.isEmpty()) {
        ShowMessage(problem, MsgIcon::Warning);
        return;
    }
    // Taken just before the change, so that undoing it gives back what it replaced.
    auto command = std::make_unique<CBulkEditCommand>(m_doc, m_bookIds);
    const CBulkEdit::CResult result = edit.Apply(m_bookIds, m_connection);
    if (!result.Ok) {
        // Nothing was written; what was chosen stays to be tried again.
        ShowMessage(result.Error, MsgIcon::Warning);
        return;
    }
    m_changedBooks = result.ChangedBooks;
    command->SetChangedBooks(m_changedBooks);
    CLibraryUndo::Of(m_doc).Push(std::move(command));
    ShowMessage(tr("Changed %n book(s)", nullptr, m_changedBooks), MsgIcon::Information);
    QDialog::accept();
}

int CBulkEditDlg::Run(QWidget *parent, CTomeloDoc &doc, const QVector<quint32> &bookIds)
{
    if (!doc.IsLibraryOpen() || doc.IsReadOnly() || bookIds.isEmpty())
        return 0;
    CBulkEditDlg dialog(bookIds, doc, parent);
    if (dialog.exec() != QDialog::Accepted)
        return 0;
    return dialog.ChangedBooks();
}
