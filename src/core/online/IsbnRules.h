#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// The rules for ISBN texts shared by every way a book enters the library.
// All of them are pure functions; invalid input gives false or the empty text.
//
// The library keys a book by its ISBN-10. A 13-digit ISBN starting "978" is
// the ISBN-10 with a prefix and another check digit, so it is turned into its
// ISBN-10; one starting "979" has no ISBN-10 and is kept as its 13 digits.

// Trims white space at both ends, deletes every "-" and turns "x" into "X".
// Inner white space stays.
QString NormalizeIsbn(QStringView text);

// True when the normalised text is nine digits "0".."9" and a check character
// that matches them. "0000000000" is never valid.
bool IsValidIsbn(QStringView text);

// The ISBN-10 check character ("0".."9" or "X") of the first nine characters
// of `digits`; a null QChar when they are not nine digits "0".."9".
QChar IsbnCheckCharacter(QStringView digits);

// True when the normalised text is 13 digits "0".."9" that start "978" or
// "979" and end in the EAN-13 check digit of the first twelve. "9790" codes
// number printed music, not books, and are not valid.
bool IsValidIsbn13(QStringView text);

// The ISBNs the library looks up and stores: a valid ISBN-10 or a valid
// "979" ISBN-13 (hyphens and surrounding white space allowed, as for
// IsValidIsbn). A "978" code is not among them: ConvertEanToIsbn turns it
// into its ISBN-10 first.
bool IsAcceptedIsbn(QStringView text);

// Turns a "978" EAN-13 code (or a 19-character scanner text that starts with
// one: 13 digits, "-" or a space, and a five-digit add-on) into its ISBN-10,
// when its EAN-13 check digit is right. A valid "979" ISBN-13 with such an
// add-on comes back as its 13 digits. Any other text comes back unchanged, so
// a mistyped code fails as invalid instead of naming another book. Expects
// the caller to have trimmed the text.
QString ConvertEanToIsbn(const QString &text);

// The "978" ISBN-13 of a valid ISBN-10 (hyphens and surrounding white space
// allowed), as its 13 digits; the empty text for anything else.
QString ConvertIsbnToEan(QStringView text);

// What a line typed, pasted, loaded or scanned into a list of ISBNs (the Add
// Book dialog, the `add` command) becomes: the trimmed line after
// ConvertEanToIsbn when IsAcceptedIsbn takes it, else the empty text. Not
// otherwise normalised: hyphens stay until the lookup. Printed forms are
// taken too, normalised: a "978" ISBN-13 as a book prints it
// (978-0-596-00712-6) becomes its ISBN-10, and typeset dashes pasted from a
// page count as hyphens.
QString IsbnEntryFromLine(const QString &line);

// The first ISBN inside `text`, or the empty text: a valid ISBN-10,
// normalised, or a printed ISBN-13 taken as a whole (the ISBN-10 of a "978"
// one, the 13 digits of a "979" one; nothing from inside an invalid one).
// ISBN-10s are found in 10- and 13-character windows starting at a digit, so
// a hyphenated ISBN such as 0-596-00712-4 is found too. Typeset dashes
// (U+2010 to U+2013, U+2212) and HTML character references for them or for
// "-" count as hyphens.
QString FindIsbnInText(QStringView text);

// FindIsbnInText for a text that arrives in pieces (standard input, a large
// file): only the last few characters are kept between pieces, so memory
// stays flat however long the text is.
class CIsbnStreamFinder
{
public:
    // Takes the next piece; true once an ISBN has been found.
    bool Feed(QStringView piece);
    // Ends the text: the first ISBN in it, or the empty text.
    QString Finish();

private:
    QString m_unfinishedReference; // the end of a piece that may start "&ndash;"
    QString m_pending;             // text with hyphen references as "-", not searched yet
    qsizetype m_searchFrom = 0;    // where in m_pending the search goes on
    QString m_found;
};

// The short tag an e-book file name carries between its last "-" and its last
// "." (Title-Group.chm gives Group), trimmed; empty when there is none or it is
// longer than 10 characters.
QString ReleaseTagFromFileName(const QString &path);
