#include "exchange/TellicoFields.h"

#include "exchange/XmlRecordStream.h"

#include <libxml/tree.h>

#include <algorithm>

namespace {

// The kinds of field a collection defines, by the numbers its files use.
// The flag of a field definition that lets it take several values.
constexpr int kAllowMultiple = 1;

enum EFieldType
{
    kBoolField = 4,
    kRatingField = 14,
};

// Fields with a place of their own in a book, by the names Tellico's book
// collections give them.
struct CPlainField
{
    const char *name;
    const char *field;
};
const CPlainField kPlainFields[] = {
    {"title", "Title"},
    {"subtitle", "Subtitle"},
    {"author", "Author"},
    {"publisher", "Publisher"},
    {"isbn", "ISBN"},
    {"pub_year", "ReleaseDate"},
    {"edition", "Edition"},
    {"pages", "PageCount"},
    {"binding", "Binding"},
    {"series", "Series"},
    {"series_num", "SeriesNumber"},
    {"pur_date", "PurchaseDate"},
    {"pur_price", "PurchasePrice"},
    {"location", "Location"},
    {"plot", "Description"},
};

// The collection's own bookkeeping, which means nothing in another library.
const char *const kBookkeeping[] = {"id", "mdate"};

const xmlNode *FirstElement(const xmlNode *node)
{
    for (const xmlNode *child = node->children; child; child = child->next)
        if (IsXmlElement(child))
            return child;
    return nullptr;
}

// The value of one field's element: a date's <year>, <month> and <day> as
// an ISO date (as far as it goes), a table row's <column>s joined, else the
// text.
QString ValueOf(const xmlNode *element, CBoundedXmlText &text)
{
    const xmlNode *first = FirstElement(element);
    if (!first)
        return text.Text(element).trimmed();
    if (IsXmlElement(first, "year") || IsXmlElement(first, "month") || IsXmlElement(first, "day")) {
        QString year, month, day;
        for (const xmlNode *part = first; part; part = part->next) {
            if (IsXmlElement(part, "year"))
                year = text.Text(part).trimmed();
            else if (IsXmlElement(part, "month"))
                month = text.Text(part).trimmed().rightJustified(2, u'0');
            else if (IsXmlElement(part, "day"))
                day = text.Text(part).trimmed().rightJustified(2, u'0');
        }
        QString date = year;
        if (!date.isEmpty() && !month.isEmpty()) {
            date += u'-' + month;
            if (!day.isEmpty())
                date += u'-' + day;
        }
        return date;
    }
    QStringList columns;
    for (const xmlNode *column = first; column; column = column->next)
        if (IsXmlElement(column))
            columns.append(text.Text(column).trimmed());
    while (!columns.isEmpty() && columns.last().isEmpty())
        columns.removeLast();
    return columns.join(QStringLiteral(" - "));
}

// Whether the element holds the values of a multiple field (<authors> with
// <author>s) rather than one value with parts (a date, a table row).
bool IsValueList(const xmlNode *element)
{
    const xmlNode *first = FirstElement(element);
    return first && !IsXmlElement(first, "year") && !IsXmlElement(first, "month") &&
           !IsXmlElement(first, "day") && !IsXmlElement(first, "column");
}

} // namespace

void CTellicoFields::AddDefinition(const xmlNode *field, CBoundedXmlText &text)
{
    const QString name = XmlAttribute(field, "name");
    if (name.isEmpty())
        return;
    CDefinition definition;
    definition.title = XmlAttribute(field, "title");
    definition.type = XmlAttribute(field, "type").toInt();
    definition.multiple = (XmlAttribute(field, "flags").toInt() & kAllowMultiple) != 0;
    // A rating's scale is its maximum property; files of older versions
    // made it a choice of numbers, the largest being the scale.
    double maximum = 0;
    for (const xmlNode *prop = field->children; prop; prop = prop->next)
        if (IsXmlElement(prop, "prop") && XmlAttribute(prop, "name") == u"maximum")
            maximum = text.Text(prop).trimmed().toDouble();
    if (maximum <= 0) {
        const QStringList allowed = XmlAttribute(field, "allowed").split(u';');
        for (const QString &choice : allowed)
            maximum = std::max(maximum, choice.trimmed().toDouble());
    }
    if (maximum > 0)
        definition.ratingMaximum = maximum;
    m_definitions.insert(name, definition);
}

