#include "frame/MainFrame.h"

#include "app/AppSettings.h"
#include "app/NativeFileName.h"
#include "app/Profile.h"
#include "app/StringTable.h"
#include "app/TomeloApp.h"
#include "app/UserPrompt.h"
#include "backup/BackupCommands.h"
#include "db/TomeloDoc.h"
#include "dialogs/AboutDlg.h"
#include "dialogs/BasicSearchDlg.h"
#include "dialogs/HelpTopicsDlg.h"
#include "dialogs/InputSQLDlg.h"
#include "dialogs/Options.h"
#include "dialogs/TidyNamesCommands.h"
#include "exchange/CsvExportCommands.h"
#include "frame/CommandIds.h"
#include "frame/CommandTable.h"
#include "frame/FileDialogs.h"
#include "frame/ImportXmlCommand.h"
#include "frame/KeyboardNavigation.h"
#include "frame/MakerLinks.h"
#include "frame/ProgressWindow.h"
#include "frame/ThemeIcon.h"
#include "frame/WaitCursor.h"
#include "info/TomeloHtmlView.h"
#include "library/OverdueLink.h"
#include "library/TomeloListView.h"
#include "library/TomeloTreeView.h"
#include "loans/LoanCommands.h"
#include "undo/LibraryUndo.h"
#include "undo/UndoRedoCommands.h"
#include "xml/StyleFiles.h"
#include "xml/XmlImport.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

namespace {

const QString kPlacementSection = QStringLiteral("WindowPlacement");
const QString kRecentSection = QStringLiteral("Recent File List");
constexpr int kRecentCount = 4;
constexpr int kSeparator = 0;

// Commands that change the library: none is offered while it may only be
// read. Run SQL stays, for queries; a statement that writes is refused with
// the reason.
bool ChangesLibrary(int id)
{
    switch (id) {
    case ID_FILE_IMPORT_XML:
    case ID_EDIT_UNDO:
    case ID_EDIT_REDO:
    case ID_EDIT_CUT:
    case ID_EDIT_PASTE:
    case ID_ADD_SUBCATEGORY:
    case ID_REMOVE_CATEGORY:
    case ID_EDIT_CATEGORY:
    case ID_ADD_BOOK:
    case ID_REMOVE_BOOK:
    case ID_EDIT_BOOK:
    case ID_SENDTO_FAVORITES:
    case ID_SENDTO_READINGLIST:
    case ID_SENDTO_SEARCHRESULTS:
    case ID_BASIC_SEARCH: // files what it finds in Search Results
    case ID_COMPACT_DATABASE:
    case ID_TIDY_NAMES:
    case ID_LEND_BOOK:
    case ID_RETURN_BOOK:
    case ID_BORROW_BOOK:
        return true;
    default:
        return false;
    }
}

} // namespace

CMainFrame::CMainFrame(CTomeloDoc &doc, QWidget *parent) : QMainWindow(parent), m_doc(doc)
{
    setObjectName(QStringLiteral("MainFrame"));
}

CMainFrame::~CMainFrame()
{
    // The panes are destroyed after this class's part of the window; focus
    // changes meanwhile must not reach it.
    qApp->disconnect(this);
    delete m_keys;
    m_keys = nullptr;
    QApplication::clipboard()->disconnect(this);
    m_doc.disconnect(this);
}

bool CMainFrame::Create()
{
    if (!FindStyles())
        return false;
    const QString iconFile = TomeloApp().GetAppDir() + QStringLiteral("tomelodex.svg");
    setWindowIcon(ThemeIcon(QStringLiteral("tomelodex"),
                            QFileInfo::exists(iconFile) ? QIcon(iconFile) : QIcon()));
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    CreatePanes();
    CreateFeatures();
    // Before the commands' own focus watch: they ask it which pane is active.
    m_keys = new CKeyboardNavigation(*this);
    for (int i = 0; i < kRecentCount; ++i) {
        const QString file = GetProfileString(kRecentSection, QStringLiteral("File%1").arg(i + 1));
        if (!file.isEmpty())
            m_recentFiles += file;
    }
    RebuildRecentMenu();
    UpdateTitle();

    connect(&m_doc, &CTomeloDoc::LibraryOpened, this, &CMainFrame::UpdateCommands);
    // Also when the library is opened again after a newer version upgraded it.
    connect(&m_doc, &CTomeloDoc::LibraryOpened, this, &CMainFrame::UpdateTitle);
    connect(&m_doc, &CTomeloDoc::CurrentCategoryChanged, this, &CMainFrame::UpdateCommands);
    connect(&m_doc, &CTomeloDoc::SelectionChanged, this, &CMainFrame::UpdateCommands);
    connect(&m_doc, &CTomeloDoc::BooksChanged, this, &CMainFrame::UpdateCommands);
    connect(&m_doc, &CTomeloDoc::CategoriesChanged, this, &CMainFrame::UpdateCommands);
    connect(&m_doc, &CTomeloDoc::LibraryChangedElsewhere, this, &CMainFrame::UpdateCommands);
    connect(qApp, &QApplication::focusChanged, this, &CMainFrame::UpdateCommands);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, &CMainFrame::UpdateCommands);
    UpdateCommands();
    // What other programs write shows within a second or two.
    m_doc.StartWatching();
    return true;
}

