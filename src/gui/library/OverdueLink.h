#pragma once

#include "frame/LinkLabel.h"

#include <QDate>

class CTomeloDoc;

// The status bar's "N books overdue": shown while any loan, either way, is
// open past its due date, and a click selects the tree's Overdue entry. It
// counts again whenever the library is opened or its books change.
class COverdueLink : public CLinkLabel
{
    Q_OBJECT

public:
    explicit COverdueLink(CTomeloDoc &doc, QWidget *parent = nullptr);

    // Counts the overdue loans as of today and shows or hides the link.
    void Update();
    int Count() const { return m_count; }

private:
    CTomeloDoc &m_doc;
    int m_count = 0;
};
