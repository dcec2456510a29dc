#include "CoverArt.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStringList>

#include <algorithm>
#include <array>

namespace {

constexpr int W = CCoverArt::kWidth;
constexpr int H = CCoverArt::kHeight;
constexpr int kMargin = 30;
constexpr int kLayouts = 7;

// The largest pixel size, from `maxPixels` down, at which `text` wraps into
// `rect` without breaking a word.
QFont FittingFont(QFont font, const QString &text, const QRect &rect, int maxPixels, int align)
{
    for (int size = maxPixels; size > 10; --size) {
        font.setPixelSize(size);
        const QRect needed = QFontMetrics(font).boundingRect(rect, align | Qt::TextWordWrap, text);
        if (needed.height() <= rect.height() && needed.width() <= rect.width())
            return font;
    }
    font.setPixelSize(10);
    return font;
}

int TextHeight(const QFont &font, const QRect &rect, int align, const QString &text)
{
    return QFontMetrics(font).boundingRect(rect, align | Qt::TextWordWrap, text).height();
}

} // namespace

QImage CCoverArt::Draw(const Book &book)
{
    QImage image(W, H, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    CCoverArt art(book, painter);
    switch (book.id % kLayouts) {
    case 0:
        art.DrawFramed();
        break;
    case 1:
        art.DrawBand();
        break;
    case 2:
        art.DrawCircles();
        break;
    case 3:
        art.DrawStripes();
        break;
    case 4:
        art.DrawDots();
        break;
    case 5:
        art.DrawHorizon();
        break;
    default:
        art.DrawBlocks();
        break;
    }
    art.DrawSpine();
    return image;
}

CCoverArt::CCoverArt(const Book &book, QPainter &painter)
    : m_book(book), m_painter(painter), m_palette(PaletteFor(book.id))
{
    m_painter.fillRect(0, 0, W, H, m_palette.paper);
}

CCoverArt::Palette CCoverArt::PaletteFor(int id)
{
    // 13 schemes against 7 layouts: no two of the first 91 books share both.
    static const std::array<Palette, 13> palettes = {{
        {QColor(0x1d3557), QColor(0xe9c46a), QColor(0x457b9d)},
        {QColor(0x7f1d1d), QColor(0xf4a261), QColor(0xb5838d)},
        {QColor(0x2d6a4f), QColor(0x95d5b2), QColor(0xd8f3dc)},
        {QColor(0xf4ecd8), QColor(0xbc4749), QColor(0x386641)},
        {QColor(0x22223b), QColor(0xc9ada7), QColor(0x4a4e69)},
        {QColor(0x006d77), QColor(0xffddd2), QColor(0xe29578)},
        {QColor(0xe9b44c), QColor(0x1b998b), QColor(0x50514f)},
        {QColor(0x5a189a), QColor(0xff9e00), QColor(0xe0aaff)},
        {QColor(0xcaf0f8), QColor(0x0077b6), QColor(0x03045e)},
        {QColor(0x9c6644), QColor(0xede0d4), QColor(0x582f0e)},
        {QColor(0x111111), QColor(0xe63946), QColor(0xf1faee)},
        {QColor(0xb7c4a4), QColor(0x344e41), QColor(0xdad7cd)},
        {QColor(0xee6c4d), QColor(0x293241), QColor(0xe0fbfc)},
    }};
    return palettes[static_cast<size_t>(id) % palettes.size()];
}

QColor CCoverArt::TextOn(const QColor &background)
{
    const double luminance =
        0.2126 * background.redF() + 0.7152 * background.greenF() + 0.0722 * background.blueF();
    return luminance > 0.5 ? QColor(0x1e1e24) : QColor(0xfbf8f1);
}

QFont CCoverArt::Serif(bool bold, bool italic)
{
    QFont font;
    font.setFamilies({QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    font.setStyleHint(QFont::Serif);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont CCoverArt::Sans(bool bold)
{
    QFont font;
    font.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    return font;
}

QString CCoverArt::AuthorLine(const QString &stored)
{
    // Lines break between authors, never inside a name.
    QStringList names = stored.split(QStringLiteral(" / "));
    for (QString &name : names)
        name.replace(u' ', QChar(0x00a0));
    return names.join(QStringLiteral("\u00a0\u00b7 "));
}

int CCoverArt::DrawTitle(const QRect &rect, const QFont &face, int maxPixels, int align,
                         const QColor &color)
{
    const int horizontal = align & Qt::AlignHorizontal_Mask;
    const bool hasSubtitle = !m_book.subtitle.isEmpty();
    QRect titleBox = rect;
    if (hasSubtitle)
        titleBox.setHeight(rect.height() * 70 / 100);
    const QFont titleFont = FittingFont(face, m_book.title, titleBox, maxPixels, horizontal);
    const int titleHeight = TextHeight(titleFont, titleBox, horizontal, m_book.title);

    QFont subtitleFont = face;
    subtitleFont.setBold(false);
    subtitleFont.setItalic(true);
    const QRect subtitleBox(rect.left(), 0, rect.width(), rect.height() - titleHeight - 8);
    const int subtitleMax = std::min(20, std::max(12, titleFont.pixelSize() * 45 / 100));
    subtitleFont = FittingFont(subtitleFont, m_book.subtitle, subtitleBox, subtitleMax, horizontal);
    const int subtitleHeight =
        hasSubtitle ? 8 + TextHeight(subtitleFont, subtitleBox, horizontal, m_book.subtitle) : 0;

    const int block = titleHeight + subtitleHeight;
    int top = rect.top();
    if (align & Qt::AlignVCenter)
        top += (rect.height() - block) / 2;
    else if (align & Qt::AlignBottom)
        top = rect.bottom() - block;

    m_painter.setPen(color);
    m_painter.setFont(titleFont);
    m_painter.drawText(QRect(rect.left(), top, rect.width(), titleHeight),
                       horizontal | Qt::TextWordWrap, m_book.title);
    if (hasSubtitle) {
        m_painter.setFont(subtitleFont);
        m_painter.drawText(
            QRect(rect.left(), top + titleHeight + 8, rect.width(), subtitleHeight - 8),
            horizontal | Qt::TextWordWrap, m_book.subtitle);
    }
    return top + block;
}

void CCoverArt::DrawAuthor(const QRect &rect, const QFont &face, int maxPixels, int align,
                           const QColor &color)
{
    const QString author = AuthorLine(m_book.author);
    m_painter.setPen(color);
    m_painter.setFont(FittingFont(face, author, rect, maxPixels, align));
    m_painter.drawText(rect, align | Qt::TextWordWrap, author);
}

// A double rule around the page, the title in the upper half, an ornament and
// the author below: the look of a classic library edition.
void CCoverArt::DrawFramed()
{
    const QColor ink = TextOn(m_palette.paper);
    m_painter.setBrush(Qt::NoBrush);
    m_painter.setPen(QPen(m_palette.accent, 3));
    m_painter.drawRect(QRectF(18, 18, W - 36, H - 36));
    m_painter.setPen(QPen(m_palette.accent, 1));
    m_painter.drawRect(QRectF(26, 26, W - 52, H - 52));

    DrawTitle(QRect(kMargin + 18, 70, W - 2 * kMargin - 36, 230), Serif(true), 46,
              Qt::AlignHCenter | Qt::AlignVCenter, ink);

    // Ornament: a diamond between two rules.
    const double y = 330;
    m_painter.setPen(QPen(m_palette.accent, 1.5));
    m_painter.drawLine(QPointF(W / 2.0 - 80, y), QPointF(W / 2.0 - 16, y));
    m_painter.drawLine(QPointF(W / 2.0 + 16, y), QPointF(W / 2.0 + 80, y));
    QPainterPath diamond;
    diamond.moveTo(W / 2.0, y - 9);
    diamond.lineTo(W / 2.0 + 9, y);
    diamond.lineTo(W / 2.0, y + 9);
    diamond.lineTo(W / 2.0 - 9, y);
    diamond.closeSubpath();
    m_painter.fillPath(diamond, m_palette.accent);

    DrawAuthor(QRect(kMargin + 18, 360, W - 2 * kMargin - 36, 80), Serif(false, true), 24,
               Qt::AlignHCenter | Qt::AlignTop, ink);

    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(m_palette.second);
    m_painter.drawEllipse(QPointF(W / 2.0, H - 70), 12, 12);
    m_painter.setBrush(m_palette.accent);
    m_painter.drawEllipse(QPointF(W / 2.0, H - 70), 5, 5);
}

// A broad band across the middle carries the title; the author stands above.
void CCoverArt::DrawBand()
{
    const QRect band(0, 180, W, 210);
    m_painter.fillRect(band, m_palette.accent);
    m_painter.fillRect(QRect(0, band.top() - 10, W, 4), m_palette.second);
    m_painter.fillRect(QRect(0, band.bottom() + 7, W, 4), m_palette.second);

    QFont authorFace = Sans(false);
    authorFace.setCapitalization(QFont::AllUppercase);
    authorFace.setLetterSpacing(QFont::PercentageSpacing, 112);
    DrawAuthor(QRect(kMargin, 60, W - 2 * kMargin, 90), authorFace, 20,
               Qt::AlignHCenter | Qt::AlignVCenter, TextOn(m_palette.paper));
    DrawTitle(band.adjusted(kMargin, 18, -kMargin, -18), Serif(true), 44,
              Qt::AlignHCenter | Qt::AlignVCenter, TextOn(m_palette.accent));

    m_painter.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        m_painter.setBrush(i == 1 ? m_palette.accent : m_palette.second);
        m_painter.drawEllipse(QPointF(W / 2.0 + (i - 1) * 34, H - 80), 9, 9);
    }
}

// Rings rising from the lower right corner; the title at the top left.
void CCoverArt::DrawCircles()
{
    const QPointF centre(W * 0.84, H * 0.84);
    const std::array<double, 4> radii = {190, 142, 94, 48};
    m_painter.setPen(Qt::NoPen);
    for (size_t i = 0; i < radii.size(); ++i) {
        m_painter.setBrush(i % 2 == 0 ? m_palette.accent : m_palette.second);
        m_painter.drawEllipse(centre, radii[i], radii[i]);
    }
    const QColor ink = TextOn(m_palette.paper);
    const int bottom = DrawTitle(QRect(kMargin, 44, W - 2 * kMargin, 150), Sans(true), 40,
                                 Qt::AlignLeft | Qt::AlignTop, ink);
    m_painter.fillRect(QRect(kMargin, bottom + 16, 48, 5), m_palette.accent);
    DrawAuthor(QRect(kMargin, bottom + 30, W - 2 * kMargin - 60, 56), Sans(false), 21,
               Qt::AlignLeft | Qt::AlignTop, ink);
}

// Diagonal stripes over the top, the title on a plain panel below them.
void CCoverArt::DrawStripes()
{
    m_painter.save();
    m_painter.setClipRect(QRect(0, 0, W, 260));
    m_painter.setPen(QPen(m_palette.accent, 16));
    for (int x = -H; x < W + H; x += 38)
        m_painter.drawLine(QPointF(x, 0), QPointF(x + 260, 260));
    m_painter.restore();

    const QRect panel(kMargin, 200, W - 2 * kMargin, 260);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(m_palette.second);
    m_painter.drawRoundedRect(panel, 6, 6);
    const QColor ink = TextOn(m_palette.second);
    DrawTitle(panel.adjusted(20, 22, -20, -90), Serif(true), 40,
              Qt::AlignHCenter | Qt::AlignVCenter, ink);
    m_painter.fillRect(QRect(W / 2 - 30, panel.bottom() - 78, 60, 3), m_palette.accent);
    DrawAuthor(panel.adjusted(20, panel.height() - 68, -20, -14), Serif(false, true), 20,
               Qt::AlignHCenter | Qt::AlignVCenter, ink);
    m_painter.fillRect(QRect(0, H - 36, W, 36), m_palette.accent);
}

// A field of dots that grow towards the foot of the page; a bold title above.
void CCoverArt::DrawDots()
{
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(m_palette.accent);
    for (int y = 330; y < H; y += 24) {
        const double radius = 1.5 + (y - 330) * 0.045;
        for (int x = 24; x < W; x += 24)
            m_painter.drawEllipse(QPointF(x, y), radius, radius);
    }
    const QColor ink = TextOn(m_palette.paper);
    DrawTitle(QRect(kMargin, 56, W - 2 * kMargin, 190), Sans(true), 44,
              Qt::AlignLeft | Qt::AlignBottom, ink);
    m_painter.fillRect(QRect(kMargin, 258, 90, 8), m_palette.second);
    DrawAuthor(QRect(kMargin, 276, W - 2 * kMargin, 48), Sans(false), 21,
               Qt::AlignLeft | Qt::AlignTop, ink);
}

// A sun over layered hills under an evening sky.
void CCoverArt::DrawHorizon()
{
    QLinearGradient sky(0, 0, 0, H);
    sky.setColorAt(0, m_palette.paper);
    sky.setColorAt(0.7, m_palette.paper.lighter(135));
    m_painter.fillRect(QRect(0, 0, W, H), sky);

    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(m_palette.accent);
    m_painter.drawEllipse(QPointF(W / 2.0, 330), 70, 70);

    const std::array<double, 3> tops = {350, 385, 425};
    for (size_t i = 0; i < tops.size(); ++i) {
        QPainterPath hill;
        hill.moveTo(0, tops[i] + 30);
        hill.cubicTo(W * 0.3, tops[i] - 20 + 15.0 * i, W * 0.6, tops[i] + 40, W, tops[i]);
        hill.lineTo(W, H);
        hill.lineTo(0, H);
        hill.closeSubpath();
        m_painter.fillPath(hill, i == 1 ? m_palette.second : m_palette.second.darker(115 + 25 * i));
    }

    DrawTitle(QRect(kMargin, 46, W - 2 * kMargin, 190), Serif(true), 44,
              Qt::AlignHCenter | Qt::AlignVCenter, TextOn(m_palette.paper));
    DrawAuthor(QRect(kMargin, H - 80, W - 2 * kMargin, 50), Serif(false, true), 21,
               Qt::AlignHCenter | Qt::AlignVCenter, TextOn(m_palette.second.darker(165)));
}

// Blocks of colour divided by heavy rules along the top; title and author below.
void CCoverArt::DrawBlocks()
{
    const QColor rule = TextOn(m_palette.paper);
    m_painter.fillRect(QRect(0, 0, 100, 170), m_palette.accent);
    m_painter.fillRect(QRect(100, 0, 170, 80), m_palette.second);
    m_painter.fillRect(QRect(270, 80, 90, 90), m_palette.accent.darker(120));
    m_painter.setPen(QPen(rule, 6, Qt::SolidLine, Qt::FlatCap));
    m_painter.drawLine(0, 170, W, 170);
    m_painter.drawLine(100, 0, 100, 170);
    m_painter.drawLine(270, 0, 270, 170);
    m_painter.drawLine(100, 80, 270, 80);
    m_painter.drawLine(270, 80, W, 80);

    DrawTitle(QRect(kMargin, 200, W - 2 * kMargin, 210), Sans(true), 40,
              Qt::AlignLeft | Qt::AlignVCenter, rule);
    m_painter.fillRect(QRect(kMargin, H - 92, 22, 22), m_palette.accent);
    DrawAuthor(QRect(kMargin + 34, H - 110, W - 2 * kMargin - 34, 60), Sans(false), 21,
               Qt::AlignLeft | Qt::AlignVCenter, rule);
}

// A shadow along the left edge, where the cover meets the spine.
void CCoverArt::DrawSpine()
{
    QLinearGradient shadow(0, 0, 16, 0);
    shadow.setColorAt(0, QColor(0, 0, 0, 90));
    shadow.setColorAt(0.35, QColor(255, 255, 255, 40));
    shadow.setColorAt(1, QColor(0, 0, 0, 0));
    m_painter.fillRect(QRect(0, 0, 16, H), shadow);
}
