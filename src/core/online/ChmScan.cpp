#include "online/ChmScan.h"

#include "online/IsbnRules.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLoggingCategory>
#include <QSet>

#include <chm_lib.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

// Diagnostics only, off unless QT_LOGGING_RULES="tomelodex.chmscan.debug=true".
Q_LOGGING_CATEGORY(lcChmScan, "tomelodex.chmscan", QtInfoMsg)

// ---------------------------------------------------------------------------
// chmlib trusts the archive: it follows directory block links without looking
// for loops, parses entries without bounds checks, divides by values from the
// compression headers and reads compressed blocks into fixed buffers at the
// sizes the reset table gives, all unchecked. A damaged or crafted file makes
// it spin for ever, write past its buffers or die of a division by zero.
// Before chmlib opens a file, walk the directory the way it will (the chain of
// listing blocks that chm_enumerate follows, the index tree that
// chm_resolve_object descends) and refuse the file unless every walk ends,
// every block on it parses within itself and the compression headers hold
// values chmlib can work with. Compressed pages are read only within the
// blocks the reset table was checked for.

// Directory blocks of real archives are 4 or 8 KB, compression blocks 32 KB.
constexpr quint32 kMaxDirectoryBlock = 1024 * 1024;
constexpr quint64 kMaxCompressionBlock = 1024 * 1024;
// chmlib's buffer for one compressed block exceeds the block length by this.
constexpr quint64 kCompressedBlockSlack = 6144;

constexpr char kControlDataPath[] = "::DataSpace/Storage/MSCompressed/ControlData";
constexpr char kResetTablePath[] = "::DataSpace/Storage/MSCompressed/Transform/"
                                   "{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable";

quint32 LittleEndian32(const QByteArray &data, qsizetype offset)
{
    const auto *p = reinterpret_cast<const uchar *>(data.constData()) + offset;
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16 | quint32(p[3]) << 24;
}

quint64 LittleEndian64(const QByteArray &data, qsizetype offset)
{
    return quint64(LittleEndian32(data, offset)) | quint64(LittleEndian32(data, offset + 4)) << 32;
}

// The archive's variable-length integers, as chmlib reads them.
bool ReadEncodedInt(const uchar *&cur, const uchar *limit, quint64 &value)
{
    value = 0;
    while (cur < limit) {
        const uchar byte = *cur++;
        value = value << 7 | (byte & 0x7f);
        if (byte < 0x80)
            return true;
    }
    return false;
}

// The LZX window of the control data, 0 when chm_open would fail on it: it
// divides by the half window and later by the blocks between resets, and its
// decoder needs a window of 2^15 to 2^21 bytes.
quint32 UsableWindowSize(const QByteArray &data)
{
    if ((data.size() != 0x18 && data.size() != 0x1c) || data.mid(4, 4) != "LZXC")
        return 0;
    quint32 resetInterval = LittleEndian32(data, 0xc);
    quint32 windowSize = LittleEndian32(data, 0x10);
    if (LittleEndian32(data, 8) == 2) {
        resetInterval <<= 15;
        windowSize <<= 15;
    }
    if (windowSize < (1u << 15) || windowSize > (1u << 21) || (windowSize & (windowSize - 1)))
        return 0;
    const quint32 half = windowSize / 2;
    if (resetInterval == 0 || resetInterval % half != 0 ||
        resetInterval / half * LittleEndian32(data, 0x14) == 0)
        return 0;
    return windowSize;
}

class CChmDirectoryCheck
{
public:
    explicit CChmDirectoryCheck(QFile &file) : m_file(file) {}

    bool Passes();
    // How far into the compressed space pages may be read.
    quint64 CompressedSize() const { return m_compressedSize; }

private:
    enum class BlockKind
    {
        Unreadable, // chmlib's read fails and its walk stops
        Foreign,    // neither listing nor index: chmlib stops
        Listing,
        Index
    };
    struct CBlock
    {
        BlockKind kind = BlockKind::Unreadable;
        qint32 next = -1;             // listing blocks: the next one in the chain
        std::vector<qint32> children; // index blocks: the blocks they point to
    };

