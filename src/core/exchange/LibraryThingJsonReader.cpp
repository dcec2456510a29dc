#include "exchange/LibraryThingJsonReader.h"

#include "exchange/CsvTable.h"
#include "exchange/ExportText.h"
#include "exchange/LibraryThingReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// A JSON export bigger than this is no catalogue of books.
constexpr qint64 kMaxJsonBytes = qint64(512) * 1024 * 1024;

// Every text of a value, in order: strings and numbers as they are, the
// members of arrays and objects one after the other.
QStringList Texts(const QJsonValue &value)
{
    if (value.isString())
        return {DecodeHtmlEntities(value.toString().trimmed())};
    if (value.isDouble())
        return {QString::number(value.toDouble(), 'g', 15)};
    if (value.isBool())
        return {value.toBool() ? QStringLiteral("true") : QStringLiteral("false")};
    QStringList texts;
    if (value.isArray()) {
        for (const QJsonValue &member : value.toArray())
            texts += Texts(member);
    } else if (value.isObject()) {
        const QJsonObject object = value.toObject();
        for (auto it = object.begin(); it != object.end(); ++it)
            texts += Texts(it.value());
    }
    texts.removeAll(QString());
    return texts;
}

QString Text(const QJsonValue &value)
{
    return Texts(value).join(QStringLiteral(", "));
}

void AddAuthors(const QJsonObject &record, CForeignBook &book)
{
    const QJsonArray authors = record.value(QLatin1String("authors")).toArray();
    for (const QJsonValue &author : authors) {
        const QJsonObject entry = author.toObject();
        QString name = entry.value(QLatin1String("fl")).toString().trimmed();
        if (name.isEmpty())
            name = NameFirstNameFirst(entry.value(QLatin1String("lf")).toString());
        if (!name.isEmpty())
            book.values.append({QStringLiteral("authors"), QStringLiteral("Author"), name});
    }
    if (!authors.isEmpty())
        return;
    for (const char *key : {"primaryauthor", "secondaryauthor"}) {
        for (const QString &name :
             SplitExportList(Text(record.value(QLatin1String(key))), QStringLiteral("|;")))
            book.values.append(
                {QLatin1String(key), QStringLiteral("Author"), NameFirstNameFirst(name)});
    }
}

} // namespace

QString CLibraryThingJsonReader::SourceName() const
{
    return QStringLiteral("LibraryThing");
}

bool CLibraryThingJsonReader::Open(const QString &path)
{
    m_books = QJsonArray();
    m_next = 0;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        SetError(QCoreApplication::translate("Import", "%1 cannot be read: %2")
                     .arg(path, file.errorString()));
        return false;
    }
    if (file.size() > kMaxJsonBytes) {
        SetError(QCoreApplication::translate("Import", "%1 is too large for a LibraryThing export.")
                     .arg(path));
        return false;
    }
    QString note;
    const QString text = DecodeForeignText(file.readAll(), &note);
    if (!note.isEmpty())
        AddNote(path + QStringLiteral(": ") + note);
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &parseError);
    if (document.isNull()) {
        SetError(QCoreApplication::translate("Import", "%1 is no JSON file: %2 at character %3.")
                     .arg(path, parseError.errorString())
                     .arg(parseError.offset));
        return false;
    }
    if (document.isArray()) {
        m_books = document.array();
    } else {
        const QJsonObject books = document.object();
        for (auto it = books.begin(); it != books.end(); ++it)
            m_books.append(it.value());
    }
    return true;
}

