#include "dialogs/Options.h"

#include "app/AppSettings.h"
#include "app/StringTable.h"
#include "app/TomeloApp.h"
#include "db/TomeloDoc.h"
#include "dialogs/OptionsDefaultPage.h"
#include "dialogs/OptionsUIPage.h"
#include "frame/MainFrame.h"
#include "info/TomeloHtmlView.h"

#include <QDialogButtonBox>
#include <QRegularExpression>
#include <QTabWidget>
#include <QVBoxLayout>

COptions::COptions(CLibraryConnection *connection, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Options"));
    setWindowTitle(LoadString(180));
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("Pages"));
    m_defaultPage = new COptionsDefaultPage(connection, m_pages);
    m_uiPage = new COptionsUIPage(m_pages);
    m_pages->addTab(m_defaultPage, tr("&Default Values"));
    m_pages->addTab(m_uiPage, tr("&Misc Options"));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &COptions::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &COptions::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addWidget(buttons);
}

int COptions::TemplateForLanguage(const QStringList &xslTemplates, int currentXsl,
                                  const QString &code)
{
    if (currentXsl < 0 || currentXsl >= xslTemplates.size())
        return currentXsl;
    const QString &title = xslTemplates[currentXsl];
    // A title ends in its language code ("Plain Enu"); the installed ones
    // carry it in brackets and capitals ("Default (ENU)"), which the plain
    // rule would never match, so the bracketed form is tried as well.
    QStringList wanted{title.chopped(qMin(3, int(title.size()))) + code};
    static const QRegularExpression bracketedCode(QStringLiteral("\\(([A-Za-z]{3})\\)$"));
    const QRegularExpressionMatch match = bracketedCode.match(title);
    if (match.hasMatch() && !code.isEmpty())
        wanted << title.left(match.capturedStart(1)) + code.toUpper() + QLatin1Char(')');
    for (const QString &candidate : wanted) {
        const int index = int(xslTemplates.indexOf(candidate));
        if (index >= 0)
            return index;
    }
    return currentXsl;
}

void COptions::Store(const QStringList &xslTemplates, int currentXsl) const
{
    m_defaultPage->Store();
    const QString code = m_uiPage->LanguageCode();
    CAppSettings::SetUiLanguage(code);
    // Store links made from now on carry the new tag.
    TomeloApp().m_associateTag = m_uiPage->AssociateTag();
    CAppSettings::SetAssociateTag(TomeloApp().m_associateTag);
    // Lookups from now on ask the chosen source.
    CAppSettings::SetLookupSource(m_uiPage->LookupSource());
    CAppSettings::SetLookupContact(m_uiPage->LookupContact());
    CAppSettings::SetLoanPeriodDays(m_uiPage->LoanPeriodDays());
    CAppSettings::SetXsl(TemplateForLanguage(xslTemplates, currentXsl, code));
}

void RunOptionsCommand(CMainFrame &frame)
{
    CTomeloDoc &doc = frame.Document();
    COptions options(doc.IsLibraryOpen() ? doc.m_connection.get() : nullptr, &frame);
    if (options.exec() == QDialog::Accepted)
        options.Store(frame.XslTemplates(), frame.HtmlView()->XslIndex());
}
