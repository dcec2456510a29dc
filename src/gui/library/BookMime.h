#pragma once

#include <QString>
#include <QVector>

class QMimeData;

// The program's own clipboard and drag formats, registered by name:
// "TomeloBook" holds a count and that many book identifiers, "TomeloCategory"
// one category identifier, each a little-endian 32-bit integer.
inline const QString kBookFormat = QStringLiteral("TomeloBook");
inline const QString kCategoryFormat = QStringLiteral("TomeloCategory");

QMimeData *MakeBookMimeData(const QVector<quint32> &bookIds);
QMimeData *MakeCategoryMimeData(int categoryId);

// False when the data does not carry the format or its block is malformed
// (a count that does not match the block's length).
bool ReadBookMimeData(const QMimeData *data, QVector<quint32> &bookIds);
bool ReadCategoryMimeData(const QMimeData *data, int &categoryId);
