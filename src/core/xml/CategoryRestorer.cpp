#include "xml/CategoryRestorer.h"

#include "app/StringTable.h"
#include "db/CategoryStore.h"
#include "db/DbAccess.h"
#include "db/TextCollation.h"

#include <QSet>

namespace {

const QString kSeparator = QStringLiteral(">>");

// A place the file names that is never one a book is put into.
constexpr int kNoPlace = -1;

bool SameName(const QString &left, const QString &right, bool foldCase)
{
    return foldCase ? CompareFoldingCase(left, right) == 0 : left == right;
}

} // namespace

bool CCategoryRestorer::Load()
{
    QVector<CCategoryRow> rows;
    if (!CCategoryStore(m_connection).ReadAll(rows))
        return false;
    for (const CCategoryRow &row : std::as_const(rows))
        m_nodes.insert(row.id, CNode{row.parentId, row.name, {}, {}, false});
    for (const CCategoryRow &row : std::as_const(rows)) {
        const auto parent = m_nodes.find(row.parentId);
        if (parent != m_nodes.end())
            parent->children.append(row.id);
    }
    return true;
}

bool CCategoryRestorer::Resolve(const QVector<CBookXmlCategory> &categories, QVector<int> &places)
{
    places.clear();
    for (const CBookXmlCategory &category : categories) {
        bool failed = false;
        const int id = ResolveOne(category, failed);
        if (failed) {
            places.clear();
            return false;
        }
        if (id > 0 && !places.contains(id))
            places.append(id);
    }
    return true;
}

void CCategoryRestorer::ForgetCreatedAfter(int count)
{
    if (count >= m_created.size())
        return;
    const QVector<int> gone = m_created.mid(count);
    m_created.resize(count);
    const QSet<int> goneSet(gone.cbegin(), gone.cend());
    // Last created first: a child goes before its parent.
    for (auto it = gone.crbegin(); it != gone.crend(); ++it) {
        const CNode node = m_nodes.take(*it);
        if (m_nodes.contains(node.parentId))
            m_nodes[node.parentId].children.removeAll(*it);
    }
    for (auto it = m_resolved.begin(); it != m_resolved.end();) {
        if (goneSet.contains(*it))
            it = m_resolved.erase(it);
        else
            ++it;
    }
}

int CCategoryRestorer::ResolveOne(const CBookXmlCategory &category, bool &failed)
{
    const QString key = category.id + u'\n' + category.path;
    const auto known = m_resolved.constFind(key);
    if (known != m_resolved.constEnd())
        return *known;
    if (!category.path.startsWith(kSeparator))
        return 0;
    const QString body = category.path.mid(kSeparator.size());
    const bool topLevel = !body.contains(kSeparator);
    // Identifiers in the file are the writing library's; only the fixed
    // ones below the first user category mean the same in every library.
    const QString fileId = IsIntegerText(category.id) ? category.id.trimmed() : QString();
    const int fixedId = fileId.toInt();

    int place = 0;
    QString rest;
    if (topLevel && fixedId > 0 && !IsUserCategory(fixedId)) {
        place = fixedId == kBookCollection || fixedId == kFavorites || fixedId == kReadingList
                    ? fixedId
                    : kNoPlace;
    } else if (topLevel) {
        place = SpecialByName(body);
        rest = body; // a category the file puts at the top goes below the root
    } else {
        rest = body.mid(body.indexOf(kSeparator) + kSeparator.size());
    }

    if (place == 0 && !rest.isEmpty()) {
        CMatch match;
        Walk(kBookCollection, rest, fileId, match);
        if (match.rest.isEmpty()) {
            place = match.id;
            CNode &node = m_nodes[place];
            if (node.created && node.createdFor.isEmpty())
                node.createdFor = fileId;
        } else {
            place = Create(match.id, match.rest, fileId, failed);
            if (failed)
                return 0;
        }
    }
    // A fixed row a damaged library lacks is no place either.
    if (place > 0 && !m_nodes.contains(place))
        place = 0;
    place = qMax(place, 0);
    m_resolved.insert(key, place);
    return place;
}

int CCategoryRestorer::SpecialByName(const QString &name) const
{
    for (const bool foldCase : {false, true}) {
        for (const int id : {kBookCollection, kFavorites, kReadingList, kSearchResults}) {
            const auto node = m_nodes.constFind(id);
            if (node != m_nodes.constEnd() && SameName(node->name, name, foldCase))
                return id == kSearchResults ? kNoPlace : id;
        }
        for (const int stringId : {227, 228}) // All Books, Recycle Bin
            if (SameName(LoadString(stringId), name, foldCase))
                return kNoPlace;
    }
    return 0;
}

void CCategoryRestorer::Walk(int parentId, const QString &rest, const QString &fileId,
                             CMatch &best) const
{
    const QVector<int> children = m_nodes.value(parentId).children;
    // Exact names first, so "Java" finds "Java" beside "JAVA".
    for (const bool foldCase : {false, true}) {
        for (const int childId : children) {
            const CNode &child = m_nodes[childId];
            if (foldCase && (rest == child.name || rest.startsWith(child.name + kSeparator)))
                continue; // tried in the exact round
            if (SameName(rest, child.name, foldCase)) {
                // Made by this import for another category of the same name.
                if (child.created && !child.createdFor.isEmpty() && !fileId.isEmpty() &&
                    child.createdFor != fileId)
                    continue;
                best = CMatch{childId, QString()};
                return;
            }
            const qsizetype length = child.name.size();
            if (rest.size() > length + kSeparator.size() &&
                QStringView(rest).mid(length, kSeparator.size()) == kSeparator &&
                SameName(rest.left(length), child.name, foldCase)) {
                Walk(childId, rest.mid(length + kSeparator.size()), fileId, best);
                if (best.id != 0 && best.rest.isEmpty())
                    return;
            }
        }
    }
    // The deepest category reached leaves the least to create.
    if (best.id == 0 || rest.size() < best.rest.size())
        best = CMatch{parentId, rest};
}

int CCategoryRestorer::Create(int parentId, const QString &rest, const QString &fileId,
                              bool &failed)
{
    // A name with ">>" in it reads as two here: the path cannot tell them
    // apart from a category and its sub category.
    const QStringList names = rest.split(kSeparator);
    for (const QString &name : names)
        if (name.isEmpty())
            return 0;
    CCategoryStore store(m_connection);
    int id = parentId;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const int parent = id;
        id = store.Add(names.at(i), QString(), parent);
        if (id == 0) {
            failed = true;
            return 0;
        }
        AddNode(id, parent, names.at(i), i + 1 == names.size() ? fileId : QString());
        m_created.append(id);
    }
    return id;
}

void CCategoryRestorer::AddNode(int id, int parentId, const QString &name,
                                const QString &createdFor)
{
    m_nodes.insert(id, CNode{parentId, name, {}, createdFor, true});
    m_nodes[parentId].children.append(id);
}