    QByteArray ReadAt(quint64 offset, quint64 size);
    // Same arithmetic as chmlib, 64-bit wrap-around of negative numbers included.
    quint64 BlockOffset(qint32 block) const
    {
        return m_blocksStart + quint64(qint64(block)) * m_blockLen;
    }
    bool ReadBlock(qint32 block, CBlock &result);
    bool ListingEntryUsable(const QByteArray &name, quint64 space, quint64 start, quint64 length);
    bool ResetTableUsable(quint64 start, quint64 length);
    bool IndexTreeEnds(qint32 root);

    QFile &m_file;
    quint64 m_blocksStart = 0;
    quint32 m_blockLen = 0;
    quint64 m_dataOffset = 0;
    quint32 m_windowSize = 0;
    bool m_resetTableSeen = false;
    quint64 m_resetTableStart = 0;
    quint64 m_resetTableLength = 0;
    quint64 m_compressionBlock = 0;
    quint64 m_compressedSize = 0;
};

QByteArray CChmDirectoryCheck::ReadAt(quint64 offset, quint64 size)
{
    const auto fileSize = quint64(m_file.size());
    if (offset > fileSize || size > fileSize - offset || !m_file.seek(qint64(offset)))
        return QByteArray();
    return m_file.read(qint64(size));
}

bool CChmDirectoryCheck::ListingEntryUsable(const QByteArray &name, quint64 space, quint64 start,
                                            quint64 length)
{
    // The space: 0 stored, 1 compressed. chmlib treats any other number as
    // compressed, which the container's own streams never are.
    if (space > 1 || (name.startsWith("::") && space != 0))
        return false;
    if (qstricmp(name.constData(), kControlDataPath) == 0) {
        // Longer control data makes chm_open fail cleanly.
        if (length > 0x100)
            return true;
        const quint32 window = UsableWindowSize(ReadAt(m_dataOffset + start, length));
        if (window == 0 || (m_windowSize != 0 && window != m_windowSize))
            return false;
        m_windowSize = window;
    } else if (qstricmp(name.constData(), kResetTablePath) == 0) {
        return ResetTableUsable(start, length);
    }
    return true;
}

bool CChmDirectoryCheck::ResetTableUsable(quint64 start, quint64 length)
{
    if (m_resetTableSeen)
        return start == m_resetTableStart && length == m_resetTableLength;
    m_resetTableSeen = true;
    m_resetTableStart = start;
    m_resetTableLength = length;
    // chm_open takes a table whose first 40 bytes read and whose version is 2;
    // without one it reads nothing compressed.
    const QByteArray header = ReadAt(m_dataOffset + start, std::min<quint64>(length, 0x28));
    if (header.size() != 0x28 || LittleEndian32(header, 0) != 2)
        return true;
    const quint32 blockCount = LittleEndian32(header, 4);
    const quint64 tableOffset = LittleEndian32(header, 0xc);
    const quint64 compressedLength = LittleEndian64(header, 0x18);
    m_compressionBlock = LittleEndian64(header, 0x20);
    if (m_compressionBlock == 0 || m_compressionBlock > kMaxCompressionBlock)
        return false;
    // Where each block starts; the last one ends at the compressed length.
    const QByteArray table = ReadAt(m_dataOffset + start + tableOffset, quint64(blockCount) * 8);
    if (quint64(table.size()) != quint64(blockCount) * 8)
        return false;
    for (qsizetype i = 0; i < qsizetype(blockCount); ++i) {
        const quint64 from = LittleEndian64(table, i * 8);
        const quint64 to =
            i + 1 < qsizetype(blockCount) ? LittleEndian64(table, (i + 1) * 8) : compressedLength;
        const auto size = qint64(to - from);
        if (size < 0 || quint64(size) > m_compressionBlock + kCompressedBlockSlack)
            return false;
    }
    m_compressedSize = quint64(blockCount) * m_compressionBlock;
    return true;
}

