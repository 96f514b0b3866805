#pragma once

#include "link/serial_port.h"

#include <memory>

namespace kv {

// The port a path names, chosen at every open: a serial device (QSerialPort), or a
// serial port on the network (rfc2217://HOST:PORT, socket://HOST:PORT).
class PathPort : public SerialPort {
public:
    PathPort();
    ~PathPort() override;

    void open(const QString& path, int baud) override;
    void close() override;
    bool isOpen() const override;
    void write(const QByteArray& bytes) override;
    qint64 pendingOutput() override;
    void waitForOutput(int ms) override;
    qint64 inputCount() override;
    void discardInput() override;
    QByteArray readInput() override;
    void waitForInput(int ms) override;
    void setCancelFlag(const CancelFlag* flag) override;
    bool setsRate() const override;
    bool changeRate(int baud) override;

private:
    SerialPort& port() const;

    std::unique_ptr<SerialPort> port_;
    const CancelFlag* cancel_ = nullptr;
};

// The factory of the window and kvctl.
SerialPortFactory PathPorts();

} // namespace kv
