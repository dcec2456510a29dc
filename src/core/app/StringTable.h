#pragma once

#include <QString>
#include <QStringList>

class QTranslator;

// The program's message texts, keyed by their string numbers. The English
// texts are built in; a loaded interface language supplies translations.
class CStringTable
{
public:
    // Context under which the texts are found in a language file; the
    // string number is the disambiguation, so equal English texts with
    // different numbers can be translated differently.
    static constexpr const char *kContext = "StringTable";

    // The translator is not owned; nullptr returns to the built-in texts.
    static void SetTranslator(const QTranslator *translator);

    // The text of string `id` in the current interface language, or an empty
    // text when the number is unknown.
    static QString Load(int id);

    // The text of a counted string (one with "%n") in the form for `count`,
    // with "%n" filled in; English forms come from CEnglishPlurals.
    static QString LoadCounted(int id, int count);

    // The built-in English text of string `id`.
    static QString English(int id);
};

// A message without a string number in the current interface language.
// `text` is the English text; the translation tools find it under the
// context "Messages" (MessageTexts.cpp lists the ones kept in constants).
QString TranslatedMessage(const char *text);

// A counted message without a string number (see TranslatedMessage) in the
// form for `count`, with "%n" filled in.
QString TranslatedCountedMessage(const char *text, qint64 count);

// Shorthand for CStringTable::Load.
QString LoadString(int id);

// Fills a message pattern: "%s" and "%d" take the arguments in order, "%1"
// to "%9" take them by position. "%%" gives a single percent sign.
QString FormatString(const QString &pattern, const QStringList &args);

// LoadString and FormatString in one step.
QString FormatMessage(int id, const QStringList &args);

// LoadCounted and FormatString in one step: "%n" is `count`, "%1"... the
// arguments.
QString FormatCountedMessage(int id, int count, const QStringList &args = QStringList());
