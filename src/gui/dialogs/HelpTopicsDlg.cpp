#include "dialogs/HelpTopicsDlg.h"

#include "app/TomeloApp.h"
#include "frame/CommandIds.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSplitter>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString PlainText(QString text)
{
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(u'&');
    text.replace(u'\x01', u'&');
    return text;
}

void AddMenu(QTreeWidgetItem *parent, const QMenu &menu)
{
    for (const QAction *action : menu.actions()) {
        const int id = action->data().toInt();
        // The recent files are the user's, not commands to explain.
        if (action->isSeparator() || (id >= ID_FILE_MRU_FIRST && id <= ID_FILE_MRU_LAST))
            continue;
        auto *item = new QTreeWidgetItem(parent);
        item->setText(0, PlainText(action->text()));
        item->setIcon(0, action->icon());
        if (action->menu()) {
            AddMenu(item, *action->menu());
            continue;
        }
        QStringList keys;
        for (const QKeySequence &key : action->shortcuts())
            keys += key.toString(QKeySequence::NativeText);
        item->setText(1, keys.join(QStringLiteral(", ")));
        item->setText(2, action->statusTip());
    }
}

// The page's own title, which the list shows.
QString PageTitle(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"),
                                          QRegularExpression::CaseInsensitiveOption);
    return title.match(QString::fromUtf8(file.read(4096))).captured(1).trimmed();
}

QString TopicOfFile(const QUrl &url)
{
    return QFileInfo(url.toLocalFile()).completeBaseName();
}

} // namespace

const QString CHelpTopicsDlg::kCommandsTopic = QStringLiteral("commands");

CHelpTopicsDlg::CHelpTopicsDlg(const QMenuBar &menus, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpTopicsDlg"));
    setWindowTitle(tr("Tomelodex Help"));

    m_topics = new QListWidget(this);
    m_topics->setObjectName(QStringLiteral("HelpTopicList"));
    m_page = new QTextBrowser(this);
    m_page->setObjectName(QStringLiteral("HelpPage"));
    // Links to the web open in the desktop's browser; the manual's own
    // links move between its topics here.
    m_page->setOpenExternalLinks(true);
    m_commandsPage = new QWidget(this);
    auto *intro = new QLabel(
        tr("The category tree on the left chooses which books the list shows; the page below "
           "the list shows the selected books. Right-click a pane for its commands. Every "
           "command of the menus:"),
        m_commandsPage);
    intro->setWordWrap(true);
    auto *commandsLayout = new QVBoxLayout(m_commandsPage);
    commandsLayout->setContentsMargins(0, 0, 0, 0);
    commandsLayout->addWidget(intro);
    commandsLayout->addWidget(MakeCommandList(menus), 1);

    m_pages = new QStackedWidget(this);
    m_pages->addWidget(m_page);
    m_pages->addWidget(m_commandsPage);
    auto *splitter = new QSplitter(this);
    splitter->addWidget(m_topics);
    splitter->addWidget(m_pages);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({200, 620});

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(splitter, 1);
    layout->addWidget(buttons);
    resize(860, 580);

    AddTopics();
    connect(m_topics, &QListWidget::currentRowChanged, this, &CHelpTopicsDlg::OnTopicChosen);
    connect(m_page, &QTextBrowser::sourceChanged, this, &CHelpTopicsDlg::OnPageChanged);
    m_topics->setCurrentRow(0);
}

QTreeWidget *CHelpTopicsDlg::MakeCommandList(const QMenuBar &menus)
{
    auto *commands = new QTreeWidget(m_commandsPage);
    commands->setObjectName(QStringLiteral("HelpCommands"));
    commands->setHeaderLabels({tr("Command"), tr("Keys"), tr("What it does")});
    commands->setRootIsDecorated(true);
    commands->setAlternatingRowColors(true);
    for (const QAction *top : menus.actions()) {
        if (!top->menu())
            continue;
        auto *item = new QTreeWidgetItem(commands);
        item->setText(0, PlainText(top->text()));
        QFont bold = item->font(0);
        bold.setBold(true);
        item->setFont(0, bold);
        AddMenu(item, *top->menu());
    }
    commands->expandAll();
    commands->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    commands->header()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    return commands;
}

QStringList CHelpTopicsDlg::TopicNames()
{
    return {QStringLiteral("getting-started"), QStringLiteral("adding-books"),
            QStringLiteral("categories"),      QStringLiteral("searching"),
            QStringLiteral("backups"),         QStringLiteral("keyboard")};
}

QString CHelpTopicsDlg::TopicFile(const QString &appDir, const QString &language,
                                  const QString &topic)
{
    for (const QString &code : {language, QStringLiteral("Enu")}) {
        const QString path = appDir + QStringLiteral("Help/%1/%2.html").arg(code, topic);
        if (!code.isEmpty() && QFileInfo(path).isFile())
            return path;
    }
    return QString();
}

void CHelpTopicsDlg::AddTopics()
{
    const CTomeloApp &app = TomeloApp();
    for (const QString &topic : TopicNames()) {
        const QString file = TopicFile(app.GetAppDir(), app.GetUiLanguage(), topic);
        // A topic not installed is left out rather than shown blank.
        if (file.isEmpty())
            continue;
        auto *item = new QListWidgetItem(PageTitle(file), m_topics);
        item->setData(Qt::UserRole, topic);
        item->setData(Qt::UserRole + 1, file);
    }
    auto *commands = new QListWidgetItem(tr("All Commands"), m_topics);
    commands->setData(Qt::UserRole, kCommandsTopic);
}

bool CHelpTopicsDlg::ShowTopic(const QString &name)
{
    for (int row = 0; row < m_topics->count(); ++row) {
        if (m_topics->item(row)->data(Qt::UserRole).toString() == name) {
            m_topics->setCurrentRow(row);
            return true;
        }
    }
    return false;
}

QString CHelpTopicsDlg::CurrentTopic() const
{
    const QListWidgetItem *item = m_topics->currentItem();
    return item ? item->data(Qt::UserRole).toString() : QString();
}

void CHelpTopicsDlg::OnTopicChosen(int row)
{
    const QListWidgetItem *item = m_topics->item(row);
    if (!item)
        return;
    const QString file = item->data(Qt::UserRole + 1).toString();
    if (file.isEmpty()) {
        m_pages->setCurrentWidget(m_commandsPage);
        return;
    }
    m_pages->setCurrentWidget(m_page);
    if (m_page->source() != QUrl::fromLocalFile(file))
        m_page->setSource(QUrl::fromLocalFile(file));
}

void CHelpTopicsDlg::OnPageChanged(const QUrl &source)
{
    // A link inside the manual moved to another topic: the list follows.
    // (The browser tells the new page before source() returns it.)
    const QString topic = TopicOfFile(source);
    if (topic == CurrentTopic())
        return;
    const QSignalBlocker block(m_topics);
    ShowTopic(topic);
}
