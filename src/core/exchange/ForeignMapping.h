#pragma once

#include "exchange/ForeignBook.h"

#include <QString>

// Turns a foreign record into the book this program stores, the same way for
// every format:
// - "Author" values joined with " / "; an ISBN-10 kept when there is one,
//   else a valid ISBN-13, invalid ones kept as text in Notes;
// - dates (ISO, YYYY/MM/DD, M/D/YYYY, a year alone, "Sep 2000") as the
//   book's dates keep them, a year alone staying a year;
// - the rating scaled to 0-5 and rounded half up, 0 meaning none;
// - Description: HTML cleaned, plain text escaped into paragraphs;
// - a value that cannot go to its field as it is ("my price" for a price,
//   "current" for a date), and every value without a field, as a
//   "Column: value" line in Notes; control characters other than line breaks
//   and tabs dropped from every text;
// - a record without a title and without an ISBN is not imported (problem).
CImportedBook MapForeignBook(const CForeignBook &book);

// A date as the book's date fields and the loan and reading tables keep it
// (ISO "2026-12-07", "2000-09", "1994"), from the forms other catalogues
// write; empty when `text` is no date.
QString ForeignDate(const QString &text);
