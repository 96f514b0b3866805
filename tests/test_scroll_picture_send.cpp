// "发送滚动": a text drawn into a picture one cell high and sent as a scrolling picture.
// The frame, the bitmap in chunks and its sum on the line, the refusals that send
// nothing, and the settings record written only after a whole send.

#include "base/record_store.h"
#include "link_fixture.h"
#include "picture/font_list.h"
#include "scroll/picture_text_send.h"
#include "scroll/picture_text_settings.h"
#include "test_bytes.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {
// The bytes' sum modulo 256, worked out here.
quint8 sumOf(const QByteArray& bytes)
{
    int sum = 0;
    for (char b : bytes)
        sum += quint8(b);
    return quint8(sum & 0xFF);
}

bool isInk(const QImage& picture, int x, int y)
{
    return (picture.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
}
} // namespace

class PictureTextSend : public LinkFixture {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "test_scroll_picture_send";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QGuiApplication(argc, argv);
    }

    PictureTextRequest request(const QString& text, int size)
    {
        PictureTextRequest r;
        r.settings.text = text;
        r.settings.size = size;
        r.settings.fontName = QStringLiteral("WenQuanYi Micro Hei");
        r.target = {SendMode::SpecifiedAddress, QStringLiteral("7"), QString()};
        r.fonts = BuildFontList();
        return r;
    }

    PictureTextOutcome send(const PictureTextRequest& r) { return SendPictureText(r, link, prompter, store); }

    // The bitmap as it went on the line: everything between the header and the sum byte.
    QByteArray bitmapOnLine() const
    {
        QByteArray bitmap;
        for (int i = 1; i + 1 < port->writes.size(); ++i)
            bitmap += port->writes.at(i);
        return bitmap;
    }

    RecordStore store{folder};
};

TEST_F(PictureTextSend, SmallTextGoesAsHeaderBlocksAndSum)
{
    const auto outcome = send(request(QStringLiteral("欢迎光临"), 32));
    ASSERT_TRUE(outcome.result.done()) << prompter.texts().join('|').toStdString();
    ASSERT_GE(port->writes.size(), 3);
    const QByteArray header = port->writes.first();
    ASSERT_EQ(header.size(), 10);
    EXPECT_EQ(header.left(8), hex("5A5B0781 01 00 00 00"));
    const int blocks = quint8(header.at(8)) * 256 + quint8(header.at(9));
    const QByteArray bitmap = bitmapOnLine();
    EXPECT_EQ(bitmap.size(), blocks * 32 * 4);
    EXPECT_GE(blocks, 3);   // four characters of 32 pixels
    EXPECT_EQ(port->writes.last(), QByteArray(1, char(sumOf(bitmap))));
    EXPECT_EQ(outcome.picture.size(), QSize(blocks * 32, 32));
    EXPECT_NE(bitmap.count('\0'), bitmap.size());
    EXPECT_FALSE(link.isOpen());
    EXPECT_TRUE(ElapsedText(outcome.elapsedMs).startsWith(QStringLiteral("用时")));
    EXPECT_EQ(store.readLines(PictureTextSettingsRecord())->value(4), QStringLiteral("欢迎光临"));
}

TEST_F(PictureTextSend, Size34IsTheLargePictureToTheQueueInChunks)
{
    auto r = request(QString(60, QChar(0x4E2D)), 34);
    r.powerOn = true;
    r.target = {SendMode::AddressQueue, QStringLiteral("0"), QStringLiteral("003009")};
    ASSERT_TRUE(send(r).result.done());
    const QByteArray header = port->writes.first();
    EXPECT_EQ(header.left(8), hex("5A5BFF81 00 00 01 02"));
    EXPECT_EQ(header.mid(10), hex("0309"));
    const QByteArray bitmap = bitmapOnLine();
    EXPECT_EQ(bitmap.size() % 288, 0);
    EXPECT_EQ(bitmap.size() / 288, quint8(header.at(8)) * 256 + quint8(header.at(9)));
    // 1024-byte chunks, then what is left.
    for (int i = 1; i + 2 < port->writes.size(); ++i)
        EXPECT_EQ(port->writes.at(i).size(), 1024) << i;
    EXPECT_LE(port->writes.at(port->writes.size() - 2).size(), 1024);
}

TEST_F(PictureTextSend, NoiseFilterLeavesNoLoneDotsInsideThePicture)
{
    auto r = request(QStringLiteral("滤噪 .:;'` 测试"), 20);
    r.settings.filterNoise = true;
    const auto outcome = send(r);
    ASSERT_TRUE(outcome.result.done());
    const QImage& sent = outcome.picture;
    for (int y = 1; y + 1 < sent.height(); ++y) {
        for (int x = 0; x < sent.width(); ++x) {
            if (isInk(sent, x, y)) {
                ASSERT_TRUE(isInk(sent, x, y - 1) || isInk(sent, x, y + 1)) << x << "," << y;
            }
        }
    }
    EXPECT_EQ(store.readLines(PictureTextSettingsRecord())->value(5), QStringLiteral("1"));
}

TEST_F(PictureTextSend, RefusalsComeBeforeAnyByte)
{
    EXPECT_FALSE(send(request(QString(), 32)).result.done());
    EXPECT_FALSE(send(request(QStringLiteral("  \n "), 32)).result.done());
    EXPECT_FALSE(send(request(QString(400, QChar(0x4E2D)), 48)).result.done());
    auto emptyQueue = request(QStringLiteral("A"), 32);
    emptyQueue.target = {SendMode::AddressQueue, QStringLiteral("0"), QString()};
    EXPECT_FALSE(send(emptyQueue).result.done());
    ASSERT_EQ(prompter.shown.size(), 4);
    EXPECT_EQ(prompter.shown.at(2).text, QStringLiteral("Data is too large"));
    EXPECT_EQ(prompter.shown.at(2).title, QString());
    EXPECT_EQ(port->opens, 0);
    EXPECT_FALSE(store.exists(PictureTextSettingsRecord()));
}

TEST_F(PictureTextSend, StalledLineWritesNoSettings)
{
    port->stallOutput = true;
    EXPECT_FALSE(send(request(QStringLiteral("停"), 32)).result.done());
    EXPECT_FALSE(link.isOpen());
    EXPECT_FALSE(prompter.texts(QStringLiteral("error")).isEmpty());
    EXPECT_FALSE(store.exists(PictureTextSettingsRecord()));
}

TEST_F(PictureTextSend, UnknownFontIsReplacedAndRecorded)
{
    auto r = request(QStringLiteral("A"), 32);
    r.settings.fontName = QStringLiteral("No Such Font Anywhere");
    const auto outcome = send(r);
    ASSERT_TRUE(outcome.result.done());
    EXPECT_NE(outcome.settings.fontName, r.settings.fontName);
    EXPECT_EQ(store.readLines(PictureTextSettingsRecord())->value(2), outcome.settings.fontName);
}
