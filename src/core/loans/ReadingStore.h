#pragma once

#include <QDate>
#include <QString>
#include <QVector>

class CLibraryConnection;

// One reading of a book: begun, maybe finished. A reading started and not
// finished puts its book on the Reading List (see ReadingNowBookIdsSql).
struct CReadingRow
{
    qint64 id = 0;
    qint32 bookId = 0;
    QDate started;  // invalid when not known
    QDate finished; // invalid while reading
    QString notes;
};

// Adds, changes, removes and lists the readings of books. Every method that
// fails says why in Error() and stores nothing; nothing is shown to the user.
class CReadingStore
{
public:
    explicit CReadingStore(CLibraryConnection &connection) : m_connection(connection) {}

    // Adds a reading; refuses one finished before it started and a book the
    // library lacks. Returns the ReadingID, 0 on failure.
    qint64 Add(const CReadingRow &reading);
    // Changes the dates and notes of reading `reading.id` by the same rules.
    bool Update(const CReadingRow &reading);
    bool Remove(qint64 readingId);

    // The readings of the book, the latest start first (unknown starts last).
    bool List(qint32 bookId, QVector<CReadingRow> &rows);

    QString Error() const { return m_error; }

    static QString FinishedBeforeStartedMessage();

private:
    bool Fail(const QString &error)
    {
        m_error = error;
        return false;
    }
    bool Check(const CReadingRow &reading);

    CLibraryConnection &m_connection;
    QString m_error;
};
