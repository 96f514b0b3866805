#pragma once

#include "link/serial_port.h"

#include <memory>

class QSerialPort;

namespace kv {

// The real serial port, on QSerialPort. The QSerialPort is made at open and removed
// at close, so it always belongs to the thread that runs the operation.
class QtSerialPort : public SerialPort {
public:
    QtSerialPort();
    ~QtSerialPort() override;

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

private:
    QSerialPort& openPort();
    bool deviceGone() const;
    // After a write or a wait for output: an error that ends the operation throws.
    void keepWritingOrFail();
    [[noreturn]] void fail(int fallbackNumber);

    std::unique_ptr<QSerialPort> port_;
    QString path_;
};

} // namespace kv
