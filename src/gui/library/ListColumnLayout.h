#pragma once

#include <QString>
#include <QVector>

class QHeaderView;

// Which columns the details list shows, in which order and how wide, as
// kept in the settings: "column:width" for each shown column in the order
// shown ("0:240,5:50,1:120"). The title is always shown.
class CListColumnLayout
{
public:
    struct CColumn
    {
        int column;
        int width;
    };

    // The columns the list showed before columns could be chosen.
    static CListColumnLayout Default();
    // The layout of `text`; columns that do not exist, repeated ones and
    // widths out of reason are passed over, and without any usable column
    // it is the default.
    static CListColumnLayout FromText(const QString &text);
    // What `header` shows now.
    static CListColumnLayout FromHeader(const QHeaderView &header);

    QString ToText() const;
    void ApplyTo(QHeaderView &header) const;

    bool Shows(int column) const;
    const QVector<CColumn> &Columns() const { return m_columns; }
    static int DefaultWidth(int column);

private:
    QVector<CColumn> m_columns;
};
