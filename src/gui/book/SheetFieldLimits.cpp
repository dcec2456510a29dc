#include "book/SheetFieldLimits.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>

namespace {

// What QLineEdit allows when nothing else is said.
constexpr int kUnlimited = 32767;

} // namespace

QString CSheetFieldLimits::PlainCaption(const QString &label)
{
    static const QRegularExpression bracketedKey(QStringLiteral("\\(&[^&]\\)"));
    QString text = label;
    text.remove(bracketedKey);
    QString plain;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size())
            ++i; // "&&" is one ampersand; "&h" is the letter h
        plain += text[i];
    }
    plain = plain.trimmed();
    while (plain.endsWith(u':') || plain.endsWith(QChar(0xFF1A)))
        plain.chop(1);
    return plain.trimmed();
}

QWidget *CSheetFieldLimits::Field(const QWidget &sheet, const CBookRecord::ColumnLimit &limit)
{
    return sheet.findChild<QWidget *>(QLatin1String(limit.Field));
}

QLineEdit *CSheetFieldLimits::TypingLine(QWidget *field)
{
    if (auto *edit = qobject_cast<QLineEdit *>(field))
        return edit;
    if (auto *list = qobject_cast<QComboBox *>(field))
        return list->lineEdit();
    return nullptr;
}

void CSheetFieldLimits::Lift(const QWidget &sheet)
{
    for (const CBookRecord::ColumnLimit &limit : CBookRecord::ColumnLimits()) {
        if (QLineEdit *line = TypingLine(Field(sheet, limit)))
            line->setMaxLength(kUnlimited);
    }
}

void CSheetFieldLimits::Apply(const QWidget &sheet)
{
    for (const CBookRecord::ColumnLimit &limit : CBookRecord::ColumnLimits()) {
        QLineEdit *line = TypingLine(Field(sheet, limit));
        if (!line)
            continue;
        // A shorter maximum would cut the loaded text without a word.
        const int cursor = line->cursorPosition();
        line->setMaxLength(qMax(limit.Limit, int(line->text().size())));
        line->setCursorPosition(cursor);
    }
}

QString CSheetFieldLimits::Caption(const QWidget &sheet, const CBookRecord::ColumnLimit &limit)
{
    const QWidget *field = Field(sheet, limit);
    if (field) {
        for (const QLabel *label : sheet.findChildren<QLabel *>()) {
            if (label->buddy() != field)
                continue;
            return PlainCaption(label->text());
        }
    }
    return QLatin1String(limit.Field);
}