bool CChmDirectoryCheck::ReadBlock(qint32 block, CBlock &result)
{
    result = CBlock();
    const QByteArray data = ReadAt(BlockOffset(block), m_blockLen);
    if (quint32(data.size()) != m_blockLen)
        return true;
    const bool listing = data.startsWith("PMGL");
    if (!listing && !data.startsWith("PMGI")) {
        result.kind = BlockKind::Foreign;
        return true;
    }
    result.kind = listing ? BlockKind::Listing : BlockKind::Index;
    const quint32 headerLen = listing ? 20 : 8;
    const quint32 freeSpace = LittleEndian32(data, 4);
    if (freeSpace > m_blockLen - headerLen)
        return false;
    const auto *begin = reinterpret_cast<const uchar *>(data.constData());
    const uchar *cur = begin + headerLen;
    const uchar *end = begin + (m_blockLen - freeSpace);
    const uchar *limit = begin + m_blockLen;
    while (cur < end) {
        quint64 nameLen = 0;
        if (!ReadEncodedInt(cur, limit, nameLen) || nameLen == 0 || nameLen > CHM_MAX_PATHLEN ||
            nameLen > quint64(limit - cur))
            return false;
        const QByteArray name(reinterpret_cast<const char *>(cur), qsizetype(nameLen));
        cur += nameLen;
        // Listing entries carry space, start and length; index entries a block.
        quint64 values[3] = {};
        for (int i = 0; i < (listing ? 3 : 1); ++i) {
            if (!ReadEncodedInt(cur, limit, values[i]))
                return false;
        }
        if (!listing)
            result.children.push_back(qint32(quint32(values[0]))); // chmlib keeps an int
        else if (!ListingEntryUsable(name, values[0], values[1], values[2]))
            return false;
    }
    if (listing)
        result.next = qint32(LittleEndian32(data, 16));
    return true;
}

bool CChmDirectoryCheck::IndexTreeEnds(qint32 root)
{
    // Depth-first over the index blocks; meeting a block that is still on the
    // path is a loop. Listing blocks are leaves.
    QHash<quint64, bool> finished;
    struct CFrame
    {
        quint64 offset;
        std::vector<qint32> children;
        size_t next = 0;
    };
    std::vector<CFrame> path;
    const auto enter = [&](qint32 block) {
        if (block == -1)
            return true;
        const quint64 offset = BlockOffset(block);
        const auto seen = finished.constFind(offset);
        if (seen != finished.cend())
            return seen.value();
        CBlock parsed;
        if (!ReadBlock(block, parsed))
            return false;
        const bool index = parsed.kind == BlockKind::Index;
        finished.insert(offset, !index);
        if (index)
            path.push_back({offset, std::move(parsed.children)});
        return true;
    };
    if (!enter(root))
        return false;
    while (!path.empty()) {
        CFrame &top = path.back();
        if (top.next == top.children.size()) {
            finished[top.offset] = true;
            path.pop_back();
        } else if (!enter(top.children[top.next++])) {
            return false;
        }
    }
    return true;
}

bool CChmDirectoryCheck::Passes()
{
    const QByteArray itsf = ReadAt(0, 0x60);
    if (itsf.size() < 0x60 || !itsf.startsWith("ITSF"))
        return false;
    const quint64 directory = LittleEndian64(itsf, 0x48);
    m_dataOffset = LittleEndian32(itsf, 4) == 3 ? LittleEndian64(itsf, 0x58)
                                                : directory + LittleEndian64(itsf, 0x50);
    const QByteArray itsp = ReadAt(directory, 0x54);
    if (itsp.size() < 0x54 || !itsp.startsWith("ITSP"))
        return false;
    m_blocksStart = directory + LittleEndian32(itsp, 8);
    m_blockLen = LittleEndian32(itsp, 0x10);
    if (m_blockLen < 20 || m_blockLen > kMaxDirectoryBlock)
        return false;
    const auto indexRoot = qint32(LittleEndian32(itsp, 0x1c));
    const auto listingHead = qint32(LittleEndian32(itsp, 0x20));

    QSet<quint64> chain;
    for (qint32 block = listingHead; block != -1;) {
        const quint64 offset = BlockOffset(block);
        if (chain.contains(offset))
            return false;
        chain.insert(offset);
        CBlock parsed;
        if (!ReadBlock(block, parsed))
            return false;
        if (parsed.kind != BlockKind::Listing)
            break;
        block = parsed.next;
    }
    // Without index blocks chmlib looks names up in the first listing block.
    if (!IndexTreeEnds(indexRoot < 0 ? listingHead : indexRoot))
        return false;
    // The decoder writes a whole block out of its window.
    return m_windowSize == 0 || m_compressionBlock <= m_windowSize;
}

