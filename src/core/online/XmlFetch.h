#pragma once

#include <QString>

class CXmlDocument;

// Loads the XML answer at `url` into `document`: true when the transfer
// worked and the body parsed. `error` tells why not.
bool LoadXmlFromUrl(const QString &url, CXmlDocument &document, QString *error = nullptr);
