#include "book/LinkProperties.h"

#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "book/AddressHint.h"
#include "frame/FileDialogs.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// The string numbers of each kind's title suggestions, in the order shown.
QList<int> SuggestionIds(CLinkGeneralPage::Kind kind)
{
    switch (kind) {
    case CLinkGeneralPage::kUrl:
        return {196, 197};
    case CLinkGeneralPage::kFile:
        return {194, 195};
    case CLinkGeneralPage::kFolder:
        return {192, 193};
    case CLinkGeneralPage::kOther:
        break;
    }
    return {};
}

} // namespace

bool IsLinkUrl(const QString &path)
{
    // One letter before the colon would be a drive, not a scheme.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    return scheme.match(path).hasMatch() && path.contains(u'.');
}

CLinkGeneralPage::CLinkGeneralPage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("LinkGeneralPage"));
    m_kinds = new QButtonGroup(this);
    auto *kindRow = new QHBoxLayout;
    const struct
    {
        Kind kind;
        const char *objectName;
        QString text;
    } kinds[] = {{kUrl, "LinkKindUrl", tr("&URL")},
                 {kFile, "LinkKindFile", tr("&File")},
                 {kFolder, "LinkKindFolder", tr("F&older")},
                 {kOther, "LinkKindOther", tr("Ot&her")}};
    for (const auto &kind : kinds) {
        auto *button = new QRadioButton(kind.text, this);
        button->setObjectName(QLatin1String(kind.objectName));
        m_kinds->addButton(button, kind.kind);
        kindRow->addWidget(button);
    }
    kindRow->addStretch(1);
    connect(m_kinds, &QButtonGroup::idClicked, this,
            [this](int id) { SetKind(static_cast<Kind>(id)); });

    m_title = new QComboBox(this);
    m_title->setObjectName(QStringLiteral("LinkTitle"));
    m_title->setEditable(true);
    m_title->setInsertPolicy(QComboBox::NoInsert);
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("LinkPath"));
    m_browse = new QPushButton(QStringLiteral("..."), this);
    m_browse->setObjectName(QStringLiteral("LinkBrowse"));
    m_browse->setToolTip(tr("Browse"));
    m_browse->setFixedWidth(m_browse->fontMetrics().horizontalAdvance(QStringLiteral("....")) + 16);
    connect(m_browse, &QPushButton::clicked, this, &CLinkGeneralPage::OnBrowse);
    m_pathHint = new CAddressHint(m_path, &IsLinkUrl, this);
    m_notes = new QPlainTextEdit(this);
    m_notes->setObjectName(QStringLiteral("LinkNotes"));
    m_notes->setTabChangesFocus(true);
    m_notes->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

    auto *titleLabel = new QLabel(tr("&Title:"), this);
    titleLabel->setBuddy(m_title);
    auto *pathLabel = new QLabel(tr("&Path:"), this);
    pathLabel->setBuddy(m_path);
    auto *notesLabel = new QLabel(tr("&Notes:"), this);
    notesLabel->setBuddy(m_notes);
    auto *optional = new QLabel(tr("(Optional)"), this);
    optional->setEnabled(false);
    auto *notesLabels = new QVBoxLayout;
    notesLabels->addWidget(notesLabel);
    notesLabels->addWidget(optional);
    notesLabels->addStretch(1);

    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("Type:"), this), 0, 0);
    grid->addLayout(kindRow, 0, 1, 1, 2);
    grid->addWidget(titleLabel, 1, 0);
    grid->addWidget(m_title, 1, 1, 1, 2);
    grid->addWidget(pathLabel, 2, 0);
    grid->addWidget(m_path, 2, 1);
    grid->addWidget(m_browse, 2, 2);
    grid->addWidget(m_pathHint, 3, 1, 1, 2);
    grid->addLayout(notesLabels, 4, 0);
    grid->addWidget(m_notes, 4, 1, 1, 2);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(1, 1);

    setFocusProxy(m_title);
    setTabOrder(m_kinds->button(kUrl), m_title);
    setTabOrder(m_title, m_path);
    setTabOrder(m_path, m_browse);
    setTabOrder(m_browse, m_notes);
    SetKind(kUrl);
}