QString CTellicoFields::Title(const QString &name) const
{
    const QString title = m_definitions.value(name).title;
    return title.isEmpty() ? name : title;
}

bool CTellicoFields::IsType(const QString &name, int type) const
{
    const auto found = m_definitions.constFind(name);
    return found != m_definitions.cend() && found->type == type;
}

void CTellicoFields::ReadEntry(const xmlNode *entry, CBoundedXmlText &text, CForeignBook &book,
                               QString &coverId, bool &loaned) const
{
    CEntryState state;
    for (const xmlNode *child = entry->children; child; child = child->next)
        state.hasPlot = state.hasPlot || IsXmlElement(child, "plot");
    for (const xmlNode *child = entry->children; child; child = child->next) {
        if (!IsXmlElement(child))
            continue;
        if (!IsValueList(child)) {
            Place(XmlNodeName(child), ValueOf(child, text), book, coverId, loaned, state);
            continue;
        }
        for (const xmlNode *value = child->children; value; value = value->next)
            if (IsXmlElement(value))
                Place(XmlNodeName(value), ValueOf(value, text), book, coverId, loaned, state);
    }
}

void CTellicoFields::Place(const QString &name, const QString &value, CForeignBook &book,
                           QString &coverId, bool &loaned, CEntryState &state) const
{
    if (value.isEmpty())
        return;
    // Files of older versions keep several values in one element, each
    // separated by "; " as the program shows them.
    if (m_definitions.value(name).multiple && value.contains(QStringLiteral("; "))) {
        for (const QString &part : value.split(QStringLiteral("; "), Qt::SkipEmptyParts))
            Place(name, part.trimmed(), book, coverId, loaned, state);
        return;
    }
    for (const char *bookkeeping : kBookkeeping)
        if (name == QLatin1String(bookkeeping))
            return;
    const QString title = Title(name);
    const bool isTrue = value.compare(u"true", Qt::CaseInsensitive) == 0;
    if (name == u"genre" || name == u"keyword") {
        book.categories.append(QStringList{value});
    } else if (name == u"read" && IsType(name, kBoolField)) {
        if (isTrue)
            book.readCount = std::max(book.readCount, 1);
    } else if (name == u"loaned" && IsType(name, kBoolField)) {
        loaned = loaned || isTrue;
    } else if (name == u"rating" || IsType(name, kRatingField)) {
        PlaceRating(name, value, book);
    } else if (name == u"cover" && coverId.isEmpty()) {
        coverId = value;
    } else if (name == u"comments") {
        // Comments describe the book unless it has a plot summary for that.
        book.values.append(
            {title, state.hasPlot ? QString() : QStringLiteral("Description"), value});
    } else if ((name == u"url" || name == u"amazon") && !state.urlTaken) {
        state.urlTaken = true;
        book.values.append({title, QStringLiteral("URL"), value});
    } else if (name == u"language") {
        // A book has one language text; several languages share it.
        if (state.languageIndex < 0) {
            state.languageIndex = book.values.size();
            book.values.append({title, QStringLiteral("Language"), value});
        } else {
            book.values[state.languageIndex].value += QStringLiteral(", ") + value;
        }
    } else {
        for (const CPlainField &plain : kPlainFields) {
            if (name == QLatin1String(plain.name)) {
                book.values.append({title, QLatin1String(plain.field), value});
                return;
            }
        }
        book.values.append({title, QString(), value});
    }
}

void CTellicoFields::PlaceRating(const QString &name, const QString &value,
                                 CForeignBook &book) const
{
    const QString title = Title(name);
    bool isNumber = false;
    const double rating = value.toDouble(&isNumber);
    const double maximum = m_definitions.value(name).ratingMaximum;
    if (!isNumber || rating < 0 || rating > maximum) {
        book.values.append({title, QString(), value});
    } else if (maximum == 10) {
        book.values.append({title, QLatin1String(ForeignField::MyRatingOutOf10), value});
    } else if (maximum == 5) {
        book.values.append({title, QStringLiteral("MyRating"), value});
    } else {
        book.values.append(
            {title, QStringLiteral("MyRating"), QString::number(rating * 5 / maximum)});
    }
}
