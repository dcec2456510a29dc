#include "book/HyperlinkDlg.h"

#include "book/AddressHint.h"
#include "book/LinkProperties.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

bool IsScriptAddress(const QString &address)
{
    // Browsers drop control characters and spaces around and inside the
    // scheme before they read it.
    QString scheme;
    for (const QChar c : address) {
        if (c == u':')
            break;
        if (c.unicode() > 0x20)
            scheme += c.toLower();
    }
    return scheme == QLatin1String("javascript") || scheme == QLatin1String("vbscript");
}

CHyperlinkDlg::CHyperlinkDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("HyperlinkDlg"));
    setWindowTitle(tr("Hyperlink"));

    m_address = new QLineEdit(this);
    m_address->setObjectName(QStringLiteral("Address"));
    m_address->setMinimumWidth(m_address->fontMetrics().averageCharWidth() * 50);

    auto *form = new QFormLayout;
    form->addRow(tr("&URL:"), m_address);
    form->addRow(QString(), new CAddressHint(m_address, &IsLinkUrl, this));

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_address, &QLineEdit::textChanged, this, &CHyperlinkDlg::UpdateOk);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    SetAddress(QStringLiteral("http://"));
}

void CHyperlinkDlg::SetAddress(const QString &address)
{
    m_address->setText(address);
    m_address->selectAll();
    UpdateOk();
}

QString CHyperlinkDlg::Address() const
{
    return CAddressHint::Completed(m_address->text().trimmed());
}

void CHyperlinkDlg::UpdateOk()
{
    m_ok->setEnabled(!Address().isEmpty() && !IsScriptAddress(Address()));
}
