#include "library/OverdueLink.h"

#include "db/DocumentViews.h"
#include "db/TomeloDoc.h"
#include "loans/LoanSql.h"
#include "loans/ShelfEntries.h"

COverdueLink::COverdueLink(CTomeloDoc &doc, QWidget *parent)
    : CLinkLabel(QString(), QString(), parent), m_doc(doc)
{
    setObjectName(QStringLiteral("OverdueLink"));
    setContentsMargins(4, 0, 4, 0);
    setToolTip(QString());
    SetAction([this] {
        if (m_doc.m_treeView)
            m_doc.m_treeView->SelectCategory(kOverdueEntry);
    });
    connect(&m_doc, &CTomeloDoc::LibraryOpened, this, &COverdueLink::Update);
    connect(&m_doc, &CTomeloDoc::BooksChanged, this, &COverdueLink::Update);
    connect(&m_doc, &CTomeloDoc::LibraryChangedElsewhere, this, &COverdueLink::Update);
    Update();
}

void COverdueLink::Update()
{
    qint64 count = 0;
    QString error;
    if (m_doc.IsLibraryOpen()) {
        CLibraryConnection &connection = *m_doc.m_connection;
        // An unreadable count shows nothing: the entry itself says why.
        if (!QueryInteger(connection,
                          QStringLiteral("SELECT COUNT(*) FROM (") +
                              ShelfEntryBookIdsSql(kOverdueEntry, connection) + u')',
                          &count, &error))
            count = 0;
    }
    m_count = int(count);
    setText(tr("%n book(s) overdue", nullptr, m_count));
    setVisible(m_count > 0);
}
