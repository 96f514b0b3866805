// kvctl through ser2net in front of the simulated unit: the operations over RFC 2217 and
// raw TCP, bytes full of 0xFF both ways, the rate changes the server and the unit
// follow, what raw TCP refuses, a COMk mapped to an address, and the server going away.

#include "base/app_folder.h"
#include "file_bytes.h"
#include "font/font_file.h"
#include "font/font_fingerprint.h"
#include "kvctl_process.h"
#include "ser2net_process.h"
#include "sim_process.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

using namespace kv;
using namespace kv::test;

namespace {

class ThroughSer2net : public ::testing::Test {
protected:
    // kvsim with the arguments, and ser2net in front of its terminal.
    void start(const QStringList& simArgs)
    {
        if (Ser2netProcess::program().isEmpty())
            GTEST_SKIP() << "ser2net is not installed (scripts/packages.sh installs it)";
        sim = std::make_unique<SimProcess>(simArgs);
        ASSERT_TRUE(sim->isRunning());
        server = std::make_unique<Ser2netProcess>(QFileInfo(sim->linkPath()).canonicalFilePath());
        ASSERT_TRUE(server->isRunning()) << server->output().toStdString();
    }
    KvctlRun kvctl(const QString& port, const QStringList& args)
    {
        return RunKvctl(QStringList{"--dir", dir.path(), "--port", port} + args);
    }
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    int frameCount() const { return int(sim->logText().count(QStringLiteral(" RX "))); }

    QTemporaryDir dir;
    AppFolder folder{dir.path()};
    std::unique_ptr<SimProcess> sim;
    std::unique_ptr<Ser2netProcess> server;
};

} // namespace

TEST_F(ThroughSer2net, AScrollAndAProductNumberOfAll0xFF)
{
    start({"--unit", "1:9600:FFFFFFFF"});
    const QString port = server->rfc2217Address();
    const KvctlRun scroll = kvctl(port, {"send", "0", "--text", "AB"});
    EXPECT_EQ(scroll.exitCode, 0) << scroll.err.toStdString();
    EXPECT_TRUE(sim->waitFor([&] {
        return sim->unitState(1).value("scroll").toObject().value("message").toString().toUpper() == "A3C1A3C2";
    }));
    const KvctlRun product = kvctl(port, {"product-number"});
    EXPECT_EQ(product.exitCode, 0) << product.err.toStdString();
    EXPECT_TRUE(product.out.startsWith(QStringLiteral("产品编号：FFFFFFFF00\n"))) << product.out.toStdString();
}

// A font whose every other byte is 0xFF: the frames written and the replies read are
// full of bytes that Telnet doubles.
TEST_F(ThroughSer2net, AWholeFontFullOf0xFFIsWrittenAndReadBackAt115200)
{
    // A quick unit: the test is about the bytes, not the turnaround.
    start({"--unit", "1:115200", "--turnaround", "1"});
    QByteArray bytes(kFontTableSize, '\0');
    for (int i = 0; i < kFontTableSize; ++i)
        bytes[i] = char(i % 2 ? 0xFF : i & 0xFF);
    ASSERT_TRUE(SaveFontFile(path("a.bin"), FontTable::fromDeviceBytes(bytes)));
    const QString port = server->rfc2217Address();
    const KvctlRun write = kvctl(port, {"--baud", "115200", "font", "write", "--in", path("a.bin")});
    ASSERT_EQ(write.exitCode, 0) << write.err.toStdString();
    EXPECT_EQ(write.out, "下载成功\n" + FontFingerprintText(FontTable::fromDeviceBytes(bytes)) + "\n");
    EXPECT_EQ(sim->unitState(1).value("font").toString().remove(' ').toLower(), QString::fromLatin1(bytes.toHex()));
    const KvctlRun read = kvctl(port, {"--baud", "115200", "font", "read", "--out", path("b.bin")});
    ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
    EXPECT_EQ(FileBytes(path("b.bin")), FileBytes(path("a.bin")));
}

// The broadcast goes out at the old rate; the next run sets the new one on the server,
// and the unit hears it there.
TEST_F(ThroughSer2net, ABaudChangeIsFollowedByTheServerAndTheUnit)
{
    start({"--unit", "1:9600"});
    const QString port = server->rfc2217Address();
    const KvctlRun baud = kvctl(port, {"baud", "19200"});
    ASSERT_EQ(baud.exitCode, 0) << baud.err.toStdString();
    EXPECT_EQ(baud.out, "  串 口：" + port + "  波特率：19200,N,8,1\n");
    ASSERT_TRUE(sim->waitForLog("RX 9600 5A 5B FF 17 77 04"));
    ASSERT_TRUE(sim->waitFor([&] { return sim->unitState(1).value("baud").toInt() == 19200; }));
    const KvctlRun product = kvctl(port, {"product-number"});
    EXPECT_EQ(product.exitCode, 0) << product.err.toStdString();
    EXPECT_TRUE(sim->logText().contains("RX 19200 5A F9 01 01 A3"));
}

