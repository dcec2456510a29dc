#include "dialogs/HelpTopicsDlg.h"

#include "frame/CommandIds.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
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

} // namespace

CHelpTopicsDlg::CHelpTopicsDlg(const QMenuBar &menus, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HelpTopicsDlg"));
    setWindowTitle(tr("Tomelodex Help Topics"));

    auto *intro = new QLabel(
        tr("The category tree on the left chooses which books the list shows; the page below "
           "the list shows the selected books. Right-click a pane for its commands. Every "
           "command of the menus:"),
        this);
    intro->setWordWrap(true);

    auto *commands = new QTreeWidget(this);
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

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(commands, 1);
    layout->addWidget(buttons);
    resize(820, 560);
}