void CMainFrame::CreateFeatures()
{
    AddFeatureCommands(std::make_unique<CUndoRedoCommands>(*this, m_doc));
    AddFeatureCommands(std::make_unique<CBackupCommands>(*this));
    AddFeatureCommands(std::make_unique<CTidyNamesCommands>(m_doc, this));
    AddFeatureCommands(std::make_unique<CLoanCommands>(*this, m_doc));
    AddFeatureCommands(std::make_unique<CCsvExportCommands>(*this));
}

void CMainFrame::AddFeatureCommands(std::unique_ptr<CCommandTarget> feature)
{
    m_features.push_back(std::move(feature));
}

bool CMainFrame::FindStyles()
{
    const CStyleFiles styles(TomeloApp().GetAppDir());
    m_cssStyles = styles.CssStyles();
    if (m_cssStyles.isEmpty()) {
        ShowMessage(LoadString(164), MsgIcon::Error);
        return false;
    }
    m_xslTemplates = styles.XslTemplates();
    if (m_xslTemplates.isEmpty()) {
        ShowMessage(LoadString(202), MsgIcon::Error);
        return false;
    }
    return true;
}

QAction *CMainFrame::MakeAction(int id, const QString &text)
{
    auto *action = new QAction(text.isEmpty() ? CommandMenuText(id) : text, this);
    action->setData(id);
    const CCommandInfo *command = FindCommand(id);
    if (command && command->iconName)
        action->setIcon(ThemeIcon(QString::fromLatin1(command->iconName)));
    action->setStatusTip(CommandPrompt(id));
    action->setToolTip(CommandToolTip(id));
    connect(action, &QAction::triggered, this, [this, id] { RouteCommand(id); });
    m_actions.insert(id, action);
    return action;
}

void CMainFrame::CreateActions()
{
    for (int id : {ID_FILE_NEW,
                   ID_FILE_OPEN,
                   ID_FILE_IMPORT_XML,
                   ID_FILE_EXPORT_HTML,
                   ID_FILE_EXPORT_XML,
                   ID_FILE_EXPORT_CSV,
                   ID_FILE_EXPORT_GOODREADS_CSV,
                   ID_FILE_PAGE_SETUP,
                   ID_FILE_PRINT_PREVIEW,
                   ID_FILE_PRINT,
                   ID_FILE_BACKUP,
                   ID_FILE_RESTORE_BACKUP,
                   ID_APP_EXIT,
                   ID_EDIT_CUT,
                   ID_EDIT_COPY,
                   ID_EDIT_PASTE,
                   ID_EDIT_SELECT_ALL,
                   ID_EDIT_UNDO,
                   ID_EDIT_REDO,
                   ID_ADD_SUBCATEGORY,
                   ID_REMOVE_CATEGORY,
                   ID_EDIT_CATEGORY,
                   ID_ADD_BOOK,
                   ID_REMOVE_BOOK,
                   ID_EDIT_BOOK,
                   ID_SENDTO_FAVORITES,
                   ID_SENDTO_READINGLIST,
                   ID_SENDTO_SEARCHRESULTS,
                   ID_LEND_BOOK,
                   ID_RETURN_BOOK,
                   ID_BORROW_BOOK,
                   ID_BASIC_SEARCH,
                   ID_VIEW_TOOLBAR,
                   ID_VIEW_STATUS_BAR,
                   ID_VIEW_THUMBNAILS,
                   ID_VIEW_DETAILS,
                   ID_VIEW_INCLUDE_SUBCATEGORIES,
                   ID_VIEW_AUTHORS_BY_LAST_NAME,
                   ID_VIEW_REFRESH,
                   ID_COMPACT_DATABASE,
                   ID_RUN_SQL,
                   ID_TIDY_NAMES,
                   ID_OPTIONS,
                   ID_HELP_FINDER,
                   ID_APP_ABOUT,
                   ID_WEBSITE,
                   ID_FORUM,
                   ID_NEXT_PANE,
                   ID_PREV_PANE}) {
        QAction *action = MakeAction(id);
        const QList<QKeySequence> keys = CommandKeys(id);
        if (!keys.isEmpty()) {
            action->setShortcuts(keys);
            // Keys work anywhere in the window, also when the menu bar is hidden.
            addAction(action);
        }
    }
    for (int id : {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_VIEW_THUMBNAILS, ID_VIEW_DETAILS,
                   ID_VIEW_INCLUDE_SUBCATEGORIES, ID_VIEW_AUTHORS_BY_LAST_NAME})
        Action(id)->setCheckable(true);
    // The list shows one look or the other: a choice of two.
    auto *listLooks = new QActionGroup(this);
    Action(ID_VIEW_THUMBNAILS)->setActionGroup(listLooks);
    Action(ID_VIEW_DETAILS)->setActionGroup(listLooks);
    Action(ID_APP_EXIT)->setMenuRole(QAction::QuitRole);
    Action(ID_APP_ABOUT)->setMenuRole(QAction::AboutRole);
}

