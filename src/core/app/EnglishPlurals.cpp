#include "app/EnglishPlurals.h"

#include <QCoreApplication>
#include <QPointer>
#include <QRegularExpression>

QString CEnglishPlurals::Resolve(const QString &source, int count)
{
    const bool one = count == 1;
    static const QRegularExpression marks(QStringLiteral(R"(\((e?s)\)|\[([^|\]]*)\|([^\]]*)\])"));
    QString result;
    result.reserve(source.size());
    qsizetype last = 0;
    for (auto it = marks.globalMatch(source); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        result += QStringView(source).mid(last, match.capturedStart() - last);
        if (match.capturedLength(1) > 0)
            result += one ? QString() : match.captured(1);
        else
            result += match.captured(one ? 2 : 3);
        last = match.capturedEnd();
    }
    result += QStringView(source).mid(last);
    return result;
}

QString CEnglishPlurals::translate(const char *, const char *sourceText, const char *, int n) const
{
    if (n < 0 || !sourceText)
        return QString();
    return Resolve(QString::fromUtf8(sourceText), n);
}

void CEnglishPlurals::InstallBelowOthers()
{
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return;
    // One per application object. Translators are searched from the last
    // installed: the caller installs the language file after this.
    static QPointer<CEnglishPlurals> english;
    if (!english)
        english = new CEnglishPlurals(app);
    QCoreApplication::removeTranslator(english);
    QCoreApplication::installTranslator(english);
}
