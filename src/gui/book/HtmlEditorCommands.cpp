#include "book/HtmlEditorCommands.h"

#include "frame/ThemeIcon.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>

namespace {

using C = EditorCondition;

const QList<CEditorCommand> kCommands = {
    {ID_EDITOR_CUT, "Cut", QT_TRANSLATE_NOOP("HtmlEditor", "Cut"), "edit-cut", "Ctrl+X", "cut",
     C::SupportedAndEnabled},
    {ID_EDITOR_COPY, "Copy", QT_TRANSLATE_NOOP("HtmlEditor", "Copy"), "edit-copy", "Ctrl+C", "copy",
     C::SupportedAndEnabled},
    {ID_EDITOR_PASTE, "Paste", QT_TRANSLATE_NOOP("HtmlEditor", "Paste"), "edit-paste", "Ctrl+V",
     "paste", C::SupportedAndEnabled},
    {ID_EDITOR_DELETE, "Delete", QT_TRANSLATE_NOOP("HtmlEditor", "Delete"), "edit-delete", "Del",
     "forwardDelete", C::SupportedAndEnabled},
    {0, nullptr, nullptr, nullptr, nullptr, nullptr, C::Always},
    {ID_EDITOR_BOLD, "Bold", QT_TRANSLATE_NOOP("HtmlEditor", "Bold"), "format-text-bold", "Ctrl+B",
     "bold", C::SupportedAndEnabled},
    {ID_EDITOR_UNDERLINE, "Underline", QT_TRANSLATE_NOOP("HtmlEditor", "Underline"),
     "format-text-underline", "Ctrl+U", "underline", C::SupportedAndEnabled},
    {ID_EDITOR_ITALIC, "Italic", QT_TRANSLATE_NOOP("HtmlEditor", "Italic"), "format-text-italic",
     "Ctrl+I", "italic", C::SupportedAndEnabled},
    {0, nullptr, nullptr, nullptr, nullptr, nullptr, C::Always},
    {ID_EDITOR_FONT, "Font", QT_TRANSLATE_NOOP("HtmlEditor", "Font"), "preferences-desktop-font",
     nullptr, "fontName", C::SupportedAndEnabled},
    {ID_EDITOR_BACKCOLOR, "BackgroundColor", QT_TRANSLATE_NOOP("HtmlEditor", "Background Color"),
     "format-fill-color", nullptr, "backColor", C::Always},
    {0, nullptr, nullptr, nullptr, nullptr, nullptr, C::Always},
    {ID_EDITOR_JUSTIFY_LEFT, "LeftJustify", QT_TRANSLATE_NOOP("HtmlEditor", "Left Justify"),
     "format-justify-left", nullptr, "justifyLeft", C::SupportedAndEnabled},
    {ID_EDITOR_JUSTIFY_CENTER, "Center", QT_TRANSLATE_NOOP("HtmlEditor", "Center"),
     "format-justify-center", nullptr, "justifyCenter", C::SupportedAndEnabled},
    {ID_EDITOR_JUSTIFY_RIGHT, "RightJustify", QT_TRANSLATE_NOOP("HtmlEditor", "Right Justify"),
     "format-justify-right", nullptr, "justifyRight", C::SupportedAndEnabled},
    {0, nullptr, nullptr, nullptr, nullptr, nullptr, C::Always},
    {ID_EDITOR_ORDERED_LIST, "OrderedList", QT_TRANSLATE_NOOP("HtmlEditor", "Ordered List"),
     "format-list-ordered", nullptr, "insertOrderedList", C::SupportedAndEnabled},
    {ID_EDITOR_UNORDERED_LIST, "UnorderedList", QT_TRANSLATE_NOOP("HtmlEditor", "Unordered List"),
     "format-list-unordered", nullptr, "insertUnorderedList", C::SupportedAndEnabled},
    {ID_EDITOR_OUTDENT, "Outdent", QT_TRANSLATE_NOOP("HtmlEditor", "Outdent"), "format-indent-less",
     nullptr, "outdent", C::SupportedAndEnabled},
    {ID_EDITOR_INDENT, "Indent", QT_TRANSLATE_NOOP("HtmlEditor", "Indent"), "format-indent-more",
     nullptr, "indent", C::SupportedAndEnabled},
    {0, nullptr, nullptr, nullptr, nullptr, nullptr, C::Always},
    {ID_EDITOR_HORIZONTAL_LINE, "HorizontalLine",
     QT_TRANSLATE_NOOP("HtmlEditor", "Horizontal Line"), "insert-horizontal-rule", nullptr,
     "insertHorizontalRule", C::SupportedAndEnabled},
    {ID_EDITOR_HYPERLINK, "AddHyperlink", QT_TRANSLATE_NOOP("HtmlEditor", "Add Hyperlink"),
     "insert-link", nullptr, "createLink", C::Supported},
    {ID_EDITOR_IMAGE, "InsertImage", QT_TRANSLATE_NOOP("HtmlEditor", "Insert image"),
     "insert-image", nullptr, "insertImage", C::Supported},
    {0, nullptr, nullptr, nullptr, nullptr, nullptr, C::Always},
    {ID_EDITOR_DESIGN_PREVIEW, "DesignPreview",
     QT_TRANSLATE_NOOP("HtmlEditor", "Switch Design/Preview Mode"), "document-print-preview",
     nullptr, nullptr, C::Always},
    {ID_EDITOR_SELECT_ALL, "SelectAll", nullptr, nullptr, "Ctrl+A", "selectAll",
     C::SupportedAndEnabled},
};

// Icons the desktop themes often lack, drawn in the text colour.
QIcon DrawnIcon(int id)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = QApplication::palette().color(QPalette::WindowText);
    painter.setPen(QPen(ink, 3, Qt::SolidLine, Qt::RoundCap));
    QFont font = painter.font();
    font.setBold(true);
    switch (id) {
    case ID_EDITOR_BACKCOLOR:
        painter.fillRect(QRect(3, 21, 26, 8), QColor(255, 214, 0));
        font.setPixelSize(20);
        painter.setFont(font);
        painter.drawText(QRect(0, 0, 32, 22), Qt::AlignCenter, QStringLiteral("A"));
        break;
    case ID_EDITOR_ORDERED_LIST:
    case ID_EDITOR_UNORDERED_LIST:
        font.setPixelSize(10);
        painter.setFont(font);
        for (int row = 0; row < 3; ++row) {
            const int y = 7 + row * 9;
            if (id == ID_EDITOR_ORDERED_LIST) {
                painter.drawText(QRect(1, y - 6, 9, 12), Qt::AlignCenter, QString::number(row + 1));
            } else {
                painter.setBrush(ink);
                painter.drawEllipse(QPointF(5, y), 2, 2);
            }
            painter.drawLine(13, y, 29, y);
        }
        break;
    case ID_EDITOR_HORIZONTAL_LINE:
        painter.drawLine(3, 16, 29, 16);
        painter.setPen(QPen(ink, 2, Qt::DotLine));
        painter.drawLine(3, 7, 22, 7);
        painter.drawLine(3, 25, 22, 25);
        break;
    default:
        return QIcon();
    }
    return QIcon(pixmap);
}

} // namespace

const QList<CEditorCommand> &EditorCommands()
{
    return kCommands;
}

const CEditorCommand *FindEditorCommand(int id)
{
    for (const CEditorCommand &command : kCommands) {
        if (command.id == id && id != 0)
            return &command;
    }
    return nullptr;
}

QString EditorCommandToolTip(const CEditorCommand &command)
{
    return command.toolTip ? QCoreApplication::translate("HtmlEditor", command.toolTip) : QString();
}

QKeySequence EditorCommandKey(const CEditorCommand &command)
{
    return command.keys ? QKeySequence(QString::fromLatin1(command.keys)) : QKeySequence();
}

QIcon EditorCommandIcon(const CEditorCommand &command)
{
    return ThemeIcon(QString::fromLatin1(command.iconName), DrawnIcon(command.id));
}
