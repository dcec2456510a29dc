#include "exchange/CalibreReader.h"

#include "app/StringTable.h"
#include "exchange/CalibreDate.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

const char kDatabaseName[] = "metadata.db";

// The longest text the book's Format field takes.
constexpr int kMaxFormatText = 20;

QString Shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// A series number as calibre shows it: 1.0 as "1", 2.5 as "2.5".
QString SeriesNumberText(double index)
{
    return QString::number(index, 'g', 12);
}

// Tags by which calibre users commonly mark books they want or mean to read.
bool IsTagNamed(const QString &tag, std::initializer_list<const char *> names)
{
    static const QRegularExpression separators(QStringLiteral("[\\s_-]"));
    QString key = tag.toLower();
    key.remove(separators);
    for (const char *name : names) {
        if (key == QLatin1String(name))
            return true;
    }
    return false;
}

// The file beside the database that shows a write in hand or broken off, as
// SQLite leaves it: a write-ahead log with pages in it, or a journal that
// still begins with its header. Reading the database without it could give
// half-written data or miss committed books, so such a library is refused.
QString PendingWriteFile(const QString &databaseFile)
{
    const QFileInfo wal(databaseFile + QStringLiteral("-wal"));
    if (wal.exists() && wal.size() > 0)
        return wal.fileName();
    QFile journal(databaseFile + QStringLiteral("-journal"));
    if (journal.open(QIODevice::ReadOnly)) {
        static const QByteArray kJournalMagic("\xd9\xd5\x05\xf9\x20\xa1\x63\xd7", 8);
        if (journal.read(8) == kJournalMagic)
            return QFileInfo(journal).fileName();
    }
    return QString();
}

} // namespace

CCalibreReader::CCalibreReader() : m_timeZone(QTimeZone::systemTimeZone()) {}

CCalibreReader::~CCalibreReader() = default;

QString CCalibreReader::SourceName() const
{
    return QStringLiteral("calibre");
}

bool CCalibreReader::Open(const QString &path)
{
    m_books = {};
    m_bookCount = -1;
    m_position = 0;
    m_missingTables.clear();
    SetError(QString());
    const QFileInfo info(path);
    if (info.isDir()) {
        m_libraryFolder = QDir::cleanPath(info.absoluteFilePath());
        m_file = QDir(m_libraryFolder).filePath(QLatin1String(kDatabaseName));
        if (!QFileInfo(m_file).isFile()) {
            SetError(
                TranslatedMessage(
                    QT_TRANSLATE_NOOP("Messages", "%1 is not a calibre library: it holds no %2."))
                    .arg(Shown(path), QLatin1String(kDatabaseName)));
            return false;
        }
    } else {
        m_file = info.absoluteFilePath();
        m_libraryFolder = info.absolutePath();
        if (!info.isFile()) {
            SetError(TranslatedMessage(
                         QT_TRANSLATE_NOOP("Messages", "%1 cannot be read: there is no such file."))
                         .arg(Shown(path)));
            return false;
        }
    }
    if (!OpenDatabase(m_file))
        return false;
    PrepareQueries();
    if (!m_books.IsValid()) {
        SetError(TranslatedMessage(
                     QT_TRANSLATE_NOOP("Messages", "%1 cannot be read as a calibre library: %2."))
                     .arg(Shown(m_file), m_database.Error()));
        return false;
    }
    m_customColumns.Load(m_database, m_timeZone);
    if (!m_missingTables.isEmpty())
        AddNote(
            TranslatedMessage(
                QT_TRANSLATE_NOOP("Messages",
                                  "%1 has no tables %2; what calibre keeps in them was not read."))
                .arg(Shown(m_file), m_missingTables.join(QStringLiteral(", "))));
    if (!m_customColumns.Skipped().isEmpty())
        AddNote(TranslatedMessage(QT_TRANSLATE_NOOP("Messages", "Columns of %1 not imported: %2."))
                    .arg(Shown(m_file), m_customColumns.Skipped().join(QStringLiteral(", "))));
    return true;
}

