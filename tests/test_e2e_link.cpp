// kvctl's port, baud and raw commands against the simulated unit: the bytes on the
// line, the reply wait's rules over a real pseudo-terminal, and the settings files.

#include "file_bytes.h"
#include "app/app_folder.h"
#include "kvctl_process.h"
#include "sim_process.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

class KvctlOnSim : public ::testing::Test {
protected:
    // kvctl on the simulated line, in a fresh application folder.
    KvctlRun kvctl(SimProcess& sim, QStringList args)
    {
        args.prepend(sim.linkPath());
        args.prepend("--port");
        args.prepend(dir.path());
        args.prepend("--dir");
        return RunKvctl(args);
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(KvctlOnSim, BaudChangeIsBroadcastAtTheOldRateAndRemembered)
{
    SimProcess sim({"--unit", "1:9600"});
    ASSERT_TRUE(sim.isRunning());
    const AppFolder folder(dir.path());
    ASSERT_TRUE(folder.ensureSettingsFolder());
    ASSERT_TRUE(WriteTextFile(folder.settingsPath("BTL.TXT"), "3"));

    const KvctlRun run = kvctl(sim, {"baud", "19200"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "  串 口：" + sim.linkPath() + "  波特率：19200,N,8,1\n");
    EXPECT_EQ(FileBytes(folder.settingsPath("BTL.TXT")), "4");
    ASSERT_TRUE(sim.waitForLog("RX 9600 5A 5B FF 17 77 04"));
    ASSERT_TRUE(sim.waitFor([&] { return sim.unitState(1).value("baud").toInt() == 19200; }));

    // The unit now listens at the new rate, which the next run uses from BTL.TXT.
    const KvctlRun product = kvctl(sim, {"raw", "5AF90101A3", "--reply", "5"});
    EXPECT_EQ(product.out, "1234567808\n");
}

TEST_F(KvctlOnSim, RawPrintsTheReplyAsUpperCaseHex)
{
    SimProcess sim({"--unit", "1:9600:ABCDEF01"});
    ASSERT_TRUE(sim.isRunning());
    const KvctlRun run = kvctl(sim, {"--baud", "9600", "raw", "5A F9 01 01 A3", "--reply", "5"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "ABCDEF0188\n");
}

TEST_F(KvctlOnSim, ASilentLineGivesErrAfterTheTimeOut)
{
    SimProcess sim({"--fault", "silent"});
    ASSERT_TRUE(sim.isRunning());
    const KvctlRun run = kvctl(sim, {"raw", "5AF90101A3", "--reply", "5", "--timeout", "300"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "Err\n");
}

TEST_F(KvctlOnSim, AReplyInBurstsSucceedsWhenEachGapIsShorterThanTheTimeOut)
{
    // Five bytes 250 ms apart: a second in all, against a 400 ms time-out.
    SimProcess sim({"--fault", "split=250"});
    ASSERT_TRUE(sim.isRunning());
    const KvctlRun run = kvctl(sim, {"raw", "5AF90101A3", "--reply", "5", "--timeout", "400"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "1234567808\n");

    const KvctlRun tooSlow = kvctl(sim, {"raw", "5AF90101A3", "--reply", "5", "--timeout", "150"});
    EXPECT_EQ(tooSlow.out, "Err\n");
}

TEST_F(KvctlOnSim, OneByteTooManyGivesErr)
{
    SimProcess sim({"--fault", "long"});
    ASSERT_TRUE(sim.isRunning());
    const KvctlRun run = kvctl(sim, {"raw", "5AF90101A3", "--reply", "5", "--timeout", "300"});
    EXPECT_EQ(run.out, "Err\n");
    EXPECT_EQ(run.exitCode, 1);
}

TEST_F(KvctlOnSim, AUnitAtAnotherRateHearsNothing)
{
    SimProcess sim({"--unit", "1:19200"});
    ASSERT_TRUE(sim.isRunning());
    const KvctlRun run = kvctl(sim, {"--baud", "9600", "raw", "5AF90101A3", "--reply", "5", "--timeout", "300"});
    EXPECT_EQ(run.out, "Err\n");
    const KvctlRun matched = kvctl(sim, {"--baud", "19200", "raw", "5AF90101A3", "--reply", "5"});
    EXPECT_EQ(matched.out, "1234567808\n");
}

TEST_F(KvctlOnSim, TheTrafficLogRecordsBothDirectionsWithTheLineRate)
{
    SimProcess sim;
    ASSERT_TRUE(sim.isRunning());
    const QString log = dir.filePath("traffic.log");
    kvctl(sim, {"--log", log, "raw", "5AF90101A3", "--reply", "5"});
    const QString text = QString::fromUtf8(FileBytes(log));
    EXPECT_TRUE(text.contains(" 9600 发送 5A F9 01 01 A3")) << text.toStdString();
    EXPECT_TRUE(text.contains(" 9600 接收 12 34 56 78 08")) << text.toStdString();
}

TEST(KvctlPorts, AMappedPortThatDoesNotExistFallsBackToClosed)
{
    QTemporaryDir dir;
    const AppFolder folder(dir.path());
    ASSERT_TRUE(folder.ensureSettingsFolder());
    ASSERT_TRUE(WriteTextFile(folder.settingsPath("COMMAP.TXT"), "COM5=" + dir.filePath("no-such-device")));
    const KvctlRun run = RunKvctl({"--dir", dir.path(), "port", "COM5"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "该串口不存在！\n");
    EXPECT_EQ(FileBytes(folder.settingsPath("COM.TXT")), "0");
}

TEST(KvctlPorts, AMappedPortIsProbedAndRemembered)
{
    SimProcess sim;
    ASSERT_TRUE(sim.isRunning());
    QTemporaryDir dir;
    const AppFolder folder(dir.path());
    ASSERT_TRUE(folder.ensureSettingsFolder());
    ASSERT_TRUE(WriteTextFile(folder.settingsPath("COMMAP.TXT"), "COM2=" + sim.linkPath()));
    const KvctlRun run = RunKvctl({"--dir", dir.path(), "port", "COM2"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "  串 口：COM2  波特率：9600,N,8,1\n");
    EXPECT_EQ(FileBytes(folder.settingsPath("COM.TXT")), "2");
}

TEST(KvctlUsage, BadArgumentsAreUsageErrors)
{
    QTemporaryDir dir;
    EXPECT_EQ(RunKvctl({"--dir", dir.path(), "baud", "12345"}).exitCode, 2);
    EXPECT_EQ(RunKvctl({"--dir", dir.path(), "raw", "5A F"}).exitCode, 2);
    EXPECT_EQ(RunKvctl({"--dir", dir.path(), "raw", "5A", "--reply"}).exitCode, 2);
    EXPECT_EQ(RunKvctl({"--dir", dir.path(), "port", "COM13"}).exitCode, 2);
    EXPECT_EQ(RunKvctl({"--dir", dir.path(), "nosuchcommand"}).exitCode, 2);
    EXPECT_EQ(RunKvctl({}).exitCode, 2);
}

TEST_F(KvctlOnSim, TheStatusReportArrivesWholeOnAPacedLineAtTheSlowestRate)
{
    SimProcess sim({"--unit", "1:1200", "--pace"});
    ASSERT_TRUE(sim.isRunning());
    const KvctlRun run = kvctl(sim, {"--baud", "1200", "--target", "1", "status"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("以下是地址码为 1 的字幕信息"))) << run.out.toStdString();
}

TEST_F(KvctlOnSim, APortThatVanishesMidOperationIsReportedAsMissing)
{
    auto sim = std::make_unique<SimProcess>(QStringList{"--unit", "1:9600", "--pace"});
    ASSERT_TRUE(sim->isRunning());
    QProcess read;
    read.start(KVCTL_PATH, {"--dir", dir.path(), "--port", sim->linkPath(), "--baud", "9600", "--address", "1",
                            "font", "read", "--out", dir.filePath("read.bin")});
    ASSERT_TRUE(read.waitForStarted());
    // A paced whole-font read takes about sixteen seconds; the line goes away early on.
    ASSERT_TRUE(sim->waitFor([&] { return sim->logText().count(QLatin1Char('\n')) > 20; }, 10000));
    sim.reset();
    ASSERT_TRUE(read.waitForFinished(20000));
    EXPECT_EQ(read.exitCode(), 1);
    const QString err = QString::fromUtf8(read.readAllStandardError());
    EXPECT_TRUE(err.contains(QStringLiteral("该串口不存在！"))) << err.toStdString();
}
