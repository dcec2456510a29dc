#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// The fake product service (tests/fake_service/fake_service.py) on a free
// port of 127.0.0.1, answering from the fixtures in the source tree. Started
// by the constructor, stopped by the destructor. Also makes sure 127.0.0.1 is
// in no_proxy, so that a proxy configured on the machine never sees the
// tests' traffic.
class CFakeService
{
public:
    CFakeService();
    // Another fake server of the tests: `script` below the source tree, run
    // with `arguments` and the same port, log and input conventions.
    CFakeService(const QString &script, const QStringList &arguments);
    ~CFakeService();
    CFakeService(const CFakeService &) = delete;
    CFakeService &operator=(const CFakeService &) = delete;

    // False when the server did not come up; error() tells why.
    bool isRunning() const;
    QString error() const { return m_error; }

    // "http://127.0.0.1:PORT", without a trailing slash.
    QString baseUrl() const;
    int port() const { return m_port; }

    // Every request received so far, one "METHOD /path?query" line each, in
    // arrival order (the paths /__requests, /__clear and /__delay excepted).
    QStringList requests() const;
    void clearRequests();
    // Makes every later lookup of `itemId` wait `ms` before it answers.
    bool delayLookup(const QString &itemId, int ms);

    // The folder the answers come from, for comparing downloaded bytes.
    static QString fixturesDir();
    // Query strings of the product service's requests, with the parameters in
    // the order the fake service insists on.
    static QString lookupPath(const QString &itemId);
    static QString searchPath(const QString &escapedQuery, int page);

private:
    void stop();

    QProcess m_process;
    QTemporaryDir m_dir;
    QString m_logPath;
    QString m_error;
    int m_port = 0;
};
