#include "link/qt_serial_port.h"

#include "link/comm_error.h"
#include "link/serial_lock.h"

#include <QFileInfo>
#include <QSerialPort>
#include <QThread>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#endif

namespace kv {

namespace {

constexpr qint64 kReadBufferBytes = 4096;

// A port that exists but may not be opened is either held by another program or
// forbidden to this user; QSerialPort reports both as PermissionError.
int permissionErrorNumber(const QString& path)
{
#ifdef Q_OS_UNIX
    const QByteArray native = QFileInfo(path).canonicalFilePath().toLocal8Bit();
    if (!native.isEmpty() && ::access(native.constData(), R_OK | W_OK) != 0 && errno == EACCES)
        return comm::kPermissionDenied;
#else
    Q_UNUSED(path);
#endif
    return comm::kPortOccupied;
}

int errorNumber(QSerialPort::SerialPortError error, const QString& path, int fallback)
{
    switch (error) {
    case QSerialPort::DeviceNotFoundError: return comm::kPortMissing;
    case QSerialPort::PermissionError: return permissionErrorNumber(path);
    case QSerialPort::OpenError: return comm::kAlreadyOpen;
    case QSerialPort::NotOpenError: return comm::kPortNotOpen;
    case QSerialPort::ReadError: return comm::kReadFailed;
    case QSerialPort::WriteError:
    case QSerialPort::ResourceError: return comm::kHardwareUnavailable;
    case QSerialPort::UnsupportedOperationError: return comm::kDeviceInvalid;
    default: return fallback;
    }
}

} // namespace

QtSerialPort::QtSerialPort() = default;
QtSerialPort::~QtSerialPort() = default;

void QtSerialPort::open(const QString& path, int baud)
{
    if (isOpen())
        return;
    path_ = path;
    if (!QFileInfo::exists(path) && path.startsWith(QLatin1Char('/')))
        throw CommError{comm::kPortMissing};
    port_ = std::make_unique<QSerialPort>();
    port_->setPortName(path);
    // Input is taken from the driver in small pieces: the reply wait reads often, and
    // pieces of the default size, allocated and freed for every reply, cost more than
    // the reading itself.
    port_->setReadBufferSize(kReadBufferBytes);
    // Settings made before opening are applied in one go as the port opens, so the line
    // never runs at another rate for a moment.
    if (!port_->setBaudRate(baud) || !port_->setDataBits(QSerialPort::Data8)
        || !port_->setParity(QSerialPort::NoParity) || !port_->setStopBits(QSerialPort::OneStop)
        || !port_->setFlowControl(QSerialPort::NoFlowControl))
        fail(comm::kBaudUnsupported);
#ifdef Q_OS_UNIX
    // A lock file left by a program killed as it opened the port would keep the port
    // refused as occupied for half a minute.
    RemoveStaleSerialLock(path);
#endif
    if (!port_->open(QIODevice::ReadWrite))
        fail(comm::kDeviceInvalid);
}

void QtSerialPort::close()
{
    if (port_)
        port_->close();
    port_.reset();
}

bool QtSerialPort::isOpen() const
{
    return port_ && port_->isOpen();
}

QSerialPort& QtSerialPort::openPort()
{
    if (!isOpen())
        throw CommError{comm::kPortNotOpen};
    return *port_;
}

bool QtSerialPort::deviceGone() const
{
    // A device path tells for itself: an unplugged adapter takes its node with it. A
    // port known by name only (COMk) shows its going as a resource error.
    if (path_.startsWith(QLatin1Char('/')))
        return !QFileInfo::exists(path_);
    return port_->error() == QSerialPort::ResourceError;
}

void QtSerialPort::keepWritingOrFail()
{
    QSerialPort& port = *port_;
    const QSerialPort::SerialPortError error = port.error();
    if (error == QSerialPort::NoError || error == QSerialPort::TimeoutError) {
        port.clearError();
        return;
    }
    // QSerialPort gives a full transmit queue (the driver would block) the same
    // resource error as a device that went away. A full queue only means the line is
    // slower than the writes: the bytes wait in QSerialPort's buffer, and the drain,
    // bounded by its own limit, waits for them to leave.
    if (error == QSerialPort::ResourceError && !deviceGone()) {
        port.clearError();
        return;
    }
    fail(comm::kHardwareUnavailable);
}

void QtSerialPort::fail(int fallbackNumber)
{
    // A device unplugged while open is a port that no longer exists, not a port
    // another device holds.
    const bool vanished = port_->isOpen() && deviceGone();
    const int number = vanished ? comm::kPortMissing : errorNumber(port_->error(), path_, fallbackNumber);
    close();
    throw CommError{number};
}

void QtSerialPort::write(const QByteArray& bytes)
{
    QSerialPort& port = openPort();
    if (port.write(bytes) != bytes.size())
        fail(comm::kHardwareUnavailable);
    // Handed to the driver now: the frame's line time starts at once, and the drain
    // has only the driver's queue to wait for.
    port.flush();
    keepWritingOrFail();
}

qint64 QtSerialPort::pendingOutput()
{
    QSerialPort& port = openPort();
    qint64 pending = port.bytesToWrite();
#ifdef Q_OS_UNIX
    // Bytes the driver still holds count too: the line must be quiet before the rate
    // changes or the port closes.
    int queued = 0;
    if (::ioctl(static_cast<int>(port.handle()), TIOCOUTQ, &queued) == 0 && queued > 0)
        pending += queued;
#endif
    return pending;
}

void QtSerialPort::waitForOutput(int ms)
{
    QSerialPort& port = openPort();
    if (port.bytesToWrite() > 0) {
        port.waitForBytesWritten(ms);
        keepWritingOrFail();
    } else {
        // Only the driver's queue is left; it empties at the line's own pace.
        QThread::msleep(static_cast<unsigned long>(qBound(1, ms, 5)));
    }
}

qint64 QtSerialPort::inputCount()
{
    QSerialPort& port = openPort();
    // No event loop runs while an operation waits, so what the driver holds is taken
    // in here; a wait that slept through a reply then sees all of it.
    port.waitForReadyRead(0);
    if (port.error() != QSerialPort::NoError && port.error() != QSerialPort::TimeoutError)
        fail(comm::kReadFailed);
    port.clearError();
    return port.bytesAvailable();
}

void QtSerialPort::discardInput()
{
    QSerialPort& port = openPort();
    port.skip(port.bytesAvailable());
    port.clear(QSerialPort::Input);
}

QByteArray QtSerialPort::readInput()
{
    // readAll would allocate a default-sized piece for every reply; the count is known.
    QSerialPort& port = openPort();
    return port.read(port.bytesAvailable());
}

void QtSerialPort::waitForInput(int ms)
{
    QSerialPort& port = openPort();
    port.waitForReadyRead(ms);
    if (port.error() != QSerialPort::NoError && port.error() != QSerialPort::TimeoutError)
        fail(comm::kReadFailed);
    port.clearError();
}

} // namespace kv
