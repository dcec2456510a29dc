#pragma once

#include "db/FieldValue.h"

#include <QString>

// Kinds of SQL literal that FormatSqlLiteral writes. Any value of 4 or more
// gives the trimmed text itself, unquoted.
enum SqlLiteralKind
{
    kLiteralText = 0,
    kLiteralInteger = 1,
    kLiteralNumber = 2,
    kLiteralDate = 3,
    kLiteralRaw = 4
};

// Turns a field's text into an SQL literal of the given kind ("NULL" for
// empty or blank text). Never fails: an integer that cannot be read becomes
// 0, a date NULL; an amount that cannot be read for sure (ReadAmount) stays
// a quoted text, which the number columns keep as it was written.
QString FormatSqlLiteral(const QString &text, int kind);

// Turns a value read from the database into the text the program holds.
QString FormatFieldValue(const CFieldValue &value);

// Size of the file at path in megabytes with two decimals, e.g. "3.00 MB".
QString FormatFileSizeMb(const QString &path);
