#pragma once

#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class CBookRecord;
class CTomeloDoc;
class QWidget;

// The Add Book command of the book list: the Add Book dialog, then by its
// mode the batch, a single lookup, a search or an empty record, and the new
// book's property sheet. Also finds the ISBNs in files dropped on the list
// and hands them to the command.
class CAddBookFlow : public QObject
{
    Q_OBJECT

public:
    CAddBookFlow(CTomeloDoc &doc, QWidget *owner);

    // Runs the command for the document's current category.
    void OnAddBook();

    // Looks for ISBNs in `paths` (CHM pages and the lines of text files) and
    // runs the command with them, or says that none was found.
    void OnDroppedFiles(const QStringList &paths);
    // Adds the ISBNs of one dropped file to IsbnFiles(); other files are
    // passed over.
    void AnalyzeDroppedFile(const QString &path);

    // ISBNs of the last drop, each with the CHM file it was found in (empty
    // for one from a text file). Add Book pre-fills them.
    const QMap<QString, QString> &IsbnFiles() const { return m_isbnFiles; }

    // The property sheet on a new book of the current category, which saves
    // it and selects it in the list: the new book's identifier, 0 when none
    // was written.
    std::function<int(const CBookRecord &book)> runBookSheet;

private:
    void AddOneByIsbn(const QString &isbn);
    // Whether the book `isbn` may be looked up to be added: when the library
    // has it, the user is asked first, and "add anyway" is noted in `record`
    // so that its save does not ask again.
    bool MayAdd(const QString &isbn, CBookRecord &record);
    void RunBatch(const QStringList &isbns);
    void OpenBookSheet(const CBookRecord &record);
    void ScanTextFile(const QString &path);

    CTomeloDoc &m_doc;
    QWidget *m_owner;
    QMap<QString, QString> m_isbnFiles;
};
