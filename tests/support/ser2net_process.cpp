#include "ser2net_process.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>

namespace kv::test {

namespace {
constexpr int kStartTimeoutMs = 10000;

// A port nothing listens on now; ser2net takes it a moment later.
quint16 freePort()
{
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, 0))
        return 0;
    return server.serverPort();
}

bool listening(quint16 port)
{
    QTcpSocket probe;
    probe.connectToHost(QHostAddress::LocalHost, port);
    const bool connected = probe.waitForConnected(200);
    probe.abort();
    return connected;
}

QString connection(const QString& name, const QString& accepter, const QString& device)
{
    return QStringLiteral("connection: &%1\n"
                          "  accepter: %2\n"
                          "  connector: serialdev,%3,9600n81,local\n"
                          "  options:\n"
                          "    kickolduser: true\n"
                          "    chardelay: false\n")
        .arg(name, accepter, device);
}
} // namespace

QString Ser2netProcess::program()
{
    const QString onPath = QStandardPaths::findExecutable(QStringLiteral("ser2net"));
    if (!onPath.isEmpty())
        return onPath;
    return QStandardPaths::findExecutable(QStringLiteral("ser2net"), {QStringLiteral("/usr/sbin"), QStringLiteral("/sbin")});
}

Ser2netProcess::Ser2netProcess(const QString& device)
{
    rfc2217Port_ = freePort();
    rawPort_ = freePort();
    while (rawPort_ == rfc2217Port_)
        rawPort_ = freePort();
    const QString config = dir_.filePath(QStringLiteral("ser2net.yaml"));
    QFile file(config);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write((connection(QStringLiteral("rfc2217"),
                           QStringLiteral("telnet(rfc2217),tcp,127.0.0.1,%1").arg(rfc2217Port_), device)
                + connection(QStringLiteral("raw"), QStringLiteral("tcp,127.0.0.1,%1").arg(rawPort_), device))
                   .toUtf8());
    file.close();
    process_.setProcessChannelMode(QProcess::MergedChannels);
    process_.start(program(), {QStringLiteral("-n"), QStringLiteral("-d"), QStringLiteral("-c"), config});
    if (!process_.waitForStarted(kStartTimeoutMs))
        return;
    const QDeadlineTimer deadline(kStartTimeoutMs);
    while (!deadline.hasExpired() && process_.state() == QProcess::Running) {
        if (listening(rfc2217Port_) && listening(rawPort_)) {
            ready_ = true;
            return;
        }
        QThread::msleep(20);
    }
}

Ser2netProcess::~Ser2netProcess()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }
}

bool Ser2netProcess::isRunning() const
{
    return ready_ && process_.state() == QProcess::Running;
}

QString Ser2netProcess::rfc2217Address() const
{
    return QStringLiteral("rfc2217://127.0.0.1:%1").arg(rfc2217Port_);
}

QString Ser2netProcess::rawAddress() const
{
    return QStringLiteral("socket://127.0.0.1:%1").arg(rawPort_);
}

QString Ser2netProcess::output()
{
    return QString::fromLocal8Bit(process_.readAll());
}

} // namespace kv::test
