// Device control and the display tests through kvctl against kvsim: every menu item and
// every test frame reaches the unit's state, restarts drop what was not kept, the
// crosshair steps from the unit's own shape, and the character screen comes out as a
// picture drawn with the unit's font.

#include "kvctl_process.h"
#include "sim_process.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using kv::test::KvctlRun;
using kv::test::SimProcess;

namespace {

// A font file in which code 0 is black, code 1 white and every other code transparent.
// Each record is uniform, so the order a file keeps its bytes in does not matter.
QString writeFont(const QTemporaryDir& dir)
{
    QByteArray font(256 * 54, char(0xFF));
    font.replace(0, 54, QByteArray(54, '\0'));
    font.replace(54, 54, QByteArray(54, char(0xAA)));
    const QString path = dir.filePath(QStringLiteral("font.bin"));
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(font);
    return path;
}

class ControlEndToEnd : public ::testing::Test {
protected:
    explicit ControlEndToEnd(const QStringList& faults = {})
        : sim(QStringList{"--unit", "5", "--pictures", files.filePath("pictures"), "--font", writeFont(files)}
              + faults)
    {
    }

    KvctlRun kvctl(const QStringList& args)
    {
        return kv::test::Trimmed(kv::test::RunKvctl(QStringList{"--dir", dir.path(), "--port", sim.linkPath(), "--baud",
                                                               "9600", "--target", "5", "--address", "5"}
                                                   + args));
    }
    // Runs kvctl and expects it to end well; the unit has taken the frame once the
    // status request after it is answered.
    void ok(const QStringList& args)
    {
        const KvctlRun run = kvctl(args);
        ASSERT_EQ(run.exitCode, 0) << args.join(' ').toStdString() << ": " << run.err.toStdString();
        ASSERT_EQ(kvctl({"status"}).exitCode, 0);
    }
    QJsonObject unit() const { return sim.unitState(5); }

    QTemporaryDir files;
    SimProcess sim;
    QTemporaryDir dir;
};

class SilentUnit : public ControlEndToEnd {
protected:
    SilentUnit() : ControlEndToEnd({"--fault", "silent"}) {}
};

// Every answer comes half a second after the storing commands' wait has given up.
class LateUnit : public ControlEndToEnd {
protected:
    LateUnit() : ControlEndToEnd({"--fault", "late=2000"}) {}
};

// Every answer's last byte inverted: a one-byte shape of 0 comes back as 255.
class CorruptingUnit : public ControlEndToEnd {
protected:
    CorruptingUnit() : ControlEndToEnd({"--fault", "badcheck"}) {}
};

} // namespace

TEST_F(ControlEndToEnd, MenuItemsSwitchTheUnitsDisplayItems)
{
    ASSERT_TRUE(sim.isRunning());
    struct Step {
        QString number;
        QString key;
        QJsonValue value;
    };
    const QList<Step> steps = {
        {"8", "captionsOn", false},    {"9", "captionsOn", true},      {"11", "pauseEnabled", false},
        {"12", "pauseEnabled", true},  {"13", "cornerLogo", false},    {"14", "cornerLogo", true},
        {"16", "displayItems", 3},     {"17", "displayItems", 7},      {"18", "displayItems", 6},
        {"19", "displayItems", 7},     {"20", "nonStopScroll", true},  {"15", "displayItems", 7},
    };
    for (const Step& step : steps) {
        ok({"menu", step.number});
        EXPECT_EQ(unit().value(step.key), step.value) << step.number.toStdString();
    }
    ok({"menu", "6", "11"});
    EXPECT_EQ(unit().value("displayItems").toInt(), 2);
    EXPECT_EQ(unit().value("keptDisplayItems").toInt(), 7);
    ok({"display-item", "3"});
    EXPECT_EQ(unit().value("keptDisplayItems").toInt(), 3);
}

TEST_F(ControlEndToEnd, ARestartDropsTheItemsThatWereNotKept)
{
    ok({"display-item", "5"});  // kept: static picture off, the others on
    ok({"display-item", "13"}); // until restart: only the logo
    ok({"menu", "16"});         // station logo off
    QStringList report = kvctl({"menu", "7"}).out.split("\r\n");
    EXPECT_TRUE(report.contains(QStringLiteral("字幕显示项：全部关闭")));
    ok({"menu", "10"});
    EXPECT_EQ(unit().value("restarts").toInt(), 1);
    report = kvctl({"menu", "7"}).out.split("\r\n");
    EXPECT_TRUE(report.contains(QStringLiteral("字幕显示项：关闭显示静止图文,显示滚动，显示台标")));
}