TEST_F(ThroughSer2net, TheIdentitySweepFindsTheUnitsRateAndAddress)
{
    start({"--unit", "9:38400"});
    const KvctlRun run = kvctl(server->rfc2217Address(), {"--yes", "identity"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.endsWith("\n9\n")) << run.out.toStdString();
    EXPECT_TRUE(sim->logText().contains("RX 19200 5A F7 00 01 AC | identity query 0xF7 | no unit at 19200 baud"));
    EXPECT_EQ(FileBytes(folder.settingsPath("BTL.TXT")), "5");
}

// Over raw TCP the rate is the server's: whatever would change it is refused before a
// byte goes out, and the rest runs, 0xFF bytes as they are.
TEST_F(ThroughSer2net, RawTcpRefusesEveryChangeOfRateAndRunsTheRest)
{
    start({"--unit", "1:9600:FFFFFFFF"});
    const QString port = server->rawAddress();
    const QString refusal = QStringLiteral("网络串口 %1 的波特率不能由本程序设置：请在串口服务器上设置波特率\n").arg(port);
    const QList<QStringList> changes = {
        {"baud", "19200"}, {"--yes", "identity"}, {"modify-identity", "19200", "5"}, {"--baud", "19200", "product-number"}};
    for (const QStringList& args : changes) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const KvctlRun run = kvctl(port, args);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.err, refusal);
    }
    EXPECT_EQ(frameCount(), 0) << sim->logText().toStdString();
    EXPECT_FALSE(QFileInfo::exists(folder.settingsPath("BTL.TXT")));

    // The rate in force may be given, and a unit whose address alone changes is told so.
    const KvctlRun product = kvctl(port, {"--baud", "9600", "product-number"});
    EXPECT_EQ(product.exitCode, 0) << product.err.toStdString();
    EXPECT_TRUE(product.out.startsWith(QStringLiteral("产品编号：FFFFFFFF00\n"))) << product.out.toStdString();
    const KvctlRun scroll = kvctl(port, {"send", "0", "--text", "AB"});
    EXPECT_EQ(scroll.exitCode, 0) << scroll.err.toStdString();
    const KvctlRun modify = kvctl(port, {"modify-identity", "9600", "5"});
    EXPECT_EQ(modify.exitCode, 0) << modify.err.toStdString();
    EXPECT_TRUE(sim->waitFor([&] { return !sim->unitState(5).isEmpty(); }));
}

TEST_F(ThroughSer2net, AComkMappedToAnAddressIsProbedRememberedAndUsed)
{
    start({"--unit", "1:9600"});
    ASSERT_TRUE(folder.ensureSettingsFolder());
    ASSERT_TRUE(WriteTextFile(folder.settingsPath("COMMAP.TXT"), "COM1=/dev/ttyS0\r\nCOM3=" + server->rfc2217Address()));
    const KvctlRun port = RunKvctl({"--dir", dir.path(), "port", "COM3"});
    ASSERT_EQ(port.exitCode, 0) << port.err.toStdString();
    EXPECT_EQ(port.out, "  串 口：" + server->rfc2217Address() + "  波特率：9600,N,8,1\n");
    EXPECT_EQ(FileBytes(folder.settingsPath("COM.TXT")), "3");
    const KvctlRun product = RunKvctl({"--dir", dir.path(), "product-number"});
    EXPECT_EQ(product.exitCode, 0) << product.err.toStdString();
}

// The server going away during a paced font read ends it with the lost connection's
// message within two seconds.
TEST_F(ThroughSer2net, AServerThatGoesAwayEndsTheOperationWithinTwoSeconds)
{
    start({"--unit", "1:9600", "--pace"});
    const std::unique_ptr<QProcess> read = StartKvctl(
        {"--dir", dir.path(), "--port", server->rfc2217Address(), "font", "read", "--out", path("read.bin")});
    ASSERT_TRUE(read->waitForStarted());
    ASSERT_TRUE(sim->waitFor([&] { return frameCount() > 10; }, 10000));
    const QString address = server->rfc2217Address();
    QElapsedTimer timer;
    timer.start();
    server.reset();
    ASSERT_TRUE(read->waitForFinished(5000));
    EXPECT_LT(timer.elapsed(), 2500);
    EXPECT_EQ(read->exitCode(), 1);
    const QString err = QString::fromUtf8(read->readAllStandardError());
    EXPECT_TRUE(err.contains(QStringLiteral("与网络串口 %1 的连接已断开").arg(address))) << err.toStdString();
}

TEST(KvctlNetworkPort, AMalformedAddressIsAUsageErrorThatSaysWhy)
{
    QTemporaryDir dir;
    const QList<std::pair<QString, QString>> cases = {
        {"rfc2217://10.0.0.5", "缺少端口号"},
        {"socket://10.0.0.5:telnet", "端口号 telnet 不是数字"},
        {"rfc2217://10.0.0.5:70000", "不在 1 至 65535 之间"},
        {"ftp://10.0.0.5:21", "不认识的类型 ftp://"},
    };
    for (const auto& [port, why] : cases) {
        SCOPED_TRACE(port.toStdString());
        const KvctlRun run = RunKvctl({"--dir", dir.path(), "--port", port, "product-number"});
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.startsWith(QStringLiteral("网络串口地址 %1 不可用：").arg(port))) << run.err.toStdString();
        EXPECT_TRUE(run.err.contains(why)) << run.err.toStdString();
    }
}
