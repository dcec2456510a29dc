#include "info/PagePrinter.h"

#include "info/PrintSystemJob.h"

#include <QDir>
#include <QEventLoop>
#include <QImage>
#include <QPageLayout>
#include <QPageRanges>
#include <QPaintEngine>
#include <QPainter>
#include <QPdfDocument>
#include <QPointer>
#include <QPrinter>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QWebEnginePage>

namespace {

// Pictures of the pages for the preview: sharp on a screen, small enough
// to keep dozens of pages.
constexpr double kPreviewDotsPerInch = 150.0;

// The PDF in a temporary file of its own, for readers that take a file.
bool WriteTemporaryPdf(const QByteArray &pdf, QTemporaryFile &file)
{
    file.setFileTemplate(QDir(QDir::tempPath()).filePath(QStringLiteral("Tomelodex-XXXXXX.pdf")));
    return file.open() && file.write(pdf) == pdf.size() && file.flush();
}

} // namespace

QByteArray CPagePrinter::MakePdf(const QPageLayout &layout, const QPageRanges &ranges)
{
    // The engine writes the PDF in the background; the print dialogs want
    // the pages done when the call returns.
    QByteArray pdf;
    QEventLoop loop;
    QPointer<QEventLoop> waiting(&loop);
    m_page.printToPdf(
        [&pdf, waiting](const QByteArray &result) {
            if (!waiting)
                return;
            pdf = result;
            waiting->quit();
        },
        layout, ranges);
    loop.exec();
    return pdf;
}

bool CPagePrinter::Print(QPrinter &printer, QString *error)
{
    const QByteArray pdf = MakePdf(printer.pageLayout(), printer.pageRanges());
    if (pdf.isEmpty()) {
        *error = tr("The page could not be prepared for printing. Refresh it and print again.");
        return false;
    }
    // Only a printer that is really printing paints with the PDF engine; the
    // preview paints into pictures of its own.
    const QPaintEngine *engine = printer.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Pdf)
        return DrawPages(pdf, printer, error);
    if (printer.outputFormat() == QPrinter::PdfFormat)
        return WriteFile(pdf, printer.outputFileName(), error);

    QTemporaryFile file;
    if (!WriteTemporaryPdf(pdf, file)) {
        *error = tr("The page could not be written to the temporary folder %1: %2. Make room "
                    "there and print again.")
                     .arg(QDir::toNativeSeparators(QDir::tempPath()), file.errorString());
        return false;
    }
    return CPrintSystemJob::Submit(file.fileName(), printer, error);
}

bool CPagePrinter::WriteFile(const QByteArray &pdf, const QString &path, QString *error)
{
    QSaveFile file(path);
    if (!path.isEmpty() && file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size() &&
        file.commit())
        return true;
    *error = tr("The PDF file \"%1\" could not be written: %2. Print again and choose a "
                "folder you may write to.")
                 .arg(QDir::toNativeSeparators(path), file.errorString());
    return false;
}

bool CPagePrinter::DrawPages(const QByteArray &pdf, QPrinter &printer, QString *error)
{
    QTemporaryFile file;
    QPdfDocument document;
    QPainter painter;
    if (!WriteTemporaryPdf(pdf, file) ||
        document.load(file.fileName()) != QPdfDocument::Error::None || !painter.begin(&printer)) {
        *error = tr("The pages could not be shown. Close the preview and try again.");
        return false;
    }
    // The PDF's pages carry their margins, so each fills the whole sheet,
    // whose corner lies before the printable area the painter starts at.
    const QRectF pageArea = printer.pageRect(QPrinter::DevicePixel);
    const QRectF sheet = printer.paperRect(QPrinter::DevicePixel).translated(-pageArea.topLeft());
    for (int index = 0; index < document.pageCount(); ++index) {
        if (index > 0)
            printer.newPage();
        const QSizeF points = document.pagePointSize(index);
        const QSize pixels = (points * kPreviewDotsPerInch / 72.0).toSize();
        painter.drawImage(sheet, document.render(index, pixels));
    }
    painter.end();
    return true;
}
