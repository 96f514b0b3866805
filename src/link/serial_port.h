#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

namespace kv {

class CancelFlag;

// Device access: the few things the link needs of a serial port. The real port is
// QtSerialPort; tests use an in-memory port. Faults are thrown as CommError.
// Line settings are always the baud rate, no parity, 8 data bits, 1 stop bit, no
// flow control.
class SerialPort {
public:
    virtual ~SerialPort() = default;

    virtual void open(const QString& path, int baud) = 0;
    virtual void close() = 0;
    virtual bool isOpen() const = 0;

    virtual void write(const QByteArray& bytes) = 0;
    // Bytes written but not yet on the line.
    virtual qint64 pendingOutput() = 0;
    // Blocks until more output has left or ms have passed.
    virtual void waitForOutput(int ms) = 0;

    // Bytes received and not yet read.
    virtual qint64 inputCount() = 0;
    virtual void discardInput() = 0;
    virtual QByteArray readInput() = 0;
    // Blocks until more input has arrived or ms have passed.
    virtual void waitForInput(int ms) = 0;

    // The running operation's cancel, for a port whose opening takes a while (a
    // connection over the network); nullptr when nothing may cancel.
    virtual void setCancelFlag(const CancelFlag* flag) { Q_UNUSED(flag); }
    // False when the rate given at open does not reach the line: a device server that
    // takes the bytes as they are runs the line at the rate set on it.
    virtual bool setsRate() const { return true; }
    // Moves the open line to another rate without closing the port; false when the port
    // cannot, and the link closes it and opens it again at the new rate.
    virtual bool changeRate(int baud)
    {
        Q_UNUSED(baud);
        return false;
    }
};

using SerialPortFactory = std::function<std::unique_ptr<SerialPort>()>;

} // namespace kv