TEST_F(ControlEndToEnd, PowerOnDisplaysGoOnlyWithAYes)
{
    ASSERT_EQ(kvctl({"send", "0", "--text", "开机", "--power-on"}).exitCode, 0);
    const KvctlRun no = kvctl({"menu", "5"});
    EXPECT_EQ(no.exitCode, 1);
    EXPECT_TRUE(no.err.startsWith(QStringLiteral("这个操作将删除所有的开机显示信息，确定吗？")));
    ASSERT_EQ(kvctl({"status"}).exitCode, 0);
    EXPECT_FALSE(unit().value("powerOnScroll").toString().isEmpty());
    ok({"--yes", "menu", "5"});
    EXPECT_TRUE(unit().value("powerOnScroll").toString().isEmpty());
}

TEST_F(ControlEndToEnd, MenuItemsOfOtherFeatures)
{
    const KvctlRun identity = kvctl({"--yes", "menu", "4"});
    EXPECT_EQ(identity.exitCode, 0) << identity.err.toStdString();
    EXPECT_TRUE(identity.out.endsWith("5"));
    EXPECT_TRUE(kvctl({"menu", "7"}).out.startsWith(QStringLiteral("以下是地址码为 5 的字幕信息")));
    ASSERT_EQ(kvctl({"--yes", "menu", "1", "9"}).exitCode, 0);
    EXPECT_TRUE(sim.waitFor([&] { return sim.unitState(9).value("address").toInt() == 9; }));
}

TEST_F(ControlEndToEnd, TestFramesReachTheUnit)
{
    ok({"test", "chars", "72,73,74"});
    QJsonObject test = unit().value("displayTest").toObject();
    EXPECT_EQ(test.value("row").toInt(), 5);
    EXPECT_EQ(test.value("column").toInt(), 12);
    EXPECT_EQ(test.value("codes").toString(), "48494A");
    ok({"test", "chars", "1", "--row", "13", "--column", "4"});
    test = unit().value("displayTest").toObject();
    EXPECT_EQ(test.value("row").toInt(), 10);
    EXPECT_EQ(test.value("column").toInt(), 0);
    ok({"test", "attribute", "6", "--row", "8", "--column", "16"});
    EXPECT_EQ(unit().value("attribute").toString(), "050C06");
    ok({"test", "clear", "3"});
    EXPECT_EQ(unit().value("clearedLine").toInt(), 2);
    ok({"test", "clear", "all"});
    EXPECT_EQ(unit().value("clearedLine").toInt(), 16);
    ok({"test", "hoffset", "63"});
    ok({"test", "voffset", "0"});
    EXPECT_EQ(unit().value("screen").toObject().value("horizontalOffset").toInt(), 63);
    EXPECT_EQ(unit().value("screen").toObject().value("verticalOffset").toInt(), 0);
    ok({"test", "last128"});
    EXPECT_EQ(unit().value("characterTest").toInt(), 2);
    ok({"video-mode", "4"});
    EXPECT_EQ(unit().value("videoMode").toInt(), 4);
    EXPECT_EQ(unit().value("storedVideoMode").toInt(), 0);

    const KvctlRun stored = kvctl({"video-mode", "2", "--store"});
    EXPECT_EQ(stored.exitCode, 0);
    EXPECT_EQ(stored.out, QStringLiteral("设置成功"));
    EXPECT_EQ(unit().value("storedVideoMode").toInt(), 2);
    ASSERT_EQ(kvctl({"screen-settings", "--shape", "7", "--row", "3", "--column", "4"}).exitCode, 0);
    const QJsonObject screen = unit().value("screen").toObject();
    EXPECT_EQ(screen.value("horizontalOffset").toInt(), 30);
    EXPECT_EQ(screen.value("verticalOffset").toInt(), 18);
    EXPECT_EQ(screen.value("row").toInt(), 2);
    EXPECT_EQ(screen.value("column").toInt(), 3);
    EXPECT_EQ(unit().value("crosshair").toInt(), 7);
}

