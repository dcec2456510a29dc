#pragma once

#include "db/BulkEdit.h"

#include <QDialog>
#include <QTimer>
#include <QVector>

class CLibraryConnection;
class CTomeloDoc;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QTableWidget;
class QTreeWidget;
class QTreeWidgetItem;

// Edit Book with several books selected: the fields of the book sheet's
// General and Personal pages, each with a check box that says whether it
// is to change; search and replace in a text field; categories to join and
// to leave. Each field starts with the value the books share, or empty with
// "(various)" when they differ. OK makes every change in one transaction
// and says how many books changed, which Edit > Undo takes back; Cancel
// changes nothing.
class CBulkEditDlg : public QDialog
{
    Q_OBJECT

public:
    // The library must be open.
    CBulkEditDlg(const QVector<quint32> &bookIds, CTomeloDoc &doc, QWidget *parent = nullptr);

    // The change the dialog describes now.
    CBulkEdit Edit() const;
    // Books changed by OK (0 until then).
    int ChangedBooks() const { return m_changedBooks; }

    // Runs the dialog on the books `bookIds` of the open library; the count
    // of books changed, 0 when nothing was.
    static int Run(QWidget *parent, CTomeloDoc &doc, const QVector<quint32> &bookIds);

    void accept() override;

private:
    struct CFieldRow
    {
        EBulkField Field;
        QWidget *Editor = nullptr;
        QCheckBox *Change = nullptr;
    };

    QWidget *MakeGeneralPage();
    QWidget *MakePersonalPage();
    QWidget *MakeReplacePage();
    QWidget *MakeCategoriesPage();
    // Adds the row of `field` to `grid`: its label, its editor and its
    // "change" check box.
    void AddField(QGridLayout *grid, EBulkField field, const char *context, const char *label);
    QWidget *MakeEditor(EBulkField field);
    void FillLookupLists();
    void ShowSharedValues();
    QString Value(const CFieldRow &row) const;
    QTreeWidget *MakeCategoryTree(const char *objectName);
    void OnCategoryChecked(QTreeWidgetItem *item);
    void UpdatePreview();

    QVector<quint32> m_bookIds;
    CTomeloDoc &m_doc;
    CLibraryConnection &m_connection;
    QVector<CFieldRow> m_rows;
    QComboBox *m_replaceField = nullptr;
    QLineEdit *m_find = nullptr;
    QLineEdit *m_replaceWith = nullptr;
    QCheckBox *m_pattern = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QLabel *m_replaceProblem = nullptr;
    QTableWidget *m_preview = nullptr;
    QTimer m_previewTimer;
    QTreeWidget *m_joinTree = nullptr;
    QTreeWidget *m_leaveTree = nullptr;
    int m_changedBooks = 0;
};
