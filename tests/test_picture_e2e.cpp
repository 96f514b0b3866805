// Static pictures, static text and the logo through kvctl against kvsim: what the tool
// sent is what the simulated unit keeps and draws.

#include "kvctl_process.h"
#include "sim_process.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonObject>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using kv::test::SimProcess;

namespace {

class PictureEndToEnd : public ::testing::Test {
protected:
    PictureEndToEnd()
        : sim({QStringLiteral("--unit"), QStringLiteral("7"), QStringLiteral("--unit"), QStringLiteral("8"),
               QStringLiteral("--pictures"), pictures.path()})
    {
    }

    kv::test::KvctlRun kvctl(const QStringList& args)
    {
        return kv::test::RunKvctl(QStringList{QStringLiteral("--dir"), dir.path(), QStringLiteral("--port"),
                                              sim.linkPath(), QStringLiteral("--baud"), QStringLiteral("9600")}
                                  + args);
    }

    QJsonObject layer(int unit, const char* name) const { return sim.unitState(unit).value(name).toObject(); }

    QTemporaryDir pictures;
    SimProcess sim;
    QTemporaryDir dir;
};

// Grey 213 is ink, 214 is not: a pattern of both.
QImage knownPicture()
{
    QImage image(48, 10, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int grey = (x * 3 + y * 5) % 7 == 0 ? 213 : ((x + y) % 4 == 0 ? 40 : 214);
            image.setPixel(x, y, qRgb(grey, grey, grey));
        }
    return image;
}

// The rows as the unit must get them, worked out here pixel by pixel.
QString expectedRows(const QImage& image)
{
    QByteArray bytes;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); x += 8) {
            quint8 byte = 0;
            for (int bit = 0; bit < 8; ++bit)
                if (qGray(image.pixel(x + bit, y)) <= 213)
                    byte |= quint8(0x80 >> bit);
            bytes += char(byte);
        }
    return QString::fromLatin1(bytes.toHex().toUpper());
}

} // namespace

TEST_F(PictureEndToEnd, TemporaryPictureArrivesBitForBit)
{
    ASSERT_TRUE(sim.isRunning());
    const QImage image = knownPicture();
    const QString path = dir.filePath(QStringLiteral("known.bmp"));
    ASSERT_TRUE(image.save(path, "BMP"));
    const QString preview = dir.filePath(QStringLiteral("preview.png"));
    const auto run = kvctl({"--target", "7", "send", "7", "--picture", path, "--vpos", "200", "--preview", preview});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    ASSERT_TRUE(sim.waitFor([&] { return !layer(7, "staticPicture").value("bits").toString().isEmpty(); }));
    const QJsonObject picture = layer(7, "staticPicture");
    EXPECT_EQ(picture.value("bits").toString().toUpper(), expectedRows(image));
    EXPECT_EQ(picture.value("widthBytes").toVariant().toInt(), 6);
    EXPECT_EQ(picture.value("height").toVariant().toInt(), 10);
    EXPECT_EQ(picture.value("verticalPosition").toVariant().toInt(), 200);

    // The unit's drawing and the tool's preview show the same dots.
    const QString drawn = pictures.filePath(QStringLiteral("unit7-static.png"));
    ASSERT_TRUE(sim.waitFor([&] { return QFileInfo::exists(drawn); }));
    const QImage unit = QImage(drawn).convertToFormat(QImage::Format_RGB32);
    const QImage shown = QImage(preview).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(unit.size(), image.size());
    EXPECT_EQ(unit, shown);
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("savefiles/ls_pic_cs.txt"))));
}

TEST_F(PictureEndToEnd, LogoTextDownloadReachesTheLogo)
{
    ASSERT_TRUE(sim.isRunning());
    const auto run = kvctl({"--target", "7", "page", "logo-text", "download", "--text", "KV台标", "--size", "24",
                            "--hoffset", "5"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_TRUE(sim.waitFor([&] { return layer(7, "logo").value("height").toVariant().toInt() == 24; }));
    const QJsonObject logo = layer(7, "logo");
    EXPECT_EQ(logo.value("kind").toVariant().toInt(), 0);
    EXPECT_EQ(logo.value("horizontalOffset").toVariant().toInt(), 5);
    EXPECT_NE(logo.value("bits").toString().count(QLatin1Char('0')), logo.value("bits").toString().size());
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("savefiles/TbChar.TXT"))));
}

