#include "library/HeaderSortMark.h"

#include <QHeaderView>

void CHeaderSortMark::Init(QHeaderView *header)
{
    m_header = header;
    m_header->setSortIndicatorShown(true);
    m_header->setSectionsClickable(true);
}

void CHeaderSortMark::SetMark(int column, bool ascending)
{
    if (!m_header)
        return;
    // Qt's header draws Qt::AscendingOrder as an arrow pointing down, so the
    // mark asks for the opposite order to point up for ascending.
    m_header->setSortIndicator(column, ascending ? Qt::DescendingOrder : Qt::AscendingOrder);
}
