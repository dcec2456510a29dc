#include "CliCommands.h"

#include "app/StringTable.h"
#include "app/TomeloApp.h"
#include "db/DbAccess.h"
#include "db/LibraryConnection.h"
#include "db/TomeloDoc.h"
#include "xml/BookXmlWriter.h"
#include "xml/XmlImport.h"

namespace {

int CmdExportXml(const QStringList &args)
{
    QStringList plain = args;
    QString output;
    const bool toFile = TakeOption(plain, QStringLiteral("-o"), &output);
    if ((toFile && output.isEmpty()) || !CheckPlainArgs(plain, int(plain.size())) ||
        plain.size() < 2)
        return UsageError(
            QStringLiteral("usage: tomelodex-cli export-xml LIBRARY ID... [-o FILE]"));
    QVector<quint32> ids;
    if (!ParseBookIds(plain.mid(1), QStringLiteral("export-xml"), &ids))
        return kExitUsage;
    CTomeloDoc doc;
    if (!doc.OnOpenDocument(plain.at(0)))
        return kExitFailed;
    const QString xml = BuildBooksXml(ids, *doc.m_connection, TomeloApp().m_imagesDir);
    if (!toFile) {
        PrintOutRaw(xml);
        return kExitOk;
    }
    if (!SaveBooksXml(output, xml)) {
        PrintErr(FormatMessage(166, {output}));
        return kExitFailed;
    }
    return kExitOk;
}

int CmdImportXml(const QStringList &args)
{
    QStringList plain = args;
    QString categoryText;
    int category = 0;
    if (!TakeOption(plain, QStringLiteral("--category"), &categoryText) ||
        !ParseId(categoryText, &category) || !TakeDuplicatesOption(plain) ||
        !CheckPlainArgs(plain, 2))
        return UsageError(
            QStringLiteral("usage: tomelodex-cli import-xml LIBRARY FILE --category ID "
                           "[--duplicates skip|add]"));
    CTomeloDoc doc;
    const int opened = OpenForAdding(doc, plain.at(0), category);
    if (opened != kExitOk)
        return opened;
    const CXmlImportResult result =
        ImportBooksXml(plain.at(1), category, TomeloApp().m_imagesDir, *doc.m_connection);
    return result.loaded ? kExitOk : kExitFailed;
}

} // namespace

std::vector<CCliCommand> XmlCommands()
{
    return {
        {QStringLiteral("export-xml"), QStringLiteral("LIBRARY ID... [-o FILE]"),
         QStringLiteral("Writes the book XML of the given books, in that order, as Save As XML "
                        "writes it, to standard output or FILE."),
         CmdExportXml},
        {QStringLiteral("import-xml"),
         QStringLiteral("LIBRARY FILE --category ID [--duplicates skip|add]"),
         QStringLiteral("Imports the books of a book XML file into category ID. A book whose ISBN "
                        "is already in the library is skipped (skip, the default) or added anyway "
                        "(add). Prints how many books were found and imported."),
         CmdImportXml},
    };
}
