#include "book/BookBasicPage.h"

#include "app/StringTable.h"
#include "app/UserPrompt.h"
#include "book/AddressHint.h"
#include "book/DatePicker.h"
#include "book/LinkProperties.h"
#include "book/LookupCombo.h"
#include "book/PageGrid.h"
#include "db/BookRecord.h"

#include <QLineEdit>

CBookBasicPage::CBookBasicPage(QWidget *parent) : CBookSheetPage(parent)
{
    setObjectName(QStringLiteral("GeneralPage"));
    auto *grid = new CPageGrid(this);
    m_title = MakePageEdit("Title", this);
    grid->AddField(0, 0, tr("&Title:"), m_title, true);
    m_subtitle = MakePageEdit("Subtitle", this);
    grid->AddField(1, 0, tr("&Subtitle:"), m_subtitle, true);
    m_author = MakePageEdit("Author", this);
    grid->AddField(2, 0, tr("Auth&or:"), m_author, true);
    m_url = MakePageEdit("URL", this);
    grid->AddField(3, 0, tr("&URL:"), m_url, true);
    grid->addWidget(new CAddressHint(m_url, &IsLinkUrl, this), 4, 1, 1, 3);
    m_edition = MakePageEdit("Edition", this);
    grid->AddField(5, 0, tr("&Edition:"), m_edition);
    m_publisher = new CLookupCombo("Publisher", true, this);
    grid->AddField(5, 1, tr("Publis&her:"), m_publisher);
    m_isbn = MakePageEdit("ISBN", this);
    grid->AddField(6, 0, tr("&ISBN:"), m_isbn);
    m_pageCount = MakePageEdit("PageCount", this);
    grid->AddField(6, 1, tr("P&age:"), m_pageCount);
    m_language = new CLookupCombo("Language", true, this);
    grid->AddField(7, 0, tr("La&nguage:"), m_language);
    m_releaseDate = new CDatePicker(QStringLiteral("ReleaseDate"), this);
    grid->AddField(7, 1, tr("&Release Date:"), m_releaseDate);
    m_binding = new CLookupCombo("Binding", true, this);
    grid->AddField(8, 0, tr("&Binding:"), m_binding);
    m_dimension = MakePageEdit("Dimension", this);
    grid->AddField(8, 1, tr("Di&mension:"), m_dimension);
    m_extras = new CLookupCombo("Extras", true, this);
    grid->AddField(9, 0, tr("E&xtras:"), m_extras);
    grid->setRowStretch(10, 1);
}

QString CBookBasicPage::Caption() const
{
    return tr("&General");
}

void CBookBasicPage::LoadFrom(const CBookRecord &book, const CBookSheetContext &context)
{
    if (context.Connection) {
        m_publisher->Fill(QStringLiteral("bookpublisher"), *context.Connection);
        m_language->Fill(QStringLiteral("booklanguage"), *context.Connection);
        m_binding->Fill(QStringLiteral("bookbinding"), *context.Connection);
        m_extras->Fill(QStringLiteral("bookextras"), *context.Connection);
    }
    m_title->setText(book.Title);
    m_subtitle->setText(book.Subtitle);
    m_author->setText(book.Author);
    m_url->setText(book.URL);
    m_edition->setText(book.Edition);
    m_publisher->SetName(book.Publisher);
    m_isbn->setText(book.ISBN);
    m_pageCount->setText(book.PageCount);
    m_language->SetName(book.Language);
    m_releaseDate->SetText(book.ReleaseDate);
    m_binding->SetName(book.Binding);
    m_dimension->setText(book.Dimension);
    m_extras->SetName(book.Extras);
    ShowTextStarts(this);
}

bool CBookBasicPage::MayLeave()
{
    if (!m_title->text().trimmed().isEmpty())
        return true;
    ShowMessage(LoadString(155), MsgIcon::Warning);
    m_title->setFocus();
    return false;
}

void CBookBasicPage::StoreTo(CBookRecord &book) const
{
    book.Title = m_title->text();
    book.Subtitle = m_subtitle->text();
    book.Author = m_author->text();
    // A web address typed without its scheme gets one, as the note under
    // the field says.
    book.URL = CAddressHint::Completed(m_url->text());
    book.Edition = m_edition->text();
    book.Publisher = m_publisher->Name();
    book.ISBN = m_isbn->text();
    book.PageCount = m_pageCount->text();
    book.Language = m_language->Name();
    book.ReleaseDate = m_releaseDate->Text();
    book.Binding = m_binding->Name();
    book.Dimension = m_dimension->text();
    book.Extras = m_extras->Name();
}
