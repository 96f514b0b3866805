#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>

namespace kv {

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
};

using SerialPortFactory = std::function<std::unique_ptr<SerialPort>()>;

} // namespace kv
