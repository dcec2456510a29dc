#include "info/PrintSystemJob.h"

#include <QFile>
#include <QPrinter>
#include <QStringList>

#include <cups/cups.h>

namespace {

// The options of a job, freed with it.
class CJobOptions
{
public:
    CJobOptions() = default;
    CJobOptions(const CJobOptions &) = delete;
    CJobOptions &operator=(const CJobOptions &) = delete;
    ~CJobOptions() { cupsFreeOptions(m_count, m_options); }

    // The options saved for a printer (or an instance of one: "name/instance").
    void AddSavedOptionsOf(const QByteArray &printer, const QByteArray &instance)
    {
        cups_dest_t *destinations = nullptr;
        const int count = cupsGetDests(&destinations);
        const cups_dest_t *destination =
            cupsGetDest(printer.constData(), instance.isEmpty() ? nullptr : instance.constData(),
                        count, destinations);
        for (int i = 0; destination && i < destination->num_options; ++i)
            Add(destination->options[i].name, destination->options[i].value);
        cupsFreeDests(count, destinations);
    }
    void Add(const char *name, const QByteArray &value)
    {
        m_count = cupsAddOption(name, value.constData(), m_count, &m_options);
    }
    int Count() const { return m_count; }
    cups_option_t *Options() const { return m_options; }

private:
    int m_count = 0;
    cups_option_t *m_options = nullptr;
};

const char *SidesOf(QPrinter::DuplexMode duplex)
{
    switch (duplex) {
    case QPrinter::DuplexNone:
        return "one-sided";
    case QPrinter::DuplexLongSide:
        return "two-sided-long-edge";
    case QPrinter::DuplexShortSide:
        return "two-sided-short-edge";
    case QPrinter::DuplexAuto:
        break;
    }
    return nullptr; // the printer's own default
}

} // namespace

bool CPrintSystemJob::Submit(const QString &pdfPath, const QPrinter &printer, QString *error)
{
    // What the printer keeps first, then what was chosen in the dialog. The
    // print system recognises the PDF by its content.
    const QStringList nameAndInstance = printer.printerName().split(u'/');
    const QByteArray name = nameAndInstance.value(0).toUtf8();
    CJobOptions options;
    options.AddSavedOptionsOf(name, nameAndInstance.value(1).toUtf8());
    options.Add("copies", QByteArray::number(qMax(1, printer.copyCount())));
    options.Add("collate", printer.collateCopies() ? "true" : "false");
    if (const char *sides = SidesOf(printer.duplex()))
        options.Add("sides", sides);
    if (printer.colorMode() == QPrinter::GrayScale)
        options.Add("print-color-mode", "monochrome");

    const QByteArray title =
        printer.docName().isEmpty() ? QByteArray("Tomelodex") : printer.docName().toUtf8();
    if (cupsPrintFile(name.constData(), QFile::encodeName(pdfPath).constData(), title.constData(),
                      options.Count(), options.Options()) > 0)
        return true;
    *error = tr("The printer \"%1\" did not take the pages: %2. Check that it is switched on "
                "and connected, or choose another printer, and print again.")
                 .arg(printer.printerName(), QString::fromUtf8(cupsLastErrorString()));
    return false;
}
