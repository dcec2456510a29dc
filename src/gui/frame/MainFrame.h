#pragma once

#include "frame/CommandTarget.h"
#include "frame/FramePlacement.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class CHelpTopicsDlg;
class CKeyboardNavigation;
class CTomeloDoc;
class CTomeloHtmlView;
class CTomeloListView;
class CTomeloTreeView;
class QAction;
class QLabel;
class QMenu;
class QSplitter;

// The program's one main window: menus, toolbar, status bar and the three
// panes (category tree, book list, book information) in splitters. It routes
// every command to the pane with the focus, then to itself and the
// application, then to the other panes.
class CMainFrame : public QMainWindow, public CCommandTarget
{
    Q_OBJECT

public:
    explicit CMainFrame(CTomeloDoc &doc, QWidget *parent = nullptr);
    ~CMainFrame() override;

    // Finds the styles beside the program and builds bars, menus and panes.
    // False, after saying so, when the program folder has no CSS style or no
    // XSL template: the window cannot show books without them.
    bool Create();

    // Shows the window where it was last time, in the state it was in.
    void ShowAtStoredPlace();

    CTomeloDoc &Document() { return m_doc; }
    CTomeloTreeView *TreeView() const { return m_treeView; }
    CTomeloListView *ListView() const { return m_listView; }
    CTomeloHtmlView *HtmlView() const { return m_htmlView; }

    // The style and template titles, in command order (30000 + i, 30100 + i).
    const QStringList &CssStyles() const { return m_cssStyles; }
    const QStringList &XslTemplates() const { return m_xslTemplates; }

    // The text of the status bar's second pane.
    void SetStatusText(const QString &text);
    QString StatusText() const;

    // Shows the context menu "Tree", "List" or "Html" at a screen point.
    void ShowContextMenu(const QString &name, const QPoint &globalPos);
    // The context menu `name`, built on first use (nullptr for an unknown name).
    QMenu *ContextMenu(const QString &name);

    // Opens the library at `path` with the wait cursor, and remembers it
    // among the recent files when it opens.
    bool OpenDocumentFile(const QString &path);
    QStringList RecentFiles() const { return m_recentFiles; }

    // Routing: the first target that handles `id` carries it out or tells its
    // state. A command nobody handles is disabled.
    bool RouteCommand(int id);
    bool CommandState(int id, bool *checked = nullptr);
    // Brings every menu item and button up to date with the routes.
    void UpdateCommands();
    // The window's action for `id` (the one the main menu shows).
    QAction *Action(int id) const;
    // The help window, open beside the main window, on the manual's `topic`
    // (its first one when empty).
    CHelpTopicsDlg *ShowHelp(const QString &topic = QString());

    bool OnUpdateCommand(int id, bool &enabled, bool &checked) override;
    bool OnCommand(int id) override;

    // Adds the commands of a feature that handles them itself (asked after
    // the frame, before the panes without the focus). The frame keeps it.
    void AddFeatureCommands(std::unique_ptr<CCommandTarget> feature);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QAction *MakeAction(int id, const QString &text = QString());
    QMenu *AddMenu(QMenu *parent, const char *title, std::initializer_list<int> ids);
    QMenu *MakeStyleMenu(const char *title, const QStringList &titles, int firstId);
    bool FindStyles();
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreatePanes();
    // Makes the features that bring their own commands.
    void CreateFeatures();
    QMenu *CreateContextMenu(const QString &name);
    void RebuildRecentMenu();
    void AddRecentFile(const QString &path);
    void RemoveRecentFile(const QString &path);
    void UpdateTitle();
    QList<CCommandTarget *> RouteOrder() const;

    bool OnNewDatabase();
    bool OnOpenDatabase();
    void OnCompactDatabase();
    void OnImportXml();
    // Runs an open step of the document with the wait cursor, then brings
    // the recent files, the title and the commands up to date.
    bool RunLibraryStep(const QString &path, const std::function<bool(const QString &)> &step);
    // Why `path` did not open, what to do, and which library stays open.
    QString OpenFailureText(const QString &path, const QString &reason) const;
    static QString LibraryFilter();

    CTomeloDoc &m_doc;
    CFramePlacement m_placement{QStringLiteral("WindowPlacement")};
    QStringList m_cssStyles;
    QStringList m_xslTemplates;
    QStringList m_recentFiles;
    QMultiHash<int, QAction *> m_actions;
    QHash<QString, QMenu *> m_contextMenus;
    QPointer<CHelpTopicsDlg> m_help;
    QMenu *m_recentMenu = nullptr;
    QMenu *m_fileMenu = nullptr;
    QAction *m_recentEnd = nullptr;
    QLabel *m_statusText = nullptr;
    QSplitter *m_outerSplitter = nullptr;
    QSplitter *m_innerSplitter = nullptr;
    CTomeloTreeView *m_treeView = nullptr;
    CTomeloListView *m_listView = nullptr;
    CTomeloHtmlView *m_htmlView = nullptr;
    CKeyboardNavigation *m_keys = nullptr;
    std::vector<std::unique_ptr<CCommandTarget>> m_features;
};
