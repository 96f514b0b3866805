// Shortcuts and picture-text scrolls through kvctl against kvsim: what was composed
// arrives in the unit's state, a send mode call of it reaches the unit, and the picture
// the unit shows is the one the tool drew.

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

class PictureScrollEndToEnd : public ::testing::Test {
protected:
    PictureScrollEndToEnd()
        : sim({QStringLiteral("--unit"), QStringLiteral("7"), QStringLiteral("--unit"), QStringLiteral("9"),
               QStringLiteral("--pictures"), pictures.path()})
    {
    }

    KvctlRun kvctl(const QStringList& args)
    {
        return kv::test::RunKvctl(QStringList{QStringLiteral("--dir"), dir.path(), QStringLiteral("--port"),
                                              sim.linkPath(), QStringLiteral("--baud"), QStringLiteral("9600")}
                                  + args);
    }

    // The unit has taken every frame once it has answered a status request after them.
    void settle(int address) { kvctl({"--target", QString::number(address), "status"}); }

    QJsonObject shortcut(int address, int number)
    {
        for (const auto& value : sim.unitState(address).value("shortcuts").toArray())
            if (value.toObject().value("number").toInt() == number)
                return value.toObject();
        return {};
    }

    QTemporaryDir pictures;
    SimProcess sim;
    QTemporaryDir dir;
};

bool dark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

} // namespace

TEST_F(PictureScrollEndToEnd, ShortcutArrivesDecodedAndItsCallReachesTheUnit)
{
    ASSERT_TRUE(sim.isRunning());
    const KvctlRun save = kvctl({"--target", "7", "shortcut", "save", "3", "--power-on", "chr:天气AB", "pic:3"});
    ASSERT_EQ(save.exitCode, 0) << save.err.toStdString();
    EXPECT_EQ(save.out.trimmed(), QStringLiteral("OK！"));
    settle(7);
    const QJsonObject stored = shortcut(7, 3);
    EXPECT_FALSE(stored.value("small").toBool());
    EXPECT_TRUE(stored.value("powerOn").toBool());
    const QJsonArray segments = stored.value("segments").toArray();
    ASSERT_EQ(segments.size(), 2);
    EXPECT_EQ(segments.at(0).toObject().value("text").toString(), QStringLiteral("天气AB"));
    EXPECT_EQ(segments.at(0).toObject().value("bytes").toString(), QStringLiteral("CCECC6F8A3C1A3C2"));
    EXPECT_EQ(segments.at(1).toObject().value("pictureMessage").toInt(), 3);
    EXPECT_TRUE(shortcut(9, 3).isEmpty());

    const KvctlRun list = kvctl({"shortcut", "list"});
    EXPECT_TRUE(list.out.split(QLatin1Char('\n')).value(2).startsWith(QStringLiteral("[03]:大号>> [天气AB] [图文：2] ")));

    ASSERT_EQ(kvctl({"--target", "7", "send", "4", "--entry", "3"}).exitCode, 0);
    settle(7);
    EXPECT_EQ(sim.unitState(7).value("lastOperation").toString().toUpper(), QStringLiteral("0002"));
}

TEST_F(PictureScrollEndToEnd, QueueTargetStoresTheShortcutInEveryTickedUnit)
{
    for (const char* address : {"7", "9"})
        ASSERT_EQ(kvctl({"queue", "add", address, "unit"}).exitCode, 0);
    ASSERT_EQ(kvctl({"queue", "tick", "1", "on"}).exitCode, 0);
    ASSERT_EQ(kvctl({"queue", "tick", "2", "on"}).exitCode, 0);
    const KvctlRun save = kvctl({"--target", "queue", "shortcut", "save", "16", "--small", "pic:30"});
    ASSERT_EQ(save.exitCode, 0) << save.err.toStdString();
    settle(7);
    settle(9);
    for (int address : {7, 9}) {
        const QJsonObject stored = shortcut(address, 16);
        EXPECT_TRUE(stored.value("small").toBool()) << address;
        EXPECT_EQ(stored.value("content").toString().toUpper(), QStringLiteral("FE01001D")) << address;
    }
}

