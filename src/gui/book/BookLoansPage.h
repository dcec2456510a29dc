#pragma once

#include "book/BookSheetPage.h"
#include "book/LoanReadingEdits.h"

class QAction;
class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// The sheet's seventh page, "Loans & Reading": the book's series and its
// number in it, its loans (the open one first, overdue ones marked) with
// Lend and Return, and its readings with Add, Edit and Delete.
//
// Series and number are fields of the book like any other. Loans and
// readings changed here are kept on the page (Edits) until OK, which
// writes them in the transaction of the book's save, so Cancel drops them
// and one undo step takes back the whole sheet.
class CBookLoansPage : public CBookSheetPage
{
    Q_OBJECT

public:
    explicit CBookLoansPage(QWidget *parent = nullptr);

    QString Caption() const override { return tr("Loans && &Reading"); }
    void LoadFrom(const CBookRecord &book, const CBookSheetContext &context) override;
    // Refuses a series number that is not a number ("2", "2.5").
    bool MayLeave() override;
    void StoreTo(CBookRecord &book) const override;

    const CLoanReadingEdits &Edits() const { return m_edits; }
    // Whether the series typed is not the one the book was in, so that the
    // save may add it to the library's series.
    bool ChangesSeries() const;

    void OnLend();
    void OnReturn();
    void OnAddReading();
    void OnEditReading();
    void OnDeleteReading();

private:
    void FillSeries(CLibraryConnection &connection);
    void ShowLoans();
    void ShowReadings();
    void UpdateButtons();
    void CheckNumber();
    int SelectedReading() const;

    QComboBox *m_series;
    QLineEdit *m_number;
    QAction *m_numberWarning;
    QTreeWidget *m_loans;
    QPushButton *m_lend;
    QPushButton *m_return;
    QTreeWidget *m_readings;
    QPushButton *m_editReading;
    QPushButton *m_deleteReading;

    CLoanReadingEdits m_edits;
    CLibraryConnection *m_connection = nullptr;
    QString m_title;
    QString m_loadedSeries;
};
