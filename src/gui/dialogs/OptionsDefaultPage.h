#pragma once

#include <QDate>
#include <QWidget>

class CLibraryConnection;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLineEdit;

// The values every new book starts with. The lists offer the names the open
// library knows; a name typed into an editable list is kept as typed.
class COptionsDefaultPage : public QWidget
{
    Q_OBJECT

public:
    // `connection` may be null (no library open): the lists stay empty.
    explicit COptionsDefaultPage(CLibraryConnection *connection, QWidget *parent = nullptr);

    // Writes the page's values under "Settings\Default".
    void Store() const;

    // The purchase date as stored: "Mar 07, 2005", or empty for no date.
    QString PurchaseDateText() const;

private:
    QComboBox *AddList(const char *name, const QString &table, bool editable);
    void FillList(QComboBox *list, const QString &table, bool sorted);
    void ReadSettings();

    CLibraryConnection *m_connection;
    QComboBox *m_language;
    QComboBox *m_extras;
    QComboBox *m_store;
    QComboBox *m_location;
    QLineEdit *m_userText1;
    QLineEdit *m_userText2;
    QComboBox *m_format;
    QCheckBox *m_hasPurchaseDate;
    QDateEdit *m_purchaseDate;
    QCheckBox *m_ebookOnly;
    QComboBox *m_status;
};