QAction *CMainFrame::Action(int id) const
{
    const QList<QAction *> actions = m_actions.values(id);
    // values() lists the most recent insertion first; the main menu's is the first made.
    return actions.isEmpty() ? nullptr : actions.last();
}

QMenu *CMainFrame::AddMenu(QMenu *parent, const char *title, std::initializer_list<int> ids)
{
    const QString text = QCoreApplication::translate("CommandTable", title);
    QMenu *menu = parent ? parent->addMenu(text) : menuBar()->addMenu(text);
    for (int id : ids) {
        if (id == kSeparator)
            menu->addSeparator();
        else
            menu->addAction(Action(id));
    }
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
    return menu;
}

QMenu *CMainFrame::MakeStyleMenu(const char *title, const QStringList &titles, int firstId)
{
    Q_UNUSED(title);
    auto *menu = new QMenu(this);
    auto *group = new QActionGroup(menu);
    for (int i = 0; i < titles.size(); ++i) {
        QAction *action = MakeAction(firstId + i, titles[i]);
        action->setCheckable(true);
        action->setActionGroup(group);
        menu->addAction(action);
    }
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
    return menu;
}

void CMainFrame::CreateMenus()
{
    m_fileMenu = AddMenu(nullptr, QT_TRANSLATE_NOOP("CommandTable", "&File"),
                         {ID_FILE_NEW, ID_FILE_OPEN, kSeparator});
    AddMenu(m_fileMenu, QT_TRANSLATE_NOOP("CommandTable", "&Import"), {ID_FILE_IMPORT_XML});
    AddMenu(m_fileMenu, QT_TRANSLATE_NOOP("CommandTable", "&Export"),
            {ID_FILE_EXPORT_HTML, ID_FILE_EXPORT_XML, ID_FILE_EXPORT_CSV,
             ID_FILE_EXPORT_GOODREADS_CSV});
    m_fileMenu->addSeparator();
    for (int id : {ID_FILE_BACKUP, ID_FILE_RESTORE_BACKUP})
        m_fileMenu->addAction(Action(id));
    m_fileMenu->addSeparator();
    for (int id : {ID_FILE_PAGE_SETUP, ID_FILE_PRINT_PREVIEW, ID_FILE_PRINT})
        m_fileMenu->addAction(Action(id));
    m_fileMenu->addSeparator();
    m_recentEnd = m_fileMenu->addSeparator();
    m_fileMenu->addAction(Action(ID_APP_EXIT));

    QMenu *edit =
        AddMenu(nullptr, QT_TRANSLATE_NOOP("CommandTable", "&Edit"),
                {ID_EDIT_UNDO, ID_EDIT_REDO, kSeparator, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE,
                 ID_EDIT_SELECT_ALL, kSeparator, ID_ADD_SUBCATEGORY, ID_REMOVE_CATEGORY,
                 ID_EDIT_CATEGORY, kSeparator, ID_ADD_BOOK, ID_REMOVE_BOOK, ID_EDIT_BOOK});
    AddMenu(edit, QT_TRANSLATE_NOOP("CommandTable", "Sen&d To"),
            {ID_SENDTO_FAVORITES, ID_SENDTO_READINGLIST, ID_SENDTO_SEARCHRESULTS});
    edit->addSeparator();
    for (int id : {ID_LEND_BOOK, ID_RETURN_BOOK, ID_BORROW_BOOK})
        edit->addAction(Action(id));
    edit->addSeparator();
    edit->addAction(Action(ID_BASIC_SEARCH));

    QMenu *view = AddMenu(nullptr, QT_TRANSLATE_NOOP("CommandTable", "&View"),
                          {ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR});
    QMenu *templates = MakeStyleMenu("Content &Template", m_xslTemplates, ID_STYLE_XSL_FIRST);
    templates->setTitle(LoadString(203));
    view->addMenu(templates);
    QMenu *styles = MakeStyleMenu("Display &Style", m_cssStyles, ID_STYLE_CSS_FIRST);
    styles->setTitle(LoadString(181));
    view->addMenu(styles);
    view->addSeparator();
    view->addAction(Action(ID_VIEW_THUMBNAILS));
    view->addAction(Action(ID_VIEW_DETAILS));
    view->addSeparator();
    // The details list's columns, as in its header's menu.
    QMenu *columns = view->addMenu(QCoreApplication::translate("CommandTable", "&Columns"));
    columns->setObjectName(QStringLiteral("ColumnsMenu"));
    connect(columns, &QMenu::aboutToShow, this, [this, columns] {
        if (m_listView)
            m_listView->FillColumnMenu(*columns);
    });
    view->addAction(Action(ID_VIEW_INCLUDE_SUBCATEGORIES));
    view->addSeparator();
    view->addAction(Action(ID_VIEW_REFRESH));

    AddMenu(nullptr, QT_TRANSLATE_NOOP("CommandTable", "&Tools"),
            {ID_COMPACT_DATABASE, ID_RUN_SQL, ID_TIDY_NAMES, ID_OPTIONS});
    AddMenu(nullptr, QT_TRANSLATE_NOOP("CommandTable", "&Help"),
            {ID_HELP_FINDER, ID_APP_ABOUT, kSeparator, ID_WEBSITE, ID_FORUM});
}

