#pragma once

#include <QDialog>
#include <QStringList>

class CLibraryConnection;
class CMainFrame;
class COptionsDefaultPage;
class COptionsUIPage;
class QTabWidget;

// The Options sheet: the default values for new books and the interface
// language with the associate tag, stored together when the sheet ends with OK.
class COptions : public QDialog
{
    Q_OBJECT

public:
    // `connection` fills the first page's lists; it may be null.
    explicit COptions(CLibraryConnection *connection, QWidget *parent = nullptr);

    // Writes both pages' values to the settings, and the content template
    // of the chosen language (when one is installed) as the stored template:
    // the current template's title without its last three characters, followed
    // by the language code. The running program keeps its language and
    // template until the next start.
    void Store(const QStringList &xslTemplates, int currentXsl) const;

    // The template index to store for `code`: the title matching exactly;
    // else, for a title ending in "(ENU)", the one with "(CHS)" and so on;
    // else `currentXsl`.
    static int TemplateForLanguage(const QStringList &xslTemplates, int currentXsl,
                                   const QString &code);

private:
    QTabWidget *m_pages;
    COptionsDefaultPage *m_defaultPage;
    COptionsUIPage *m_uiPage;
};

// The Options command of the main window.
void RunOptionsCommand(CMainFrame &frame);
