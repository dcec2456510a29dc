#include "adding/AddBookDlg.h"

#include "app/OutputFile.h"
#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "frame/FileDialogs.h"
#include "online/IsbnRules.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFile>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextStream>
#include <QVBoxLayout>

namespace {

const char *const kIsbnListFilter =
    QT_TRANSLATE_NOOP("CAddBookDlg", "Text Files (*.txt)|*.txt|All Files (*.*)|*.*||");

QLineEdit *SearchBox(const char *name, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setEnabled(false);
    return box;
}

} // namespace

CAddBookDlg::CAddBookDlg(QWidget *parent)
    : QDialog(parent), m_isbnBox(new QPlainTextEdit(this)), m_title(SearchBox("TitleBox", this)),
      m_author(SearchBox("AuthorBox", this)), m_publisher(SearchBox("PublisherBox", this))
{
    setObjectName(QStringLiteral("AddBookDlg"));
    setWindowTitle(LoadString(176));

    const QString modeTexts[3] = {tr("Query Online By &ISBN(s)"),
                                  tr("Query Online By &Title, Author and Publisher"),
                                  tr("Add a Book &Manually")};
    const char *modeNames[3] = {"ModeIsbn", "ModeSearch", "ModeManual"};
    auto *modes = new QButtonGroup(this);
    for (int mode = 0; mode < 3; ++mode) {
        m_modeButtons[mode] = new QRadioButton(modeTexts[mode], this);
        m_modeButtons[mode]->setObjectName(QLatin1String(modeNames[mode]));
        modes->addButton(m_modeButtons[mode], mode);
    }
    m_modeButtons[kModeIsbn]->setChecked(true);
    connect(modes, &QButtonGroup::idClicked, this, [this](int id) { SetMode(Mode(id)); });

    m_isbnBox->setObjectName(QStringLiteral("IsbnBox"));
    m_isbnBox->setTabChangesFocus(true);
    m_isbnBox->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_isbnBox->setMinimumSize(260, 150);
    auto *load = new QPushButton(tr("&Load..."), this);
    load->setObjectName(QStringLiteral("LoadButton"));
    load->setAutoDefault(false);
    connect(load, &QPushButton::clicked, this, &CAddBookDlg::OnLoadIsbnList);
    auto *save = new QPushButton(tr("&Save..."), this);
    save->setObjectName(QStringLiteral("SaveButton"));
    save->setAutoDefault(false);
    connect(save, &QPushButton::clicked, this, &CAddBookDlg::OnSaveIsbnList);

    auto *isbnArea = new QGridLayout;
    isbnArea->setContentsMargins(24, 0, 0, 0);
    isbnArea->addWidget(new QLabel(tr("Enter ISBNs below (one ISBN per line)."), this), 0, 0);
    isbnArea->addWidget(m_isbnBox, 1, 0, 3, 1);
    isbnArea->addWidget(load, 1, 1);
    isbnArea->addWidget(save, 2, 1);
    isbnArea->setRowStretch(3, 1);
    auto *tip = new QLabel(tr("Tip: Any USB bar-code scanner works here: it types each ISBN "
                              "like a keyboard. Click in the box and scan the books."),
                           this);
    tip->setObjectName(QStringLiteral("ScannerTip"));
    tip->setWordWrap(true);
    tip->setEnabled(false);
    isbnArea->addWidget(tip, 4, 0, 1, 2);

    auto *searchArea = new QFormLayout;
    searchArea->setContentsMargins(24, 0, 0, 0);
    searchArea->addRow(tr("Title:"), m_title);
    searchArea->addRow(tr("Author:"), m_author);
    searchArea->addRow(tr("Publisher:"), m_publisher);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CAddBookDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CAddBookDlg::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_modeButtons[kModeIsbn]);
    layout->addLayout(isbnArea, 1);
    layout->addSpacing(6);
    layout->addWidget(m_modeButtons[kModeSearch]);
    layout->addLayout(searchArea);
    layout->addSpacing(6);
    layout->addWidget(m_modeButtons[kModeManual]);
    layout->addSpacing(6);
    layout->addWidget(buttons);

    m_isbnBox->setFocus();
}

