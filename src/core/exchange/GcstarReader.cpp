#include "exchange/GcstarReader.h"

#include "app/StringTable.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

#include <libxml/tree.h>

namespace {

// How GCstar's book fields go to a book: the field ("" for Notes), and the
// label the user knows them by.
struct CBookField
{
    const char *name;
    const char *label;
    const char *field;
};
const CBookField kBookFields[] = {
    {"title", "Title", "Title"},
    {"subtitle", "Subtitle", "Subtitle"},
    {"isbn", "ISBN", "ISBN"},
    {"authors", "Authors", "Author"},
    {"publisher", "Publisher", "Publisher"},
    {"publication", "Publication", "ReleaseDate"},
    {"language", "Language", "Language"},
    {"serie", "Series", "Series"},
    {"rank", "Rank", "SeriesNumber"},
    {"edition", "Edition", "Edition"},
    {"format", "Format", "Binding"},
    {"pages", "Pages", "PageCount"},
    {"location", "Location", "Location"},
    {"acquisition", "Acquisition", "PurchaseDate"},
    {"description", "Description", "Description"},
    {"comments", "Comments", "Notes"},
    {"web", "Web", "URL"},
    {"rating", "Rating", ForeignField::MyRatingOutOf10},
    {"translator", "Translator", ""},
    {"artist", "Artist", ""},
    {"added", "Added", ""},
    {"backpic", "Back cover", ""},
    {"borrower", "Borrower", ""},
    {"lendDate", "Lending date", ""},
    {"borrowings", "Borrowings", ""},
    {"genre", "Genre", ""},
    {"tags", "Tags", ""},
};

const CBookField *FindBookField(const QString &name)
{
    for (const CBookField &field : kBookFields)
        if (name == QLatin1String(field.name))
            return &field;
    return nullptr;
}

bool IsDateField(const QString &name)
{
    return name == u"publication" || name == u"acquisition" || name == u"added" ||
           name == u"lendDate";
}

// GCstar keeps line breaks of long texts as <br/>: back to line breaks,
// each line trimmed of the file's indentation, blank runs made one.
QString PlainText(const QString &text)
{
    static const QRegularExpression breaks(QStringLiteral(R"(<br\s*/?>)"),
                                           QRegularExpression::CaseInsensitiveOption);
    QString withBreaks = text;
    withBreaks.replace(breaks, QStringLiteral("\n"));
    QStringList lines;
    for (const QString &line : withBreaks.split(u'\n')) {
        const QString trimmed = line.trimmed();
        if (trimmed.isEmpty() && (lines.isEmpty() || lines.last().isEmpty()))
            continue;
        lines.append(trimmed);
    }
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines.join(u'\n');
}

} // namespace

QString GcstarDate(const QString &text)
{
    static const QRegularExpression dayMonthYear(
        QStringLiteral(R"(^(\d{1,2})/(\d{1,2})/(\d{4})$)"));
    static const QRegularExpression monthYear(QStringLiteral(R"(^(\d{1,2})/(\d{4})$)"));
    const QString trimmed = text.trimmed();
    QRegularExpressionMatch match = dayMonthYear.match(trimmed);
    if (match.hasMatch())
        return QStringLiteral("%1-%2-%3")
            .arg(match.captured(3), match.captured(2).rightJustified(2, u'0'),
                 match.captured(1).rightJustified(2, u'0'));
    match = monthYear.match(trimmed);
    if (match.hasMatch())
        return QStringLiteral("%1-%2").arg(match.captured(2),
                                           match.captured(1).rightJustified(2, u'0'));
    return trimmed;
}

QString CGcstarReader::SourceName() const
{
    return QStringLiteral("GCstar");
}

