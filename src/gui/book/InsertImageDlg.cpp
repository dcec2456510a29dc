#include "book/InsertImageDlg.h"

#include "app/StringTable.h"
#include "book/AddressHint.h"
#include "book/HyperlinkDlg.h"
#include "book/LinkProperties.h"
#include "frame/FileDialogs.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// String 206: the picture files the program reads.
constexpr int kPictureFilter = 206;

} // namespace

CInsertImageDlg::CInsertImageDlg(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("InsertImageDlg"));
    setWindowTitle(tr("Picture"));

    m_source = new QLineEdit(this);
    m_source->setObjectName(QStringLiteral("Source"));
    m_source->setMinimumWidth(m_source->fontMetrics().averageCharWidth() * 50);
    auto *browse = new QPushButton(tr("&Browse..."), this);
    browse->setObjectName(QStringLiteral("Browse"));
    m_altText = new QLineEdit(this);
    m_altText->setObjectName(QStringLiteral("AlternateText"));

    auto *sourceRow = new QHBoxLayout;
    sourceRow->addWidget(m_source, 1);
    sourceRow->addWidget(browse);
    auto *form = new QFormLayout;
    auto *sourceLabel = new QLabel(tr("Picture &source:"), this);
    sourceLabel->setBuddy(m_source);
    form->addRow(sourceLabel, sourceRow);
    form->addRow(QString(), new CAddressHint(
                                m_source,
                                [](const QString &source) {
                                    return QDir::isAbsolutePath(source) || IsLinkUrl(source);
                                },
                                this));
    form->addRow(tr("&Alternate text:"), m_altText);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browse, &QPushButton::clicked, this, &CInsertImageDlg::OnBrowse);
    connect(m_source, &QLineEdit::textChanged, this, &CInsertImageDlg::UpdateOk);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    UpdateOk();
}

QString CInsertImageDlg::Source() const
{
    const QString text = CAddressHint::Completed(m_source->text().trimmed());
    if (QDir::isAbsolutePath(text))
        return QUrl::fromLocalFile(text).toString(QUrl::FullyEncoded);
    return text;
}

QString CInsertImageDlg::AlternateText() const
{
    return m_altText->text();
}

QString CInsertImageDlg::ImageHtml() const
{
    return QStringLiteral("<img src=\"%1\" alt=\"%2\">")
        .arg(Source().toHtmlEscaped(), AlternateText().toHtmlEscaped());
}

void CInsertImageDlg::OnBrowse()
{
    const QString path =
        AskOpenFileName(this, windowTitle(), DialogFilter(LoadString(kPictureFilter)));
    if (!path.isEmpty())
        m_source->setText(QDir::toNativeSeparators(path));
}

void CInsertImageDlg::UpdateOk()
{
    const QString source = m_source->text().trimmed();
    m_ok->setEnabled(!source.isEmpty() && !IsScriptAddress(source));
}
