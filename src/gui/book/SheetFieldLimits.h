#pragma once

#include "db/BookRecord.h"

#include <QString>

class QLineEdit;
class QWidget;

// Holds the sheet's text fields to the lengths of the library's columns as
// they are typed (editable lists included), and finds the field of a column
// by its name, with the caption the sheet shows for it. A field is the
// widget whose object name is its column's name ("Title").
class CSheetFieldLimits
{
public:
    // Lifts every limit, so that a book's texts load whole.
    static void Lift(const QWidget &sheet);
    // Limits each field to its column. A field loaded with a longer text
    // keeps it all: it can then only be shortened, and OK names it.
    static void Apply(const QWidget &sheet);

    // The field of `limit`'s column on the sheet, or null.
    static QWidget *Field(const QWidget &sheet, const CBookRecord::ColumnLimit &limit);
    // Where the field's text is typed (a list's own line), or null for a
    // fixed list.
    static QLineEdit *TypingLine(QWidget *field);
    // The field's caption on the sheet ("Title"), without its mnemonic and
    // colon; the column's name when the field has no label.
    static QString Caption(const QWidget &sheet, const CBookRecord::ColumnLimit &limit);
    // A label's text as a name: "Publis&her:" gives "Publisher", and
    // "出版社(&H)：" gives "出版社".
    static QString PlainCaption(const QString &label);
};
