#include "link/path_port.h"

#include "link/comm_error.h"
#include "link/network_address.h"
#include "link/network_port.h"
#include "link/qt_serial_port.h"

namespace kv {

PathPort::PathPort() = default;
PathPort::~PathPort() = default;

void PathPort::open(const QString& path, int baud)
{
    if (isOpen())
        return;
    if (IsNetworkPortName(path))
        port_ = std::make_unique<NetworkPort>();
    else
        port_ = std::make_unique<QtSerialPort>();
    port_->setCancelFlag(cancel_);
    port_->open(path, baud);
}

void PathPort::close()
{
    if (port_)
        port_->close();
}

bool PathPort::isOpen() const
{
    return port_ && port_->isOpen();
}

SerialPort& PathPort::port() const
{
    if (!port_)
        throw CommError{comm::kPortNotOpen};
    return *port_;
}

void PathPort::write(const QByteArray& bytes)
{
    port().write(bytes);
}

qint64 PathPort::pendingOutput()
{
    return port().pendingOutput();
}

void PathPort::waitForOutput(int ms)
{
    port().waitForOutput(ms);
}

qint64 PathPort::inputCount()
{
    return port().inputCount();
}

void PathPort::discardInput()
{
    port().discardInput();
}

QByteArray PathPort::readInput()
{
    return port().readInput();
}

void PathPort::waitForInput(int ms)
{
    port().waitForInput(ms);
}

void PathPort::setCancelFlag(const CancelFlag* flag)
{
    cancel_ = flag;
    if (port_)
        port_->setCancelFlag(flag);
}

bool PathPort::setsRate() const
{
    return !port_ || port_->setsRate();
}

bool PathPort::changeRate(int baud)
{
    return port_ && port_->changeRate(baud);
}

SerialPortFactory PathPorts()
{
    return [] { return std::make_unique<PathPort>(); };
}

} // namespace kv
