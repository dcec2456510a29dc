#pragma once

#include "exchange/CatalogueReader.h"
#include "exchange/CsvTable.h"

#include <QChar>
#include <QList>
#include <QPair>
#include <QStringList>
#include <QVector>

#include <functional>
#include <initializer_list>

// The part every reader of a table export shares: the table is read row by
// row, each column's value goes where the format's reader says (by the
// column's header name, never by its position), and a column nobody claimed
// keeps its values in Notes. Rows with more or fewer fields than the header
// are read as far as they go: their values are kept and the report tells of
// the row; such a row is refused only when neither a title nor an ISBN can
// be read from it.
class CTableCatalogueReader : public CCatalogueReader
{
public:
    // What a column's non-empty value does to the record; `column` is the
    // header's name for it.
    using CColumnAction =
        std::function<void(const QString &column, const QString &value, CForeignBook &book)>;

    // `--map COLUMN=FIELD` pairs: the column (by its header name, or by its
    // key, see ColumnKey) goes to the field (a book XML element name, or
    // "Categories"), whatever the reader would do with it. A column the
    // header lacks is named in Notes().
    void SetColumnMap(const QList<QPair<QString, QString>> &columnMap) { m_columnMap = columnMap; }

    bool Open(const QString &path) override;
    bool Next(CForeignBook &book) override;

    // A header name reduced to its letters and digits in lower case, so that
    // "Number of Pages", "number_of_pages" and "'NUMBER OF PAGES'" are one.
    static QString ColumnKey(const QString &name);

protected:
    // Decides what each column does (SetAction) from the header; false,
    // with SetError, when the file is not one this reader can take.
    virtual bool TakeHeader(const QStringList &header) = 0;
    // Called after a row's columns, to combine values of several columns.
    virtual void FinishRow(CForeignBook &) {}
    // A field's text as the columns' actions take it (trimmed already).
    virtual QString CleanValue(const QString &value) const { return value; }
    // The separator, or a null character for the guess from the header.
    virtual QChar Separator() const { return QChar(); }

    void SetAction(int column, CColumnAction action);
    // The action that files the value under a book XML element name.
    static CColumnAction ToField(const QString &field);
    // The action for columns that add nothing the user had (a service's own
    // average rating, a second spelling of a name given in another column).
    static CColumnAction Ignore();
    // Files every column whose key is one of `keyToField`'s under its field.
    struct CKeyField
    {
        const char *key;
        const char *field;
    };
    void SetFields(const QStringList &header, std::initializer_list<CKeyField> keyToField);
    // The first column whose key (see ColumnKey) is one of `keys`, or -1.
    static int FindColumn(const QStringList &header, const QStringList &keys);

    QString FileName() const { return m_path; }
    const QList<QPair<QString, QString>> &ColumnMap() const { return m_columnMap; }
    // The header's column named `name` (exactly, else by key), or -1.
    static int ColumnNamed(const QStringList &header, const QString &name);

private:
    // Passes on the table's remarks (a character set fallback) not yet told.
    void TakeTableNotes();

    void ReportRowShape(int fields);

    CCsvTable m_table;
    QString m_path;
    QStringList m_header;
    QVector<CColumnAction> m_actions;
    QList<QPair<QString, QString>> m_columnMap;
    int m_oddRows = 0;
    int m_tableNotesTaken = 0;
};
