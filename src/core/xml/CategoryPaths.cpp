#include "xml/CategoryPaths.h"

#include "db/DbAccess.h"

QString CCategoryPaths::PathOf(const QString &categoryId)
{
    auto cached = m_paths.constFind(categoryId);
    if (cached != m_paths.constEnd())
        return *cached;
    QString path;
    QString id = categoryId;
    if (!IsIntegerText(id))
        id.clear();
    // A damaged library could hold a parent cycle; no real tree is this deep.
    for (int depth = 0; depth < 256 && !id.isEmpty(); ++depth) {
        QString name;
        QueryValue(QStringLiteral("SELECT Name FROM category WHERE CatID=") + id,
                   QStringLiteral("Name"), m_connection, name);
        path.prepend(QStringLiteral(">>") + name);
        QString parent;
        if (!GetParentCategoryId(id, m_connection, parent))
            break;
        id = parent;
    }
    m_paths.insert(categoryId, path);
    return path;
}
