#include "exchange/TableCatalogueReader.h"

#include <QCoreApplication>

namespace {

// Rows of the wrong shape the report names one by one; the rest are counted.
constexpr int kOddRowsNamed = 20;

bool HasTitleOrIsbn(const CForeignBook &book)
{
    for (const CForeignValue &value : book.values) {
        if ((value.field == u"Title" || value.field == u"ISBN") && !value.value.isEmpty())
            return true;
    }
    return false;
}

bool IsBlankRow(const QStringList &fields)
{
    return std::all_of(fields.begin(), fields.end(),
                       [](const QString &field) { return field.trimmed().isEmpty(); });
}

} // namespace

bool CTableCatalogueReader::Open(const QString &path)
{
    m_path = path;
    m_oddRows = 0;
    m_tableNotesTaken = 0;
    if (!m_table.Open(path, Separator())) {
        SetError(m_table.Error());
        return false;
    }
    m_header = m_table.Header();
    // Some exports quote their header cells once more, in single quotes
    // ('TITLE', "'AUTHOR (first, last)'"); the names are without them.
    for (QString &name : m_header) {
        if (name.size() >= 2 && name.startsWith(u'\'') && name.endsWith(u'\''))
            name = name.mid(1, name.size() - 2).trimmed();
    }
    m_actions = QVector<CColumnAction>(m_header.size());
    TakeTableNotes();
    // One set of --map pairs serves every file of an import, so a column
    // one file lacks is told of, not a failure.
    for (const auto &[column, field] : std::as_const(m_columnMap)) {
        if (ColumnNamed(m_header, column) < 0) {
            AddNote(QCoreApplication::translate("Import",
                                                "No column \"%1\" to map; the columns are: %2.")
                        .arg(column, m_header.join(QStringLiteral(", "))));
        }
    }
    if (!TakeHeader(m_header))
        return false;
    for (const auto &[column, field] : std::as_const(m_columnMap))
        SetAction(ColumnNamed(m_header, column), ToField(field));
    return true;
}

void CTableCatalogueReader::TakeTableNotes()
{
    const QStringList notes = m_table.Notes();
    for (; m_tableNotesTaken < notes.size(); ++m_tableNotesTaken)
        AddNote(notes.at(m_tableNotesTaken));
}

int CTableCatalogueReader::ColumnNamed(const QStringList &header, const QString &name)
{
    const int exact = header.indexOf(name.trimmed());
    return exact >= 0 ? exact : FindColumn(header, {ColumnKey(name)});
}

bool CTableCatalogueReader::Next(CForeignBook &book)
{
    book = CForeignBook();
    QStringList fields;
    bool read = false;
    // A row of separators alone (",,,," as spreadsheets leave them below a
    // table) holds nothing and is passed over like a blank line.
    do {
        read = m_table.NextRow(fields);
        TakeTableNotes();
    } while (read && IsBlankRow(fields));
    if (!read) {
        SetError(m_table.Error());
        if (m_oddRows > kOddRowsNamed) {
            AddNote(QCoreApplication::translate(
                        "Import", "%1 more rows have more or fewer fields than the header.")
                        .arg(m_oddRows - kOddRowsNamed));
        }
        return false;
    }

    book.number = m_table.RowNumber();
    for (int i = 0; i < fields.size(); ++i) {
        const QString value = CleanValue(fields.at(i).trimmed());
        if (value.isEmpty())
            continue;
        if (i >= m_header.size()) {
            book.values.append(
                {QCoreApplication::translate("Import", "Field %1").arg(i + 1), QString(), value});
            continue;
        }
        if (m_actions.at(i))
            m_actions.at(i)(m_header.at(i), value, book);
        else
            book.values.append({m_header.at(i), QString(), value});
    }
    FinishRow(book);

    if (fields.size() != m_header.size()) {
        if (!HasTitleOrIsbn(book)) {
            book.problem =
                QCoreApplication::translate(
                    "Import", "Row %1 has %2 fields where the header has %3, and neither a "
                              "title nor an ISBN can be read from it.")
                    .arg(book.number)
                    .arg(fields.size())
                    .arg(m_header.size());
        } else {
            ReportRowShape(fields.size());
        }
    }
    return true;
}

void CTableCatalogueReader::ReportRowShape(int fields)
{
    if (++m_oddRows > kOddRowsNamed)
        return;
    AddNote(QCoreApplication::translate(
                "Import", "Row %1 has %2 fields where the header has %3; its values were kept.")
                .arg(m_table.RowNumber())
                .arg(fields)
                .arg(m_header.size()));
}

QString CTableCatalogueReader::ColumnKey(const QString &name)
{
    QString key;
    key.reserve(name.size());
    for (const QChar c : name) {
        if (c.isLetterOrNumber())
            key.append(c.toLower());
    }
    return key;
}

void CTableCatalogueReader::SetAction(int column, CColumnAction action)
{
    if (column >= 0 && column < m_actions.size())
        m_actions[column] = std::move(action);
}

CTableCatalogueReader::CColumnAction CTableCatalogueReader::ToField(const QString &field)
{
    return [field](const QString &column, const QString &value, CForeignBook &book) {
        book.values.append({column, field, value});
    };
}

CTableCatalogueReader::CColumnAction CTableCatalogueReader::Ignore()
{
    return [](const QString &, const QString &, CForeignBook &) {};
}

void CTableCatalogueReader::SetFields(const QStringList &header,
                                      std::initializer_list<CKeyField> keyToField)
{
    for (int i = 0; i < header.size(); ++i) {
        const QString key = ColumnKey(header.at(i));
        for (const CKeyField &entry : keyToField) {
            if (key == QLatin1String(entry.key))
                SetAction(i, ToField(QLatin1String(entry.field)));
        }
    }
}

int CTableCatalogueReader::FindColumn(const QStringList &header, const QStringList &keys)
{
    for (int i = 0; i < header.size(); ++i) {
        if (keys.contains(ColumnKey(header.at(i))))
            return i;
    }
    return -1;
}