void CMainFrame::CreateToolBar()
{
    QToolBar *bar = addToolBar(QCoreApplication::translate("CommandTable", "Toolbar"));
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setMovable(false);
    // The size desktop toolbars use, which the icon theme draws for.
    bar->setIconSize(QSize(24, 24));
    for (int id :
         {int(ID_FILE_NEW), int(ID_FILE_OPEN), int(ID_FILE_EXPORT_HTML), kSeparator,
          int(ID_ADD_BOOK), int(ID_BASIC_SEARCH), kSeparator, int(ID_EDIT_CUT), int(ID_EDIT_COPY),
          int(ID_EDIT_PASTE), kSeparator, int(ID_FILE_PRINT), int(ID_HELP_FINDER)}) {
        if (id == kSeparator)
            bar->addSeparator();
        else
            bar->addAction(Action(id));
    }
}

void CMainFrame::CreateStatusBar()
{
    // Shown whenever no command's prompt is: the bar never stands empty.
    auto *idle = new QLabel(QCoreApplication::translate("CommandTable", "Ready"), this);
    idle->setObjectName(QStringLiteral("IdleMessage"));
    idle->setContentsMargins(4, 0, 4, 0);
    statusBar()->addWidget(idle, 1);
    statusBar()->addPermanentWidget(new COverdueLink(m_doc, this));
    m_statusText = new QLabel(this);
    m_statusText->setObjectName(QStringLiteral("StatusText"));
    m_statusText->setContentsMargins(4, 0, 4, 0);
    statusBar()->addPermanentWidget(m_statusText);
}

