#pragma once

#include <QChar>
#include <QString>
#include <QStringView>

// The rules for ISBN-10 texts shared by every way a book enters the library.
// All of them are pure functions; invalid input gives false or the empty text.

// Trims white space at both ends, deletes every "-" and turns "x" into "X".
// Inner white space stays.
QString NormalizeIsbn(QStringView text);

// True when the normalised text is nine digits "0".."9" and a check character
// that matches them. "0000000000" is never valid.
bool IsValidIsbn(QStringView text);

// The ISBN-10 check character ("0".."9" or "X") of the first nine characters
// of `digits`; a null QChar when they are not nine digits "0".."9".
QChar IsbnCheckCharacter(QStringView digits);

// Turns a "978" EAN-13 code (or a 19-character scanner text that starts with
// one) into its ISBN-10. Any other text comes back unchanged. Expects the
// caller to have trimmed the text.
QString ConvertEanToIsbn(const QString &text);

// The first valid ISBN-10 inside `text`, normalised, or the empty text. Only
// 10- and 13-character windows starting at a digit are tried, so a hyphenated
// ISBN such as 0-596-00712-4 is found too.
QString FindIsbnInText(QStringView text);

// FindIsbnInText for a text that arrives in pieces (standard input, a large
// file): only the last few characters are kept between pieces, so memory
// stays flat however long the text is.
class CIsbnStreamFinder
{
public:
    // Takes the next piece; true once an ISBN has been found.
    bool Feed(QStringView piece);
    // Ends the text: the first ISBN in it, normalised, or the empty text.
    QString Finish();

private:
    QString m_pending;
    QString m_found;
};

// The short tag an e-book file name carries between its last "-" and its last
// "." (Title-Group.chm gives Group), trimmed; empty when there is none or it is
// longer than 10 characters.
QString ReleaseTagFromFileName(const QString &path);
