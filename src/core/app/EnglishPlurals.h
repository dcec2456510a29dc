#pragma once

#include <QTranslator>

// The English forms of counted texts. A counted text is written once, for
// every count, with its variable parts marked: "(s)" or "(es)" after a word
// that takes it only for a count other than one, and "[one|other]" for parts
// that differ otherwise ("%n [book goes|books go]"). Language files give each
// language its own forms; English, which has no language file, takes them
// from here, as does any text a language file lacks.
class CEnglishPlurals : public QTranslator
{
public:
    using QTranslator::QTranslator;

    // `source` with its variable parts resolved for `count`; "%n" stays.
    static QString Resolve(const QString &source, int count);

    // Resolves the counted texts asked for with a count; other texts are
    // left to the next translator.
    QString translate(const char *context, const char *sourceText,
                      const char *disambiguation = nullptr, int n = -1) const override;
    bool isEmpty() const override { return false; }

    // Installs the program's instance, to be searched after the translators
    // installed later (the language file). Does nothing without an
    // application object.
    static void InstallBelowOthers();
};
