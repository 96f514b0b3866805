#include "link/network_port.h"

#include "base/prompter.h"
#include "link/comm_error.h"
#include "link/line_time.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <utility>

namespace kv {

namespace {
// A server that is not there, or a host that does not resolve, is reported within this.
constexpr int kConnectLimitMs = 5000;
// How long a server is given to take up the COM port option and confirm the settings.
constexpr int kSettingsLimitMs = 2000;
// How often a connect or a wait for the server looks at the operator's cancel.
constexpr int kCancelCheckMs = 100;
// How long the last bytes are given to leave the socket as the port closes.
constexpr int kCloseFlushMs = 1000;
} // namespace

NetworkPort::NetworkPort() = default;
NetworkPort::~NetworkPort() = default;

void NetworkPort::open(const QString& path, int baud)
{
    if (isOpen())
        return;
    const NetworkAddressParse parsed = ParseNetworkAddress(path);
    if (!parsed.address)
        throw CommError{comm::kAddressInvalid};
    baud_ = baud;
    input_.clear();
    clock_.start();
    lineBusyUntilMs_ = 0;
    setsRate_ = false;
    connectTo(*parsed.address);
    if (parsed.address->scheme == NetworkAddress::Scheme::Rfc2217) {
        telnet_ = std::make_unique<TelnetComPort>();
        setLine(baud);
    }
}

void NetworkPort::connectTo(const NetworkAddress& address)
{
    socket_ = std::make_unique<QTcpSocket>();
    QTcpSocket& socket = *socket_;
    // The name lookup and the connect run in an event loop of their own, so that the
    // operator's cancel and the time limit end them wherever they are.
    QEventLoop loop;
    QObject::connect(&socket, &QAbstractSocket::connected, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QAbstractSocket::errorOccurred, &loop, &QEventLoop::quit);
    const QDeadlineTimer deadline(kConnectLimitMs);
    QTimer look;
    look.setInterval(kCancelCheckMs);
    const auto settled = [&] {
        return socket.state() == QAbstractSocket::ConnectedState || socket.state() == QAbstractSocket::UnconnectedState
               || cancelled() || deadline.hasExpired();
    };
    QObject::connect(&look, &QTimer::timeout, &loop, [&] {
        if (settled())
            loop.quit();
    });
    socket.connectToHost(address.host, address.port);
    look.start();
    if (!settled())
        loop.exec();
    if (socket.state() == QAbstractSocket::ConnectedState) {
        // A frame goes out as it is written, not when the next one joins it.
        socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        return;
    }
    const QAbstractSocket::SocketError error = socket.error();
    if (cancelled())
        fail(comm::kConnectCancelled);
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError: fail(comm::kConnectionRefused);
    case QAbstractSocket::HostNotFoundError: fail(comm::kHostUnknown);
    default: fail(comm::kConnectFailed);
    }
}

void NetworkPort::setLine(int baud)
{
    send(telnet_->offers());
    const QDeadlineTimer deadline(kSettingsLimitMs);
    // The settings are asked once the server has taken up the option.
    while (!telnet_->comPortAgreed()) {
        if (telnet_->comPortRefused())
            return;
        awaitServer(deadline);
    }
    confirmSettings(baud, deadline);
}

void NetworkPort::confirmSettings(int baud, const QDeadlineTimer& deadline)
{
    telnet_->forgetConfirmed();
    send(TelnetComPort::lineSettings(baud));
    while (!telnet_->settingsConfirmed())
        awaitServer(deadline);
    const TelnetComPort::Confirmed& confirmed = telnet_->confirmed();
    if (confirmed.baud != baud)
        fail(comm::kBaudUnsupported);
    if (confirmed.dataSize != 8 || confirmed.parity != 1 || confirmed.stopSize != 1)
        fail(comm::kLineSettingsRefused);
    baud_ = baud;
    setsRate_ = true;
}

void NetworkPort::awaitServer(const QDeadlineTimer& deadline)
{
    if (cancelled())
        fail(comm::kConnectCancelled);
    if (deadline.hasExpired())
        fail(comm::kServerSilent);
    receive(int(qBound(qint64(1), deadline.remainingTime(), qint64(kCancelCheckMs))));
}