void CLinkGeneralPage::SetTexts(const QString &title, const QString &path, const QString &notes)
{
    m_title->setEditText(title);
    m_path->setText(path);
    m_notes->setPlainText(notes);
}

QString CLinkGeneralPage::Title() const
{
    return m_title->currentText();
}

QString CLinkGeneralPage::Path() const
{
    return m_path->text();
}

QString CLinkGeneralPage::Notes() const
{
    return m_notes->toPlainText();
}

void CLinkGeneralPage::ChooseInitialKind(bool newLink)
{
    const QString path = Path();
    if (newLink)
        SetKind(kFile);
    else if (IsLinkUrl(path))
        SetKind(kUrl);
    else if (QFileInfo(path).isFile())
        SetKind(kFile);
    else if (QFileInfo(path).isDir())
        SetKind(kFolder);
    else
        SetKind(kOther);
}

CLinkGeneralPage::Kind CLinkGeneralPage::CurrentKind() const
{
    return static_cast<Kind>(m_kinds->checkedId());
}

void CLinkGeneralPage::SetKind(Kind kind)
{
    m_kinds->button(kind)->setChecked(true);
    // Emptying the list would empty the typed title too.
    const QString title = Title();
    m_title->clear();
    for (int id : SuggestionIds(kind))
        m_title->addItem(LoadString(id));
    m_title->setEditText(title);
    m_browse->setEnabled(kind == kFile || kind == kFolder);
    m_pathHint->SetActive(kind == kUrl);
}

void CLinkGeneralPage::OnBrowse()
{
    QString chosen;
    if (CurrentKind() == kFile)
        chosen = AskOpenFileName(this, tr("Select a File"), DialogFilter(LoadString(210)));
    else if (CurrentKind() == kFolder)
        chosen = AskFolderName(this, LoadString(191));
    if (!chosen.isEmpty())
        m_path->setText(chosen);
}

bool CLinkGeneralPage::MayLeave()
{
    // The texts are kept trimmed: the path is checked without its
    // surrounding spaces, and a path kept with them would not open.
    const QString title = Title().trimmed();
    // A web address typed without its scheme gets one; the note under the
    // field has said so while it was typed.
    const QString path =
        CurrentKind() == kUrl ? CAddressHint::Completed(Path().trimmed()) : Path().trimmed();
    m_title->setEditText(title);
    m_path->setText(path);
    if (title.isEmpty() || path.isEmpty()) {
        ShowMessage(LoadString(167));
        (title.isEmpty() ? static_cast<QWidget *>(m_title) : m_path)->setFocus();
        return false;
    }
    int failure = 0;
    switch (CurrentKind()) {
    case kUrl:
        failure = IsLinkUrl(path) ? 0 : 158;
        break;
    case kFile:
        failure = QFileInfo(path).isFile() ? 0 : 159;
        break;
    case kFolder:
        failure = QFileInfo(path).isDir() ? 0 : 160;
        break;
    case kOther:
        break;
    }
    if (failure == 0)
        return true;
    QString message = LoadString(failure);
    if (failure == 158)
        message += QLatin1Char('\n') + CAddressHint::Rule();
    ShowMessage(message);
    m_path->setFocus();
    m_path->selectAll();
    return false;
}

CLinkProperties::CLinkProperties(bool newLink, QWidget *parent)
    : QDialog(parent), m_newLink(newLink)
{
    setObjectName(QStringLiteral("LinkProperties"));
    setWindowTitle(LoadString(newLink ? 178 : 179));
    auto *tabs = new QTabWidget(this);
    m_page = new CLinkGeneralPage(tabs);
    tabs->addTab(m_page, tr("General"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CLinkProperties::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CLinkProperties::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addWidget(buttons);
    const int line = fontMetrics().height();
    resize(line * 26, line * 18);
}

void CLinkProperties::showEvent(QShowEvent *event)
{
    // The caller has put the texts in by now.
    if (!m_kindChosen) {
        m_kindChosen = true;
        m_page->ChooseInitialKind(m_newLink);
        m_page->setFocus();
    }
    QDialog::showEvent(event);
}

void CLinkProperties::accept()
{
    if (m_page->MayLeave())
        QDialog::accept();
}
