#include "db/SimilarNames.h"

#include <QHash>
#include <QSet>
#include <QStringList>

#include <algorithm>

namespace {

// Words at the end of a company's name that tell only its legal form or its
// trade, in the forms left after accents and letter case are set aside.
const QSet<QString> &CompanyWords()
{
    static const QSet<QString> words = {
        QStringLiteral("inc"),
        QStringLiteral("incorporated"),
        QStringLiteral("ltd"),
        QStringLiteral("limited"),
        QStringLiteral("llc"),
        QStringLiteral("llp"),
        QStringLiteral("plc"),
        QStringLiteral("co"),
        QStringLiteral("corp"),
        QStringLiteral("corporation"),
        QStringLiteral("company"),
        QStringLiteral("gmbh"),
        QStringLiteral("ag"),
        QStringLiteral("sa"),
        QStringLiteral("srl"),
        QStringLiteral("spa"),
        QStringLiteral("bv"),
        QStringLiteral("nv"),
        QStringLiteral("pty"),
        QStringLiteral("sons"),
        QStringLiteral("publishing"),
        QStringLiteral("publishers"),
        QStringLiteral("publisher"),
        QStringLiteral("publications"),
        QStringLiteral("pub"),
        QStringLiteral("pubs"),
        QStringLiteral("press"),
        QStringLiteral("books"),
        QStringLiteral("professional"),
        QStringLiteral("ptr"),
        QStringLiteral("media"),
        QStringLiteral("group"),
        QStringLiteral("international"),
        QStringLiteral("intl"),
        QStringLiteral("verlag"),
        QStringLiteral("editions"),
        QStringLiteral("editore"),
        QStringLiteral("editori"),
        QStringLiteral("edizioni"),
        QStringLiteral("ediciones"),
        QStringLiteral("editorial"),
        QStringLiteral("com"),
        QStringLiteral("net"),
        QStringLiteral("org"),
    };
    return words;
}

bool JoinsWord(QChar c)
{
    // O'Reilly is one word, whichever apostrophe it is written with.
    return c == u'\'' || c == QChar(0x2019) || c == QChar(0x02BC);
}

QStringList Words(const QString &name)
{
    QString plain = name.normalized(QString::NormalizationForm_KD);
    plain.removeIf([](QChar c) { return c.category() == QChar::Mark_NonSpacing; });
    plain = plain.toCaseFolded();
    QStringList words;
    QString word;
    for (const QChar c : std::as_const(plain)) {
        if (c.isLetterOrNumber()) {
            word += c;
        } else if (!JoinsWord(c)) {
            if (!word.isEmpty())
                words += word;
            word.clear();
            if (c == u'&' || c == u'+')
                words += QStringLiteral("and");
        }
    }
    if (!word.isEmpty())
        words += word;
    return words;
}

} // namespace

bool CSimilarNames::AreCompanyNames(NameKind kind)
{
    return kind == NameKind::Publisher || kind == NameKind::Store;
}

QString CSimilarNames::Key(const QString &name, bool companyName)
{
    QStringList words = Words(name);
    if (companyName) {
        // "Simon & Schuster" is "Simon and Schuster", and "The MIT Press" is
        // "MIT Press"; at least one word always stays.
        if (words.size() > 1 && words.first() == QStringLiteral("the"))
            words.removeFirst();
        while (words.size() > 1 && CompanyWords().contains(words.last()))
            words.removeLast();
        if (words.size() > 1)
            words.removeAll(QStringLiteral("and"));
    }
    return words.join(QString());
}

QVector<QVector<int>> CSimilarNames::Groups(const QVector<CNameUse> &names, NameKind kind)
{
    const bool company = AreCompanyNames(kind);
    QHash<QString, int> groupOfKey;
    QVector<QVector<int>> groups;
    for (int i = 0; i < names.size(); ++i) {
        const QString key = Key(names[i].name, company);
        const auto known = groupOfKey.constFind(key);
        if (known == groupOfKey.constEnd()) {
            groupOfKey.insert(key, groups.size());
            groups.append(QVector<int>{i});
        } else {
            groups[*known].append(i);
        }
    }
    groups.erase(std::remove_if(groups.begin(), groups.end(),
                                [](const QVector<int> &group) { return group.size() < 2; }),
                 groups.end());
    return groups;
}
