#pragma once

#include <QMap>
#include <QString>

#include <memory>

class QTranslator;

// The values the whole program reads: the program folder, the interface
// language, the associate tag and the images folder of the open library.
// The window's application object and the command-line tool both fill them
// through InitCore at start.
class CTomeloApp
{
public:
    CTomeloApp();
    ~CTomeloApp();
    CTomeloApp(const CTomeloApp &) = delete;
    CTomeloApp &operator=(const CTomeloApp &) = delete;

    // Folder of the program file, always ending in a separator.
    QString m_appDir;
    unsigned m_cfBook = 0;
    unsigned m_cfCategory = 0;
    QString m_uiLanguage;
    // Each known language code to its display name and each name back to its code.
    QMap<QString, QString> m_languageMap;
    QString m_imagesDir;
    QString m_associateTag;

    QString GetAppDir() const { return m_appDir; }
    QString GetUiLanguage() const { return m_uiLanguage; }

    // The first steps of start-up: program folder, settings, interface
    // language and the language map. `programPath` is the program file (or
    // its folder); an empty path takes the running program's folder.
    void InitCore(const QString &programPath = QString());

    // Returns to the built-in texts and unloads the language file.
    void ExitCore();

    // Path of the language file of `code` beside the program.
    QString LanguageFilePath(const QString &code) const;

    // True when a language file supplies the texts.
    bool IsLanguageLoaded() const { return m_translator != nullptr; }
    // True when Qt's own texts (standard buttons, file dialogs) follow the language.
    bool IsQtTranslationLoaded() const { return m_qtTranslator != nullptr; }

    // The locale whose Qt translations belong to a language code; empty for
    // English and unknown codes.
    static QString QtLocaleName(const QString &code);

private:
    void LoadLanguage();
    void LoadQtTranslation();
    void FillLanguageMap();

    std::unique_ptr<QTranslator> m_translator;
    std::unique_ptr<QTranslator> m_qtTranslator;
};

// The program's single application object.
CTomeloApp &TomeloApp();