bool CGcstarReader::Open(const QString &path)
{
    m_path = path;
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadOnly)) {
        SetError(QCoreApplication::translate("Import", "%1 cannot be read: %2")
                     .arg(path, m_file.errorString()));
        return false;
    }
    QByteArray encoding;
    if (XmlNeedsWindows1252(m_file)) {
        encoding = "WINDOWS-1252";
        AddNote(QCoreApplication::translate("Import",
                                            "%1 was read as Windows-1252: it is not valid UTF-8.")
                    .arg(path));
    }
    m_file.seek(0);
    if (!m_stream.Open(&m_file, path, 0, encoding) || !m_stream.NextElement()) {
        SetError(m_stream.Failed()
                     ? m_stream.Error()
                     : QCoreApplication::translate("Import", "%1 is empty.").arg(path));
        return false;
    }
    const QString type = m_stream.Attribute("type");
    if (m_stream.Name() != "collection" || !type.startsWith(u"GC")) {
        SetError(QCoreApplication::translate("Import", "%1 is not a GCstar collection.").arg(path));
        return false;
    }
    if (type != u"GCbooks") {
        SetError(QCoreApplication::translate(
                     "Import",
                     "%1 holds a GCstar collection of the kind %2, not of books: only book "
                     "collections can be imported.")
                     .arg(path, type));
        return false;
    }
    return true;
}

bool CGcstarReader::Next(CForeignBook &book)
{
    book = CForeignBook();
    while (Error().isEmpty() && m_stream.NextElement()) {
        if (m_stream.Depth() != 1)
            continue;
        const QByteArray name = m_stream.Name();
        m_stream.SkipSubtree();
        if (name != "item" && name != "userCollection")
            continue;
        const xmlNode *node = m_stream.Expand();
        if (!node)
            break;
        CBoundedXmlText &text = m_stream.Text();
        if (name == "userCollection") {
            ReadUserFields(node);
            continue;
        }
        book.number = ++m_items;
        const QList<CItemField> fields = ItemFields(node, text);
        if (!text.Error().isEmpty()) {
            book.problem = QCoreApplication::translate("Import", "The item cannot be read: %1")
                               .arg(text.Error());
            text.ClearError();
            return true;
        }
        for (const CItemField &field : fields)
            Place(field, fields, book);
        return true;
    }
    if (m_stream.Failed())
        SetError(m_stream.Error());
    return false;
}

void CGcstarReader::ReadUserFields(const xmlNode *userCollection)
{
    for (const xmlNode *fields = userCollection->children; fields; fields = fields->next) {
        if (!IsXmlElement(fields, "fields"))
            continue;
        for (const xmlNode *field = fields->children; field; field = field->next) {
            if (!IsXmlElement(field, "field"))
                continue;
            const QString name = XmlAttribute(field, "value");
            const QString label = XmlAttribute(field, "label");
            if (!name.isEmpty() && !label.isEmpty())
                m_userLabels.insert(name, label);
        }
    }
}

QList<CGcstarReader::CItemField> CGcstarReader::ItemFields(const xmlNode *item,
                                                           CBoundedXmlText &text) const
{
    QList<CItemField> fields;
    for (const xmlAttr *attribute = item->properties; attribute; attribute = attribute->next) {
        CItemField field;
        field.name = QString::fromUtf8(reinterpret_cast<const char *>(attribute->name));
        xmlChar *value = xmlNodeListGetString(item->doc, attribute->children, 1);
        field.text = value ? QString::fromUtf8(reinterpret_cast<const char *>(value)) : QString();
        xmlFree(value);
        fields.append(field);
    }
    for (const xmlNode *child = item->children; child; child = child->next) {
        if (!IsXmlElement(child))
            continue;
        CItemField field;
        field.name = QString::fromUtf8(reinterpret_cast<const char *>(child->name));
        for (const xmlNode *line = child->children; line; line = line->next) {
            if (!IsXmlElement(line, "line"))
                continue;
            field.isList = true;
            QStringList columns;
            for (const xmlNode *column = line->children; column; column = column->next)
                if (IsXmlElement(column, "col"))
                    columns.append(text.Text(column).trimmed());
            field.lines.append(columns);
        }
        if (!field.isList)
            field.text = text.Text(child);
        fields.append(field);
    }
    return fields;
}