bool CCalibreReader::OpenDatabase(const QString &file)
{
    const QString pending = PendingWriteFile(file);
    if (!pending.isEmpty()) {
        SetError(TranslatedMessage(
                     QT_TRANSLATE_NOOP(
                         "Messages",
                         "%1 is being changed by another program, or a change to it was broken off "
                         "(%2 lies beside it). Close calibre, or open and close the library in it, "
                         "and try again."))
                     .arg(Shown(file), pending));
        return false;
    }
    if (!m_database.Open(file)) {
        SetError(TranslatedMessage(
                     QT_TRANSLATE_NOOP("Messages", "%1 cannot be read as a calibre library: %2."))
                     .arg(Shown(file), m_database.Error()));
        return false;
    }
    for (const char *table : {"books", "authors", "books_authors_link"}) {
        if (!m_database.HasTable(QLatin1String(table))) {
            SetError(
                TranslatedMessage(
                    QT_TRANSLATE_NOOP(
                        "Messages",
                        "%1 is not a calibre library this program can read: it has no table %2."))
                    .arg(Shown(file), QLatin1String(table)));
            return false;
        }
    }
    if (!m_database.Columns(QStringLiteral("books")).contains(QLatin1String("title"))) {
        SetError(TranslatedMessage(
                     QT_TRANSLATE_NOOP(
                         "Messages",
                         "%1 is not a calibre library this program can read: its table %2 has no "
                         "column %3."))
                     .arg(Shown(file), QStringLiteral("books"), QStringLiteral("title")));
        return false;
    }
    CReadOnlyDatabase::Query count =
        m_database.Prepare(QStringLiteral("SELECT count(*) FROM books"));
    m_bookCount = count.Step() ? int(count.Integer(0)) : -1;
    return true;
}

CReadOnlyDatabase::Query CCalibreReader::PrepareIfPresent(const QStringList &tables,
                                                          const QString &sql)
{
    for (const QString &table : tables) {
        if (!m_database.HasTable(table)) {
            if (!m_missingTables.contains(table))
                m_missingTables.append(table);
            return {};
        }
    }
    CReadOnlyDatabase::Query query = m_database.Prepare(sql);
    // Tables of an unknown shape are read as far as they match.
    if (!query.IsValid())
        m_missingTables.append(tables.first());
    return query;
}

void CCalibreReader::PrepareQueries()
{
    const QStringList columns = m_database.Columns(QStringLiteral("books"));
    auto column = [&columns](const char *name, const char *fallback) {
        return columns.contains(QLatin1String(name)) ? QString::fromLatin1(name)
                                                     : QString::fromLatin1(fallback);
    };
    m_books = m_database.Prepare(
        QStringLiteral("SELECT id, title, %1, %2, %3, %4, %5, %6 FROM books ORDER BY id")
            .arg(column("pubdate", "NULL"), column("timestamp", "NULL"),
                 column("series_index", "1.0"), column("path", "''"), column("isbn", "''"),
                 column("lccn", "''")));

    auto linked = [this](const char *link, const char *table, const char *key, const char *value) {
        return PrepareIfPresent(
            {QLatin1String(link), QLatin1String(table)},
            QStringLiteral("SELECT t.%4 FROM %1 l JOIN %2 t ON t.id = l.%3 WHERE l.book = ? "
                           "ORDER BY l.id")
                .arg(QLatin1String(link), QLatin1String(table), QLatin1String(key),
                     QLatin1String(value)));
    };
    // Authors in the order the user gave them, which is the link rows' order.
    m_authors = linked("books_authors_link", "authors", "author", "name");
    m_publishers = linked("books_publishers_link", "publishers", "publisher", "name");
    m_series = linked("books_series_link", "series", "series", "name");
    m_tags = linked("books_tags_link", "tags", "tag", "name");
    m_ratings = linked("books_ratings_link", "ratings", "rating", "rating");
    m_comments = PrepareIfPresent({QStringLiteral("comments")},
                                  QStringLiteral("SELECT text FROM comments WHERE book = ?"));
    m_identifiers =
        PrepareIfPresent({QStringLiteral("identifiers")},
                         QStringLiteral("SELECT type, val FROM identifiers WHERE book = ? "
                                        "ORDER BY id"));
    const bool ordered = m_database.Columns(QStringLiteral("books_languages_link"))
                             .contains(QLatin1String("item_order"));
    m_languages = PrepareIfPresent(
        {QStringLiteral("books_languages_link"), QStringLiteral("languages")},
        QStringLiteral("SELECT t.lang_code FROM books_languages_link l JOIN languages t "
                       "ON t.id = l.lang_code WHERE l.book = ? ORDER BY %1l.id")
            .arg(ordered ? QStringLiteral("l.item_order, ") : QString()));
    m_files = PrepareIfPresent(
        {QStringLiteral("data")},
        QStringLiteral("SELECT format, name FROM data WHERE book = ? ORDER BY id"));
}

