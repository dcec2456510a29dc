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

    // The built-in English text of string `id`.
    static QString English(int id);
};

// A message without a string number in the current interface language.
// `text` is the English text; the translation tools find it under the
// context "Messages" (MessageTexts.cpp lists the ones kept in constants).
QString TranslatedMessage(const char *text);

// Shorthand for CStringTable::Load.
QString LoadString(int id);

// Fills a message pattern: "%s" and "%d" take the arguments in order, "%1"
// to "%9" take them by position. "%%" gives a single percent sign.
QString FormatString(const QString &pattern, const QStringList &args);

// LoadString and FormatString in one step.
QString FormatMessage(int id, const QStringList &args);
