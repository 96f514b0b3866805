// A kvctl run as a script sees it, against the simulated unit: every failure gives its
// reason on standard error, each kind of outcome has its exit status, Ctrl+C ends a long
// wait, progress without a terminal stays short, and raw's bounds.

#include "kvctl_process.h"
#include "sim_process.h"

#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <gtest/gtest.h>

using namespace kv::test;

namespace {

class KvctlRunOnSim : public ::testing::Test {
protected:
    QStringList lineArgs(const SimProcess& sim) const
    {
        return {"--dir", dir.path(), "--port", sim.linkPath(), "--baud", "9600"};
    }
    KvctlRun kvctl(const SimProcess& sim, const QStringList& args) { return RunKvctl(lineArgs(sim) + args); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(KvctlRunOnSim, EveryFailureSaysWhyOnStandardError)
{
    SimProcess silent({"--unit", "1:9600", "--fault", "silent"});
    ASSERT_TRUE(silent.isRunning());
    const QString noTerminal = QStringLiteral("（没有终端，视为“否”；用 --yes 回答“是”）");
    struct Case {
        QStringList args;
        QString reason;
    };
    const QList<Case> cases = {
        {{"product-number"}, QStringLiteral("读出失败")},
        {{"modify-identity", "9600", "5"}, QStringLiteral("写入失败")},
        {{"font", "write-char", "65"}, QStringLiteral("下载失败")},
        {{"font", "write"}, QStringLiteral("下载失败")},
        {{"font", "read", "--out", dir.filePath("read.bin")}, QStringLiteral("读出错误0")},
        {{"raw", "5AF90101A3", "--reply", "5", "--timeout", "100"}, QStringLiteral("5字节")},
        {{"write-address", "200"}, QStringLiteral("向设备写入地址码时不能有多台设备连接\r\n\r\n确认只有单台设备连接吗？\n") + noTerminal},
        {{"identity"}, noTerminal},
        {{"queue", "add", "abc", "x"}, QStringLiteral("地址码必须是数字")},
        {{"queue", "add", "255", "x"}, QStringLiteral("地址码不能大于254")},
        {{"queue", "add", "5", "x"}, QString()}, // succeeds: the entry the next cases need
        {{"queue", "add", "005", "y"}, QStringLiteral("地址码已存在，不能重复！")},
        {{"queue", "delete", "1"}, QStringLiteral("真的要删除地址为 5 的记录吗？\n") + noTerminal},
    };
    for (const Case& c : cases) {
        const KvctlRun run = kvctl(silent, c.args);
        const std::string name = c.args.join(' ').toStdString();
        if (c.reason.isEmpty()) {
            ASSERT_EQ(run.exitCode, 0) << name << run.err.toStdString();
            continue;
        }
        EXPECT_EQ(run.exitCode, 1) << name;
        EXPECT_TRUE(run.err.contains(c.reason)) << name << ": " << run.err.toStdString();
        EXPECT_FALSE(run.out.contains(c.reason)) << name;
    }
    // raw still prints the wait's result text where a script reads it.
    EXPECT_EQ(kvctl(silent, {"raw", "5AF90101A3", "--reply", "5", "--timeout", "100"}).out, "Err\n");
}

// Refused, failed and port fault all end with 1 and their reason once on standard error
// (the operation shows it, nothing repeats it); done ends with 0 and says nothing there.
TEST_F(KvctlRunOnSim, EachOutcomeHasItsStatusAndItsReasonOnce)
{
    SimProcess sim({"--unit", "1:9600", "--unit", "2:9600", "--unit", "3:9600", "--fault", "badcheck@2", "--fault",
                    "silent@3"});
    ASSERT_TRUE(sim.isRunning());
    const QString line = sim.linkPath();
    QTemporaryDir noPortChosen;
    struct Case {
        const char* outcome;
        QStringList args;
        int status;
        QString reason;
    };
    const QList<Case> cases = {
        {"done", {"--port", line, "--address", "1", "product-number"}, 0, QString()},
        {"refused by an input", {"--port", line, "write-address", "300"}, 1, QStringLiteral("地址码不能大于254")},
        {"refused by the target", {"--port", line, "--target", "255", "status"}, 1,
         QStringLiteral("这个操作不能为广播地址，只能指定特定设备，请修改指定地址码！")},
        {"failed by the unit's check byte", {"--port", line, "--address", "2", "product-number"}, 1,
         QStringLiteral("读出失败")},
        {"failed by a unit that does not answer", {"--port", line, "--target", "3", "status"}, 1,
         QStringLiteral("指定的设备不存在或没连接，请检查指定地址码是否有误或通信是否正常！")},
        {"a port fault: no such device", {"--port", dir.filePath("no-such-tty"), "reset"}, 1,
         QStringLiteral("该串口不存在！")},
        {"a port fault: no port chosen", {"--dir", noPortChosen.path(), "reset"}, 1, QStringLiteral("串口尚未打开!")},
    };
    for (const Case& c : cases) {
        const KvctlRun run = RunKvctl(QStringList{"--dir", dir.path(), "--baud", "9600"} + c.args);
        SCOPED_TRACE(c.outcome);
        EXPECT_EQ(run.exitCode, c.status) << run.err.toStdString();
        if (c.reason.isEmpty()) {
            EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
            continue;
        }
        EXPECT_EQ(run.err.count(c.reason), 1) << run.err.toStdString();
        EXPECT_EQ(run.err.trimmed().split(QLatin1Char('\n')).size(), 1) << run.err.toStdString();
        EXPECT_FALSE(run.out.contains(c.reason));
    }
}

// Ctrl+C during a long wait or a whole-font write ends kvctl within a second, with the
// status of an interrupt and, for the write, the code where it stopped.
TEST_F(KvctlRunOnSim, CtrlCEndsTheRunWithTheInterruptStatus)
{
    QFile font(dir.filePath("a.bin"));
    ASSERT_TRUE(font.open(QIODevice::WriteOnly));
    font.close();
    struct Case {
        QStringList sim;
        QStringList args;
        QString runningOnce; // in kvsim's log once the run is where Ctrl+C is to reach it
        QStringList said;
    };
    const QList<Case> cases = {
        // The unit would take up to 58 s to answer the download.
        {{"--unit", "1:9600", "--fault", "silent"}, {"font", "download", font.fileName()}, "5A 5B FF 90 00",
         {QStringLiteral("已取消")}},
        // 256 characters at 9600 baud take many seconds; the third one is on its way.
        {{"--unit", "1:9600"},
         {"font", "write"},
         "5A FC 01 38 02",
         {QStringLiteral("字库写入已取消，停在代码"), QStringLiteral("可用 --from ")}},
    };
    for (const Case& c : cases) {
        SimProcess sim(c.sim);
        ASSERT_TRUE(sim.isRunning());
        const auto process = StartKvctl(lineArgs(sim) + c.args);
        ASSERT_TRUE(process->waitForStarted());
        ASSERT_TRUE(sim.waitForLog(c.runningOnce)) << c.args.join(' ').toStdString();
        ::kill(static_cast<pid_t>(process->processId()), SIGINT);
        ASSERT_TRUE(process->waitForFinished(1000)) << c.args.join(' ').toStdString();
        EXPECT_EQ(process->exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process->exitCode(), 130);
        const QString err = QString::fromUtf8(process->readAllStandardError());
        for (const QString& said : c.said)
            EXPECT_TRUE(err.contains(said)) << err.toStdString();
    }
}

TEST_F(KvctlRunOnSim, ProgressWithoutATerminalIsALineEveryTenth)
{
    SimProcess sim({"--unit", "1:9600"});
    ASSERT_TRUE(sim.isRunning());
    const KvctlRun run = kvctl(sim, {"font", "read", "--out", dir.filePath("read.bin")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = run.err.split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_EQ(lines.first(), QStringLiteral("正在读取字库：0 / 256"));
    EXPECT_GE(lines.size(), 5);
    EXPECT_LE(lines.size(), 11);
    EXPECT_FALSE(run.err.contains('\r'));
}

TEST_F(KvctlRunOnSim, RawTakesRepliesUpTo65535BytesAndBoundedTimeOuts)
{
    SimProcess silent({"--unit", "1:9600", "--fault", "silent"});
    ASSERT_TRUE(silent.isRunning());
    for (const QStringList& args : QList<QStringList>{{"raw", "5A", "--reply", "65536"},
                                                      {"raw", "5A", "--reply", "0"},
                                                      {"raw", "5A", "--reply", "5", "--timeout", "-1"},
                                                      {"raw", "5A", "--reply", "5", "--timeout", "3600001"}})
        EXPECT_EQ(kvctl(silent, args).exitCode, 2) << args.join(' ').toStdString();
    EXPECT_FALSE(silent.logText().contains("RX"));
    const KvctlRun longest = kvctl(silent, {"raw", "5A", "--reply", "65535", "--timeout", "50"});
    EXPECT_EQ(longest.exitCode, 1) << longest.err.toStdString();
    EXPECT_EQ(longest.out, "Err\n");
}
