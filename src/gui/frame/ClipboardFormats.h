#pragma once

#include <QString>

// Clipboard and drag formats registered by name, as the program's books
// ("TomeloBook") and categories ("TomeloCategory") travel. The same name
// always gives the same identifier; identifiers start above 0xC000 so that
// 0 means "not registered".
unsigned RegisterClipboardFormat(const QString &name);

// The name behind an identifier, used as the QMimeData format (empty for an
// unknown identifier).
QString ClipboardFormatName(unsigned format);