void CMainFrame::CreatePanes()
{
    m_outerSplitter = new QSplitter(Qt::Horizontal, this);
    m_outerSplitter->setObjectName(QStringLiteral("SplitterV"));
    m_innerSplitter = new QSplitter(Qt::Vertical, m_outerSplitter);
    m_innerSplitter->setObjectName(QStringLiteral("SplitterH"));

    m_treeView = new CTomeloTreeView(m_doc, *this, m_outerSplitter);
    m_outerSplitter->insertWidget(0, m_treeView);
    m_listView = new CTomeloListView(m_doc, *this, m_innerSplitter);
    m_innerSplitter->addWidget(m_listView);
    m_htmlView = new CTomeloHtmlView(m_doc, *this, m_innerSplitter);
    m_innerSplitter->addWidget(m_htmlView);

    // The tree and the list keep their sizes when the window is resized; the
    // information view takes what is left over.
    m_outerSplitter->setStretchFactor(0, 0);
    m_outerSplitter->setStretchFactor(1, 1);
    m_innerSplitter->setStretchFactor(0, 0);
    m_innerSplitter->setStretchFactor(1, 1);
    for (QSplitter *splitter : {m_outerSplitter, m_innerSplitter})
        splitter->setChildrenCollapsible(false);
    const int treeWidth = GetProfileInt(kPlacementSection, QStringLiteral("SplitterV"), 200);
    const int listHeight = GetProfileInt(kPlacementSection, QStringLiteral("SplitterH"), 300);
    m_outerSplitter->setSizes({treeWidth, qMax(1, width() - treeWidth)});
    m_innerSplitter->setSizes({listHeight, qMax(1, height() - listHeight)});
    setCentralWidget(m_outerSplitter);
}

void CMainFrame::ShowAtStoredPlace()
{
    if (GetProfileString(kPlacementSection, QStringLiteral("Rect")).isEmpty())
        resize(1000, 700);
    m_placement.Restore(*this);
}

void CMainFrame::closeEvent(QCloseEvent *event)
{
    WriteProfileInt(kPlacementSection, QStringLiteral("SplitterV"), m_outerSplitter->sizes()[0]);
    WriteProfileInt(kPlacementSection, QStringLiteral("SplitterH"), m_innerSplitter->sizes()[0]);
    m_placement.Save(*this);
    event->accept();
}

void CMainFrame::SetStatusText(const QString &text)
{
    m_statusText->setText(text);
    m_statusText->repaint();
}

QString CMainFrame::StatusText() const
{
    return m_statusText->text();
}

QMenu *CMainFrame::ContextMenu(const QString &name)
{
    QMenu *&menu = m_contextMenus[name];
    if (!menu)
        menu = CreateContextMenu(name);
    if (!menu)
        m_contextMenus.remove(name);
    return menu;
}

QMenu *CMainFrame::CreateContextMenu(const QString &name)
{
    auto *menu = new QMenu(this);
    menu->setObjectName(name);
    auto add = [&](std::initializer_list<int> ids) {
        for (int id : ids) {
            if (id == kSeparator)
                menu->addSeparator();
            else
                menu->addAction(Action(id));
        }
    };
    if (name == QLatin1String("Tree")) {
        add({ID_ADD_SUBCATEGORY, ID_ADD_BOOK, ID_REMOVE_CATEGORY, ID_EDIT_CATEGORY, kSeparator,
             ID_EDIT_CUT, ID_EDIT_PASTE});
    } else if (name == QLatin1String("List")) {
        add({ID_ADD_BOOK, ID_REMOVE_BOOK, ID_EDIT_BOOK, kSeparator});
        QMenu *sendTo = menu->addMenu(QCoreApplication::translate("CommandTable", "Sen&d To"));
        for (int id : {ID_SENDTO_FAVORITES, ID_SENDTO_READINGLIST, ID_SENDTO_SEARCHRESULTS})
            sendTo->addAction(Action(id));
        add({kSeparator, ID_LEND_BOOK, ID_RETURN_BOOK, ID_BORROW_BOOK});
        add({kSeparator, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_SELECT_ALL});
    } else if (name == QLatin1String("Html")) {
        add({ID_EDIT_COPY, ID_EDIT_SELECT_ALL, ID_FILE_PRINT, kSeparator});
        QMenu *templates = MakeStyleMenu("Content &Template", m_xslTemplates, ID_STYLE_XSL_FIRST);
        templates->setTitle(LoadString(203));
        menu->addMenu(templates);
        QMenu *styles = MakeStyleMenu("Display &Style", m_cssStyles, ID_STYLE_CSS_FIRST);
        styles->setTitle(LoadString(181));
        menu->addMenu(styles);
        add({ID_VIEW_REFRESH, kSeparator});
        QAction *saveHtml = MakeAction(
            ID_FILE_EXPORT_HTML, QCoreApplication::translate("CommandTable", "Save As &HTML..."));
        saveHtml->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
        saveHtml->setShortcutContext(Qt::WidgetShortcut); // shown only; the window's key runs it
        menu->addAction(saveHtml);
        menu->addAction(MakeAction(ID_FILE_EXPORT_XML,
                                   QCoreApplication::translate("CommandTable", "Save As &XML...")));
    } else {
        delete menu;
        return nullptr;
    }
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);
    return menu;
}

