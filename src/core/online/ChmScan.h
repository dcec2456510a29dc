#pragma once

#include <QString>

#include <atomic>

// Most bytes read from one page of a CHM file. A book's ISBN sits on its first
// pages; an ISBN further into a larger page is not seen, and a crafted archive
// claiming a page of gigabytes costs no more than this.
inline constexpr qint64 kChmPageReadLimit = 4 * 1024 * 1024;

// The ISBN of the e-book in the compiled-help (CHM) file at `path`: the first
// ISBN-10 of an English-language group (first digit "0" or "1", also when
// printed as a 978 ISBN-13) or "979" ISBN-13 in its HTML pages, normalised. Pages are the files
// whose names do not start with "#" and end in ".htm" or ".html" in any letter case; they are read
// folder by folder in the order the archive lists them, depth first, and only the first ISBN of
// each page counts. Empty when the file is no readable CHM or holds no such
// ISBN. A set `cancel` ends the scan before the next page is read, with the
// empty text.
QString ScanChmForIsbn(const QString &path, const std::atomic<bool> *cancel = nullptr);
