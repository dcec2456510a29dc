#pragma once

#include "exchange/CatalogueReader.h"
#include "exchange/XmlRecordStream.h"

#include <QFile>
#include <QHash>
#include <QList>

struct _xmlNode;

// Reads the books of a GCstar collection (.gcs) of any file format version:
// the fields of an item are attributes in older versions and elements in
// newer ones, lists (authors, genres, tags, past lendings) are <line>s of
// <col>s. Dates (DD/MM/YYYY) come out as ISO dates; the cover is a picture
// file named relative to the collection or absolutely. Collections of
// other kinds are refused.
class CGcstarReader : public CCatalogueReader
{
public:
    QString SourceName() const override;
    bool Open(const QString &path) override;
    bool Next(CForeignBook &book) override;

private:
    // One field of an item: a text, or lines of columns for a list.
    struct CItemField
    {
        QString name;
        QString text;
        QList<QStringList> lines;
        bool isList = false;
    };

    void ReadUserFields(const _xmlNode *userCollection);
    QList<CItemField> ItemFields(const _xmlNode *item, CBoundedXmlText &text) const;
    void Place(const CItemField &field, const QList<CItemField> &all, CForeignBook &book);
    void PlaceList(const CItemField &field, CForeignBook &book) const;
    void AttachCover(const QString &path, CForeignBook &book);
    QString Label(const QString &name) const;
    QString Resolve(const QString &path) const;

    QString m_path;
    QFile m_file;
    CXmlRecordStream m_stream;
    QHash<QString, QString> m_userLabels; // the user's own fields, by name
    int m_items = 0;
};

// A date as GCstar writes it (DD/MM/YYYY, MM/YYYY or a year) in ISO form;
// any other text comes back as it is.
QString GcstarDate(const QString &text);
