#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace kv::test {

// ser2net in front of a serial device (kvsim's terminal), with an RFC 2217 port and a
// raw TCP port on free local ports, for end-to-end tests of the network transport.
// The constructor returns once both ports take connections (or after a bounded wait;
// check isRunning()). The destructor stops ser2net.
class Ser2netProcess {
public:
    // The installed program; empty when ser2net is not installed.
    static QString program();

    // device: the real path of the terminal (not a symbolic link to it).
    explicit Ser2netProcess(const QString& device);
    ~Ser2netProcess();
    Ser2netProcess(const Ser2netProcess&) = delete;
    Ser2netProcess& operator=(const Ser2netProcess&) = delete;

    bool isRunning() const;
    QString rfc2217Address() const;
    QString rawAddress() const;
    // What ser2net wrote, for a test that fails.
    QString output();

private:
    QTemporaryDir dir_;
    QProcess process_;
    quint16 rfc2217Port_ = 0;
    quint16 rawPort_ = 0;
    bool ready_ = false;
};

} // namespace kv::test
