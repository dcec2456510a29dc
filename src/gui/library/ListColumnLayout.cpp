#include "library/ListColumnLayout.h"

#include "db/BookListOrder.h"

#include <QHeaderView>
#include <QStringList>

#include <algorithm>

namespace {

constexpr int kMinWidth = 16;
constexpr int kMaxWidth = 4000;

} // namespace

int CListColumnLayout::DefaultWidth(int column)
{
    static const int widths[kBookListColumnCount] = {240, 120, 100, 100, 100, 50,
                                                     60,  60,  100, 110, 100, 140};
    return column >= 0 && column < kBookListColumnCount ? widths[column] : 100;
}

CListColumnLayout CListColumnLayout::Default()
{
    CListColumnLayout layout;
    for (int column : {kColumnTitle, kColumnAuthor, kColumnPublisher, kColumnIsbn, kColumnEdition})
        layout.m_columns.append({column, DefaultWidth(column)});
    return layout;
}

CListColumnLayout CListColumnLayout::FromText(const QString &text)
{
    CListColumnLayout layout;
    for (const QString &entry : text.split(u',', Qt::SkipEmptyParts)) {
        const QStringList parts = entry.split(u':');
        bool columnOk = false;
        bool widthOk = false;
        const int column = parts.value(0).trimmed().toInt(&columnOk);
        const int width = parts.value(1).trimmed().toInt(&widthOk);
        if (parts.size() != 2 || !columnOk || column < 0 || column >= kBookListColumnCount ||
            layout.Shows(column))
            continue;
        layout.m_columns.append({column, widthOk && width >= kMinWidth && width <= kMaxWidth
                                             ? width
                                             : DefaultWidth(column)});
    }
    if (layout.m_columns.isEmpty())
        return Default();
    if (!layout.Shows(kColumnTitle))
        layout.m_columns.prepend({kColumnTitle, DefaultWidth(kColumnTitle)});
    return layout;
}

CListColumnLayout CListColumnLayout::FromHeader(const QHeaderView &header)
{
    CListColumnLayout layout;
    for (int visual = 0; visual < header.count(); ++visual) {
        const int column = header.logicalIndex(visual);
        if (!header.isSectionHidden(column))
            layout.m_columns.append({column, header.sectionSize(column)});
    }
    return layout;
}

QString CListColumnLayout::ToText() const
{
    QStringList entries;
    for (const CColumn &shown : m_columns)
        entries << QStringLiteral("%1:%2").arg(shown.column).arg(shown.width);
    return entries.join(u',');
}

void CListColumnLayout::ApplyTo(QHeaderView &header) const
{
    for (int column = 0; column < header.count(); ++column)
        header.setSectionHidden(column, !Shows(column));
    for (int place = 0; place < m_columns.size(); ++place) {
        const CColumn &shown = m_columns[place];
        if (shown.column >= header.count())
            continue;
        header.moveSection(header.visualIndex(shown.column), place);
        header.resizeSection(shown.column, shown.width);
    }
}

bool CListColumnLayout::Shows(int column) const
{
    return std::any_of(m_columns.cbegin(), m_columns.cend(),
                       [column](const CColumn &shown) { return shown.column == column; });
}
