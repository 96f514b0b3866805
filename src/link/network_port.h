#pragma once

#include "link/network_address.h"
#include "link/serial_port.h"
#include "link/telnet_com_port.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <memory>

class QTcpSocket;

namespace kv {

// A serial port behind a device server, over TCP: RFC 2217 (the rate and line settings
// are set at open, the server's commands never reach the link as unit bytes) or raw
// TCP (the bytes as they are, at the rate set on the server). The socket is made at
// open and removed at close, so it belongs to the thread that runs the operation; it
// is used through its blocking calls, with an event loop only while connecting, so
// that the operator's cancel ends a connect in progress.
class NetworkPort : public SerialPort {
public:
    NetworkPort();
    ~NetworkPort() override;

    void open(const QString& path, int baud) override;
    void close() override;
    bool isOpen() const override;
    void write(const QByteArray& bytes) override;
    // The bytes the socket has not sent yet, and the line time of what was written last
    // that has not passed yet (in bytes at the line's rate): the server puts them on the
    // line at that pace.
    qint64 pendingOutput() override;
    void waitForOutput(int ms) override;
    qint64 inputCount() override;
    void discardInput() override;
    QByteArray readInput() override;
    void waitForInput(int ms) override;
    void setCancelFlag(const CancelFlag* flag) override { cancel_ = flag; }
    bool setsRate() const override { return setsRate_; }
    // Over RFC 2217 the rate changes on the open connection: SET-BAUDRATE and the other
    // settings again, confirmed as at open.
    bool changeRate(int baud) override;

private:
    void connectTo(const NetworkAddress& address);
    // Takes up the COM port option, then sets the line as confirmSettings does; a
    // server that refuses the option leaves the line at its own rate.
    void setLine(int baud);
    // Asks for the rate and 8N1 and waits, until the deadline, for the server to confirm
    // them.
    void confirmSettings(int baud, const QDeadlineTimer& deadline);
    // One wait for the server during the settings; ends with a fault at the deadline
    // or on the operator's cancel.
    void awaitServer(const QDeadlineTimer& deadline);
    // Reads what the server sent, waiting up to ms for it; the server's commands are
    // answered and what is left goes to the input.
    void receive(int ms);
    void send(const QByteArray& bytes);
    qint64 lineBusyMs() const;
    bool cancelled() const;
    [[noreturn]] void fail(int number);

    std::unique_ptr<QTcpSocket> socket_;
    std::unique_ptr<TelnetComPort> telnet_; // none on raw TCP
    const CancelFlag* cancel_ = nullptr;
    bool setsRate_ = false;
    int baud_ = 0;
    QByteArray input_;
    QElapsedTimer clock_;
    // When the bytes written so far will have left the server's serial line.
    qint64 lineBusyUntilMs_ = 0;
};

} // namespace kv