QString CGcstarReader::Label(const QString &name) const
{
    if (const CBookField *known = FindBookField(name))
        return QLatin1String(known->label);
    return m_userLabels.value(name, name);
}

QString CGcstarReader::Resolve(const QString &path) const
{
    const QUrl url(path);
    const QString local = url.isLocalFile() ? url.toLocalFile() : path;
    return QFileInfo(m_path).dir().absoluteFilePath(local);
}

void CGcstarReader::Place(const CItemField &field, const QList<CItemField> &all, CForeignBook &book)
{
    if (field.isList) {
        PlaceList(field, book);
        return;
    }
    const QString &name = field.name;
    const bool longText = name == u"description" || name == u"comments";
    QString value = longText ? PlainText(field.text) : field.text.trimmed();
    if (value.isEmpty() || name == u"id" || name == u"lendDate")
        return;
    if (IsDateField(name))
        value = GcstarDate(value);
    if (name == u"genre" || name == u"tags") {
        // Older versions keep a list in an attribute, separated by commas.
        for (const QString &category : value.split(u','))
            if (!category.trimmed().isEmpty())
                book.categories.append(QStringList{category.trimmed()});
    } else if (name == u"read") {
        if (value == u"1")
            book.readCount = std::max(book.readCount, 1);
    } else if (name == u"favourite") {
        if (value == u"1")
            book.categories.append(QStringList{LoadString(224)});
    } else if (name == u"borrower") {
        if (value.compare(u"none", Qt::CaseInsensitive) == 0)
            return;
        CBookLoan loan;
        loan.Direction = QStringLiteral("lent");
        loan.Name = value;
        for (const CItemField &other : all)
            if (other.name == u"lendDate" && !other.isList)
                loan.LoanDate = GcstarDate(other.text);
        book.loans.prepend(loan); // the open loan first
    } else if (name == u"cover") {
        AttachCover(value, book);
    } else if (name == u"digitalfile") {
        book.links.append({QString(), LoadString(194), Resolve(value), QString()});
    } else if (name == u"web") {
        // A web address may carry the name of the site it came from.
        book.values.append(
            {Label(name), QStringLiteral("URL"), value.section(QStringLiteral("##"), 0, 0)});
    } else {
        const CBookField *known = FindBookField(name);
        book.values.append({Label(name), known ? QLatin1String(known->field) : QString(), value});
    }
}

void CGcstarReader::PlaceList(const CItemField &field, CForeignBook &book) const
{
    const QString &name = field.name;
    for (const QStringList &line : field.lines) {
        const QString first = line.value(0);
        if (name == u"borrowings") {
            CBookLoan loan;
            loan.Direction = QStringLiteral("lent");
            loan.Name = first;
            loan.LoanDate = GcstarDate(line.value(1));
            loan.ReturnDate = GcstarDate(line.value(2));
            if (!loan.Name.isEmpty() || !loan.LoanDate.isEmpty())
                book.loans.append(loan);
        } else if (first.isEmpty()) {
            continue;
        } else if (name == u"authors") {
            book.values.append({Label(name), QStringLiteral("Author"), first});
        } else if (name == u"genre" || name == u"tags") {
            book.categories.append(QStringList{first});
        } else {
            QStringList columns = line;
            columns.removeAll(QString());
            book.values.append({Label(name), QString(), columns.join(QStringLiteral(" - "))});
        }
    }
}

void CGcstarReader::AttachCover(const QString &path, CForeignBook &book)
{
    const QUrl url(path);
    if (url.scheme() == u"http" || url.scheme() == u"https") {
        book.links.append(
            {QString(), QCoreApplication::translate("Import", "Front cover"), path, QString()});
        return;
    }
    const QString file = Resolve(path);
    if (QFileInfo(file).isFile())
        book.coverFile = file;
    else
        AddNote(QCoreApplication::translate(
                    "Import", "Book %1 is imported without its cover: %2 is not there.")
                    .arg(book.number)
                    .arg(file));
}