void CMainFrame::ShowContextMenu(const QString &name, const QPoint &globalPos)
{
    if (QMenu *menu = ContextMenu(name))
        menu->exec(globalPos);
}

QList<CCommandTarget *> CMainFrame::RouteOrder() const
{
    // The pane with the focus, or the one that had it before the menu bar
    // or a menu took the keys: the commands act on what the person was in.
    const QWidget *focus = m_keys ? m_keys->ActivePane() : nullptr;
    QList<CCommandTarget *> order;
    auto addPane = [&](auto *pane, bool focused) {
        if (pane && (static_cast<const QWidget *>(pane) == focus) == focused)
            order += pane;
    };
    addPane(m_treeView, true);
    addPane(m_listView, true);
    addPane(m_htmlView, true);
    order += const_cast<CMainFrame *>(this);
    for (const auto &feature : m_features)
        order += feature.get();
    addPane(m_treeView, false);
    addPane(m_listView, false);
    addPane(m_htmlView, false);
    return order;
}

bool CMainFrame::RouteCommand(int id)
{
    bool checked = false;
    // A command that is disabled now (for example by a key pressed after the
    // state changed) is not carried out.
    if (!CommandState(id, &checked))
        return false;
    for (CCommandTarget *target : RouteOrder()) {
        if (target->OnCommand(id)) {
            UpdateCommands();
            return true;
        }
    }
    return false;
}

bool CMainFrame::CommandState(int id, bool *checked)
{
    if (ChangesLibrary(id) && m_doc.IsReadOnly())
        return false;
    for (CCommandTarget *target : RouteOrder()) {
        bool enabled = false;
        bool isChecked = false;
        if (target->OnUpdateCommand(id, enabled, isChecked)) {
            if (checked)
                *checked = isChecked;
            return enabled;
        }
    }
    return false;
}

void CMainFrame::UpdateCommands()
{
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        bool checked = false;
        const bool enabled = CommandState(it.key(), &checked);
        QAction *action = it.value();
        action->setEnabled(enabled);
        if (action->isCheckable())
            action->setChecked(checked);
    }
}

bool CMainFrame::OnUpdateCommand(int id, bool &enabled, bool &checked)
{
    const bool libraryOpen = m_doc.IsLibraryOpen();
    switch (id) {
    case ID_FILE_NEW:
    case ID_FILE_OPEN:
    case ID_APP_EXIT:
    case ID_APP_ABOUT:
    case ID_HELP_FINDER:
    case ID_WEBSITE:
    case ID_FORUM:
    case ID_NEXT_PANE:
    case ID_PREV_PANE:
    case ID_OPTIONS:
        enabled = true;
        return true;
    case ID_VIEW_TOOLBAR:
        enabled = true;
        checked = findChild<QToolBar *>() && findChild<QToolBar *>()->isVisible();
        return true;
    case ID_VIEW_STATUS_BAR:
        enabled = true;
        checked = statusBar()->isVisible();
        return true;
    case ID_BASIC_SEARCH:
    case ID_RUN_SQL:
    case ID_COMPACT_DATABASE:
        enabled = libraryOpen;
        return true;
    case ID_FILE_IMPORT_XML: {
        const int category = m_doc.m_currentCategoryId;
        enabled = libraryOpen && (category == 1 || category >= 32);
        return true;
    }
    default:
        if (id >= ID_FILE_MRU_FIRST && id < ID_FILE_MRU_FIRST + m_recentFiles.size()) {
            enabled = true;
            return true;
        }
        return false;
    }
}

