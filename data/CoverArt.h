#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>

class QPainter;

// Draws a book's front cover from its texts: one of several layouts of
// simple shapes in one of several colour schemes, both picked by the book's
// identifier so that neighbouring books look different.
class CCoverArt
{
public:
    struct Book
    {
        int id = 0;
        QString title;
        QString subtitle;
        QString author; // authors joined with " / ", as the library stores them
    };

    static constexpr int kWidth = 360;
    static constexpr int kHeight = 540;

    static QImage Draw(const Book &book);

private:
    struct Palette
    {
        QColor paper;
        QColor accent;
        QColor second;
    };

    CCoverArt(const Book &book, QPainter &painter);

    void DrawFramed();
    void DrawBand();
    void DrawCircles();
    void DrawStripes();
    void DrawDots();
    void DrawHorizon();
    void DrawBlocks();
    void DrawSpine();

    // The title, and the subtitle below it when there is room, in the largest
    // size up to `maxPixels` that fits `rect`. Gives the bottom of what it drew.
    int DrawTitle(const QRect &rect, const QFont &face, int maxPixels, int align,
                  const QColor &color);
    void DrawAuthor(const QRect &rect, const QFont &face, int maxPixels, int align,
                    const QColor &color);

    static Palette PaletteFor(int id);
    static QColor TextOn(const QColor &background);
    static QFont Serif(bool bold, bool italic = false);
    static QFont Sans(bool bold);
    static QString AuthorLine(const QString &stored);

    const Book &m_book;
    QPainter &m_painter;
    Palette m_palette;
};