bool CLibraryThingJsonReader::Next(CForeignBook &book)
{
    book = CForeignBook();
    if (m_next >= m_books.size())
        return false;
    book.number = m_next + 1;
    const QJsonValue entry = m_books.at(m_next++);
    if (!entry.isObject()) {
        book.problem =
            QCoreApplication::translate("Import", "Entry %1 is no book.").arg(book.number);
        return true;
    }
    const QJsonObject record = entry.toObject();
    AddAuthors(record, book);

    struct CSimple
    {
        const char *key;
        const char *field;
    };
    static const CSimple simple[] = {
        {"title", "Title"},
        {"date", "ReleaseDate"},
        {"summary", "Description"},
        {"review", "Notes"},
        {"comment", "Notes"},
        {"privatecomment", "Notes"},
        {"dimensions", "Dimension"},
        {"pages", "PageCount"},
        {"fromwhere", "Store"},
        {"dateacquired", "PurchaseDate"},
        {"purchaseprice", "PurchasePrice"},
        {"listprice", "ListPrice"},
    };
    // Its own numbers and codes, and what another key holds already.
    static const char *const ignored[] = {"books_id",
                                          "public",
                                          "sortcharacter",
                                          "authors",
                                          "primaryauthor",
                                          "primaryauthorrole",
                                          "secondaryauthor",
                                          "collections_idA",
                                          "genre_id",
                                          "language_codeA",
                                          "originallanguage_codeA",
                                          "asin",
                                          "ean",
                                          "upc"};

    CBookLoan loan;
    CBookReading reading;
    QString publicationYear;
    for (auto it = record.begin(); it != record.end(); ++it) {
        const QString key = it.key();
        const QJsonValue value = it.value();
        const QByteArray latin = key.toLatin1();
        if (std::any_of(std::begin(ignored), std::end(ignored),
                        [&](const char *name) { return latin == name; }))
            continue;
        const auto known = std::find_if(std::begin(simple), std::end(simple),
                                        [&](const CSimple &entry) { return latin == entry.key; });
        if (known != std::end(simple)) {
            const QString text = Text(value);
            if (!text.isEmpty())
                book.values.append({key, QLatin1String(known->field), text});
            continue;
        }
        const QStringList texts = Texts(value);
        if (texts.isEmpty())
            continue;
        const QString text = texts.join(QStringLiteral(", "));
        if (key == u"isbn" || key == u"originalisbn") {
            for (const QString &isbn : texts)
                book.values.append({key, QStringLiteral("ISBN"), isbn});
        } else if (key == u"language") {
            for (const QString &language : texts)
                book.values.append({key, QStringLiteral("Language"), language});
        } else if (key == u"publication") {
            publicationYear = CLibraryThingReader::AddPublication(key, text, book);
        } else if (key == u"collections" || key == u"tags") {
            CLibraryThingReader::AddCollections(texts, book);
        } else if (key == u"format") {
            const QJsonArray formats = value.toArray();
            for (const QJsonValue &format : formats) {
                const QString name = format.toObject().value(QLatin1String("text")).toString();
                if (!name.isEmpty())
                    book.values.append({key, QStringLiteral("Binding"), name});
            }
            if (formats.isEmpty())
                book.values.append({key, QStringLiteral("Binding"), text});
        } else if (key == u"rating") {
            if (text.toDouble() > 0)
                book.values.append({key, QStringLiteral("MyRating"), text});
        } else if (key == u"copies") {
            if (text != u"1")
                book.values.append({key, QString(), text});
        } else if (key == u"workcode") {
            book.values.append({key, QStringLiteral("URL"),
                                QStringLiteral("https://www.librarything.com/work/") + text});
        } else if (key == u"lcc" || key == u"ddc") {
            // Classification codes with their wording: the code is enough.
            const QString code = Text(value.toObject().value(QLatin1String("code")));
            book.values.append({key.toUpper(), QString(), code.isEmpty() ? text : code});
        } else if (key == u"datestarted") {
            reading.Started = text;
        } else if (key == u"dateread") {
            reading.Finished = text;
        } else if (key.startsWith(QLatin1String("lending"))) {
            const QString part = CTableCatalogueReader::ColumnKey(key.mid(7));
            if (part == u"patron")
                loan.Name = text;
            else if (part == u"start")
                loan.LoanDate = text;
            else if (part == u"end")
                loan.DueDate = text;
            else
                loan.Notes = text;
        } else {
            book.values.append({key, QString(), text});
        }
    }
    CLibraryThingReader::AddPublicationYear(publicationYear, book);
    if (!reading.Started.isEmpty() || !reading.Finished.isEmpty())
        book.readings.append(reading);
    if (!loan.Name.isEmpty()) {
        loan.Direction = QStringLiteral("lent");
        if (loan.Notes.contains(QLatin1String("return"), Qt::CaseInsensitive))
            std::swap(loan.ReturnDate, loan.DueDate);
        book.loans.append(loan);
    }
    return true;
}