bool CMainFrame::OnCommand(int id)
{
    switch (id) {
    case ID_FILE_NEW:
        OnNewDatabase();
        return true;
    case ID_FILE_OPEN:
        OnOpenDatabase();
        return true;
    case ID_APP_EXIT:
        close();
        return true;
    case ID_APP_ABOUT: {
        CAboutDlg about(this);
        about.exec();
        return true;
    }
    case ID_HELP_FINDER:
        ShowHelp();
        return true;
    case ID_WEBSITE:
        QDesktopServices::openUrl(QUrl(QString::fromLatin1(kMakerWebSite)));
        return true;
    case ID_FORUM:
        QDesktopServices::openUrl(QUrl(QString::fromLatin1(kMakerForum)));
        return true;
    case ID_NEXT_PANE:
        m_keys->FocusNextPane(1);
        return true;
    case ID_PREV_PANE:
        m_keys->FocusNextPane(-1);
        return true;
    case ID_VIEW_TOOLBAR:
        if (auto *bar = findChild<QToolBar *>())
            bar->setVisible(!bar->isVisible());
        return true;
    case ID_VIEW_STATUS_BAR:
        statusBar()->setVisible(!statusBar()->isVisible());
        return true;
    case ID_COMPACT_DATABASE:
        OnCompactDatabase();
        return true;
    case ID_BASIC_SEARCH:
        RunBasicSearchCommand(m_doc, this);
        return true;
    case ID_RUN_SQL:
        RunSqlCommand(m_doc, this);
        return true;
    case ID_OPTIONS:
        RunOptionsCommand(*this);
        return true;
    case ID_FILE_IMPORT_XML:
        OnImportXml();
        return true;
    default:
        if (id >= ID_FILE_MRU_FIRST && id < ID_FILE_MRU_FIRST + m_recentFiles.size()) {
            OpenDocumentFile(m_recentFiles[id - ID_FILE_MRU_FIRST]);
            return true;
        }
        return false;
    }
}

CHelpTopicsDlg *CMainFrame::ShowHelp(const QString &topic)
{
    // One help window, which stays open while the window is used.
    if (!m_help) {
        m_help = new CHelpTopicsDlg(*menuBar(), this);
        m_help->setAttribute(Qt::WA_DeleteOnClose);
    }
    if (!topic.isEmpty())
        m_help->ShowTopic(topic);
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
    return m_help;
}

bool CMainFrame::OpenDocumentFile(const QString &path)
{
    QString reason;
    const bool opened = RunLibraryStep(path, [this, &reason](const QString &absolute) {
        return m_doc.OpenLibrary(absolute, &reason);
    });
    if (!reason.isEmpty())
        ShowMessage(OpenFailureText(QFileInfo(path).absoluteFilePath(), reason), MsgIcon::Error);
    return opened;
}

QString CMainFrame::OpenFailureText(const QString &path, const QString &reason) const
{
    QString why = reason;
    if (!NativeIsFile(path))
        why =
            NativeIsDir(path) ? tr("It is a folder, not a file.") : tr("The file does not exist.");
    QString text =
        tr("%1 could not be opened as a library:\n%2").arg(PrintableFileName(path), why) +
        QStringLiteral("\n\n") +
        tr("Choose a Tomelodex library (a .mdb file made by Tomelodex) with File > Open Database, "
           "or check that the file exists and that you may read it.");
    if (m_doc.IsLibraryOpen())
        text += QStringLiteral("\n\n") +
                tr("%1 stays open.").arg(PrintableFileName(m_doc.GetPathName()));
    return text;
}

bool CMainFrame::RunLibraryStep(const QString &path,
                                const std::function<bool(const QString &)> &step)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    bool done = false;
    {
        const CWaitCursor wait;
        done = step(absolute);
    }
    // The recent list is kept as text, which cannot hold a name that is not
    // UTF-8: such a library is never offered there for another to open.
    if (!done)
        RemoveRecentFile(absolute);
    else if (!HasStrayBytes(absolute))
        AddRecentFile(absolute);
    UpdateTitle();
    UpdateCommands();
    return done;
}

QString CMainFrame::LibraryFilter()
{
    return DialogFilter(LoadString(207));
}

bool CMainFrame::OnOpenDatabase()
{
    const QString path = AskOpenFileName(this, QString(), LibraryFilter());
    return !path.isEmpty() && OpenDocumentFile(path);
}

bool CMainFrame::OnNewDatabase()
{
    QString path = AskSaveFileName(this, QString(), LibraryFilter());
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".mdb");
    return RunLibraryStep(
        path, [this](const QString &absolute) { return m_doc.CreateLibrary(absolute); });
}

void CMainFrame::OnCompactDatabase()
{
    {
        const CWaitCursor wait;
        m_doc.CompactDatabase();
    }
    UpdateTitle();
    UpdateCommands();
}

