#include "dialogs/NameChoiceDlg.h"

#include "app/UserPrompt.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CNameChoiceDlg::CNameChoiceDlg(const QString &caption, const QString &question,
                               const QStringList &names, QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("NameChoiceDlg"));
    setWindowTitle(caption);
    auto *label = new QLabel(question, this);
    label->setWordWrap(true);
    m_names = new QComboBox(this);
    m_names->setObjectName(QStringLiteral("KeptName"));
    m_names->setEditable(true);
    // A name typed is the answer, not a new entry of the list.
    m_names->setInsertPolicy(QComboBox::NoInsert);
    m_names->addItems(names);
    m_names->setMinimumContentsLength(32);
    m_names->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    label->setBuddy(m_names);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CNameChoiceDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CNameChoiceDlg::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_names);
    layout->addStretch();
    layout->addWidget(buttons);
    m_names->setFocus();
    m_names->lineEdit()->selectAll();
}

void CNameChoiceDlg::accept()
{
    const QString name = m_names->currentText().trimmed();
    if (name.isEmpty()) {
        ShowMessage(tr("Please type the name to keep."));
        m_names->setFocus();
        return;
    }
    m_name = name;
    QDialog::accept();
}
