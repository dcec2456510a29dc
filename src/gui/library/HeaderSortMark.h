#pragma once

class QHeaderView;

// The mark in a list's column header that shows by which column, and in
// which direction, the rows are sorted: up for ascending, down for
// descending.
class CHeaderSortMark
{
public:
    void Init(QHeaderView *header);
    void SetMark(int column, bool ascending);

private:
    QHeaderView *m_header = nullptr;
};
