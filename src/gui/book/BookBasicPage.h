#pragma once

#include "book/BookSheetPage.h"

class CDatePicker;
class CLookupCombo;
class QLineEdit;

// The sheet's first page, "General": what the book is (title, author,
// publisher, ISBN and the other bibliographic fields).
class CBookBasicPage : public CBookSheetPage
{
    Q_OBJECT

public:
    explicit CBookBasicPage(QWidget *parent = nullptr);

    QString Caption() const override;
    void LoadFrom(const CBookRecord &book, const CBookSheetContext &context) override;
    // A title of only white space keeps the page shown.
    bool MayLeave() override;
    void StoreTo(CBookRecord &book) const override;

private:
    QLineEdit *m_title;
    QLineEdit *m_subtitle;
    QLineEdit *m_author;
    QLineEdit *m_url;
    QLineEdit *m_edition;
    CLookupCombo *m_publisher;
    QLineEdit *m_isbn;
    QLineEdit *m_pageCount;
    CLookupCombo *m_language;
    CDatePicker *m_releaseDate;
    CLookupCombo *m_binding;
    QLineEdit *m_dimension;
    CLookupCombo *m_extras;
};