void CMainFrame::OnImportXml()
{
    // An open dialog: the file is read, never written. Whether to restore the
    // file's categories is chosen with the file and remembered.
    const QString section = QLatin1String(kSettingsSection);
    const QString restoreEntry = QLatin1String(kValueImportRestoresCategories);
    bool restoreCategories = GetProfileInt(section, restoreEntry, 0) != 0;
    const QString path = AskOpenFileNameWithOption(
        this, tr("Import XML"), DialogFilter(LoadString(209)), tr("Restore categories"),
        tr("Put each book into the categories the file names for it, creating the missing "
           "ones. Unchecked, every book goes into the current category."),
        &restoreCategories);
    if (path.isEmpty() || !m_doc.IsLibraryOpen())
        return;
    WriteProfileInt(section, restoreEntry, restoreCategories ? 1 : 0);
    CXmlImportResult result;
    {
        const QString reading = tr("Importing books from %1...").arg(QFileInfo(path).fileName());
        CProgressWindow progress(this, tr("Import XML"));
        progress.SetText(reading);
        progress.SetRange(0, 0); // the number of books shows once the file is read
        progress.GoModal();
        const CWaitCursor wait;
        CXmlImportOptions options;
        options.restoreCategories = restoreCategories;
        options.onWaiting = [&progress](const QString &status) {
            progress.SetText(status);
            progress.PeekAndPump(false);
        };
        // The window is kept alive a few times a second, not after every book.
        QElapsedTimer sincePump;
        sincePump.start();
        options.onBookRead = [&](int booksRead) {
            if (booksRead > 1 && sincePump.elapsed() < 50)
                return !progress.Cancelled();
            sincePump.restart();
            progress.SetText(reading + u'\n' + tr("%n book(s) read", nullptr, booksRead));
            return progress.PeekAndPump(true);
        };
        if (progress.PeekAndPump(true)) {
            auto command = std::make_unique<CImportXmlCommand>(m_doc);
            result = ImportBooksXml(path, m_doc.m_currentCategoryId, TomeloApp().m_imagesDir,
                                    *m_doc.m_connection, options);
            if (command->FindAddedBooks())
                CLibraryUndo::Of(m_doc).Push(std::move(command));
        }
    }
    if (!result.createdCategoryIds.isEmpty())
        m_doc.NotifyCategoriesChanged();
    if (result.imported > 0)
        m_doc.NotifyBooksChanged();
}

void CMainFrame::AddRecentFile(const QString &path)
{
    m_recentFiles.removeAll(path);
    m_recentFiles.prepend(path);
    while (m_recentFiles.size() > kRecentCount)
        m_recentFiles.removeLast();
    RebuildRecentMenu();
}

void CMainFrame::RemoveRecentFile(const QString &path)
{
    if (m_recentFiles.removeAll(path) > 0)
        RebuildRecentMenu();
}

void CMainFrame::RebuildRecentMenu()
{
    for (int i = 0; i < kRecentCount; ++i) {
        const int id = ID_FILE_MRU_FIRST + i;
        for (QAction *action : m_actions.values(id))
            delete action;
        m_actions.remove(id);
        const QString entry = QStringLiteral("File%1").arg(i + 1);
        if (i < m_recentFiles.size())
            WriteProfileString(kRecentSection, entry, m_recentFiles[i]);
        else
            DeleteProfileEntry(kRecentSection, entry);
    }
    for (int i = 0; i < m_recentFiles.size(); ++i) {
        const QString text = QStringLiteral("&%1 %2").arg(i + 1).arg(
            QDir::toNativeSeparators(m_recentFiles[i]).replace(u'&', QStringLiteral("&&")));
        QAction *action = MakeAction(ID_FILE_MRU_FIRST + i, text);
        action->setStatusTip(QCoreApplication::translate("CommandTable", "Open this database"));
        action->setToolTip(m_recentFiles[i]);
        m_fileMenu->insertAction(m_recentEnd, action);
    }
}

void CMainFrame::UpdateTitle()
{
    const QString title = LoadString(57344);
    const QString path = m_doc.GetPathName();
    QString name = QFileInfo(path).fileName();
    // Said once in a message at open; the title keeps saying it.
    if (m_doc.IsReadOnly())
        name = tr("%1 (read-only)").arg(name);
    setWindowTitle(path.isEmpty() ? title : QStringLiteral("%1 - %2").arg(name, title));
}
