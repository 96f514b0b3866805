// Unit administration and send targeting through kvctl, against kvsim with several
// units on one pseudo-terminal line.

#include "kvctl_process.h"
#include "sim_process.h"

#include <QDir>
#include <QFile>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using kv::test::KvctlRun;
using kv::test::RunKvctl;
using kv::test::SimProcess;

namespace {

class AdminLine : public ::testing::Test {
protected:
    // kvctl on the simulator's line in this test's application folder.
    KvctlRun kvctl(const SimProcess& sim, const QStringList& args, const QString& baud = QStringLiteral("9600"))
    {
        return RunKvctl(QStringList{"--dir", dir.path(), "--port", sim.linkPath(), "--baud", baud} + args);
    }
    void writeQueue(const QByteArray& data, const QByteArray& ticks)
    {
        QFile queue(dir.filePath("data.txt"));
        ASSERT_TRUE(queue.open(QIODevice::WriteOnly));
        queue.write(data);
        QDir(dir.path()).mkpath("savefiles");
        QFile tickFile(dir.filePath("savefiles/Lv1Checked.TXT"));
        ASSERT_TRUE(tickFile.open(QIODevice::WriteOnly));
        tickFile.write(ticks);
    }
    QByteArray savedBaud()
    {
        QFile file(dir.filePath("savefiles/BTL.TXT"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static int field(const SimProcess& sim, int address, const char* name)
    {
        return sim.unitState(address).value(QLatin1String(name)).toInt(-1);
    }

    QTemporaryDir dir;
};

TEST_F(AdminLine, StoredScrollReachesOnlyTheTickedUnits)
{
    SimProcess sim({"--unit", "3", "--unit", "7", "--unit", "12"});
    ASSERT_TRUE(sim.isRunning());
    writeQueue("12\r\nA\r\n3\r\nB\r\n7\r\nC\r\n", "101");
    const KvctlRun run = kvctl(sim, {"--target", "queue", "play-stored", "5"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_TRUE(sim.waitFor([&] { return field(sim, 12, "playedScroll") == 5; }));
    EXPECT_EQ(field(sim, 3, "playedScroll"), 5);
    EXPECT_EQ(field(sim, 7, "playedScroll"), -1); // never played anything

    ASSERT_EQ(kvctl(sim, {"--target", "7", "play-stored", "power-on"}).exitCode, 0);
    ASSERT_TRUE(sim.waitForLog("5A 5B 07 86 00 00 00"));
}

TEST_F(AdminLine, IdentitySweepFindsTheUnitAndFollowsItsRate)
{
    SimProcess sim({"--unit", "5:19200"});
    ASSERT_TRUE(sim.isRunning());
    const KvctlRun run = kvctl(sim, {"--yes", "identity"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("读出成功!\r\n\r\n波特率：19200 BPS\r\n地址码：5 (十进制)\n5\n"));
    EXPECT_EQ(savedBaud(), "4");
}

TEST_F(AdminLine, IdentitySweepReportsSilenceAndCollidingUnits)
{
    SimProcess silent({"--unit", "5:4800", "--fault", "silent"});
    ASSERT_TRUE(silent.isRunning());
    KvctlRun run = kvctl(silent, {"--yes", "identity"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.trimmed(), QStringLiteral("通信错误，请检查通信端口及连接线等是否正确"));
    EXPECT_EQ(savedBaud(), "");

    // Two units at one rate answer together and garble each other.
    SimProcess two({"--unit", "1", "--unit", "2"});
    ASSERT_TRUE(two.isRunning());
    run = kvctl(two, {"--yes", "identity"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.trimmed(), QStringLiteral("通信错误，请检查通信端口及连接线等是否正确"));
}

TEST_F(AdminLine, ModifyIdentityMovesTheUnitThenItsProductNumberReads)
{
    SimProcess sim({"--unit", "1:9600:12345678"});
    ASSERT_TRUE(sim.isRunning());
    KvctlRun run = kvctl(sim, {"modify-identity", "38400", "9"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("写入成功")));
    ASSERT_TRUE(sim.waitFor([&] { return field(sim, 9, "baud") == 38400; }));
    EXPECT_EQ(savedBaud(), "5");

    run = kvctl(sim, {"--address", "9", "product-number"}, "38400");
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("产品编号：1234567808\n")));
    EXPECT_TRUE(run.out.contains(QStringLiteral("你刚刚发送的数据：5A F9 09 01 AB ")));

    // The old address no longer answers.
    run = kvctl(sim, {"--address", "1", "product-number"}, "38400");
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.trimmed(), QStringLiteral("读出失败"));
}

TEST_F(AdminLine, ProductNumberWithAWrongCheckByteFails)
{
    SimProcess sim({"--unit", "1", "--fault", "badcheck"});
    ASSERT_TRUE(sim.isRunning());
    const KvctlRun run = kvctl(sim, {"product-number"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.trimmed(), QStringLiteral("读出失败"));
}

TEST_F(AdminLine, WriteAddressGivesTheUnitItsNewAddress)
{
    SimProcess sim({"--unit", "1"});
    ASSERT_TRUE(sim.isRunning());
    EXPECT_EQ(kvctl(sim, {"write-address", "200"}).exitCode, 1); // no terminal: taken as No
    const KvctlRun run = kvctl(sim, {"--yes", "write-address", "200"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_TRUE(sim.waitFor([&] { return field(sim, 200, "address") == 200; }));
    EXPECT_TRUE(sim.logText().contains("5A 5B FF 11 00 C8"));
}

TEST_F(AdminLine, ScanListsTheUnitsThatAnswerWithTheirOwnAddress)
{
    SimProcess sim({"--unit", "3", "--unit", "7", "--unit", "12", "--fault", "otheraddr@7"});
    ASSERT_TRUE(sim.isRunning());
    writeQueue("3\r\nB\r\n7\r\nC\r\n12\r\nA\r\n", "000");
    KvctlRun run = kvctl(sim, {"scan"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.trimmed(),
              QStringLiteral("你选择了“按地址队列”发送方式，但尚未编辑设备地址，或没有选择对象地址！"));

    writeQueue("3\r\nB\r\n7\r\nC\r\n12\r\nA\r\n", "111");
    run = kvctl(sim, {"scan"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, QStringLiteral("共检测到2个连接的设备，分别为：\r\n地址码为：3的设备\r\n地址码为：12的设备\r\n\n"));
}

} // namespace
