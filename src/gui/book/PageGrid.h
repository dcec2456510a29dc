#pragma once

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

// The two-column form of the sheet's pages: label, field, label, field.
// Fields are made in reading order, so Tab walks the page as it reads.
class CPageGrid : public QGridLayout
{
public:
    using QGridLayout::QGridLayout;

    // Puts `text` (with its mnemonic) as the buddy label of `field` at `row`,
    // in the left (0) or right (1) pair, or across both with `wide`.
    QLabel *AddField(int row, int pair, const QString &text, QWidget *field, bool wide = false)
    {
        auto *label = new QLabel(text, parentWidget());
        label->setBuddy(field);
        addWidget(label, row, pair * 2);
        addWidget(field, row, pair * 2 + 1, 1, wide ? 3 : 1);
        setColumnStretch(pair * 2 + 1, 1);
        return label;
    }
};

inline QLineEdit *MakePageEdit(const char *objectName, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(objectName));
    return edit;
}

// After filling a page: long texts are shown from their start.
inline void ShowTextStarts(QWidget *page)
{
    for (QLineEdit *edit : page->findChildren<QLineEdit *>())
        edit->setCursorPosition(0);
}
