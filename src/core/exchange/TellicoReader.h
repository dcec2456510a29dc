#pragma once

#include "exchange/CatalogueReader.h"
#include "exchange/TellicoFields.h"
#include "exchange/XmlRecordStream.h"

#include <QHash>
#include <QSet>

#include <memory>

class CLimitedZip;
class QIODevice;
class QTemporaryDir;
struct _xmlNode;

// Reads the book collection of a Tellico file: a .tc archive (a zip with
// tellico.xml and the pictures in images/) or the bare XML, which may carry
// its pictures inside as base64. Collections of other kinds are refused.
//
// The file is read twice, both times as a stream: first for what a file
// keeps beside its entries (field definitions, pictures, borrowers with
// their loans, which follow the entries), then entry by entry. Pictures of
// a bare XML file are written to a temporary folder that lives as long as
// the reader; covers out of an archive come as bytes.
class CTellicoReader : public CCatalogueReader
{
public:
    // The most that the XML of an archive, one picture and all pictures of
    // an archive together may unpack to.
    static constexpr qint64 kMaxXmlBytes = qint64(200) << 20;
    static constexpr qint64 kMaxPictureBytes = qint64(20) << 20;
    static constexpr qint64 kMaxArchiveBytes = qint64(2) << 30;

    CTellicoReader();
    ~CTellicoReader() override;

    QString SourceName() const override;
    bool Open(const QString &path) override;
    bool Next(CForeignBook &book) override;

private:
    // A device reading the XML from its start; null with the error set.
    std::unique_ptr<QIODevice> OpenXml();
    bool ScanFile();
    bool CheckCollection(CXmlRecordStream &stream);
    void ReadImage(const _xmlNode *image, CBoundedXmlText &text);
    void ReadBorrower(const _xmlNode *borrower, CBoundedXmlText &text);
    void ReadEntry(const _xmlNode *entry, CForeignBook &book);
    // False when the archive's pictures pass their limit together.
    bool AttachCover(const QString &imageId, CForeignBook &book);
    bool AttachOutsidePicture(const QString &imageId, CForeignBook &book);

    QString m_path;
    std::unique_ptr<CLimitedZip> m_zip;
    QString m_xmlEntry;    // the XML's name in the archive
    QByteArray m_encoding; // set when the file is read as Windows-1252
    CTellicoFields m_fields;
    QHash<QString, QList<CBookLoan>> m_loans; // by the entry's id
    QHash<QString, QString> m_pictureFiles;   // pictures the XML carried, by id
    QSet<QString> m_linkedImages;             // ids that are a path or address
    std::unique_ptr<QTemporaryDir> m_pictureFolder;
    std::unique_ptr<QIODevice> m_device;
    CXmlRecordStream m_stream;
    bool m_streaming = false;
    int m_collections = 0;
    int m_entries = 0;
};
