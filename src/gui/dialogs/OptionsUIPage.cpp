#include "dialogs/OptionsUIPage.h"

#include "app/AppSettings.h"
#include "app/TomeloApp.h"
#include "online/LookupSource.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QSortFilterProxyModel>
#include <QSpinBox>
#include <QVBoxLayout>

COptionsUIPage::COptionsUIPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("OptionsUIPage"));
    const CTomeloApp &app = TomeloApp();

    auto *languageGroup = new QGroupBox(tr("Interface &Language:"), this);
    m_languageName = new QComboBox(languageGroup);
    m_languageName->setObjectName(QStringLiteral("LanguageName"));
    for (const QString &code : AvailableLanguageCodes(app.GetAppDir()))
        m_languageName->addItem(LanguageOwnName(code), code);
    m_languageName->model()->sort(0);
    // The language stored for the next start, so that confirming the sheet
    // again does not put back the one running now.
    QString code = CAppSettings::UiLanguage();
    if (code.isEmpty())
        code = app.GetUiLanguage();
    m_languageName->setCurrentIndex(m_languageName->findData(code));
    auto *restart = new QLabel(tr("(Restart of Tomelodex is needed.)"), languageGroup);
    auto *languageLayout = new QVBoxLayout(languageGroup);
    languageLayout->addWidget(m_languageName);
    languageLayout->addWidget(restart);

    auto *tagGroup = new QGroupBox(tr("Your &Associate Tag (Optional):"), this);
    m_associateTag = new QLineEdit(app.m_associateTag, tagGroup);
    m_associateTag->setObjectName(QStringLiteral("AssociateTag"));
    auto *tagLayout = new QVBoxLayout(tagGroup);
    tagLayout->addWidget(m_associateTag);

    auto *lookupGroup = new QGroupBox(tr("Looking Up Books:"), this);
    m_lookupSource = new QComboBox(lookupGroup);
    m_lookupSource->setObjectName(QStringLiteral("LookupSource"));
    for (const ELookupSource source : OfferedLookupSources())
        m_lookupSource->addItem(LookupSourceChoiceName(source), LookupSourceSetting(source));
    m_lookupSource->setCurrentIndex(
        m_lookupSource->findData(LookupSourceSetting(CurrentLookupSource())));
    // A choice the program cannot honour any more is not kept in silence.
    auto *fellBack = new QLabel(tr("The product service chosen before is discontinued and has "
                                   "no address of its own: books are looked up at Open Library."),
                                lookupGroup);
    fellBack->setObjectName(QStringLiteral("LookupSourceNote"));
    fellBack->setWordWrap(true);
    m_productChoiceFellBack = CAppSettings::StoredProductSourceFellBack();
    m_shownSource = m_lookupSource->currentIndex();
    fellBack->setVisible(m_productChoiceFellBack);
    m_lookupContact = new QLineEdit(CAppSettings::LookupContact(), lookupGroup);
    m_lookupContact->setObjectName(QStringLiteral("LookupContact"));
    m_lookupContact->setPlaceholderText(tr("an e-mail or web address (optional)"));
    auto *lookupLayout = new QFormLayout(lookupGroup);
    lookupLayout->addRow(tr("Lookup &source:"), m_lookupSource);
    lookupLayout->addRow(fellBack);
    lookupLayout->addRow(tr("&Contact for Open Library:"), m_lookupContact);

    auto *loanGroup = new QGroupBox(tr("Loans:"), this);
    m_loanPeriod = new QSpinBox(loanGroup);
    m_loanPeriod->setObjectName(QStringLiteral("LoanPeriodDays"));
    m_loanPeriod->setRange(1, 3650);
    m_loanPeriod->setValue(CAppSettings::LoanPeriodDays());
    m_loanPeriod->setSuffix(tr(" days"));
    auto *loanLayout = new QFormLayout(loanGroup);
    loanLayout->addRow(tr("Default loan &period:"), m_loanPeriod);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(languageGroup);
    layout->addWidget(tagGroup);
    layout->addWidget(lookupGroup);
    layout->addWidget(loanGroup);
    layout->addStretch();
}

QStringList COptionsUIPage::AvailableLanguageCodes(const QString &appDir)
{
    QStringList codes{QStringLiteral("Enu")};
    const QDir languages(appDir + QStringLiteral("Languages"));
    for (const QFileInfo &file :
         languages.entryInfoList({QStringLiteral("Tomelodex*.qm")}, QDir::Files, QDir::Unsorted)) {
        const QString code = file.completeBaseName().right(3);
        if (file.completeBaseName().size() >= 12 && !codes.contains(code))
            codes += code;
    }
    return codes;
}

QString COptionsUIPage::LanguageOwnName(const QString &code)
{
    static const QHash<QString, QString> names{
        {QStringLiteral("Enu"), QStringLiteral("English")},
        {QStringLiteral("Chs"), QString::fromUtf8("简体中文")},
        {QStringLiteral("Cht"), QString::fromUtf8("繁體中文")},
        {QStringLiteral("Ita"), QStringLiteral("Italiano")},
    };
    return names.value(code, code);
}

QString COptionsUIPage::LanguageCode() const
{
    return m_languageName->currentData().toString();
}

QString COptionsUIPage::AssociateTag() const
{
    return m_associateTag->text();
}

QString COptionsUIPage::LookupSource() const
{
    // A choice that fell back stays stored until another is made: a host
    // of its own, set later, brings the product service back.
    if (m_productChoiceFellBack && m_lookupSource->currentIndex() == m_shownSource)
        return QLatin1String(kLookupSourceProduct);
    return m_lookupSource->currentData().toString();
}

QString COptionsUIPage::LookupContact() const
{
    return m_lookupContact->text().trimmed();
}

int COptionsUIPage::LoanPeriodDays() const
{
    return m_loanPeriod->value();
}