// ---------------------------------------------------------------------------
// The archive as folders and files. chmlib lists every element once, by full
// path ("/sub/page.htm", "/sub/" for a folder); the tree keeps each folder's
// elements in the order of that listing.

struct CChmElement
{
    QByteArray name;
    bool folder = false;
    int space = 0;
    LONGUINT64 start = 0;
    LONGUINT64 length = 0;
    std::vector<int> children;
};

class CChmTree
{
public:
    CChmTree() : m_elements(1) { m_elements[0].folder = true; }

    const CChmElement &Element(int index) const { return m_elements[size_t(index)]; }
    static constexpr int kRoot = 0;

    void Add(const chmUnitInfo &unit)
    {
        QByteArray path(unit.path, qsizetype(qstrnlen(unit.path, sizeof unit.path)));
        // Paths outside "/" (the "::DataSpace" ones) are the container's own
        // bookkeeping, not part of the help file.
        if (!path.startsWith('/'))
            return;
        path.remove(0, 1);
        if (path.endsWith('/')) {
            path.chop(1);
            Folder(path);
            return;
        }
        if (path.isEmpty()) // the root itself
            return;
        const qsizetype slash = path.lastIndexOf('/');
        CChmElement file;
        file.name = path.mid(slash + 1);
        file.space = unit.space;
        file.start = unit.start;
        file.length = unit.length;
        Append(Folder(slash < 0 ? QByteArray() : path.left(slash)), std::move(file));
    }

private:
    int Append(int parent, CChmElement element)
    {
        const int index = int(m_elements.size());
        m_elements.push_back(std::move(element));
        m_elements[size_t(parent)].children.push_back(index);
        return index;
    }

    // The folder at `path` (without slashes at the ends), made on first sight.
    int Folder(const QByteArray &path)
    {
        if (path.isEmpty())
            return kRoot;
        const auto known = m_folders.constFind(path);
        if (known != m_folders.cend())
            return known.value();
        const qsizetype slash = path.lastIndexOf('/');
        const int parent = Folder(slash < 0 ? QByteArray() : path.left(slash));
        CChmElement folder;
        folder.name = path.mid(slash + 1);
        folder.folder = true;
        const int index = Append(parent, std::move(folder));
        m_folders.insert(path, index);
        return index;
    }

    std::vector<CChmElement> m_elements;
    QHash<QByteArray, int> m_folders;
};

int CollectElement(chmFile *, chmUnitInfo *unit, void *tree)
{
    static_cast<CChmTree *>(tree)->Add(*unit);
    return CHM_ENUMERATOR_CONTINUE;
}

struct CChmCloser
{
    void operator()(chmFile *file) const { chm_close(file); }
};
using ChmFilePtr = std::unique_ptr<chmFile, CChmCloser>;

bool IsPage(const CChmElement &element)
{
    if (element.folder || element.name.startsWith('#'))
        return false;
    const qsizetype dot = element.name.lastIndexOf('.');
    if (dot < 0)
        return false;
    const QByteArray extension = element.name.mid(dot + 1).toLower();
    return extension == "htm" || extension == "html";
}