bool CCalibreReader::CheckQuery(const CReadOnlyDatabase::Query &query)
{
    if (!query.Failed())
        return true;
    if (Error().isEmpty())
        SetError(TranslatedMessage(
                     QT_TRANSLATE_NOOP("Messages", "%1 cannot be read on after book %2: %3."))
                     .arg(Shown(m_file), QString::number(m_position), query.Error()));
    return false;
}

QString CCalibreReader::BookFolder(const QString &relativePath) const
{
    if (relativePath.trimmed().isEmpty())
        return QString();
    // calibre's paths are relative to the library; one that leads out of it
    // (a damaged or crafted database) names no folder of this library.
    const QString folder = QDir::cleanPath(m_libraryFolder + u'/' + relativePath);
    if (QDir::isAbsolutePath(relativePath) || !folder.startsWith(m_libraryFolder + u'/'))
        return QString();
    return folder;
}

bool CCalibreReader::Next(CForeignBook &book)
{
    book = CForeignBook();
    if (!m_books.IsValid() || !Error().isEmpty())
        return false;
    if (!m_books.Step()) {
        CheckQuery(m_books);
        return false;
    }
    book.number = ++m_position;
    const qint64 id = m_books.Integer(0);
    book.values.append({QStringLiteral("title"), QStringLiteral("Title"), m_books.Text(1)});
    ReadLinkedValues(id, book);
    ReadIdentifiers(id, book);
    // Libraries of old calibre versions keep the ISBN in the book row.
    const QString isbn = m_books.Text(6).trimmed();
    if (!isbn.isEmpty())
        book.values.append({QStringLiteral("isbn"), QStringLiteral("ISBN"), isbn});
    const QString lccn = m_books.Text(7).trimmed();
    if (!lccn.isEmpty())
        book.values.append({QStringLiteral("LCCN"), QString(), lccn});
    ReadLanguages(id, book);
    const QString published = CalibreDay(m_books.Text(2), m_timeZone);
    if (!published.isEmpty())
        book.values.append({QStringLiteral("pubdate"), QStringLiteral("ReleaseDate"), published});
    const QString added = CalibreDay(m_books.Text(3), m_timeZone);
    if (!added.isEmpty())
        book.values.append(
            {TranslatedMessage(QT_TRANSLATE_NOOP("Messages", "Date added to calibre")), QString(),
             added});
    book.values += m_customColumns.Values(id);
    if (!m_customColumns.Error().isEmpty() && Error().isEmpty())
        SetError(TranslatedMessage(
                     QT_TRANSLATE_NOOP("Messages", "%1 cannot be read on after book %2: %3."))
                     .arg(Shown(m_file), QString::number(m_position), m_customColumns.Error()));

    const QString folder = BookFolder(m_books.Text(5));
    if (!folder.isEmpty()) {
        const QString cover = folder + QStringLiteral("/cover.jpg");
        if (QFileInfo(cover).isFile())
            book.coverFile = cover;
        ReadFiles(id, folder, book);
    }
    return Error().isEmpty();
}

