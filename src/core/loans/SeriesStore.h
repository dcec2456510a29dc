#pragma once

#include <QString>
#include <QVector>

class CLibraryConnection;

struct CSeriesRow
{
    qint64 id = 0;
    QString name;
    int bookCount = 0;
};

// A book's place in a series; both empty for a book in none.
struct CBookSeries
{
    QString name;
    QString number; // "3", "2.5", or empty
};

// The series of a library and the books in each. Names are unique without
// regard to letter case in every alphabet. A series stays when its last
// book leaves it (an undone change may bring the book back); it is listed
// with a count of 0 and can be removed. Every method that fails says why in
// Error() and stores nothing; nothing is shown to the user.
class CSeriesStore
{
public:
    explicit CSeriesStore(CLibraryConnection &connection) : m_connection(connection) {}

    // Every series by name as the lists sort names, with its number of
    // books; series without books only when `withEmpty`.
    bool List(QVector<CSeriesRow> &rows, bool withEmpty = false);

    // The series of that name in any letter case; 0 when there is none.
    bool Find(const QString &name, qint64 *id);

    // Puts the book into the series `name` (added when new) with `number`;
    // an empty name takes it out of any series. Refuses a number that is not
    // number-like (IsSeriesNumberText) and a book the library lacks.
    bool SetBookSeries(qint32 bookId, const QString &name, const QString &number);
    bool ClearBookSeries(qint32 bookId) { return SetBookSeries(bookId, QString(), QString()); }
    bool BookSeries(qint32 bookId, CBookSeries *series);

    // The books of the series in number order ("2" before "2.5" before
    // "10"), books without a number after them, then by title.
    bool Members(qint64 seriesId, QVector<quint32> &bookIds);

    // Renames; refuses an empty name and one another series has.
    bool Rename(qint64 seriesId, const QString &name);
    // Removes the series; its books leave it.
    bool Remove(qint64 seriesId);

    QString Error() const { return m_error; }

    // The refusal of a number that is not number-like, naming it.
    static QString BadNumberMessage(const QString &number);

    // Writes the book's place inside the caller's write transaction (the
    // book's save uses it); the library must have the tables. False with
    // `error` set.
    static bool WriteBookSeries(CLibraryConnection &connection, qint32 bookId, const QString &name,
                                const QString &number, QString *error);

private:
    bool Fail(const QString &error)
    {
        m_error = error;
        return false;
    }

    CLibraryConnection &m_connection;
    QString m_error;
};
