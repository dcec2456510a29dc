#include "FakeService.h"

#include "online/HttpClient.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

QString SourcePath(const QString &relative)
{
    return QStringLiteral(TOMELODEX_SOURCE_DIR "/") + relative;
}

// Debian's interpreter when there is one: a wrapper script found first on the
// PATH (a version manager's shim) would be what terminate() reaches.
QString PythonProgram()
{
    const QFileInfo system(QStringLiteral("/usr/bin/python3"));
    return system.isExecutable() ? system.filePath() : QStringLiteral("python3");
}

void EnsureNoProxyForLoopback()
{
    for (const char *name : {"no_proxy", "NO_PROXY"}) {
        QByteArray value = qgetenv(name);
        if (value.split(',').contains("127.0.0.1"))
            continue;
        qputenv(name, value.isEmpty() ? QByteArray("127.0.0.1") : value + ",127.0.0.1");
    }
}

} // namespace

CFakeService::CFakeService()
    : CFakeService(QStringLiteral("tests/fake_service/fake_service.py"),
                   {QStringLiteral("--fixtures"), fixturesDir()})
{}

CFakeService::CFakeService(const QString &script, const QStringList &arguments)
{
    EnsureNoProxyForLoopback();
    if (!m_dir.isValid()) {
        m_error = QStringLiteral("no temporary folder for the request log");
        return;
    }
    m_logPath = m_dir.filePath(QStringLiteral("requests.log"));
    // Python errors show up in the test's output; nothing else is written
    // there, so the pipe cannot fill up while nobody reads it.
    m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process.start(PythonProgram(),
                    QStringList{SourcePath(script), QStringLiteral("--port"), QStringLiteral("0"),
                                QStringLiteral("--log"), m_logPath} +
                        arguments);
    if (!m_process.waitForStarted(10000)) {
        m_error = QStringLiteral("python3 did not start: ") + m_process.errorString();
        return;
    }
    QByteArray output;
    const QDeadlineTimer deadline(20000);
    while (!output.contains('\n') && !deadline.hasExpired() &&
           m_process.state() == QProcess::Running) {
        m_process.waitForReadyRead(int(std::max<qint64>(deadline.remainingTime(), 1)));
        output += m_process.readAllStandardOutput();
    }
    const QByteArray line = output.left(output.indexOf('\n')).trimmed();
    if (line.startsWith("PORT "))
        m_port = line.mid(5).toInt();
    if (m_port <= 0) {
        m_error = QStringLiteral("the fake service did not report its port: ") +
                  QString::fromUtf8(output);
        stop();
    }
}

CFakeService::~CFakeService()
{
    stop();
}

void CFakeService::stop()
{
    if (m_process.state() == QProcess::NotRunning)
        return;
    m_process.closeWriteChannel(); // the service ends when its input closes
    if (!m_process.waitForFinished(5000)) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }
}

bool CFakeService::isRunning() const
{
    return m_port > 0 && m_process.state() == QProcess::Running;
}

QString CFakeService::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_port);
}

QStringList CFakeService::requests() const
{
    QFile file(m_logPath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
}

void CFakeService::clearRequests()
{
    QFile file(m_logPath);
    if (file.open(QIODevice::ReadWrite))
        file.resize(0);
}

bool CFakeService::delayLookup(const QString &itemId, int ms)
{
    return HttpGet(baseUrl() + QStringLiteral("/__delay?ms=%1&item=%2").arg(ms).arg(itemId), 4096)
        .ok;
}

QString CFakeService::fixturesDir()
{
    return SourcePath(QStringLiteral("tests/fake_service/fixtures"));
}

QString CFakeService::lookupPath(const QString &itemId)
{
    return QStringLiteral("/onca/xml?Service=AWSECommerceService&SubscriptionId="
                          "7QHN2ZK5XW3RB8TLM0C4&Operation=ItemLookup&ResponseGroup=Large&ItemId=") +
           itemId;
}

QString CFakeService::searchPath(const QString &escapedQuery, int page)
{
    return QStringLiteral("/onca/xml3?t=webservices-20&dev-t=K8R2VW5QZ7MN4&mode=books&type=lite"
                          "&f=xml&sort=+titlerank&PowerSearch=") +
           escapedQuery + QStringLiteral("&page=") + QString::number(page);
}