TEST_F(ControlEndToEnd, TheCrosshairStepsFromTheUnitsShape)
{
    ASSERT_EQ(kvctl({"screen-settings", "--shape", "20"}).exitCode, 0);
    KvctlRun run = kvctl({"crosshair", "up"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "21");
    EXPECT_EQ(kvctl({"crosshair", "up"}).out, "21");
    EXPECT_EQ(kvctl({"crosshair", "down"}).out, "20");
    run = kvctl({"crosshair", "get"});
    EXPECT_EQ(run.out, "20");
    EXPECT_EQ(unit().value("crosshair").toInt(), 20);
}

TEST_F(ControlEndToEnd, TheCharacterScreenPictureShowsTheUnitsFont)
{
    ok({"test", "first128"});
    const QImage image(files.filePath("pictures/unit5-screen.png"));
    ASSERT_EQ(image.size(), QSize(32 * 12, 16 * 18));
    // The first 128 characters stand in lines 4 to 11 from cell 8: code 0 black, code 1
    // white, code 2 transparent over the grey of the video.
    auto grey = [&](int cell, int line) { return qGray(image.pixel(cell * 12 + 6, line * 18 + 9)); };
    EXPECT_EQ(grey(8, 4), 0x00);
    EXPECT_EQ(grey(9, 4), 0xFF);
    EXPECT_EQ(grey(10, 4), 0x80);
    EXPECT_EQ(grey(0, 0), 0x80);
    EXPECT_EQ(unit().value("characterScreen").toArray().at(4).toString().mid(16, 4), "0001");
}

TEST_F(SilentUnit, StoringAndCrosshairReportTheSilence)
{
    const KvctlRun stored = kvctl({"video-mode", "1", "--store"});
    EXPECT_EQ(stored.exitCode, 1);
    EXPECT_EQ(stored.err, QStringLiteral("设置失败，请检查串口号是否或波特率正确或连接是否良好"));
    const KvctlRun settings = kvctl({"screen-settings"});
    EXPECT_EQ(settings.exitCode, 1);
    const KvctlRun step = kvctl({"crosshair", "down"});
    EXPECT_EQ(step.exitCode, 1);
    EXPECT_EQ(step.err, QStringLiteral("通信错误"));
    EXPECT_TRUE(step.out.isEmpty());
}

TEST_F(LateUnit, AnAnswerAfterTheTimeOutIsNotTheNextRunsReply)
{
    // The second run's request goes out before the first one's answer comes.
    for (int run = 0; run < 2; ++run) {
        const KvctlRun stored = kvctl({"video-mode", "1", "--store"});
        EXPECT_EQ(stored.exitCode, 1) << run << ": " << stored.out.toStdString();
        EXPECT_EQ(stored.err, QStringLiteral("设置失败，请检查串口号是否或波特率正确或连接是否良好")) << run;
    }
}

TEST_F(CorruptingUnit, AnImpossibleShapeOrAWrongEchoPrintsNoShape)
{
    for (const QStringList& args : QList<QStringList>{{"crosshair", "get"}, {"crosshair", "up"}, {"crosshair", "down"}}) {
        const KvctlRun run = kvctl(args);
        EXPECT_EQ(run.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_EQ(run.err, QStringLiteral("通信错误")) << args.join(' ').toStdString();
        EXPECT_TRUE(run.out.isEmpty()) << args.join(' ').toStdString() << ": " << run.out.toStdString();
    }
}

TEST(ControlCli, UsageErrorsSendNothing)
{
    QTemporaryDir dir;
    const QList<QStringList> usage = {
        {"menu"}, {"menu", "2"}, {"menu", "3"}, {"menu", "21"}, {"menu", "6"}, {"menu", "6", "18"}, {"menu", "1"},
        {"menu", "8", "x"}, {"display-item", "-1"}, {"display-item", "18"}, {"test"}, {"test", "chars"},
        {"test", "chars", "1", "--row", "14"}, {"test", "chars", "1", "--column", "3"}, {"test", "first128", "x"},
        {"test", "clear", "0"}, {"test", "clear", "17"}, {"test", "hoffset", "64"}, {"test", "voffset", "32"},
        {"test", "attribute", "7"}, {"test", "hoffset", "1", "--row", "3"}, {"video-mode", "6"},
        {"video-mode", "x", "--store"}, {"screen-settings", "--shape", "22"}, {"screen-settings", "--row", "2"},
        {"crosshair"}, {"crosshair", "left"},
    };
    for (const QStringList& args : usage) {
        const KvctlRun run = kv::test::RunKvctl(QStringList{"--dir", dir.path(), "--port", "/nonexistent"} + args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
    }
    const QList<std::pair<QStringList, QString>> refused = {
        {{"test", "chars", "256"}, QStringLiteral("输入必须是十进制数且不能大于255")},
        {{"test", "chars", "a"}, QStringLiteral("输入必须是十进制数值0～255,字符代码之间用\",\"隔开")},
        {{"test", "chars", "1,2,3,4,5,6,7,8,9,10,11", "--column", "26"},
         QStringLiteral("当前输入的字符代码太多，这个测试只限制在同一行显示")},
    };
    for (const auto& [args, message] : refused) {
        const KvctlRun run = kv::test::RunKvctl(QStringList{"--dir", dir.path(), "--port", "/nonexistent"} + args);
        EXPECT_EQ(run.exitCode, 1) << args.join(' ').toStdString();
        EXPECT_EQ(run.err.trimmed(), message) << args.join(' ').toStdString();
    }
}
