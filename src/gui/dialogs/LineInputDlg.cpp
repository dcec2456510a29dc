#include "dialogs/LineInputDlg.h"

#include "app/StringTable.h"
#include "app/UserPrompt.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QVBoxLayout>

CLineInputDlg::CLineInputDlg(const QString &caption, const QString &boxTitle, const char *editName,
                             int blankMessage, QWidget *parent)
    : QDialog(parent), m_blankMessage(blankMessage)
{
    setWindowTitle(caption);
    auto *box = new QGroupBox(boxTitle, this);
    m_edit = new QLineEdit(box);
    m_edit->setObjectName(QLatin1String(editName));
    auto *boxLayout = new QVBoxLayout(box);
    boxLayout->addWidget(m_edit);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CLineInputDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CLineInputDlg::reject);

    m_below = new QVBoxLayout;
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(box);
    layout->addLayout(m_below);
    layout->addStretch();
    layout->addWidget(buttons);
    m_edit->setFocus();
}

void CLineInputDlg::AddBelow(QWidget *widget)
{
    m_below->addWidget(widget);
}

void CLineInputDlg::accept()
{
    if (m_edit->text().trimmed().isEmpty()) {
        ShowMessage(LoadString(m_blankMessage));
        m_edit->setFocus();
        return;
    }
    m_text = m_edit->text();
    QDialog::accept();
}
