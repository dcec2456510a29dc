#include "loans/BorrowerStore.h"

#include "db/LibraryConnection.h"
#include "db/Recordset.h"
#include "db/TextCollation.h"
#include "loans/LoanSql.h"

#include <QCoreApplication>

#include <algorithm>

QString CBorrowerStore::EmptyNameMessage()
{
    return QCoreApplication::translate("Loans", "Please enter the name of the borrower.");
}

bool CBorrowerStore::List(QVector<CBorrowerRow> &rows)
{
    rows.clear();
    if (!HasLoanTables(m_connection))
        return true;
    const bool ok = ForEachRow(
        m_connection,
        QStringLiteral("SELECT b.BorrowerID, b.Name, b.Contact, COUNT(l.LoanID), "
                       "COUNT(l.LoanID) - COUNT(l.ReturnDate) FROM borrower AS b LEFT JOIN loan "
                       "AS l ON l.BorrowerID = b.BorrowerID GROUP BY b.BorrowerID"),
        [&rows](const CRecordset &rs) {
            rows.append({rs.GetInteger(0), rs.GetText(1), rs.GetText(2), int(rs.GetInteger(3)),
                         int(rs.GetInteger(4))});
        },
        &m_error);
    std::stable_sort(rows.begin(), rows.end(), [](const CBorrowerRow &a, const CBorrowerRow &b) {
        return CompareFoldingCase(a.name, b.name) < 0;
    });
    return ok;
}

bool CBorrowerStore::Find(const QString &name, qint64 *id)
{
    *id = 0;
    return !HasLoanTables(m_connection) ||
           FindNameId(m_connection, QStringLiteral("borrower"), QStringLiteral("BorrowerID"),
                      name.trimmed(), id, &m_error);
}

qint64 CBorrowerStore::FindOrAdd(const QString &name, const QString &contact)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return Fail(EmptyNameMessage());
    qint64 id = 0;
    const bool written = WriteLoanRows(m_connection, &m_error, [&] {
        return Find(trimmed, &id) &&
               (id != 0 ||
                InsertLoanRow(m_connection,
                              QStringLiteral("INSERT INTO borrower (Name, Contact) VALUES (%1, %2)")
                                  .arg(TextLiteral(trimmed), TextLiteral(contact.trimmed())),
                              &id, &m_error));
    });
    return written ? id : 0;
}

bool CBorrowerStore::Rename(qint64 id, const QString &name)
{
    const QString trimmed = name.trimmed();
    if (trimmed.isEmpty())
        return Fail(EmptyNameMessage());
    return RenameNameRow(
        m_connection, QStringLiteral("borrower"), QStringLiteral("BorrowerID"), id, trimmed,
        QCoreApplication::translate("Loans", "There is already a borrower named %1.").arg(trimmed),
        &m_error);
}

bool CBorrowerStore::SetContact(qint64 id, const QString &contact)
{
    return WriteLoanRows(m_connection, &m_error, [&] {
        return RunLoanSql(m_connection,
                          QStringLiteral("UPDATE borrower SET Contact = %1 WHERE BorrowerID = %2")
                              .arg(TextLiteral(contact.trimmed()))
                              .arg(id),
                          &m_error);
    });
}

bool CBorrowerStore::Remove(qint64 id)
{
    return WriteLoanRows(m_connection, &m_error, [&] {
        qint64 loans = 0;
        if (!QueryInteger(m_connection,
                          QStringLiteral("SELECT COUNT(*) FROM loan WHERE BorrowerID = %1").arg(id),
                          &loans, &m_error))
            return false;
        if (loans > 0)
            return Fail(QCoreApplication::translate(
                "Loans", "The borrower cannot be deleted while loans of theirs are recorded."));
        return RunLoanSql(m_connection,
                          QStringLiteral("DELETE FROM borrower WHERE BorrowerID = %1").arg(id),
                          &m_error);
    });
}
