// Scroll sends, scroll parameters and the status report through kvctl against kvsim:
// what the tool sent comes back in the unit's own report.

#include "kvctl_process.h"
#include "sim_process.h"

#include <QFile>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using kv::test::SimProcess;

namespace {

class ScrollEndToEnd : public ::testing::Test {
protected:
    explicit ScrollEndToEnd(const QStringList& simArgs = {QStringLiteral("--unit"), QStringLiteral("7")})
        : sim(simArgs)
    {
    }

    kv::test::KvctlRun kvctl(const QStringList& args)
    {
        return kv::test::RunKvctl(QStringList{QStringLiteral("--dir"), dir.path(), QStringLiteral("--port"),
                                              sim.linkPath(), QStringLiteral("--baud"), QStringLiteral("9600")}
                                  + args);
    }

    QStringList reportLines(const kv::test::KvctlRun& run) { return run.out.split(QStringLiteral("\r\n")); }

    SimProcess sim;
    QTemporaryDir dir;
};

class SilentUnit : public ScrollEndToEnd {
protected:
    SilentUnit() : ScrollEndToEnd({QStringLiteral("--unit"), QStringLiteral("7"), QStringLiteral("--fault"),
                                   QStringLiteral("silent")})
    {
    }
};

} // namespace

TEST_F(ScrollEndToEnd, StatusReportsTheScrollThatWasSent)
{
    ASSERT_TRUE(sim.isRunning());
    ASSERT_EQ(kvctl({"--target", "7", "send", "0", "--text", "字幕ABC  \n"}).exitCode, 0);
    const kv::test::KvctlRun run = kvctl({"--target", "7", "status"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QStringList lines = reportLines(run);
    EXPECT_EQ(lines.value(0), QStringLiteral("          以下是地址码为 7 的字幕信息"));
    EXPECT_EQ(lines.value(2), QStringLiteral("最后一次的滚动操作是：刷新发送滚动信息，使用设备内置大号字库"));
    EXPECT_TRUE(lines.contains(QStringLiteral("滚动字体尺寸：大号")));
    EXPECT_TRUE(lines.contains(QStringLiteral("滚动信息：字幕ＡＢＣ")));
    EXPECT_TRUE(lines.contains(QStringLiteral("滚动字符总数：5")));
    EXPECT_EQ(sim.unitState(7).value("scroll").toObject().value("message").toString().toUpper(),
              QStringLiteral("D7D6C4BBA3C1A3C2A3C3"));
}

TEST_F(ScrollEndToEnd, AppendInTheSmallFontWithTimerAndPowerOn)
{
    ASSERT_EQ(kvctl({"--target", "7", "send", "1", "--text", "前", "--append", "--power-on", "--timer", "90"}).exitCode,
              0);
    // The unit has taken every frame once it has answered the status request after them.
    const QStringList lines = reportLines(kvctl({"--target", "7", "status"}));
    EXPECT_TRUE(lines.contains(QStringLiteral("最后一次的滚动操作是：追加发送滚动信息，使用设备内置小号字库")));
    EXPECT_TRUE(lines.contains(QStringLiteral("滚动字体尺寸：小号")));
    const QJsonObject state = sim.unitState(7);
    EXPECT_EQ(state.value("timedDisplay").toObject().value("seconds").toInt(), 90);
    EXPECT_TRUE(state.value("timedDisplay").toObject().value("scroll").toBool());
    EXPECT_EQ(state.value("powerOnScroll").toString().toUpper(), QStringLiteral("C7B0"));
}

TEST_F(ScrollEndToEnd, ParametersComeBackInTheReport)
{
    ASSERT_EQ(kvctl({"--target", "7", "scroll-params", "--count", "19", "--vpos", "300", "--brightness", "2",
                     "--hoffset", "12", "--speed", "3", "--interval", "0", "--save"})
                  .exitCode,
              0);
    const QStringList lines = reportLines(kvctl({"--target", "7", "status"}));
    EXPECT_TRUE(lines.contains(QStringLiteral("滚动次数：20")));
    EXPECT_TRUE(lines.contains(QStringLiteral("滚动间歇时间：0秒，间歇功能无效")));
    EXPECT_TRUE(lines.contains(QStringLiteral("滚动垂直位置：300")));
    EXPECT_TRUE(lines.contains(QStringLiteral("字符亮度：较暗")));
    EXPECT_TRUE(lines.contains(QStringLiteral("滚动速度：3")));
    EXPECT_TRUE(lines.contains(QStringLiteral("滚动条水平偏移：9")));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("savefiles/GDCS.txt"))));
}

TEST_F(ScrollEndToEnd, EntryCallsAreTheLastOperation)
{
    ASSERT_EQ(kvctl({"--target", "7", "send", "3", "--entry", "3", "--append"}).exitCode, 0);
    EXPECT_TRUE(reportLines(kvctl({"--target", "7", "status"}))
                    .contains(QStringLiteral("最后一次的滚动操作是：追加发送滚动信息，追加小号图文短信，序号为：3")));
    ASSERT_EQ(kvctl({"--target", "7", "send", "4", "--entry", "4"}).exitCode, 0);
    EXPECT_TRUE(reportLines(kvctl({"--target", "7", "status"}))
                    .contains(QStringLiteral("最后一次的滚动操作是：发送滚动组合快捷，序号为 4")));
}

TEST_F(ScrollEndToEnd, AnotherAddressDoesNotAnswer)
{
    const kv::test::KvctlRun run = kvctl({"--target", "8", "status"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.trimmed(), QStringLiteral("指定的设备不存在或没连接，请检查指定地址码是否有误或通信是否正常！"));
}

TEST_F(SilentUnit, SilenceIsTheNotConnectedMessage)
{
    const kv::test::KvctlRun run = kvctl({"--target", "7", "status"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err.trimmed(), QStringLiteral("指定的设备不存在或没连接，请检查指定地址码是否有误或通信是否正常！"));
}