// The page's text, at most kChmPageReadLimit bytes of it. Like a C string it
// ends at the first zero byte. Compressed pages are read only within the first
// `compressedSize` bytes of the compressed space (see CChmDirectoryCheck).
QString ReadPageText(chmFile *file, const CChmElement &page, quint64 compressedSize)
{
    chmUnitInfo unit{};
    unit.space = page.space;
    unit.start = page.start;
    unit.length = page.length;
    const auto size = LONGINT64(std::min<LONGUINT64>(page.length, kChmPageReadLimit));
    if (page.space == CHM_COMPRESSED &&
        (quint64(size) > compressedSize || page.start > compressedSize - quint64(size)))
        return QString();
    QByteArray bytes(qsizetype(size), Qt::Uninitialized);
    auto *buffer = reinterpret_cast<unsigned char *>(bytes.data());
    LONGINT64 done = 0;
    while (done < size) {
        const LONGINT64 got =
            chm_retrieve_object(file, &unit, buffer + done, LONGUINT64(done), size - done);
        if (got <= 0)
            break;
        done += got;
    }
    return QString::fromLocal8Bit(bytes.constData(),
                                  qsizetype(qstrnlen(bytes.constData(), size_t(done))));
}

class CChmScan
{
public:
    CChmScan(chmFile *file, const CChmTree &tree, quint64 compressedSize,
             const std::atomic<bool> *cancel)
        : m_file(file), m_tree(tree), m_compressedSize(compressedSize), m_cancel(cancel)
    {}

    // True once a qualifying ISBN was found (in m_isbn); nothing after it is read.
    bool ScanFolder(int folder)
    {
        for (const int index : m_tree.Element(folder).children) {
            const CChmElement &element = m_tree.Element(index);
            qCDebug(lcChmScan, "%s - %s", element.name.constData(),
                    element.folder ? "STGTY_STORAGE" : "STGTY_STREAM");
            if (element.folder) {
                if (ScanFolder(index))
                    return true;
                continue;
            }
            if (!IsPage(element))
                continue;
            if (m_cancel && m_cancel->load()) {
                m_isbn.clear();
                return true;
            }
            // Only the page's first ISBN counts, qualifying or not.
            const QString isbn = FindIsbnInText(ReadPageText(m_file, element, m_compressedSize));
            if (isbn.startsWith(u'0') || isbn.startsWith(u'1') || isbn.startsWith(u"979")) {
                m_isbn = isbn;
                qCDebug(lcChmScan, "ISBN found: %s", qUtf8Printable(isbn));
                return true;
            }
        }
        return false;
    }

    QString m_isbn;

private:
    chmFile *m_file;
    const CChmTree &m_tree;
    quint64 m_compressedSize;
    const std::atomic<bool> *m_cancel;
};

} // namespace

QString ScanChmForIsbn(const QString &path, const std::atomic<bool> *cancel)
{
    // Regular files only: opening a FIFO would block, a folder is no archive.
    if (!QFileInfo(path).isFile())
        return QString();
    // The file is opened once: the reader gets the very file that was
    // checked, even if another one takes its name meanwhile.
    QFile checked(path);
    if (!checked.open(QIODevice::ReadOnly))
        return QString();
    CChmDirectoryCheck check(checked);
    if (!check.Passes())
        return QString();
    const quint64 compressedSize = check.CompressedSize();
    const QByteArray sameFile = "/proc/self/fd/" + QByteArray::number(checked.handle());
    const ChmFilePtr file(chm_open(sameFile.constData()));
    if (!file)
        return QString();
    qCDebug(lcChmScan).noquote() << "Processing" << path;

    CChmTree tree;
    // A listing that breaks off part way still yields the elements before the break.
    if (!chm_enumerate(file.get(), CHM_ENUMERATE_ALL, CollectElement, &tree))
        qCDebug(lcChmScan, "Unable to enumerate on storage elements");
    CChmScan scan(file.get(), tree, compressedSize, cancel);
    scan.ScanFolder(CChmTree::kRoot);
    return scan.m_isbn;
}
