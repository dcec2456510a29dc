#include "exchange/CsvTable.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>

#include <csv.h>

#include <deque>
#include <optional>

namespace {

// Bytes read from the file at a time.
constexpr qint64 kChunkSize = 64 * 1024;
// Limits that keep memory flat on a file that is no table: a quote left open
// turns the rest of a file into one field, and a binary file may look like a
// row of countless fields.
constexpr size_t kMaxFieldBytes = 16 * 1024 * 1024;
constexpr int kMaxFieldsPerRow = 10000;

// What Windows-1252 puts at 0x80-0x9F where Latin-1 has control characters;
// its five unassigned bytes keep the control character of the same number.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QString DecodeCp1252(const char *data, qsizetype size)
{
    QString text(size, Qt::Uninitialized);
    QChar *out = text.data();
    for (qsizetype i = 0; i < size; ++i) {
        const auto byte = static_cast<unsigned char>(data[i]);
        out[i] = (byte >= 0x80 && byte < 0xA0) ? QChar(kCp1252High[byte - 0x80]) : QChar(byte);
    }
    return text;
}

bool IsAscii(const char *data, qsizetype size)
{
    for (qsizetype i = 0; i < size; ++i) {
        if (static_cast<unsigned char>(data[i]) >= 0x80)
            return false;
    }
    return true;
}

enum class Charset
{
    Utf8,
    Utf16Le,
    Utf16Be
};

// The character set the first bytes announce, and the length of their byte
// order mark. UTF-16 without a mark is recognised by the zero bytes of its
// first two ASCII characters.
Charset SniffCharset(const QByteArray &start, int *bomLength)
{
    *bomLength = 0;
    if (start.startsWith("\xEF\xBB\xBF")) {
        *bomLength = 3;
        return Charset::Utf8;
    }
    if (start.startsWith("\xFF\xFE")) {
        *bomLength = 2;
        return Charset::Utf16Le;
    }
    if (start.startsWith("\xFE\xFF")) {
        *bomLength = 2;
        return Charset::Utf16Be;
    }
    if (start.size() >= 4) {
        const auto *b = reinterpret_cast<const unsigned char *>(start.constData());
        if (b[0] != 0 && b[1] == 0 && b[2] != 0 && b[3] == 0)
            return Charset::Utf16Le;
        if (b[0] == 0 && b[1] != 0 && b[2] == 0 && b[3] != 0)
            return Charset::Utf16Be;
    }
    return Charset::Utf8;
}

// The separator of the header line: the most frequent of tab, comma and
// semicolon outside quotes; comma when none occurs.
char GuessSeparator(const QByteArray &text)
{
    int tabs = 0;
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == '\n' || c == '\r')
            break;
        else if (c == '\t')
            ++tabs;
        else if (c == ',')
            ++commas;
        else if (c == ';')
            ++semicolons;
    }
    if (tabs > 0 && tabs >= commas && tabs >= semicolons)
        return '\t';
    if (semicolons > commas)
        return ';';
    return ',';
}

int IsSpaceInCommaTable(unsigned char c)
{
    return c == CSV_SPACE || c == CSV_TAB;
}
int IsSpaceInTabTable(unsigned char c)
{
    return c == CSV_SPACE;
}

} // namespace

struct CCsvTable::Impl
{
    QFile file;
    csv_parser parser{};
    bool parserReady = false;
    bool parsedAll = false;
    Charset charset = Charset::Utf8;
    std::optional<QStringDecoder> utf16;
    QString pendingHighSurrogate;
    QStringDecoder utf8{QStringDecoder::Utf8, QStringDecoder::Flag::Stateless};

    QStringList currentRow;
    bool rowTooWide = false;
    std::deque<QStringList> rows;
    int rowsParsed = 0; // rows libcsv completed, the header included

    QStringList header;
    int rowNumber = 0;
    bool fellBackToCp1252 = false;
    QString error;
    QStringList notes;

    ~Impl()
    {
        if (parserReady)
            csv_free(&parser);
    }

    QString FileName() const { return file.fileName(); }

    void Fail(const QString &message)
    {
        if (error.isEmpty())
            error = message;
    }