void CAddBookDlg::SetIsbnText(const QString &text)
{
    m_isbnBox->setPlainText(text);
}

QString CAddBookDlg::IsbnText() const
{
    return m_isbnBox->toPlainText();
}

QString CAddBookDlg::SearchTitle() const
{
    return m_title->text().trimmed();
}

QString CAddBookDlg::SearchAuthor() const
{
    return m_author->text().trimmed();
}

QString CAddBookDlg::SearchPublisher() const
{
    return m_publisher->text().trimmed();
}

void CAddBookDlg::SetMode(Mode mode)
{
    m_mode = mode;
    m_modeButtons[mode]->setChecked(true);
    m_isbnBox->setEnabled(mode == kModeIsbn);
    for (QLineEdit *box : {m_title, m_author, m_publisher})
        box->setEnabled(mode == kModeSearch);
    if (mode == kModeIsbn)
        m_isbnBox->setFocus();
    else if (mode == kModeSearch)
        m_title->setFocus();
}

void CAddBookDlg::OnLoadIsbnList()
{
    const QString path =
        AskOpenFileName(this, tr("Load ISBN List"), DialogFilter(tr(kIsbnListFilter)));
    if (!path.isEmpty()) {
        QFile file(path);
        if (file.open(QIODevice::ReadOnly | QIODevice::Text)) {
            QStringList lines;
            QTextStream in(&file);
            while (!in.atEnd()) {
                const QString line = in.readLine().trimmed();
                if (!line.isEmpty())
                    lines.append(line);
            }
            // An empty file leaves the box as it was.
            if (!lines.isEmpty())
                m_isbnBox->setPlainText(lines.join(u'\n'));
        } else {
            ShowMessage(tr("Cannot open file for reading."));
        }
    }
    m_isbnBox->setFocus();
}

void CAddBookDlg::OnSaveIsbnList()
{
    const QString text = m_isbnBox->toPlainText().trimmed();
    if (text.isEmpty()) {
        ShowMessage(tr("Nothing to save."));
        return;
    }
    const QString path =
        AskSaveFileName(this, tr("Save ISBN List"), DialogFilter(tr(kIsbnListFilter)));
    if (path.isEmpty())
        return;
    COutputFile file(path);
    file.SetWaitForReader(false);
    const QByteArray bytes = (text + u'\n').toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.Commit()) {
        ShowMessage(file.ErrorMessage().isEmpty() ? LoadString(135) : file.ErrorMessage());
        return;
    }
    ShowMessage(tr("File has been saved."), MsgIcon::Information);
    m_isbnBox->setFocus();
}

void CAddBookDlg::accept()
{
    if (m_mode == kModeIsbn && !TakeIsbnList())
        return;
    if (m_mode == kModeSearch && !CheckSearchTexts())
        return;
    QDialog::accept();
}

bool CAddBookDlg::TakeIsbnList()
{
    m_isbnList.clear();
    const QStringList pieces = m_isbnBox->toPlainText().trimmed().split(u'\n', Qt::SkipEmptyParts);
    for (const QString &piece : pieces) {
        const QString isbn = ConvertEanToIsbn(piece.trimmed());
        if (isbn.isEmpty())
            continue; // a line of blanks only
        if (const QString entry = IsbnEntryFromLine(isbn); !entry.isEmpty()) {
            m_isbnList.append(entry);
            continue;
        }
        const QString question = tr("%1 is not a valid ISBN. Ignore this one?").arg(isbn);
        if (ShowMessage(question, MsgIcon::Question, MsgButtons::YesNo) != MsgAnswer::Yes) {
            m_isbnBox->setFocus();
            return false;
        }
    }
    if (m_isbnList.isEmpty()) {
        ShowMessage(LoadString(147));
        m_isbnBox->setFocus();
        return false;
    }
    return true;
}

bool CAddBookDlg::CheckSearchTexts()
{
    if (SearchTitle().isEmpty() && SearchAuthor().isEmpty() && SearchPublisher().isEmpty()) {
        ShowMessage(tr("Please enter at least one of them: title, author and publisher."));
        m_title->setFocus();
        return false;
    }
    return true;
}
