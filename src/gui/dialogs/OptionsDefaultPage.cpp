#include "dialogs/OptionsDefaultPage.h"

#include "app/AppSettings.h"
#include "db/DateText.h"
#include "db/DbAccess.h"

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Stored dates of this form are read back by the book record's date parser.
const QString kPurchaseDateFormat = QStringLiteral("MMM dd, yyyy");

QLabel *Label(const QString &text, QWidget *buddy, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

} // namespace

COptionsDefaultPage::COptionsDefaultPage(CLibraryConnection *connection, QWidget *parent)
    : QWidget(parent), m_connection(connection)
{
    setObjectName(QStringLiteral("OptionsDefaultPage"));
    m_language = AddList("Language", QStringLiteral("booklanguage"), true);
    m_extras = AddList("Extras", QStringLiteral("bookextras"), true);
    m_store = AddList("Store", QStringLiteral("bookstore"), true);
    m_location = AddList("Location", QStringLiteral("booklocation"), true);
    m_format = AddList("Format", QStringLiteral("bookformat"), true);
    m_status = AddList("Status", QStringLiteral("bookstatus"), false);
    m_userText1 = new QLineEdit(this);
    m_userText1->setObjectName(QStringLiteral("UserText1"));
    m_userText2 = new QLineEdit(this);
    m_userText2->setObjectName(QStringLiteral("UserText2"));
    m_hasPurchaseDate = new QCheckBox(tr("&Purchase Date:"), this);
    m_hasPurchaseDate->setObjectName(QStringLiteral("HasPurchaseDate"));
    m_purchaseDate = new QDateEdit(this);
    m_purchaseDate->setObjectName(QStringLiteral("PurchaseDate"));
    m_purchaseDate->setCalendarPopup(true);
    m_purchaseDate->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    connect(m_hasPurchaseDate, &QCheckBox::toggled, m_purchaseDate, &QDateEdit::setEnabled);
    m_ebookOnly = new QCheckBox(this);
    m_ebookOnly->setObjectName(QStringLiteral("EbookOnly"));

    auto *grid = new QGridLayout;
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnMinimumWidth(2, 90);
    grid->addWidget(Label(tr("&Language:"), m_language, this), 0, 0);
    grid->addWidget(m_language, 0, 1);
    grid->addWidget(Label(tr("E&xtra:"), m_extras, this), 0, 2);
    grid->addWidget(m_extras, 0, 3);
    grid->addWidget(m_hasPurchaseDate, 1, 0);
    grid->addWidget(m_purchaseDate, 1, 1);
    grid->addWidget(Label(tr("S&tore:"), m_store, this), 1, 2);
    grid->addWidget(m_store, 1, 3);
    grid->addWidget(Label(tr("L&ocation:"), m_location, this), 2, 0);
    grid->addWidget(m_location, 2, 1);
    grid->addWidget(Label(tr("St&atus:"), m_status, this), 2, 2);
    grid->addWidget(m_status, 2, 3);
    grid->addWidget(Label(tr("User Text &1:"), m_userText1, this), 3, 0);
    grid->addWidget(m_userText1, 3, 1);
    grid->addWidget(Label(tr("User Text &2:"), m_userText2, this), 3, 2);
    grid->addWidget(m_userText2, 3, 3);
    grid->addWidget(Label(tr("&Format:"), m_format, this), 4, 0);
    grid->addWidget(m_format, 4, 1);
    grid->addWidget(Label(tr("I only have e&Book:"), m_ebookOnly, this), 4, 2);
    grid->addWidget(m_ebookOnly, 4, 3);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(
        new QLabel(tr("The following default values will be used when adding new books."), this));
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addStretch();

    // Reading order: across each row, left to right.
    QWidget *order[] = {m_language,  m_extras,   m_hasPurchaseDate, m_purchaseDate,
                        m_store,     m_location, m_status,          m_userText1,
                        m_userText2, m_format,   m_ebookOnly};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
    ReadSettings();
}

QComboBox *COptionsDefaultPage::AddList(const char *name, const QString &table, bool editable)
{
    auto *list = new QComboBox(this);
    list->setObjectName(QLatin1String(name));
    list->setEditable(editable);
    list->setInsertPolicy(QComboBox::NoInsert);
    list->setMinimumContentsLength(12);
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    FillList(list, table, editable);
    return list;
}

void COptionsDefaultPage::FillList(QComboBox *list, const QString &table, bool sorted)
{
    QStringList names;
    if (!m_connection || !ListLookupNames(table, *m_connection, names))
        return;
    if (sorted) {
        QCollator collator;
        collator.setCaseSensitivity(Qt::CaseInsensitive);
        std::sort(names.begin(), names.end(), collator);
    }
    list->addItems(names);
}

void COptionsDefaultPage::ReadSettings()
{
    using S = CAppSettings;
    const struct
    {
        QComboBox *list;
        S::DefaultText which;
    } lists[] = {{m_language, S::kDefaultLanguage}, {m_extras, S::kDefaultExtras},
                 {m_store, S::kDefaultStore},       {m_location, S::kDefaultLocation},
                 {m_format, S::kDefaultFormat},     {m_status, S::kDefaultStatus}};
    for (const auto &entry : lists) {
        const QString value = S::DefaultTextValue(entry.which);
        // A name the choose-only list lacks selects nothing.
        const int index = entry.list->findText(value, Qt::MatchExactly);
        entry.list->setCurrentIndex(index);
        if (entry.list->isEditable())
            entry.list->setEditText(value);
    }
    m_userText1->setText(S::DefaultTextValue(S::kDefaultUserText1));
    m_userText2->setText(S::DefaultTextValue(S::kDefaultUserText2));
    m_ebookOnly->setChecked(S::EbookOnly());

    // A stored date that does not read as one shows as no date, so OK stores
    // none unless a date is picked.
    const std::optional<QDateTime> date =
        ParseDateText(S::DefaultTextValue(S::kDefaultPurchaseDate));
    m_purchaseDate->setDate(date ? date->date() : QDate::currentDate());
    m_hasPurchaseDate->setChecked(date.has_value());
    m_purchaseDate->setEnabled(date.has_value());
}

QString COptionsDefaultPage::PurchaseDateText() const
{
    if (!m_hasPurchaseDate->isChecked() || !m_purchaseDate->date().isValid())
        return QString();
    return QLocale::c().toString(m_purchaseDate->date(), kPurchaseDateFormat);
}

void COptionsDefaultPage::Store() const
{
    using S = CAppSettings;
    S::SetDefaultTextValue(S::kDefaultLanguage, m_language->currentText());
    S::SetDefaultTextValue(S::kDefaultExtras, m_extras->currentText());
    S::SetDefaultTextValue(S::kDefaultStore, m_store->currentText());
    S::SetDefaultTextValue(S::kDefaultLocation, m_location->currentText());
    S::SetDefaultTextValue(S::kDefaultUserText1, m_userText1->text());
    S::SetDefaultTextValue(S::kDefaultUserText2, m_userText2->text());
    S::SetDefaultTextValue(S::kDefaultFormat, m_format->currentText());
    S::SetDefaultTextValue(S::kDefaultStatus, m_status->currentText());
    S::SetEbookOnly(m_ebookOnly->isChecked());
    S::SetDefaultTextValue(S::kDefaultPurchaseDate, PurchaseDateText());
}