bool NetworkPort::changeRate(int baud)
{
    if (!isOpen() || !setsRate_)
        return false;
    confirmSettings(baud, QDeadlineTimer(kSettingsLimitMs));
    return true;
}

void NetworkPort::close()
{
    if (!socket_)
        return;
    if (socket_->state() == QAbstractSocket::ConnectedState && socket_->bytesToWrite() > 0)
        socket_->waitForBytesWritten(kCloseFlushMs);
    socket_->disconnectFromHost();
    socket_.reset();
    telnet_.reset();
    input_.clear();
}

bool NetworkPort::isOpen() const
{
    return socket_ != nullptr;
}

bool NetworkPort::cancelled() const
{
    return cancel_ && cancel_->requested();
}

void NetworkPort::fail(int number)
{
    close();
    throw CommError{number};
}

void NetworkPort::send(const QByteArray& bytes)
{
    if (socket_->state() != QAbstractSocket::ConnectedState || socket_->write(bytes) != bytes.size())
        fail(comm::kConnectionLost);
    socket_->flush();
}

void NetworkPort::receive(int ms)
{
    QTcpSocket& socket = *socket_;
    if (socket.bytesAvailable() == 0 && socket.state() == QAbstractSocket::ConnectedState)
        socket.waitForReadyRead(ms);
    const QByteArray received = socket.readAll();
    if (telnet_) {
        QByteArray answers;
        telnet_->take(received, input_, answers);
        if (!answers.isEmpty())
            send(answers);
    } else {
        input_ += received;
    }
    // What the server sent before it went is still the unit's; the loss shows once
    // that has been taken.
    if (socket.state() != QAbstractSocket::ConnectedState && input_.isEmpty())
        fail(comm::kConnectionLost);
}

void NetworkPort::write(const QByteArray& bytes)
{
    if (!isOpen())
        throw CommError{comm::kPortNotOpen};
    send(telnet_ ? TelnetComPort::escaped(bytes) : bytes);
    lineBusyUntilMs_ = qMax(lineBusyUntilMs_, clock_.elapsed()) + LineMs(bytes.size(), baud_);
}

qint64 NetworkPort::lineBusyMs() const
{
    return qMax<qint64>(0, lineBusyUntilMs_ - clock_.elapsed());
}

qint64 NetworkPort::pendingOutput()
{
    if (!isOpen())
        throw CommError{comm::kPortNotOpen};
    const qint64 lineBytes = (lineBusyMs() * baud_ + 9999) / 10000;
    return socket_->bytesToWrite() + lineBytes;
}

void NetworkPort::waitForOutput(int ms)
{
    if (!isOpen())
        throw CommError{comm::kPortNotOpen};
    // Reading shows a server that went away, and answers what it asks meanwhile.
    receive(0);
    if (socket_->bytesToWrite() > 0) {
        socket_->waitForBytesWritten(ms);
        if (socket_->state() != QAbstractSocket::ConnectedState)
            fail(comm::kConnectionLost);
        return;
    }
    QThread::msleep(static_cast<unsigned long>(qBound(qint64(1), lineBusyMs(), qint64(qMax(ms, 1)))));
}

qint64 NetworkPort::inputCount()
{
    if (!isOpen())
        throw CommError{comm::kPortNotOpen};
    receive(0);
    return input_.size();
}

void NetworkPort::discardInput()
{
    if (!isOpen())
        throw CommError{comm::kPortNotOpen};
    receive(0);
    // Of bytes being dropped, what the server holds and has not sent yet goes too. A
    // quiet line is not purged: the server's answer to the purge would hold back the
    // unit's next reply until this end acknowledges it (tens of milliseconds a frame).
    const bool dropped = !input_.isEmpty();
    input_.clear();
    if (setsRate_ && dropped)
        send(TelnetComPort::purgeReceived());
}

QByteArray NetworkPort::readInput()
{
    if (!isOpen())
        throw CommError{comm::kPortNotOpen};
    return std::exchange(input_, QByteArray());
}

void NetworkPort::waitForInput(int ms)
{
    if (!isOpen())
        throw CommError{comm::kPortNotOpen};
    if (input_.isEmpty())
        receive(ms);
}

} // namespace kv