void CCalibreReader::ReadLinkedValues(qint64 id, CForeignBook &book)
{
    m_authors.Restart(id);
    while (m_authors.Step()) {
        // calibre keeps a comma of a name as "|", since commas part names
        // in its lists.
        QString name = m_authors.Text(0).trimmed();
        name.replace(u'|', u',');
        book.values.append({QStringLiteral("authors"), QStringLiteral("Author"), name});
    }
    CheckQuery(m_authors);
    m_publishers.Restart(id);
    while (m_publishers.Step())
        book.values.append(
            {QStringLiteral("publisher"), QStringLiteral("Publisher"), m_publishers.Text(0)});
    CheckQuery(m_publishers);
    m_series.Restart(id);
    if (m_series.Step()) {
        book.values.append({QStringLiteral("series"), QStringLiteral("Series"), m_series.Text(0)});
        book.values.append({QStringLiteral("series_index"), QStringLiteral("SeriesNumber"),
                            SeriesNumberText(m_books.Number(4))});
    }
    CheckQuery(m_series);
    m_tags.Restart(id);
    while (m_tags.Step()) {
        const QString tag = m_tags.Text(0).trimmed();
        if (tag.isEmpty())
            continue;
        book.categories.append({tag});
        if (IsTagNamed(tag, {"wishlist", "wanted"}))
            book.wishList = true;
        if (IsTagNamed(tag, {"toread", "tbr"}))
            book.toRead = true;
    }
    CheckQuery(m_tags);
    m_ratings.Restart(id);
    if (m_ratings.Step() && m_ratings.Number(0) > 0)
        book.values.append({QStringLiteral("rating"),
                            QString::fromLatin1(ForeignField::MyRatingOutOf10),
                            SeriesNumberText(m_ratings.Number(0))});
    CheckQuery(m_ratings);
    m_comments.Restart(id);
    if (m_comments.Step() && !m_comments.Text(0).trimmed().isEmpty())
        book.values.append(
            {QStringLiteral("comments"), QStringLiteral("Description"), m_comments.Text(0)});
    CheckQuery(m_comments);
}

void CCalibreReader::ReadIdentifiers(qint64 id, CForeignBook &book)
{
    m_identifiers.Restart(id);
    while (m_identifiers.Step()) {
        const QString type = m_identifiers.Text(0).trimmed();
        const QString value = m_identifiers.Text(1).trimmed();
        if (value.isEmpty())
            continue;
        if (type.compare(QLatin1String("isbn"), Qt::CaseInsensitive) == 0)
            book.values.append({QStringLiteral("isbn"), QStringLiteral("ISBN"), value});
        else
            book.values.append(
                {TranslatedMessage(QT_TRANSLATE_NOOP("Messages", "Identifier %1")).arg(type),
                 QString(), value});
    }
    CheckQuery(m_identifiers);
}

void CCalibreReader::ReadLanguages(qint64 id, CForeignBook &book)
{
    // ISO 639 codes, in the user's order; the mapping names them, the first
    // in the book's field and the others in Notes. "und" is calibre's
    // "undetermined".
    m_languages.Restart(id);
    while (m_languages.Step()) {
        const QString code = m_languages.Text(0).trimmed();
        if (!code.isEmpty() && code.compare(QLatin1String("und"), Qt::CaseInsensitive) != 0)
            book.values.append({QStringLiteral("languages"), QStringLiteral("Language"), code});
    }
    CheckQuery(m_languages);
}

void CCalibreReader::ReadFiles(qint64 id, const QString &folder, CForeignBook &book)
{
    QStringList formats;
    m_files.Restart(id);
    while (m_files.Step()) {
        const QString format = m_files.Text(0).trimmed();
        const QString path =
            QDir::cleanPath(folder + u'/' + m_files.Text(1) + u'.' + format.toLower());
        if (format.isEmpty() || !path.startsWith(folder + u'/'))
            continue;
        formats.append(format.toUpper());
        if (QFileInfo(path).isFile())
            book.links.append({QString::number(book.links.size() + 1), LoadString(194), path,
                               QString()}); // "eBook file"
        else
            book.values.append(
                {TranslatedMessage(QT_TRANSLATE_NOOP("Messages", "Missing eBook file")), QString(),
                 Shown(path)});
    }
    CheckQuery(m_files);
    // The formats the book has, as far as the field holds them.
    QString formatText;
    for (const QString &format : formats) {
        const QString longer =
            formatText.isEmpty() ? format : formatText + QStringLiteral(", ") + format;
        if (longer.size() > kMaxFormatText)
            break;
        formatText = longer;
    }
    if (!formatText.isEmpty())
        book.values.append({QStringLiteral("formats"), QStringLiteral("Format"), formatText});
}
