// "下载图片" of the panel "编辑滚动信息": a picture file stored as a picture message, its
// cells on the line, its description in "DXD" or "DXX" only after a whole send, and the
// refusals that send and record nothing.

#include "base/numbered_list.h"
#include "base/record_store.h"
#include "link_fixture.h"
#include "scroll/scroll_picture_message.h"

#include <QGuiApplication>
#include <QImage>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

class ScrollPictureMessage : public LinkFixture {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "test_scroll_picture_message";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QGuiApplication(argc, argv);
    }

    // A picture file with a black frame line along its top, so it has ink.
    QString pictureFile(const QString& name, int width, int height)
    {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::white);
        for (int x = 0; x < width; ++x)
            image.setPixel(x, 0, qRgb(0, 0, 0));
        const QString path = dir.filePath(name);
        image.save(path);
        return path;
    }

    ScrollPictureMessageOutcome store(const QString& path, int number, bool small)
    {
        prompter.files = {path};
        ScrollPictureMessageRequest request;
        request.number = number;
        request.smallCells = small;
        request.target = {SendMode::SpecifiedAddress, QStringLiteral("4"), QString()};
        return StoreScrollPictureMessage(request, link, prompter, records);
    }

    QStringList list(const char* name) const { return records.readLines(QString::fromLatin1(name)).value_or(QStringList()); }

    RecordStore records{folder};
};

TEST_F(ScrollPictureMessage, LargePictureIsWidenedToWholeCellsAndRecorded)
{
    const auto outcome = store(pictureFile(QStringLiteral("logo.bmp"), 100, 48), 5, false);
    ASSERT_TRUE(outcome.result.done()) << prompter.texts().join('|').toStdString();
    const QByteArray header = port->writes.first();
    EXPECT_EQ(quint8(header.at(3)), 0x81);
    EXPECT_EQ(quint8(header.at(5)), 3);   // 144 columns: three cells of 48
    EXPECT_EQ(quint8(header.at(6)), 0);
    EXPECT_EQ(quint8(header.at(7)), 4);
    QByteArray data;
    for (int i = 1; i < port->writes.size(); ++i)
        data += port->writes.at(i);
    EXPECT_EQ(data.size(), 3 * 288 + 5 + 2 * 3);
    EXPECT_TRUE(data.endsWith(QByteArray::fromHex("A1F2A1F5A1F5A1F5")));
    EXPECT_EQ(outcome.picture.size(), QSize(144, 48));
    const QStringList dxd = list("DXD");
    ASSERT_EQ(dxd.size(), 30);
    EXPECT_EQ(dxd.at(4), QStringLiteral("[05]:logo.bmp(图片144 x 48) "));
    EXPECT_EQ(dxd.at(0), NumberedLabel(1) + UnknownItemText());
    EXPECT_FALSE(records.exists(QStringLiteral("DXX")));
    EXPECT_EQ(prompter.texts(QStringLiteral("message")), QStringList{QStringLiteral("操作完成！")});
}

TEST_F(ScrollPictureMessage, SmallPictureIsPaddedToTheCellHeight)
{
    const auto outcome = store(pictureFile(QStringLiteral("sun.png"), 70, 20), 30, true);
    ASSERT_TRUE(outcome.result.done());
    EXPECT_EQ(outcome.picture.size(), QSize(96, 32));
    EXPECT_EQ(quint8(port->writes.first().at(6)), 1);
    EXPECT_EQ(quint8(port->writes.first().at(7)), 29);
    EXPECT_EQ(list("DXX").value(29), QStringLiteral("[30]:sun.png(图片96 x 32) "));
}

TEST_F(ScrollPictureMessage, RefusedPicturesSendAndRecordNothing)
{
    EXPECT_FALSE(store(pictureFile(QStringLiteral("wide.png"), 2000, 48), 1, false).result.done());
    EXPECT_FALSE(store(pictureFile(QStringLiteral("tall.png"), 40, 33), 1, true).result.done());
    EXPECT_FALSE(store(dir.filePath(QStringLiteral("missing.bmp")), 1, false).result.done());
    const QStringList errors = prompter.texts(QStringLiteral("error"));
    ASSERT_EQ(errors.size(), 3);
    EXPECT_EQ(errors.at(0), QStringLiteral("大号字不能存入超过41个字符，当前共有42字符"));
    EXPECT_EQ(errors.at(1), QStringLiteral("选择小号字符时图片的高度不能大于32像素，当前图片高度为33像素"));
    EXPECT_TRUE(errors.at(2).contains(QStringLiteral("missing.bmp")));
    EXPECT_EQ(port->opens, 0);
    EXPECT_FALSE(records.exists(QStringLiteral("DXD")));
    EXPECT_FALSE(records.exists(QStringLiteral("DXX")));
}

TEST_F(ScrollPictureMessage, StalledLineRecordsNothing)
{
    port->stallOutput = true;
    EXPECT_FALSE(store(pictureFile(QStringLiteral("logo.bmp"), 48, 48), 2, false).result.done());
    EXPECT_FALSE(prompter.texts(QStringLiteral("error")).isEmpty());
    EXPECT_FALSE(records.exists(QStringLiteral("DXD")));
}
