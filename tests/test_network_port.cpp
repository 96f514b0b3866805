// The network transport without ser2net: the port names, the Telnet stream of an RFC 2217
// server taken apart however it is split, and the port against scripted servers (the
// negotiation, a refused COM port option, a silent server, the faults and their bounds).

#include "admin/identity.h"
#include "base/prompter.h"
#include "link/baud.h"
#include "link/comm_error.h"
#include "link/line_session.h"
#include "link/link.h"
#include "link/network_address.h"
#include "link/network_port.h"
#include "link/port_operation.h"
#include "link/path_port.h"
#include "link/telnet_com_port.h"
#include "link_fixture.h"
#include "memory_port.h"
#include "recording_prompter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <arpa/inet.h>
#include <atomic>
#include <functional>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

using namespace kv;
using namespace kv::test;

namespace {

QCoreApplication& CoreApp()
{
    static int argc = 1;
    static char name[] = "test_network";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app = new QCoreApplication(argc, argv);
    return *app;
}

QByteArray Bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (const int v : values)
        out += char(v);
    return out;
}

constexpr int IAC = 0xFF, SB = 0xFA, SE = 0xF0, WILL = 0xFB, WONT = 0xFC, DO = 0xFD, DONT = 0xFE;
constexpr int BINARY = 0, SGA = 3, ECHO_OPTION = 1, COM_PORT = 44;

QByteArray Sub(int command, const QByteArray& value)
{
    return Bytes({IAC, SB, COM_PORT, command}) + value + Bytes({IAC, SE});
}

// What ser2net sends as a client connects, and its answers to the four line settings.
const QByteArray kServerOffers = Bytes({IAC, WILL, SGA, IAC, DO, SGA, IAC, WILL, ECHO_OPTION, IAC, DONT, ECHO_OPTION,
                                        IAC, DO, BINARY, IAC, WILL, BINARY, IAC, DO, COM_PORT});
QByteArray SettingsAnswers(int baud)
{
    return Sub(101, Bytes({(baud >> 24) & 0xFF, (baud >> 16) & 0xFF, (baud >> 8) & 0xFF, baud & 0xFF}))
           + Sub(102, Bytes({8})) + Sub(103, Bytes({1})) + Sub(104, Bytes({1}));
}

// A TCP server on a free local port that runs a script on the one connection it takes
// (or on each, in order), on a thread of its own.
class ScriptedServer {
public:
    using Script = std::function<void(ScriptedServer&, int fd)>;

