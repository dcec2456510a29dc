#include "book/BookPersonalPage.h"

#include "book/DatePicker.h"
#include "book/LookupCombo.h"
#include "book/PageGrid.h"
#include "db/BookRecord.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>

namespace {

// A titled group whose fields are laid out one per row.
CPageGrid *MakeGroup(const QString &title, QWidget *page, QGroupBox **box)
{
    *box = new QGroupBox(title, page);
    return new CPageGrid(*box);
}

} // namespace

CBookPersonalPage::CBookPersonalPage(QWidget *parent) : CBookSheetPage(parent)
{
    setObjectName(QStringLiteral("PersonalPage"));

    QGroupBox *purchaseBox = nullptr;
    CPageGrid *purchase = MakeGroup(tr("Purchase Info"), this, &purchaseBox);
    m_purchaseDate = new CDatePicker(QStringLiteral("PurchaseDate"), purchaseBox);
    purchase->AddField(0, 0, tr("Pu&rchase Date:"), m_purchaseDate);
    m_store = new CLookupCombo("Store", true, purchaseBox);
    purchase->AddField(1, 0, tr("&Store:"), m_store);
    m_purchasePrice = MakePageEdit("PurchasePrice", purchaseBox);
    purchase->AddField(2, 0, tr("Purc&hase Price:"), m_purchasePrice);
    m_listPrice = MakePageEdit("ListPrice", purchaseBox);
    purchase->AddField(3, 0, tr("L&ist Price:"), m_listPrice);
    m_amazonPrice = MakePageEdit("AmazonPrice", purchaseBox);
    purchase->AddField(4, 0, tr("&Amazon Price:"), m_amazonPrice);

    QGroupBox *ratingBox = nullptr;
    CPageGrid *rating = MakeGroup(tr("Rating"), this, &ratingBox);
    m_amazonRating = MakePageEdit("AmazonRating", ratingBox);
    rating->AddField(0, 0, tr("Ama&zon Rating:"), m_amazonRating);
    m_numOfReviews = MakePageEdit("NumOfReviews", ratingBox);
    rating->AddField(1, 0, tr("Num&ber of Reviews:"), m_numOfReviews);
    m_myRating = new QComboBox(ratingBox);
    m_myRating->setObjectName(QStringLiteral("MyRating"));
    m_myRating->addItems({tr("Unrated"), QStringLiteral("1"), QStringLiteral("2"),
                          QStringLiteral("3"), QStringLiteral("4"), QStringLiteral("5")});
    rating->AddField(2, 0, tr("M&y Rating:"), m_myRating);

    QGroupBox *miscBox = nullptr;
    CPageGrid *misc = MakeGroup(tr("Misc Info"), this, &miscBox);
    m_location = new CLookupCombo("Location", true, miscBox);
    misc->AddField(0, 0, tr("L&ocation:"), m_location);
    m_status = new CLookupCombo("Status", false, miscBox);
    misc->AddField(1, 0, tr("S&tatus:"), m_status);
    m_currentPage = MakePageEdit("CurrentPage", miscBox);
    misc->AddField(2, 0, tr("C&urrent Page:"), m_currentPage);

    QGroupBox *eBookBox = nullptr;
    CPageGrid *eBook = MakeGroup(tr("eBook Info"), this, &eBookBox);
    m_eBookOnly = new QCheckBox(tr("I only have &ebook"), eBookBox);
    m_eBookOnly->setObjectName(QStringLiteral("EBookOnly"));
    eBook->addWidget(m_eBookOnly, 0, 0, 1, 2);
    m_format = new CLookupCombo("Format", true, eBookBox);
    eBook->AddField(1, 0, tr("&Format:"), m_format);
    m_bookSize = MakePageEdit("BookSize", eBookBox);
    eBook->AddField(2, 0, tr("Size (in &MB):"), m_bookSize);

    QGroupBox *textsBox = nullptr;
    CPageGrid *texts = MakeGroup(tr("User Defined Texts"), this, &textsBox);
    m_userText1 = MakePageEdit("UserText1", textsBox);
    texts->AddField(0, 0, tr("User Text &1:"), m_userText1);
    m_userText2 = MakePageEdit("UserText2", textsBox);
    texts->AddField(1, 0, tr("User Text &2:"), m_userText2);

    // Fields stay at the top of a group that is taller than it needs.
    for (CPageGrid *group : {purchase, rating, misc, eBook, texts})
        group->setRowStretch(group->rowCount(), 1);

    auto *grid = new QGridLayout(this);
    grid->addWidget(purchaseBox, 0, 0);
    grid->addWidget(ratingBox, 0, 1);
    grid->addWidget(miscBox, 1, 0);
    grid->addWidget(eBookBox, 1, 1);
    grid->addWidget(textsBox, 2, 0, 1, 2);
    grid->setRowStretch(3, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);

    // Tab walks each group in turn, as the page reads: left, then right.
    const QList<QWidget *> order = {m_purchaseDate, m_store,        m_purchasePrice, m_listPrice,
                                    m_amazonPrice,  m_amazonRating, m_numOfReviews,  m_myRating,
                                    m_location,     m_status,       m_currentPage,   m_eBookOnly,
                                    m_format,       m_bookSize,     m_userText1,     m_userText2};
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

QString CBookPersonalPage::Caption() const
{
    return tr("&Personal");
}

void CBookPersonalPage::LoadFrom(const CBookRecord &book, const CBookSheetContext &context)
{
    if (context.Connection) {
        m_store->Fill(QStringLiteral("bookstore"), *context.Connection);
        m_location->Fill(QStringLiteral("booklocation"), *context.Connection);
        m_status->Fill(QStringLiteral("bookstatus"), *context.Connection);
        m_format->Fill(QStringLiteral("bookformat"), *context.Connection);
    }
    m_purchaseDate->SetText(book.PurchaseDate);
    m_store->SetName(book.Store);
    m_purchasePrice->setText(book.PurchasePrice);
    m_listPrice->setText(book.ListPrice);
    m_amazonPrice->setText(book.AmazonPrice);
    m_location->SetName(book.Location);
    // A new book without a status starts with the library's first one by
    // identifier, as every other way of adding gives it.
    if (context.NewBook && book.Status.trimmed().isEmpty() && context.Connection)
        m_status->SetName(FirstStatusName(*context.Connection));
    else
        m_status->SetName(book.Status);
    m_currentPage->setText(book.CurrentPage);
    m_amazonRating->setText(book.AmazonRating);
    m_numOfReviews->setText(book.NumOfReviews);
    m_loadedRating = book.MyRating;
    m_myRating->setCurrentIndex(qBound(0, book.MyRating, 5));
    m_userText1->setText(book.UserText1);
    m_userText2->setText(book.UserText2);
    m_eBookOnly->setChecked(book.EBookOnly);
    m_format->SetName(book.Format);
    m_bookSize->setText(book.BookSize);
    ShowTextStarts(this);
}

void CBookPersonalPage::StoreTo(CBookRecord &book) const
{
    book.PurchaseDate = m_purchaseDate->Text();
    book.Store = m_store->Name();
    book.PurchasePrice = m_purchasePrice->text();
    book.ListPrice = m_listPrice->text();
    book.AmazonPrice = m_amazonPrice->text();
    book.Location = m_location->Name();
    book.Status = m_status->Name();
    book.CurrentPage = m_currentPage->text();
    book.AmazonRating = m_amazonRating->text();
    book.NumOfReviews = m_numOfReviews->text();
    // A rating outside the list (written by another tool) stays unless a
    // rating is chosen.
    if (m_myRating->currentIndex() != qBound(0, m_loadedRating, 5))
        book.MyRating = m_myRating->currentIndex();
    else
        book.MyRating = m_loadedRating;
    book.UserText1 = m_userText1->text();
    book.UserText2 = m_userText2->text();
    book.EBookOnly = m_eBookOnly->isChecked();
    book.Format = m_format->Name();
    book.BookSize = m_bookSize->text();
}
