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
    const QString wanted =
        xslTemplates[currentXsl].chopped(qMin(3, int(xslTemplates[currentXsl].size()))) + code;
    const int index = xslTemplates.indexOf(wanted);
    return index >= 0 ? index : currentXsl;
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
    CAppSettings::SetXsl(TemplateForLanguage(xslTemplates, currentXsl, code));
}

void RunOptionsCommand(CMainFrame &frame)
{
    CTomeloDoc &doc = frame.Document();
    COptions options(doc.IsLibraryOpen() ? doc.m_connection.get() : nullptr, &frame);
    if (options.exec() == QDialog::Accepted)
        options.Store(frame.XslTemplates(), frame.HtmlView()->XslIndex());
}