TEST_F(PictureScrollEndToEnd, PictureTextArrivesWithItsSumAndShowsTheText)
{
    const QString preview = dir.filePath(QStringLiteral("sent.png"));
    const KvctlRun run = kvctl({"--target", "7", "picture-text", "欢迎光临", "--font", "WenQuanYi Micro Hei",
                                "--size", "32", "--preview", preview});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.trimmed().startsWith(QStringLiteral("用时"))) << run.out.toStdString();
    EXPECT_TRUE(run.out.trimmed().endsWith(QStringLiteral("ms")));
    settle(7);
    const QJsonObject unit = sim.unitState(7);
    EXPECT_EQ(unit.value("droppedPictures").toInt(), 0);
    const QJsonObject scroll = unit.value("scrollPicture").toObject();
    EXPECT_TRUE(scroll.value("small").toBool());
    EXPECT_GE(scroll.value("blocks").toInt(), 4);

    // The unit's picture is the tool's, pixel for pixel, and it holds ink.
    const QImage shown(QDir(pictures.path()).filePath(QStringLiteral("unit7-scroll.png")));
    const QImage sent(preview);
    ASSERT_FALSE(shown.isNull());
    ASSERT_EQ(shown.size(), sent.size());
    int ink = 0;
    for (int y = 0; y < sent.height(); ++y)
        for (int x = 0; x < sent.width(); ++x) {
            ASSERT_EQ(dark(shown.pixel(x, y)), dark(sent.pixel(x, y))) << x << "," << y;
            ink += dark(sent.pixel(x, y)) ? 1 : 0;
        }
    EXPECT_GT(ink, 100);

    // The next send without options takes them from gdzfcs.TXT.
    QFile settings(dir.filePath(QStringLiteral("savefiles/gdzfcs.TXT")));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    EXPECT_TRUE(settings.readAll().startsWith("32\r\n20\r\nWenQuanYi Micro Hei\r\n0\r\n"));
}

TEST_F(PictureScrollEndToEnd, PictureMessageIsStoredAndItsCallReachesTheUnit)
{
    QImage picture(100, 48, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int x = 10; x < 90; ++x)
        picture.setPixel(x, 20, qRgb(0, 0, 0));
    const QString file = dir.filePath(QStringLiteral("bar.bmp"));
    ASSERT_TRUE(picture.save(file));
    const KvctlRun run = kvctl({"--target", "7", "picture-message", "5", file});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.trimmed(), QStringLiteral("操作完成！"));
    settle(7);
    const QJsonArray messages = sim.unitState(7).value("pictureMessages").toArray();
    ASSERT_EQ(messages.size(), 1);
    EXPECT_EQ(messages.at(0).toObject().value("number").toInt(), 5);
    EXPECT_FALSE(messages.at(0).toObject().value("small").toBool());
    EXPECT_EQ(messages.at(0).toObject().value("cells").toInt(), 3);
    EXPECT_TRUE(QFile::exists(QDir(pictures.path()).filePath(QStringLiteral("unit7-message-large-5.png"))));

    QFile list(dir.filePath(QStringLiteral("savefiles/DXD.TXT")));
    ASSERT_TRUE(list.open(QIODevice::ReadOnly));
    EXPECT_TRUE(list.readAll().contains("[05]:bar.bmp("));

    ASSERT_EQ(kvctl({"--target", "7", "send", "2", "--entry", "5"}).exitCode, 0);
    settle(7);
    EXPECT_EQ(sim.unitState(7).value("lastOperation").toString().toUpper(), QStringLiteral("8404"));
}

TEST_F(PictureScrollEndToEnd, PictureMessageOfAMissingFileSendsNothing)
{
    const KvctlRun run = kvctl({"--target", "7", "picture-message", "1", dir.filePath(QStringLiteral("none.bmp"))});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("none.bmp"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("savefiles/DXD.TXT"))));
}
