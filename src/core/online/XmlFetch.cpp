#include "online/XmlFetch.h"

#include "online/HttpClient.h"
#include "xml/XmlDocument.h"

bool LoadXmlFromUrl(const QString &url, CXmlDocument &document, QString *error)
{
    const CHttpResponse response = HttpGet(url, kMaxXmlAnswerBytes, CHttpOptions::ForXml());
    if (!response.ok) {
        if (error)
            *error = response.error;
        return false;
    }
    if (!document.loadBytes(response.body)) {
        if (error)
            *error = document.parseError();
        return false;
    }
    return true;
}
