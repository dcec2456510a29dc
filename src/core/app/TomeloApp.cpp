#include "app/TomeloApp.h"

#include "app/AppSettings.h"
#include "app/SettingsKey.h"
#include "app/StringTable.h"
#include "db/DateText.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

CTomeloApp::CTomeloApp() = default;

CTomeloApp::~CTomeloApp()
{
    ExitCore();
}

CTomeloApp &TomeloApp()
{
    static CTomeloApp app;
    return app;
}

void CTomeloApp::InitCore(const QString &programPath)
{
    QString folder;
    if (programPath.isEmpty())
        folder = QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                              : QDir::currentPath();
    else if (QFileInfo(programPath).isDir())
        folder = programPath;
    else
        folder = QFileInfo(programPath).absolutePath();
    m_appDir = QDir::cleanPath(QDir(folder).absolutePath());
    if (!m_appDir.endsWith(u'/'))
        m_appDir += u'/';

    CSettingsKey key;
    if (key.Open(QString::fromLatin1(kSettingsKeyPath), false)) {
        m_uiLanguage = key.ReadString(QStringLiteral("UILanguage"), QString());
        m_associateTag = key.ReadString(QStringLiteral("AssociateTag"), QString());
    } else {
        m_uiLanguage.clear();
        m_associateTag.clear();
    }
    LoadLanguage();
    FillLanguageMap();
}

QString CTomeloApp::LanguageFilePath(const QString &code) const
{
    return m_appDir + QStringLiteral("Languages/Tomelodex") + code + QStringLiteral(".qm");
}

void CTomeloApp::LoadLanguage()
{
    ExitCore();
    if (m_uiLanguage.isEmpty() || m_uiLanguage == u"Enu") {
        m_uiLanguage = QStringLiteral("Enu");
        return;
    }
    // A missing or unreadable language file leaves the built-in texts in use
    // and the stored code as it is.
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(LanguageFilePath(m_uiLanguage)))
        return;
    m_translator = std::move(translator);
    CStringTable::SetTranslator(m_translator.get());
    SetDateLanguage(QLocale(QtLocaleName(m_uiLanguage)));
    if (QCoreApplication::instance())
        QCoreApplication::installTranslator(m_translator.get());
    LoadQtTranslation();
}

QString CTomeloApp::QtLocaleName(const QString &code)
{
    if (code == u"Chs")
        return QStringLiteral("zh_CN");
    if (code == u"Cht")
        return QStringLiteral("zh_TW");
    if (code == u"Ita")
        return QStringLiteral("it");
    return QString();
}

// Qt's own dialogs and standard buttons follow the interface language through
// the translations Qt ships; without them they stay English.
void CTomeloApp::LoadQtTranslation()
{
    const QString locale = QtLocaleName(m_uiLanguage);
    if (locale.isEmpty() || !QCoreApplication::instance())
        return;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + locale,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return;
    m_qtTranslator = std::move(translator);
    QCoreApplication::installTranslator(m_qtTranslator.get());
}

void CTomeloApp::FillLanguageMap()
{
    const QString names[] = {LoadString(131), LoadString(129), LoadString(130),
                             QStringLiteral("Italian")};
    const QString codes[] = {QStringLiteral("Enu"), QStringLiteral("Chs"), QStringLiteral("Cht"),
                             QStringLiteral("Ita")};
    m_languageMap.clear();
    for (int i = 0; i < 4; ++i) {
        m_languageMap.insert(codes[i], names[i]);
        m_languageMap.insert(names[i], codes[i]);
    }
}

void CTomeloApp::ExitCore()
{
    if (m_qtTranslator && QCoreApplication::instance())
        QCoreApplication::removeTranslator(m_qtTranslator.get());
    m_qtTranslator.reset();
    if (!m_translator)
        return;
    SetDateLanguage(QLocale(QLocale::English, QLocale::UnitedStates));
    CStringTable::SetTranslator(nullptr);
    if (QCoreApplication::instance())
        QCoreApplication::removeTranslator(m_translator.get());
    m_translator.reset();
}
