#pragma once

#include <QString>

// The name this program gives a language (the one a book's Language field
// holds) for the ISO 639 code another catalogue stores: "eng" or "en" gives
// "English", "fra", "fre" or "fr" gives "French". English and Chinese take
// the names of a new library's own language rows in the interface language,
// so imported books join them. A code no standard knows is returned as it
// came; a blank one or "und" (undetermined) gives an empty text.
QString LanguageNameFromCode(const QString &code);