TEST_F(PictureEndToEnd, StaticTextInBothBuiltInFonts)
{
    ASSERT_TRUE(sim.isRunning());
    ASSERT_EQ(kvctl({"--target", "7", "send", "8", "--text", "大号\n字库", "--spacing", "3"}).exitCode, 0);
    ASSERT_TRUE(sim.waitFor([&] { return layer(7, "staticText").value("decoded").toString() == "大号\n字库"; }))
        << layer(7, "staticText").value("decoded").toString().toStdString();
    EXPECT_EQ(layer(7, "staticText").value("small").toVariant().toBool(), false);
    EXPECT_EQ(layer(7, "staticText").value("lineSpacing").toVariant().toInt(), 3);

    ASSERT_EQ(kvctl({"--target", "7", "send", "9", "--text", "Small 小", "--timer", "30"}).exitCode, 0);
    ASSERT_TRUE(sim.waitFor([&] { return layer(7, "staticText").value("decoded").toString() == "Small 小"; }))
        << layer(7, "staticText").value("decoded").toString().toStdString();
    EXPECT_EQ(layer(7, "staticText").value("small").toVariant().toBool(), true);
    EXPECT_EQ(layer(7, "timedDisplay").value("seconds").toVariant().toInt(), 30);
    EXPECT_EQ(layer(7, "timedDisplay").value("scroll").toVariant().toBool(), false);

    // Mode 8's parameter file kept the spacing, and its last text is sent again.
    ASSERT_EQ(kvctl({"--target", "7", "send", "8"}).exitCode, 0);
    ASSERT_TRUE(sim.waitFor([&] { return layer(7, "staticText").value("decoded").toString() == "大号\n字库"; }));
    EXPECT_EQ(layer(7, "staticText").value("lineSpacing").toVariant().toInt(), 3);

    // Turned to vertical as the window turns it, a character to a cell.
    const auto turned = kvctl({"--target", "7", "send", "9", "--vertical", "--text", "AB\nCD"});
    ASSERT_EQ(turned.exitCode, 0) << turned.err.toStdString();
    ASSERT_TRUE(sim.waitFor([&] { return layer(7, "staticText").value("decoded").toString() == "CA\nDB"; }))
        << layer(7, "staticText").value("decoded").toString().toStdString();
}

// A text file from an older machine, in code page 936, is read as such for the scroll,
// the built-in static fonts and the custom font; the last text is kept as it was read.
TEST_F(PictureEndToEnd, TextFilesInCodePage936AreReadAsSuch)
{
    ASSERT_TRUE(sim.isRunning());
    const QString path = dir.filePath(QStringLiteral("gbk.txt"));
    const auto write = [&](const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    write(QByteArray::fromHex("B4F3BAC50D0AD7D6BFE2")); // 大号, CR LF, 字库
    ASSERT_EQ(kvctl({"--target", "7", "send", "8", "--text-file", path}).exitCode, 0);
    ASSERT_TRUE(sim.waitFor([&] { return layer(7, "staticText").value("decoded").toString() == "大号\n字库"; }))
        << layer(7, "staticText").value("decoded").toString().toStdString();

    write(QByteArray::fromHex("D6D0CEC4")); // 中文
    ASSERT_EQ(kvctl({"--target", "7", "send", "0", "--text-file", path}).exitCode, 0);
    ASSERT_TRUE(sim.waitFor([&] {
        return sim.unitState(7).value("scroll").toObject().value("message").toString().toUpper() == "D6D0CEC4";
    }));
    const auto run = kvctl({"--target", "7", "send", "6", "--text-file", path, "--size", "24"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile kept(dir.filePath(QStringLiteral("savefiles/Fs_User_JzChar.TXT")));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll().toHex().toUpper(), "D6D0CEC4");
}

TEST_F(PictureEndToEnd, QueueTargetCarriesItsAddresses)
{
    ASSERT_TRUE(sim.isRunning());
    ASSERT_EQ(kvctl({"queue", "add", "8", "八号"}).exitCode, 0);
    ASSERT_EQ(kvctl({"queue", "tick", "1", "on"}).exitCode, 0);
    const auto run = kvctl({"--target", "queue", "send", "8", "--text", "队列"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_TRUE(sim.waitFor([&] { return layer(8, "staticText").value("decoded").toString() == "队列"; }));
    EXPECT_TRUE(layer(7, "staticText").value("decoded").toString().isEmpty());
    EXPECT_TRUE(sim.logText().contains(QStringLiteral("5A 5B FF 23 01 00 05 00 00 96 10 04 08")))
        << sim.logText().toStdString();
}
