#pragma once

#include <QHash>
#include <QString>

class CLibraryConnection;

// Text of a category's path as the book files write it: ">>" and the name of
// each category from the top down (">>Book Collection>>Fiction"). Paths are
// remembered for the life of the object, one document's writing.
class CCategoryPaths
{
public:
    explicit CCategoryPaths(CLibraryConnection &connection) : m_connection(connection) {}

    QString PathOf(const QString &categoryId);

private:
    CLibraryConnection &m_connection;
    QHash<QString, QString> m_paths;
};