    QString DecodeField(const char *data, size_t size)
    {
        const auto length = static_cast<qsizetype>(size);
        QString text;
        if (IsAscii(data, length)) {
            text = QString::fromLatin1(data, length);
        } else {
            utf8.resetState();
            text = utf8.decode(QByteArrayView(data, length));
            // Decided field by field: a table pasted together from files of
            // both kinds keeps the UTF-8 parts as they are.
            if (charset == Charset::Utf8 && utf8.hasError()) {
                text = DecodeCp1252(data, length);
                if (!fellBackToCp1252) {
                    fellBackToCp1252 = true;
                    notes.append(QCoreApplication::translate(
                                     "Import",
                                     "The file is not valid UTF-8 (first in row %1): read as "
                                     "Windows-1252.")
                                     .arg(rowsParsed)); // the header is row 0
                }
            }
        }
        if (text.contains(u'\r'))
            text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        return text;
    }

    static void OnField(void *data, size_t size, void *self)
    {
        auto *impl = static_cast<Impl *>(self);
        if (impl->currentRow.size() >= kMaxFieldsPerRow) {
            impl->rowTooWide = true;
            return;
        }
        impl->currentRow.append(impl->DecodeField(static_cast<const char *>(data), size));
    }

    static void OnRowEnd(int, void *self)
    {
        auto *impl = static_cast<Impl *>(self);
        if (impl->rowTooWide) {
            impl->Fail(
                QCoreApplication::translate(
                    "Import", "%1: row %2 has more than %3 fields; the file is no table of books.")
                    .arg(impl->FileName())
                    .arg(impl->rowsParsed)
                    .arg(kMaxFieldsPerRow));
        }
        impl->rows.push_back(std::move(impl->currentRow));
        impl->currentRow = QStringList();
        impl->rowTooWide = false;
        ++impl->rowsParsed;
    }

    // The next chunk of the file as UTF-8 bytes (UTF-16 is converted; a
    // character split between two chunks waits in the decoder).
    QByteArray ReadChunk(bool *atEnd)
    {
        QByteArray bytes = file.read(kChunkSize);
        *atEnd = bytes.isEmpty();
        if (!utf16)
            return bytes;
        return Utf16ToUtf8(bytes);
    }

    // The decoder keeps an odd byte for the next chunk, but hands out the
    // first half of a surrogate pair at once; it waits here for its second
    // half, which UTF-8 needs to encode the pair.
    QByteArray Utf16ToUtf8(const QByteArray &bytes)
    {
        QString text = pendingHighSurrogate + QString(utf16->decode(bytes));
        pendingHighSurrogate.clear();
        if (!bytes.isEmpty() && !text.isEmpty() && text.back().isHighSurrogate()) {
            pendingHighSurrogate = text.back();
            text.chop(1);
        }
        return text.toUtf8();
    }

    void Parse(const QByteArray &bytes)
    {
        if (csv_parse(&parser, bytes.constData(), size_t(bytes.size()), &OnField, &OnRowEnd,
                      this) != size_t(bytes.size())) {
            Fail(QCoreApplication::translate("Import", "%1 cannot be read as a table: %2")
                     .arg(FileName(), QString::fromUtf8(csv_strerror(csv_error(&parser)))));
            return;
        }
        if (csv_get_buffer_size(&parser) > kMaxFieldBytes) {
            Fail(QCoreApplication::translate(
                     "Import", "%1: row %2 holds a field of more than %3 MB; is a quote left open?")
                     .arg(FileName())
                     .arg(rowsParsed)
                     .arg(kMaxFieldBytes / (1024 * 1024)));
        }
    }

    void Finish()
    {
        parsedAll = true;
        if (file.error() != QFileDevice::NoError) {
            Fail(QCoreApplication::translate("Import", "%1 cannot be read: %2")
                     .arg(FileName(), file.errorString()));
            return;
        }
        // libcsv only reports a quote left open in its strict mode, which
        // also refuses the stray quotes many exports have; its state says it.
        constexpr int kFieldBegun = 2;
        if (parser.pstate == kFieldBegun && parser.quoted) {
            Fail(QCoreApplication::translate("Import",
                                             "%1: the quote opened in row %2 is never closed.")
                     .arg(FileName())
                     .arg(rowsParsed));
            return;
        }
        if (csv_fini(&parser, &OnField, &OnRowEnd, this) != 0)
            Fail(QCoreApplication::translate("Import", "%1 cannot be read as a table: %2")
                     .arg(FileName(), QString::fromUtf8(csv_strerror(csv_error(&parser)))));
    }

