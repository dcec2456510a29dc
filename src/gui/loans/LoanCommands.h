#pragma once

#include "frame/CommandTarget.h"
#include "loans/LoanStore.h"

#include <QCoreApplication>
#include <QObject>
#include <QSet>
#include <QVector>

class CMainFrame;
class CTomeloDoc;

// Edit > Lend..., Return and Borrowed From... on the selected books. Lend
// and Borrowed From are offered while none of them is out, Return while any
// is. Several books take one dialog, one loan each, and one undo step;
// Return asks nothing and closes each open loan today. Afterwards the
// document announces that books changed, and the books stay selected.
class CLoanCommands : public QObject, public CCommandTarget
{
    Q_OBJECT

public:
    CLoanCommands(CMainFrame &frame, CTomeloDoc &doc);

    bool OnUpdateCommand(int id, bool &enabled, bool &checked) override;
    bool OnCommand(int id) override;

private:
    void OnLend(LoanDirection direction);
    void OnReturn();
    // Records `loan` for every book of `bookIds` in one transaction and one
    // undo step; empty when it did, otherwise why nothing was recorded.
    QString RecordLoans(const QVector<quint32> &bookIds, const CNewLoan &loan);
    // The titles of `bookIds`, in their order.
    QStringList Titles(const QVector<quint32> &bookIds) const;
    // The selected books that have an open loan, read when first asked
    // after the selection or the library changed.
    const QSet<quint32> &OutAmongSelected();
    void Forget() { m_outKnown = false; }
    // Brings the change into sight with the same books selected.
    void ShowChange(const QVector<quint32> &bookIds);

    CMainFrame &m_frame;
    CTomeloDoc &m_doc;
    QSet<quint32> m_out;
    bool m_outKnown = false;
};
