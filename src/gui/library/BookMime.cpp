#include "library/BookMime.h"

#include <QMimeData>
#include <QtEndian>

namespace {

void AppendInt(QByteArray &block, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    block.append(bytes, 4);
}

quint32 IntAt(const QByteArray &block, int index)
{
    return qFromLittleEndian<quint32>(block.constData() + 4 * index);
}

} // namespace

QMimeData *MakeBookMimeData(const QVector<quint32> &bookIds)
{
    QByteArray block;
    block.reserve(4 * (bookIds.size() + 1));
    AppendInt(block, quint32(bookIds.size()));
    for (const quint32 id : bookIds)
        AppendInt(block, id);
    auto *data = new QMimeData;
    data->setData(kBookFormat, block);
    return data;
}

QMimeData *MakeCategoryMimeData(int categoryId)
{
    QByteArray block;
    AppendInt(block, quint32(categoryId));
    auto *data = new QMimeData;
    data->setData(kCategoryFormat, block);
    return data;
}

bool ReadBookMimeData(const QMimeData *data, QVector<quint32> &bookIds)
{
    if (!data || !data->hasFormat(kBookFormat))
        return false;
    const QByteArray block = data->data(kBookFormat);
    if (block.size() < 4 || block.size() % 4 != 0)
        return false;
    const quint32 count = IntAt(block, 0);
    if (count != quint32(block.size() / 4 - 1))
        return false;
    bookIds.clear();
    for (int i = 1; i <= int(count); ++i)
        bookIds.append(IntAt(block, i));
    return true;
}

bool ReadCategoryMimeData(const QMimeData *data, int &categoryId)
{
    if (!data || !data->hasFormat(kCategoryFormat))
        return false;
    const QByteArray block = data->data(kCategoryFormat);
    if (block.size() != 4)
        return false;
    categoryId = int(IntAt(block, 0));
    return true;
}
