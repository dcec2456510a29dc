#include "frame/OptionFileDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QTreeView>

COptionFileDialog::COptionFileDialog(QWidget *parent, const QString &caption, const QString &filter,
                                     const QString &optionText, const QString &optionHint)
    : QFileDialog(parent, caption, QString(), filter)
{
    setObjectName(QStringLiteral("OptionFileDialog"));
    // Only Qt's own dialog can carry the check box.
    setOption(QFileDialog::DontUseNativeDialog);
    setFileMode(QFileDialog::ExistingFile);
    setAcceptMode(QFileDialog::AcceptOpen);

    m_option = new QCheckBox(optionText, this);
    m_option->setObjectName(QStringLiteral("FileDialogOption"));
    m_option->setToolTip(optionHint);
    // Below the file name and type, in the column of their fields.
    if (auto *grid = qobject_cast<QGridLayout *>(layout()))
        grid->addWidget(m_option, grid->rowCount(), 1, 1, grid->columnCount() - 1);
    // Wide enough that the list shows sizes and dates in full.
    resize(sizeHint().expandedTo(QSize(800, 480)));
    if (auto *details = findChild<QTreeView *>(QStringLiteral("treeView"))) {
        QHeaderView *header = details->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(QHeaderView::ResizeToContents);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
    }
}
