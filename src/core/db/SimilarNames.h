#pragma once

#include "db/NameTidy.h"

#include <QString>
#include <QVector>

// Names that look like spellings of one name: equal once letter case,
// accents, spaces and punctuation are set aside ("Addison-Wesley", "addison
// wesley"), and for the names of companies (publishers, stores) once the
// words that only say what kind of company it is are dropped from the end
// ("Addison-Wesley Professional", "O'Reilly Media, Inc.", "Amazon.com").
class CSimilarNames
{
public:
    CSimilarNames() = delete;

    // Whether the names of `kind` are company names.
    static bool AreCompanyNames(NameKind kind);

    // The text two similar names share.
    static QString Key(const QString &name, bool companyName);

    // The groups of two or more of `names` that share a key: each a list of
    // indexes into `names` in their order there, the groups in the order of
    // their first names.
    static QVector<QVector<int>> Groups(const QVector<CNameUse> &names, NameKind kind);
};
