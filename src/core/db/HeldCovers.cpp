#include "db/HeldCovers.h"

#include "db/CoverStaging.h"
#include "db/StaleFiles.h"

#include <QDir>
#include <QFile>
#include <QUuid>

#include <cstdio>
#include <unistd.h>

namespace {

// Gives the file at `from` the further name `to` (a copy where that cannot
// be), replacing what `to` named.
bool LinkOrCopy(const QString &from, const QString &to)
{
    const QString partial = to + QStringLiteral(".part");
    QFile::remove(partial);
    const bool made =
        ::link(QFile::encodeName(from).constData(), QFile::encodeName(partial).constData()) == 0 ||
        QFile::copy(from, partial);
    if (made &&
        std::rename(QFile::encodeName(partial).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    QFile::remove(partial);
    return false;
}

} // namespace

CHeldCovers::CHeldCovers(const QString &imagesDir) : m_imagesDir(imagesDir) {}

CHeldCovers::~CHeldCovers()
{
    if (!m_folder.isEmpty())
        QDir(m_folder).removeRecursively();
}

QString CHeldCovers::HeldPath(Side side, const QString &name) const
{
    return QStringLiteral("%1/%2/%3").arg(m_folder).arg(int(side)).arg(name);
}

void CHeldCovers::Hold(Side side, const QStringList &names)
{
    for (const QString &name : names) {
        const QString path = QDir(m_imagesDir).filePath(name);
        if (!IsPlainFileName(name) || !QFile::exists(path))
            continue;
        if (m_folder.isEmpty()) {
            m_folder = QDir(m_imagesDir)
                           .filePath(OwnFileNamePrefix(QLatin1String(kHeldCoversPrefix)) +
                                     QUuid::createUuid().toString(QUuid::Id128).left(12));
        }
        QDir().mkpath(QStringLiteral("%1/%2").arg(m_folder).arg(int(side)));
        LinkOrCopy(path, HeldPath(side, name));
    }
}

void CHeldCovers::PutInPlace(Side side, const QStringList &names, const QStringList &otherNames)
{
    if (m_folder.isEmpty())
        return;
    const Side other = side == kBefore ? kAfter : kBefore;
    for (const QString &name : otherNames) {
        if (names.contains(name) || !IsPlainFileName(name))
            continue;
        const QString path = QDir(m_imagesDir).filePath(name);
        // Kept already, or moved into keeping now.
        if (QFile::exists(HeldPath(other, name)))
            QFile::remove(path);
        else if (QFile::exists(path) &&
                 QDir().mkpath(QStringLiteral("%1/%2").arg(m_folder).arg(int(other))))
            std::rename(QFile::encodeName(path).constData(),
                        QFile::encodeName(HeldPath(other, name)).constData());
    }
    for (const QString &name : names) {
        const QString held = HeldPath(side, name);
        if (IsPlainFileName(name) && QFile::exists(held))
            LinkOrCopy(held, QDir(m_imagesDir).filePath(name));
    }
}
