#pragma once

#include "exchange/CalibreCustomColumns.h"
#include "exchange/CatalogueReader.h"
#include "exchange/ReadOnlyDatabase.h"

#include <QTimeZone>

// Reads the books of a calibre library: its folder, or the metadata.db in
// it. The database is only ever read (opened immutable: no lock, no journal,
// nothing written beside it), and read by the tables and columns it has
// rather than by its version, so libraries of older and newer calibre
// versions alike are taken as long as the book, author and author link
// tables are there. Per book: title, authors in their order, publisher,
// series and number, tags (categories), rating out of 10, comments,
// identifiers, languages, dates, the cover.jpg of the book's folder, its
// e-book files (as "eBook file" links) and the user's own columns (in
// Notes).
class CCalibreReader : public CCatalogueReader
{
public:
    CCalibreReader();
    ~CCalibreReader() override;

    QString SourceName() const override;
    bool Open(const QString &path) override;
    bool Next(CForeignBook &book) override;

    // How many books the library holds (after Open); -1 when not known.
    int BookCount() const { return m_bookCount; }

    // calibre keeps dates in UTC and shows them in the local time zone, where
    // its user entered them; that is the day taken (the system's zone unless
    // set otherwise).
    void SetTimeZone(const QTimeZone &zone) { m_timeZone = zone; }

private:
    bool OpenDatabase(const QString &file);
    void PrepareQueries();
    CReadOnlyDatabase::Query PrepareIfPresent(const QStringList &tables, const QString &sql);
    QString BookFolder(const QString &relativePath) const;
    void ReadLinkedValues(qint64 id, CForeignBook &book);
    void ReadIdentifiers(qint64 id, CForeignBook &book);
    void ReadLanguages(qint64 id, CForeignBook &book);
    void ReadFiles(qint64 id, const QString &folder, CForeignBook &book);
    bool CheckQuery(const CReadOnlyDatabase::Query &query);

    CReadOnlyDatabase m_database;
    CCalibreCustomColumns m_customColumns;
    QString m_file;
    QString m_libraryFolder;
    QTimeZone m_timeZone;
    int m_bookCount = -1;
    int m_position = 0;
    QStringList m_missingTables;

    CReadOnlyDatabase::Query m_books;
    CReadOnlyDatabase::Query m_authors;
    CReadOnlyDatabase::Query m_publishers;
    CReadOnlyDatabase::Query m_series;
    CReadOnlyDatabase::Query m_tags;
    CReadOnlyDatabase::Query m_ratings;
    CReadOnlyDatabase::Query m_comments;
    CReadOnlyDatabase::Query m_identifiers;
    CReadOnlyDatabase::Query m_languages;
    CReadOnlyDatabase::Query m_files;
};
