#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

class QPageLayout;
class QPageRanges;
class QPrinter;
class QWebEnginePage;

// Prints a web page through the engine's PDF output, so that its text stays
// text: a printer that writes a PDF file gets the engine's PDF as it is, a
// printer of the print system gets it as a PDF job, and a print preview gets
// pictures of its pages. Paper, orientation, margins and the chosen pages
// are the printer's.
class CPagePrinter
{
    Q_DECLARE_TR_FUNCTIONS(CPagePrinter)

public:
    explicit CPagePrinter(QWebEnginePage &page) : m_page(page) {}

    // False when nothing was printed, with a message that says why and what
    // to do in `error`.
    bool Print(QPrinter &printer, QString *error);

    // The page as PDF laid out on `layout`; empty when the engine made none.
    QByteArray MakePdf(const QPageLayout &layout, const QPageRanges &ranges);

private:
    static bool WriteFile(const QByteArray &pdf, const QString &path, QString *error);
    static bool DrawPages(const QByteArray &pdf, QPrinter &printer, QString *error);

    QWebEnginePage &m_page;
};