    explicit ScriptedServer(QList<Script> scripts, int backlog = 4) : scripts_(std::move(scripts))
    {
        listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
        const int yes = 1;
        ::setsockopt(listener_, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(listener_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        socklen_t size = sizeof address;
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size);
        port_ = ntohs(address.sin_port);
        ::listen(listener_, backlog);
        if (!scripts_.isEmpty())
            thread_ = std::thread([this] { serve(); });
    }
    ~ScriptedServer()
    {
        stop_ = true;
        if (thread_.joinable())
            thread_.join();
        ::close(listener_);
    }

    quint16 port() const { return port_; }
    QString address(const QString& scheme = QStringLiteral("rfc2217")) const
    {
        return QStringLiteral("%1://127.0.0.1:%2").arg(scheme).arg(port_);
    }

    // Reads until the bytes received contain needle (or the test's patience ends).
    bool readUntil(int fd, const QByteArray& needle, int timeoutMs = 3000)
    {
        QElapsedTimer timer;
        timer.start();
        while (!received_.contains(needle)) {
            if (timer.elapsed() > timeoutMs || stop_)
                return false;
            pollfd p{fd, POLLIN, 0};
            if (::poll(&p, 1, 20) > 0) {
                char buffer[4096];
                const ssize_t n = ::read(fd, buffer, sizeof buffer);
                if (n <= 0)
                    return false;
                received_ += QByteArray(buffer, n);
            }
        }
        return true;
    }
    void send(int fd, const QByteArray& bytes) { (void)!::write(fd, bytes.constData(), size_t(bytes.size())); }
    // The bytes one at a time, for a client that must put split commands together.
    void trickle(int fd, const QByteArray& bytes)
    {
        for (const char c : bytes) {
            send(fd, QByteArray(1, c));
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    void holdUntilStopped()
    {
        while (!stop_)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    QByteArray received() const { return received_; }

private:
    void serve()
    {
        for (const Script& script : scripts_) {
            int fd = -1;
            while (fd < 0 && !stop_) {
                pollfd p{listener_, POLLIN, 0};
                if (::poll(&p, 1, 20) > 0)
                    fd = ::accept(listener_, nullptr, nullptr);
            }
            if (fd < 0)
                return;
            received_.clear();
            script(*this, fd);
            ::close(fd);
        }
    }

    QList<Script> scripts_;
    int listener_ = -1;
    quint16 port_ = 0;
    std::atomic<bool> stop_{false};
    QByteArray received_;
    std::thread thread_;
};

// The RFC 2217 opening, as ser2net goes through it, at the given rate.
void Negotiate(ScriptedServer& server, int fd, int baud)
{
    server.send(fd, kServerOffers);
    const QByteArray lastSetting = Sub(4, Bytes({1}));
    ASSERT_TRUE(server.readUntil(fd, lastSetting));
    server.send(fd, SettingsAnswers(baud));
}

int OpenError(SerialPort& port, const QString& path, int baud = 9600)
{
    try {
        port.open(path, baud);
    } catch (const CommError& error) {
        return error.number;
    }
    return 0;
}

} // namespace

TEST(NetworkAddressName, IsReadOrRefusedWithItsReason)
{
    struct Case {
        const char* name;
        bool valid;
        NetworkAddress::Scheme scheme;
        const char* host;
        int port;
        const char* problemPart;
    };
    using S = NetworkAddress::Scheme;
    const Case cases[] = {
        {"rfc2217://10.0.0.5:4001", true, S::Rfc2217, "10.0.0.5", 4001, ""},
        {"socket://studio-rack.local:7000", true, S::RawTcp, "studio-rack.local", 7000, ""},
        {"RFC2217://[::1]:65535", true, S::Rfc2217, "::1", 65535, ""},
        {"rfc2217://10.0.0.5", false, S::Rfc2217, "", 0, "缺少端口号"},
        {"rfc2217://10.0.0.5:", false, S::Rfc2217, "", 0, "缺少端口号"},
        {"socket://[::1]", false, S::Rfc2217, "", 0, "缺少端口号"},
        {"socket://:4001", false, S::Rfc2217, "", 0, "缺少主机名"},
        {"rfc2217://host:40a1", false, S::Rfc2217, "", 0, "不是数字"},
        {"rfc2217://host:-1", false, S::Rfc2217, "", 0, "不是数字"},
        {"rfc2217://host:0", false, S::Rfc2217, "", 0, "不在 1 至 65535 之间"},
        {"rfc2217://host:65536", false, S::Rfc2217, "", 0, "不在 1 至 65535 之间"},
        {"rfc2217://host:4001234", false, S::Rfc2217, "", 0, "不在 1 至 65535 之间"},
        {"telnet://host:23", false, S::Rfc2217, "", 0, "不认识的类型 telnet://"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(IsNetworkPortName(c.name));
        const NetworkAddressParse parsed = ParseNetworkAddress(c.name);
        ASSERT_EQ(parsed.address.has_value(), c.valid) << parsed.problem.toStdString();
        if (c.valid) {
            EXPECT_EQ(parsed.address->scheme, c.scheme);
            EXPECT_EQ(parsed.address->host, c.host);
            EXPECT_EQ(parsed.address->port, c.port);
            EXPECT_EQ(ParseNetworkAddress(parsed.address->text()).address->port, c.port);
        } else {
            EXPECT_TRUE(parsed.problem.contains(QString::fromUtf8(c.name))) << parsed.problem.toStdString();
            EXPECT_TRUE(parsed.problem.contains(QString::fromUtf8(c.problemPart))) << parsed.problem.toStdString();
        }
    }
    for (const char* path : {"/dev/ttyUSB0", "COM3", "/tmp/kvsim.link"})
        EXPECT_FALSE(IsNetworkPortName(path)) << path;
}

// However the server's stream is cut into reads, the unit's bytes come out whole and
// alone, every setting is confirmed, and each request of the server is answered once.
TEST(TelnetStream, TakesTheServerApartAcrossEverySplit)
{
    const QByteArray unit1 = Bytes({0x5A, IAC, IAC, 0x01, 0x00, 0x0D});
    const QByteArray unit2 = Bytes({IAC, IAC, IAC, IAC, 0x22});
    const QByteArray stream = kServerOffers + unit1 + Sub(107, Bytes({IAC, IAC})) + Bytes({IAC, 0xF1})
                              + Sub(101, Bytes({0x00, 0x01, 0xC2, 0x00})) + unit2 + Sub(102, Bytes({8}))
                              + Bytes({IAC, DO, ECHO_OPTION, IAC, WILL, ECHO_OPTION, IAC, DO, 0x18})
                              + Sub(103, Bytes({1})) + Sub(106, Bytes({0x60})) + Sub(104, Bytes({1}))
                              + Sub(112, Bytes({1})) + Bytes({IAC, DO, ECHO_OPTION});
    const QByteArray unitExpected = Bytes({0x5A, IAC, 0x01, 0x00, 0x0D, IAC, IAC, 0x22});
    // Answers: ECHO is refused on both sides (once each, though asked twice), and an
    // option nobody offered is refused; what answers our own offers gets no answer.
    const QByteArray answersExpected =
        Bytes({IAC, DONT, ECHO_OPTION, IAC, WONT, ECHO_OPTION, IAC, WONT, 0x18});

    QList<QList<QByteArray>> splits;
    for (int cut = 0; cut <= stream.size(); ++cut)
        splits.append({stream.left(cut), stream.mid(cut)});
    QList<QByteArray> bytewise;
    for (const char c : stream)
        bytewise.append(QByteArray(1, c));
    splits.append(bytewise);

    for (const QList<QByteArray>& reads : splits) {
        SCOPED_TRACE(reads.first().size());
        TelnetComPort telnet;
        const QByteArray offers = telnet.offers();
        EXPECT_EQ(offers, Bytes({IAC, WILL, BINARY, IAC, WILL, SGA, IAC, WILL, COM_PORT, IAC, DO, BINARY, IAC, DO, SGA}));
        QByteArray unit;
        QByteArray answers;
        for (const QByteArray& read : reads)
            telnet.take(read, unit, answers);
        EXPECT_EQ(unit.toHex(' '), unitExpected.toHex(' '));
        EXPECT_EQ(answers.toHex(' '), answersExpected.toHex(' '));
        EXPECT_TRUE(telnet.comPortAgreed());
        ASSERT_TRUE(telnet.settingsConfirmed());
        EXPECT_EQ(telnet.confirmed().baud, 115200);
        EXPECT_EQ(telnet.confirmed().dataSize, 8);
        EXPECT_EQ(telnet.confirmed().parity, 1);
        EXPECT_EQ(telnet.confirmed().stopSize, 1);
    }
}

TEST(TelnetStream, WhatGoesOutHasEveryIacDoubledAlsoInsideTheSettings)
{
    EXPECT_EQ(TelnetComPort::escaped(Bytes({0x5A, IAC, 0x00, IAC, IAC})).toHex(' '),
              Bytes({0x5A, IAC, IAC, 0x00, IAC, IAC, IAC, IAC}).toHex(' '));
    EXPECT_EQ(TelnetComPort::lineSettings(9600).toHex(' '),
              (Sub(1, Bytes({0, 0, 0x25, 0x80})) + Sub(2, Bytes({8})) + Sub(3, Bytes({1})) + Sub(4, Bytes({1}))).toHex(' '));
    // A rate whose bytes hold 0xFF (0x0001FFFF) goes out doubled.
    EXPECT_TRUE(TelnetComPort::lineSettings(0x1FFFF).startsWith(Sub(1, Bytes({0, 1, IAC, IAC, IAC, IAC}))));
    EXPECT_EQ(TelnetComPort::purgeReceived().toHex(' '), Sub(12, Bytes({1})).toHex(' '));
}

// The port against a server that does what ser2net does, sending every reply a byte at a
// time: the settings are confirmed before open returns, unit bytes go out with 0xFF
// doubled, only the unit's bytes come in, and a new rate is set on the open connection.
TEST(NetworkPortOnScriptedServer, NegotiatesThenCarriesUnitBytesBothWays)
{
    CoreApp();
    std::atomic<bool> sawFrame{false};
    ScriptedServer server({[&](ScriptedServer& s, int fd) {
        ASSERT_TRUE(s.readUntil(fd, Bytes({IAC, WILL, COM_PORT})));
        s.trickle(fd, kServerOffers);
        ASSERT_TRUE(s.readUntil(fd, Sub(4, Bytes({1}))));
        EXPECT_TRUE(s.received().contains(Sub(1, Bytes({0, 0, 0x4B, 0x00}))));
        s.trickle(fd, SettingsAnswers(19200) + Bytes({0x99}));
        // The frame as the unit will hear it, after the purge of what the server holds
        // of the stray byte dropped before it.
        ASSERT_TRUE(s.readUntil(fd, Sub(12, Bytes({1})) + Bytes({0x5A, 0x5B, IAC, IAC, 0x17, 0x77, 0x04})));
        sawFrame = true;
        s.trickle(fd, Bytes({0x12, IAC, IAC}) + Sub(107, Bytes({IAC, IAC})) + Bytes({IAC, IAC, 0x34}));
        // A new rate is set on the same connection.
        ASSERT_TRUE(s.readUntil(fd, Sub(1, Bytes({0, 0, 0x96, 0x00}))));
        ASSERT_TRUE(s.readUntil(fd, Sub(1, Bytes({0, 0, 0x96, 0x00})) + Sub(2, Bytes({8})) + Sub(3, Bytes({1}))
                                        + Sub(4, Bytes({1}))));
        s.trickle(fd, SettingsAnswers(38400));
        s.holdUntilStopped();
    }});
    NetworkPort port;
    port.open(server.address(), 19200);
    EXPECT_TRUE(port.setsRate());
    QElapsedTimer timer;
    timer.start();
    while (port.inputCount() == 0 && timer.elapsed() < 3000)
        port.waitForInput(100);
    port.discardInput();
    port.write(Bytes({0x5A, 0x5B, IAC, 0x17, 0x77, 0x04}));
    QByteArray unit;
    timer.restart();
    while (unit.size() < 4 && timer.elapsed() < 3000) {
        port.waitForInput(100);
        if (port.inputCount() > 0)
            unit += port.readInput();
    }
    EXPECT_TRUE(sawFrame);
    EXPECT_EQ(unit.toHex(' '), Bytes({0x12, IAC, IAC, 0x34}).toHex(' '));
    EXPECT_TRUE(port.changeRate(38400));
    EXPECT_TRUE(port.isOpen());
    port.close();
}

// The line time of what was written counts as pending output until it has passed, so a
// drain keeps the pauses the line needs.
TEST(NetworkPortOnScriptedServer, OutputIsPendingForItsLineTime)
{
    CoreApp();
    ScriptedServer server({[](ScriptedServer& s, int) { s.holdUntilStopped(); }});
    NetworkPort port;
    port.open(server.address(QStringLiteral("socket")), 9600);
    EXPECT_FALSE(port.setsRate());
    QElapsedTimer timer;
    timer.start();
    port.write(QByteArray(96, char(0x55))); // 100 ms at 9600 baud
    EXPECT_GT(port.pendingOutput(), 0);
    while (port.pendingOutput() > 0 && timer.elapsed() < 2000)
        port.waitForOutput(250);
    EXPECT_GE(timer.elapsed(), 95);
    EXPECT_LT(timer.elapsed(), 300);
}

// A server that will not take the COM port option: the port says so in the traffic log
// and goes on as raw TCP within Telnet, where the rate cannot change.
TEST(NetworkPortOnScriptedServer, ARefusedComPortOptionGoesOnAtTheServersRate)
{
    CoreApp();
    ScriptedServer server({[](ScriptedServer& s, int fd) {
        ASSERT_TRUE(s.readUntil(fd, Bytes({IAC, WILL, COM_PORT})));
        s.send(fd, Bytes({IAC, DO, BINARY, IAC, WILL, BINARY, IAC, DONT, COM_PORT}));
        ASSERT_TRUE(s.readUntil(fd, Bytes({0x5A, IAC, IAC, 0x01})));
        EXPECT_FALSE(s.received().contains(Bytes({IAC, SB})));
        s.send(fd, Bytes({IAC, IAC, 0x07}));
        s.holdUntilStopped();
    }});
    struct Log : LinkObserver {
        void sentDataShown(const QString&) override {}
        void trafficLogged(const TrafficEntry& entry) override
        {
            if (!entry.notice.isEmpty())
                notices << entry.notice;
        }
        QStringList notices;
    } log;
    SteadyClock clock;
    Link link(PathPorts(), clock);
    link.setObserver(&log);
    link.setDeviceSource([&] { return PortDevice{server.address(), server.address()}; });
    link.setLineBaud(9600);
    RecordingPrompter prompter;
    Reply reply;
    bool refusedRate = false;
    EXPECT_TRUE(RunOnPort(link, prompter, [&](LineSession& session) {
        EXPECT_FALSE(link.setsRate());
        EXPECT_TRUE(link.maySetRate(9600));
        reply = session.request({Bytes({0x5A, IAC, 0x01}), 2, 1000});
        try {
            session.changeRate(19200);
        } catch (const CommError& error) {
            refusedRate = error.number == comm::kRateFixed;
        }
    }).done());
    EXPECT_EQ(reply.bytes.toHex(' '), Bytes({IAC, 0x07}).toHex(' '));
    EXPECT_TRUE(refusedRate);
    EXPECT_EQ(link.lineBaud(), 9600);
    ASSERT_EQ(log.notices.size(), 1);
    EXPECT_TRUE(log.notices.first().contains(server.address())) << log.notices.first().toStdString();
    EXPECT_TRUE(log.notices.first().contains(QStringLiteral("按原始 TCP 继续")));
}

// Each fault ends the open with its own message number within its bound, and nothing
// hangs.
TEST(NetworkPortFaults, EachFaultEndsTheOpenWithinItsBound)
{
    CoreApp();
    // A server that takes the connection and the option but never answers the rate.
    ScriptedServer silent({[](ScriptedServer& s, int fd) {
        s.send(fd, kServerOffers);
        s.holdUntilStopped();
    }});
    // A server that does not speak Telnet at all.
    ScriptedServer mute({[](ScriptedServer& s, int) { s.holdUntilStopped(); }});
    quint16 closedPort = 0;
    {
        ScriptedServer gone({});
        closedPort = gone.port();
    }
    // A listener whose queue is full: a further connect stays in progress.
    ScriptedServer full({}, 0);
    const int filler = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(full.port());
    ASSERT_EQ(::connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    const int filler2 = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
    ::connect(filler2, reinterpret_cast<sockaddr*>(&address), sizeof address);

    struct Case {
        const char* what;
        QString path;
        bool cancelAfter300Ms;
        int number;
        qint64 boundMs;
    };
    const Case cases[] = {
        {"refused", QStringLiteral("rfc2217://127.0.0.1:%1").arg(closedPort), false, comm::kConnectionRefused, 5000},
        {"unknown host", QStringLiteral("socket://no-such-host.invalid:4001"), false, comm::kHostUnknown, 5000},
        {"silent about the rate", silent.address(), false, comm::kServerSilent, 3000},
        {"no Telnet", mute.address(), false, comm::kServerSilent, 3000},
        {"cancelled connect", full.address(), true, comm::kConnectCancelled, 1000},
        {"malformed", QStringLiteral("rfc2217://host"), false, comm::kAddressInvalid, 100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CancelFlag cancel;
        NetworkPort port;
        port.setCancelFlag(&cancel);
        std::thread canceller;
        if (c.cancelAfter300Ms)
            canceller = std::thread([&] {
                std::this_thread::sleep_for(std::chrono::milliseconds(300));
                cancel.request();
            });
        QElapsedTimer timer;
        timer.start();
        EXPECT_EQ(OpenError(port, c.path), c.number);
        EXPECT_LT(timer.elapsed(), c.boundMs);
        EXPECT_FALSE(port.isOpen());
        if (canceller.joinable())
            canceller.join();
        const QString text = CommErrorText(c.number, c.path);
        EXPECT_TRUE(text.contains(c.path)) << text.toStdString();
    }
    ::close(filler);
    ::close(filler2);
}

// The server going away in the middle of a reply ends the operation with the lost
// connection's message within two seconds; the next operation connects again.
TEST(NetworkPortFaults, ADroppedServerEndsTheOperationAndTheNextOneConnectsAgain)
{
    CoreApp();
    ScriptedServer server({[](ScriptedServer& s, int fd) {
                               Negotiate(s, fd, 9600);
                               ASSERT_TRUE(s.readUntil(fd, Bytes({0x5A, 0xF9})));
                               s.send(fd, Bytes({0x12}));
                               std::this_thread::sleep_for(std::chrono::milliseconds(100));
                           },
                           [](ScriptedServer& s, int fd) {
                               Negotiate(s, fd, 9600);
                               ASSERT_TRUE(s.readUntil(fd, Bytes({0x5A, 0xF9})));
                               s.send(fd, Bytes({0x12, 0x34, 0x56, 0x78, 0x08}));
                               s.holdUntilStopped();
                           }});
    SteadyClock clock;
    Link link(PathPorts(), clock);
    link.setDeviceSource([&] { return PortDevice{server.address(), server.address()}; });
    link.setLineBaud(9600);
    RecordingPrompter prompter;
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(RunOnPort(link, prompter, [&](LineSession& session) {
                    session.request({Bytes({0x5A, 0xF9, 0x01, 0x01, 0xA3}), 5, 10000});
                }).portFault());
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_EQ(prompter.texts().join(" | "), CommErrorText(comm::kConnectionLost, server.address()));

    Reply reply;
    EXPECT_TRUE(RunOnPort(link, prompter, [&](LineSession& session) {
                    reply = session.request({Bytes({0x5A, 0xF9, 0x01, 0x01, 0xA3}), 5, 1500});
                }).done());
    EXPECT_EQ(reply.bytes.toHex(), "1234567808");
}

// On a COMk mapped to a raw TCP server every way to another rate is refused before the
// port opens, with the address and the advice; the rate in force still goes.
class RawTcpChoice : public LinkFixture {
protected:
    RawTcpChoice()
    {
        EXPECT_TRUE(folder.ensureSettingsFolder());
        EXPECT_TRUE(WriteTextFile(settingsFile("COMMAP.TXT"), "COM1=" + kAddress));
    }
    const QString kAddress = QStringLiteral("socket://10.0.0.5:4002");
};

TEST_F(RawTcpChoice, EveryChangeOfRateIsRefusedBeforeThePortOpens)
{
    const QString refusal = CommErrorText(comm::kRateFixed, kAddress);
    EXPECT_TRUE(refusal.contains(QStringLiteral("请在串口服务器上设置波特率")));
    const QList<std::pair<const char*, std::function<void()>>> changes = {
        {"baud choice", [&] { choice.selectBaud(4, prompter, ChoiceEffect::Apply); }},
        {"identity sweep", [&] { ReadIdentity(choice, link, prompter); }},
        {"unit rate change", [&] { ModifyIdentity({5, QStringLiteral("7")}, choice, link, prompter); }},
    };
    for (const auto& [what, change] : changes) {
        SCOPED_TRACE(what);
        prompter.shown.clear();
        change();
        EXPECT_EQ(prompter.texts(), QStringList{refusal});
        EXPECT_EQ(link.lineBaud(), 9600);
        EXPECT_EQ(choice.baudChoice(), 3);
    }
    EXPECT_EQ(port->opens, 0);
    EXPECT_TRUE(port->written.isEmpty());
    EXPECT_FALSE(QFile::exists(settingsFile("BTL.TXT")));

    prompter.shown.clear();
    choice.selectBaud(3, prompter, ChoiceEffect::Apply);
    EXPECT_TRUE(prompter.texts().isEmpty()) << prompter.texts().join(" | ").toStdString();
    EXPECT_EQ(port->writes.size(), 1);
    EXPECT_EQ(choice.statusText(), "  串 口：" + kAddress + "  波特率：9600,N,8,1");
}

// At start the line runs at the saved rate, which the server is set to: no rate is
// refused, and the units hear the broadcast at it.
TEST_F(RawTcpChoice, TheStartRestoresTheSavedRateAsTheOneInForce)
{
    ASSERT_TRUE(WriteTextFile(settingsFile("COM.TXT"), "1"));
    ASSERT_TRUE(WriteTextFile(settingsFile("BTL.TXT"), "4"));
    link.setLineBaud(115200);
    choice.startupRestore(prompter);
    EXPECT_TRUE(prompter.texts().isEmpty()) << prompter.texts().join(" | ").toStdString();
    EXPECT_EQ(link.lineBaud(), 19200);
    EXPECT_EQ(port->openBauds.value(port->openBauds.size() - 1), 19200);
}
