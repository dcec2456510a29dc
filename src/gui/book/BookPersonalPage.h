#pragma once

#include "book/BookSheetPage.h"

class CDatePicker;
class CLookupCombo;
class QCheckBox;
class QComboBox;
class QLineEdit;

// The sheet's second page, "Personal": the owner's copy (purchase, prices,
// where it stands, how it rates, the two user texts, the e-book).
class CBookPersonalPage : public CBookSheetPage
{
    Q_OBJECT

public:
    explicit CBookPersonalPage(QWidget *parent = nullptr);

    QString Caption() const override;
    void LoadFrom(const CBookRecord &book, const CBookSheetContext &context) override;
    void StoreTo(CBookRecord &book) const override;

private:
    CDatePicker *m_purchaseDate;
    CLookupCombo *m_store;
    QLineEdit *m_purchasePrice;
    QLineEdit *m_listPrice;
    QLineEdit *m_amazonPrice;
    CLookupCombo *m_location;
    CLookupCombo *m_status;
    QLineEdit *m_currentPage;
    QLineEdit *m_amazonRating;
    QLineEdit *m_numOfReviews;
    QComboBox *m_myRating;
    int m_loadedRating = 0;
    QLineEdit *m_userText1;
    QLineEdit *m_userText2;
    QCheckBox *m_eBookOnly;
    CLookupCombo *m_format;
    QLineEdit *m_bookSize;
};
