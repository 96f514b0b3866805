// The picture-text scroll: size rules, the picture's width from its ink, the 0x81
// header and sum byte, and the settings record gdzfcs.

#include "base/record_store.h"
#include "scroll/picture_text_layout.h"
#include "scroll/picture_text_settings.h"
#include "test_bytes.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

TEST(PictureTextGeometry, SizeChoosesTheCellHeightAndOffset)
{
    EXPECT_EQ(PictureTextCellFor(32).height, 32);
    EXPECT_EQ(PictureTextCellFor(32).sizeOffset, 0);
    EXPECT_TRUE(PictureTextCellFor(32).small());
    EXPECT_EQ(PictureTextCellFor(16).sizeOffset, -16);
    EXPECT_EQ(PictureTextCellFor(34).height, 48);
    EXPECT_EQ(PictureTextCellFor(34).sizeOffset, -14);
    EXPECT_EQ(PictureTextCellFor(48).sizeOffset, 0);
    EXPECT_EQ(PictureTextSizeItems().size(), 17);
    EXPECT_EQ(VerticalAdjustmentItems().size(), 41);
    EXPECT_EQ(VerticalAdjustmentItems().at(0), QStringLiteral("20上移"));
    EXPECT_EQ(VerticalAdjustmentItems().at(kNoVerticalAdjustment), QStringLiteral("原形"));
    EXPECT_EQ(VerticalAdjustmentItems().at(40), QStringLiteral("20下移"));
}

TEST(PictureTextGeometry, WidthIsTheNextMultipleOfTheHeightAboveTheInk)
{
    EXPECT_EQ(PictureTextWidth(47, 48), 48);
    EXPECT_EQ(PictureTextWidth(48, 48), 96);
    EXPECT_EQ(PictureTextWidth(0, 32), 32);
    EXPECT_EQ(PictureTextWidth(31, 32), 32);
}

TEST(PictureTextGeometry, RightmostInkSkipsColumnAndRowZero)
{
    QImage picture(100, 48, QImage::Format_RGB32);
    picture.fill(Qt::white);
    EXPECT_EQ(RightmostInkColumn(picture), 0);
    picture.setPixel(99, 0, qRgb(0, 0, 0));   // row 0 is not looked at
    EXPECT_EQ(RightmostInkColumn(picture), 0);
    picture.setPixel(60, 47, qRgb(254, 255, 255));   // anything but pure white is ink
    EXPECT_EQ(RightmostInkColumn(picture), 60);
    picture.setPixel(70, 1, qRgb(0, 0, 0));
    EXPECT_EQ(RightmostInkColumn(picture), 70);
}

TEST(PictureTextFrame, HeaderWithSizeFlagBlockCountAndQueue)
{
    SendTarget unit{7, {}};
    EXPECT_EQ(PictureTextScrollHeader(unit, true, false, 1), hex("5A5B0781 01 00 00 00 0001"));
    SendTarget queue{0xFF, hex("0309")};
    EXPECT_EQ(PictureTextScrollHeader(queue, false, true, 0x102), hex("5A5BFF81 00 00 01 02 0102 0309"));
}

class PictureTextRecord : public ::testing::Test {
protected:
    QTemporaryDir dir;
    AppFolder folder{dir.path()};
    RecordStore store{folder};
};

TEST_F(PictureTextRecord, SixLinesRoundTrip)
{
    PictureTextSettings settings;
    settings.size = 40;
    settings.verticalAdjustment = 3;
    settings.fontName = QStringLiteral("WenQuanYi Micro Hei");
    settings.bold = true;
    settings.text = QStringLiteral("欢迎\r\n光临");
    settings.filterNoise = true;
    QString error;
    ASSERT_TRUE(SavePictureTextSettings(store, settings, &error));
    EXPECT_EQ(store.readText(PictureTextSettingsRecord()),
              QStringLiteral("40\r\n3\r\nWenQuanYi Micro Hei\r\n1\r\n欢迎 光临\r\n1"));
    const PictureTextSettings back = LoadPictureTextSettings(store);
    EXPECT_EQ(back.size, 40);
    EXPECT_EQ(back.verticalAdjustment, 3);
    EXPECT_EQ(back.fontName, settings.fontName);
    EXPECT_TRUE(back.bold);
    EXPECT_EQ(back.text, QStringLiteral("欢迎 光临"));
    EXPECT_TRUE(back.filterNoise);
}

TEST_F(PictureTextRecord, WrongLineCountOrValuesFallBackToTheDefaults)
{
    QString error;
    store.write(PictureTextSettingsRecord(), QStringLiteral("40\r\n3\r\nX\r\n1\r\nhi"), &error);
    EXPECT_EQ(LoadPictureTextSettings(store).size, PictureTextSettings().size);
    store.write(PictureTextSettingsRecord(), QStringLiteral("33\r\n41\r\nX\r\nyes\r\nhi\r\n1"), &error);
    const PictureTextSettings read = LoadPictureTextSettings(store);
    EXPECT_EQ(read.size, PictureTextSettings().size);
    EXPECT_EQ(read.verticalAdjustment, kNoVerticalAdjustment);
    EXPECT_EQ(read.fontName, QStringLiteral("X"));
    EXPECT_FALSE(read.bold);
    EXPECT_EQ(read.text, QStringLiteral("hi"));
    EXPECT_TRUE(read.filterNoise);
}
