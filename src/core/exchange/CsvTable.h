#pragma once

#include <QString>
#include <QStringList>

#include <memory>

// Reads a table with a header row from a CSV or TSV file, one row at a time
// with memory that stays flat whatever the file's size. Fields may hold
// quoted separators, quotes and line breaks (RFC 4180). The character set is
// UTF-8 with or without BOM, UTF-16 with BOM, or, when the bytes are not
// valid UTF-8, Windows-1252 with a note.
class CCsvTable
{
public:
    CCsvTable();
    ~CCsvTable();
    CCsvTable(const CCsvTable &) = delete;
    CCsvTable &operator=(const CCsvTable &) = delete;

    // Opens `path` and reads its header row. The separator is the one given,
    // or else guessed from the header line (tab, comma or semicolon). False
    // with Error() when the file cannot be read or has no header.
    bool Open(const QString &path, QChar separator = QChar());

    QStringList Header() const;

    // The next data row: as many fields as the row has (callers report rows
    // with more or fewer fields than the header). False at the end, and
    // false with Error() set when the file cannot be read on.
    bool NextRow(QStringList &fields);

    // The data row last read, from 1 for the first row after the header.
    int RowNumber() const;

    QString Error() const;
    // Remarks about the file, such as the Windows-1252 fallback.
    QStringList Notes() const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

// The text of a whole file read the same way (UTF-8 with or without BOM,
// UTF-16 with BOM, Windows-1252 when not valid UTF-8); `note` tells of a
// fallback and is left empty otherwise.
QString DecodeForeignText(const QByteArray &bytes, QString *note);
