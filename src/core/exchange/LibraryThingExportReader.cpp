#include "exchange/LibraryThingExportReader.h"

#include "exchange/LibraryThingJsonReader.h"
#include "exchange/LibraryThingReader.h"

#include <QFile>

QString CLibraryThingExportReader::SourceName() const
{
    return QStringLiteral("LibraryThing");
}

bool CLibraryThingExportReader::Open(const QString &path)
{
    QFile file(path);
    QByteArray start;
    if (file.open(QIODevice::ReadOnly))
        start = file.read(64).trimmed();
    if (start.startsWith("\xEF\xBB\xBF"))
        start = start.mid(3).trimmed();
    if (start.startsWith('{') || start.startsWith('['))
        m_reader = std::make_unique<CLibraryThingJsonReader>();
    else
        m_reader = std::make_unique<CLibraryThingReader>();
    m_notesTaken = 0;
    const bool opened = m_reader->Open(path);
    TakeRemarks();
    return opened;
}

bool CLibraryThingExportReader::Next(CForeignBook &book)
{
    const bool read = m_reader && m_reader->Next(book);
    TakeRemarks();
    return read;
}

void CLibraryThingExportReader::TakeRemarks()
{
    if (!m_reader)
        return;
    SetError(m_reader->Error());
    const QStringList notes = m_reader->Notes();
    for (; m_notesTaken < notes.size(); ++m_notesTaken)
        AddNote(notes.at(m_notesTaken));
}
