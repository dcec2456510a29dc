#pragma once

#include "exchange/ForeignBook.h"

#include <QHash>
#include <QString>

class CBoundedXmlText;
struct _xmlNode;

// The fields a Tellico collection defines (its <fields> section), and how
// the values of one of its entries go to a foreign record: title, authors,
// publishing, series, rating, genres and keywords as categories, the read
// flag, and every other field as a "Title: value" line for Notes.
class CTellicoFields
{
public:
    // Reads one <field> element of the definitions.
    void AddDefinition(const _xmlNode *field, CBoundedXmlText &text);

    // Fills `book` from one <entry> element. `coverId` receives the image
    // id of its cover, `loaned` whether the entry is marked as lent out.
    // Texts that cannot be read (an external entity, a text over the
    // expansion budget) leave an error in `text`.
    void ReadEntry(const _xmlNode *entry, CBoundedXmlText &text, CForeignBook &book,
                   QString &coverId, bool &loaned) const;

    // The title the collection gives field `name` (the name itself when it
    // defines none).
    QString Title(const QString &name) const;

private:
    struct CDefinition
    {
        QString title;
        int type = 0;
        bool multiple = false; // the field takes several values
        double ratingMaximum = 5;
    };

    struct CEntryState
    {
        bool hasPlot = false;
        bool urlTaken = false;
        int languageIndex = -1;
    };

    void Place(const QString &name, const QString &value, CForeignBook &book, QString &coverId,
               bool &loaned, CEntryState &state) const;
    void PlaceRating(const QString &name, const QString &value, CForeignBook &book) const;
    bool IsType(const QString &name, int type) const;

    QHash<QString, CDefinition> m_definitions;
};
