#pragma once

#include <QString>
#include <QVector>

class CLibraryConnection;

struct CBorrowerRow
{
    qint64 id = 0;
    QString name;
    QString contact;
    int loanCount = 0; // every loan with this person, returned ones too
    int openCount = 0; // loans not yet returned
};

// The people books are lent to and borrowed from. Names are unique without
// regard to letter case in every alphabet ("Anna" is "ANNA"). Every method
// that fails says why in Error() (a refusal in the interface language, or
// the database's description) and leaves the library as it was; nothing is
// shown to the user.
class CBorrowerStore
{
public:
    explicit CBorrowerStore(CLibraryConnection &connection) : m_connection(connection) {}

    // Every borrower, by name as the lists sort names.
    bool List(QVector<CBorrowerRow> &rows);

    // The borrower of that name in any letter case, 0 when there is none.
    bool Find(const QString &name, qint64 *id);
    // The borrower of that name, added (with `contact`) when new; refuses an
    // empty name. Returns the identifier, 0 on failure.
    qint64 FindOrAdd(const QString &name, const QString &contact = QString());

    // Renames; refuses an empty name and one another borrower has.
    bool Rename(qint64 id, const QString &name);
    bool SetContact(qint64 id, const QString &contact);
    // Refused while the borrower has loans, returned ones included: they
    // are the books' history.
    bool Remove(qint64 id);

    QString Error() const { return m_error; }

    // The refusal of an empty name, shared with the loans.
    static QString EmptyNameMessage();

private:
    bool Fail(const QString &error)
    {
        m_error = error;
        return false;
    }

    CLibraryConnection &m_connection;
    QString m_error;
};
