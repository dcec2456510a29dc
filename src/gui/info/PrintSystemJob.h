#pragma once

#include <QCoreApplication>
#include <QString>

class QPrinter;

// Hands a finished PDF file to the print system as one job for the printer
// chosen in `printer`, with its copies, collation, sides and colour. The
// print system renders the PDF itself, so its text reaches the printer as
// text.
class CPrintSystemJob
{
    Q_DECLARE_TR_FUNCTIONS(CPrintSystemJob)

public:
    // False, with a message naming the printer and saying what to do in
    // `error`, when the print system did not take the job.
    static bool Submit(const QString &pdfPath, const QPrinter &printer, QString *error);
};
