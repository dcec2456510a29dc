#include "exchange/LanguageName.h"

#include "app/StringTable.h"

#include <QLocale>

namespace {

// String numbers of the language rows every new library has.
constexpr int kEnglishRow = 215;
constexpr int kChineseRow = 223;

} // namespace

QString LanguageNameFromCode(const QString &code)
{
    const QString trimmed = code.trimmed();
    if (trimmed.isEmpty() || trimmed.compare(QLatin1String("und"), Qt::CaseInsensitive) == 0)
        return QString();
    const QLocale::Language language =
        QLocale::codeToLanguage(trimmed.toLower(), QLocale::AnyLanguageCode);
    switch (language) {
    case QLocale::AnyLanguage:
    case QLocale::C:
        return trimmed;
    case QLocale::English:
        return LoadString(kEnglishRow);
    case QLocale::Chinese:
        return LoadString(kChineseRow);
    default:
        return QLocale::languageToString(language);
    }
}
