#pragma once

#include <QString>

class CLibraryConnection;

struct CXmlImportResult
{
    bool loaded = false; // false: the file could not be read as XML (message 143 shown)
    int found = 0;       // Book elements in the file
    int imported = 0;    // books written
};

// Reads a file in the program's book XML format and inserts every book as a
// new book of `categoryId`. Each book is written whole or not at all; the
// duplicate question of the save goes through the user prompt. Shows the
// summary message (233) when the file was read.
CXmlImportResult ImportBooksXml(const QString &path, int categoryId, const QString &imagesDir,
                                CLibraryConnection &connection);