    // Parses on until a row is waiting, the file ends or an error stops it.
    bool FillRows()
    {
        while (rows.empty() && !parsedAll && error.isEmpty()) {
            bool atEnd = false;
            const QByteArray bytes = ReadChunk(&atEnd);
            if (!bytes.isEmpty())
                Parse(bytes);
            if (atEnd && error.isEmpty())
                Finish();
        }
        return error.isEmpty() && !rows.empty();
    }
};

CCsvTable::CCsvTable() : m_impl(std::make_unique<Impl>()) {}

CCsvTable::~CCsvTable() = default;

bool CCsvTable::Open(const QString &path, QChar separator)
{
    m_impl = std::make_unique<Impl>();
    Impl &d = *m_impl;
    d.file.setFileName(path);
    if (!d.file.open(QIODevice::ReadOnly)) {
        d.error = QCoreApplication::translate("Import", "%1 cannot be read: %2")
                      .arg(path, d.file.errorString());
        return false;
    }

    QByteArray start = d.file.read(kChunkSize);
    int bomLength = 0;
    d.charset = SniffCharset(start, &bomLength);
    start.remove(0, bomLength);
    if (d.charset != Charset::Utf8) {
        d.utf16.emplace(d.charset == Charset::Utf16Le ? QStringDecoder::Utf16LE
                                                      : QStringDecoder::Utf16BE);
        start = d.Utf16ToUtf8(start);
    }

    if (csv_init(&d.parser, 0) != 0) {
        d.error = QCoreApplication::translate("Import", "%1 cannot be read: %2")
                      .arg(path, QCoreApplication::translate("Import", "out of memory"));
        return false;
    }
    d.parserReady = true;
    const char delimiter = separator.isNull() ? GuessSeparator(start) : char(separator.toLatin1());
    csv_set_delim(&d.parser, static_cast<unsigned char>(delimiter));
    // Spaces around unquoted fields are trimmed; in a tab-separated table
    // the tab is the separator and no space.
    csv_set_space_func(&d.parser, delimiter == '\t' ? &IsSpaceInTabTable : &IsSpaceInCommaTable);

    d.Parse(start);
    if (!d.FillRows()) {
        d.Fail(QCoreApplication::translate("Import", "%1 has no header row.").arg(path));
        return false;
    }
    d.header = std::move(d.rows.front());
    d.rows.pop_front();
    for (QString &name : d.header)
        name = name.trimmed();
    return true;
}

QStringList CCsvTable::Header() const
{
    return m_impl->header;
}

bool CCsvTable::NextRow(QStringList &fields)
{
    fields.clear();
    if (!m_impl->FillRows())
        return false;
    fields = std::move(m_impl->rows.front());
    m_impl->rows.pop_front();
    ++m_impl->rowNumber;
    return true;
}

int CCsvTable::RowNumber() const
{
    return m_impl->rowNumber;
}

QString CCsvTable::Error() const
{
    return m_impl->error;
}

QStringList CCsvTable::Notes() const
{
    return m_impl->notes;
}

QString DecodeForeignText(const QByteArray &bytes, QString *note)
{
    if (note)
        note->clear();
    int bomLength = 0;
    const Charset charset = SniffCharset(bytes, &bomLength);
    const QByteArrayView body = QByteArrayView(bytes).sliced(bomLength);
    if (charset != Charset::Utf8) {
        QStringDecoder decoder(charset == Charset::Utf16Le ? QStringDecoder::Utf16LE
                                                           : QStringDecoder::Utf16BE,
                               QStringDecoder::Flag::Stateless);
        return decoder.decode(body);
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(body);
    if (!decoder.hasError())
        return text;
    if (note)
        *note = QCoreApplication::translate("Import",
                                            "The text is not valid UTF-8: read as Windows-1252.");
    return DecodeCp1252(body.data(), body.size());
}
