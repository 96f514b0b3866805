// Picture files: the scaled sizes, the three purposes' limits, widening to 16 columns,
// padding to cells, the threshold field, the noise filter, and files that are missing
// or are not pictures.

#include "picture/picture_file.h"
#include "picture/picture_purposes.h"
#include "recording_prompter.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {
QImage white(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

bool isInk(const QImage& image, int x, int y)
{
    return (image.pixel(x, y) & 0xFFFFFF) == 0;
}
} // namespace

class PictureFiles : public ::testing::Test {
protected:
    QString save(const QImage& image, const QString& name)
    {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(image.save(path));
        return path;
    }

    QTemporaryDir dir;
    RecordingPrompter prompter;
};

TEST(ScaledSize, TallPicturesComeDownToTheTargetAndNothingIsWiderThan816)
{
    EXPECT_EQ(ScaledPictureSize({100, 300}, 24), QSize(8, 24));
    EXPECT_EQ(ScaledPictureSize({4000, 100}, 24), QSize(816, 20));
    // Not taller than the target: kept, unless too wide.
    EXPECT_EQ(ScaledPictureSize({50, 10}, 24), QSize(50, 10));
    EXPECT_EQ(ScaledPictureSize({50, 24}, 24), QSize(50, 24));
    EXPECT_EQ(ScaledPictureSize({1000, 10}, 24), QSize(816, 8));
}

TEST(PictureLimits, EachPurposeInItsOrder)
{
    EXPECT_FALSE(SlotPictureLimitMessage(256, 256));
    EXPECT_EQ(SlotPictureLimitMessage(257, 256),
              QStringLiteral("字符转换成图片后图片太大了，图片的最大像素不能大于65536像素"));
    EXPECT_EQ(SlotPictureLimitMessage(817, 600), QStringLiteral("图片的宽度不能大于816像素"));
    EXPECT_EQ(SlotPictureLimitMessage(16, 521), QStringLiteral("图片的高度不能大于520线"));

    EXPECT_FALSE(TemporaryPictureLimitMessage(768, 173));
    EXPECT_EQ(TemporaryPictureLimitMessage(769, 10), QStringLiteral("图片的宽度不能大于768像素"));
    EXPECT_EQ(TemporaryPictureLimitMessage(10, 481), QStringLiteral("图片的高度不能大于480线"));
    EXPECT_EQ(TemporaryPictureLimitMessage(768, 174), QStringLiteral("这张图片太大了，图片的最大像素不能大于133120像素"));

    EXPECT_EQ(PictureMessageLimitMessage(100, 49, false),
              QStringLiteral("选择大号字符时图片的高度不能大于48像素，当前图片高度为49像素"));
    EXPECT_EQ(PictureMessageLimitMessage(100, 33, true),
              QStringLiteral("选择小号字符时图片的高度不能大于32像素，当前图片高度为33像素"));
    EXPECT_FALSE(PictureMessageLimitMessage(100, 48, false));
    EXPECT_EQ(PictureMessageLimitMessage(3009, 32, true), QStringLiteral("这张图片太大了，图片的最大像素不能大于96256像素"));
    EXPECT_FALSE(PictureMessageCellsMessage(41, false));
    EXPECT_EQ(PictureMessageCellsMessage(42, false), QStringLiteral("大号字不能存入超过41个字符，当前共有42字符"));
    EXPECT_FALSE(PictureMessageCellsMessage(94, true));
    EXPECT_EQ(PictureMessageCellsMessage(95, true), QStringLiteral("小号字不能存入超过94个字符，当前共有95字符"));
}

TEST(ThresholdField, RangeTextAndLoneSigns)
{
    for (const char* ok : {"", "0", "650", "-650", "+12", "+", "-"})
        EXPECT_TRUE(CheckThresholdField(QString::fromLatin1(ok)).ok()) << ok;
    const BoxVerdict range = CheckThresholdField(QStringLiteral("651"));
    EXPECT_EQ(range.message, QStringLiteral("数值应在-650～650之间"));
    EXPECT_TRUE(range.resetTo.isEmpty());
    EXPECT_EQ(CheckThresholdField(QStringLiteral("-651")).message, range.message);
    for (const char* text : {"abc", "+x", "-1a", "nan", "inf"})
        EXPECT_EQ(CheckThresholdField(QString::fromLatin1(text)).message,
                  QStringLiteral("输入应为-650～650之间的十进制数字"))
            << text;
    EXPECT_EQ(ThresholdAdjustment(QStringLiteral("-")), 0);
    EXPECT_EQ(ThresholdAdjustment(QStringLiteral("+650")), 650);
    EXPECT_EQ(AdjustedInkThreshold(650), 0xFEE000u);
    EXPECT_EQ(AdjustedInkThreshold(-650), 0xADA000u);
}

TEST(Widening, StretchTakesTheNearestColumnAndPaddingAddsBackground)
{
    QImage three = white(3, 1);
    three.setPixel(1, 0, qRgb(0, 0, 0));
    const QImage wide = StretchToWidth(three, 16);
    ASSERT_EQ(wide.width(), 16);
    for (int x = 0; x < 16; ++x)
        EXPECT_EQ(isInk(wide, x, 0), x >= 6 && x <= 10) << x; // source column x * 3 / 16
    EXPECT_EQ(RoundUpTo16(16), 16);
    EXPECT_EQ(RoundUpTo16(17), 32);

    QImage small = white(70, 20);
    small.setPixel(69, 19, qRgb(0, 0, 0));
    const QImage padded = PadToCells(small, 32);
    EXPECT_EQ(padded.size(), QSize(96, 32));
    EXPECT_TRUE(isInk(padded, 69, 19));
    EXPECT_FALSE(isInk(padded, 95, 31));
    EXPECT_EQ(PadToCells(white(100, 48), 48).width(), 144);
}

TEST(NoiseFilter, DropsLoneSpecksAndKeepsStrokesAndEdgeRows)
{
    QImage picture = white(4, 5);
    picture.setPixel(0, 2, qRgb(128, 128, 128)); // lone speck
    picture.setPixel(1, 1, qRgb(0, 0, 0));       // vertical pair
    picture.setPixel(1, 2, qRgb(0, 0, 0));
    picture.setPixel(2, 0, qRgb(0, 0, 0)); // top row
    picture.setPixel(3, 4, qRgb(0, 0, 0)); // bottom row
    const QImage filtered = WithoutNoise(picture);
    EXPECT_EQ(filtered.pixel(0, 2) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_TRUE(isInk(filtered, 1, 1));
    EXPECT_TRUE(isInk(filtered, 1, 2));
    EXPECT_TRUE(isInk(filtered, 2, 0));
    EXPECT_TRUE(isInk(filtered, 3, 4));
}

TEST_F(PictureFiles, MissingOrBrokenFilesAreNamedAndGiveNothing)
{
    const QString missing = dir.filePath(QStringLiteral("none.bmp"));
    EXPECT_FALSE(PrepareTemporaryPicture(missing, prompter).packed);
    const QString broken = dir.filePath(QStringLiteral("broken.bmp"));
    QFile file(broken);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture at all");
    file.close();
    EXPECT_FALSE(PrepareSlotPicture(broken, 24, 0, prompter).packed);
    EXPECT_FALSE(PreparePictureMessage(dir.path(), false, prompter)); // a folder

    const QStringList errors = prompter.texts("error");
    ASSERT_EQ(errors.size(), 3);
    EXPECT_TRUE(errors.at(0).contains(QStringLiteral("none.bmp")));
    EXPECT_TRUE(errors.at(1).contains(QStringLiteral("broken.bmp")));

    // A cancelled choice is silent.
    prompter.shown.clear();
    EXPECT_FALSE(PrepareTemporaryPicture(QString(), prompter).packed);
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(PictureFiles, TemporaryPictureIsWidenedAndInkedBelowLightGrey)
{
    QImage picture = white(20, 2);
    picture.setPixel(0, 0, qRgb(213, 213, 213)); // ink
    picture.setPixel(19, 1, qRgb(214, 214, 214)); // not ink
    picture.setPixel(18, 1, qRgb(0, 0, 0));
    const auto packed = PrepareTemporaryPicture(save(picture, QStringLiteral("t.bmp")), prompter).packed;
    ASSERT_TRUE(packed);
    EXPECT_EQ(packed->width, 32);
    EXPECT_EQ(packed->height, 2);
    // Columns 0 and 1 come from source column 0; 29 and 30 from 18 (x * 20 / 32).
    EXPECT_EQ(packed->bits, QByteArray::fromHex("C0000000 00000006"));
}

TEST_F(PictureFiles, SlotPictureIsScaledAndRefusedPastItsLimit)
{
    const QString tall = save(white(100, 300), QStringLiteral("tall.png"));
    const auto scaled = PrepareSlotPicture(tall, 24, 0, prompter).packed;
    ASSERT_TRUE(scaled);
    EXPECT_EQ(scaled->width, 16); // 8 columns, stretched to 16
    EXPECT_EQ(scaled->height, 24);

    const QString square = save(white(257, 256), QStringLiteral("square.bmp"));
    // Refused past its limit, the picture is still there to be shown.
    const PreparedPicture refused = PrepareSlotPicture(square, 300, 0, prompter);
    EXPECT_FALSE(refused.packed);
    EXPECT_EQ(refused.surface.size(), QSize(257, 256));
    EXPECT_EQ(prompter.texts("error"),
              QStringList{QStringLiteral("字符转换成图片后图片太大了，图片的最大像素不能大于65536像素")});
}

TEST_F(PictureFiles, PictureMessageIsCutIntoCellsWithItsDescription)
{
    QImage picture = white(100, 48);
    picture.setPixel(99, 47, qRgb(0, 0, 0));
    const auto message = PreparePictureMessage(save(picture, QStringLiteral("logo.bmp")), false, prompter);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->cells.width, 144);
    EXPECT_EQ(message->cells.height, 48);
    EXPECT_EQ(message->cells.bits.size(), 3 * 288);
    // Column 99 is column 3 of the third cell, in its last row.
    EXPECT_EQ(quint8(message->cells.bits.at(2 * 288 + 47 * 6)), 0x10);
    EXPECT_EQ(message->description, QStringLiteral("logo.bmp(图片144 x 48) "));

    EXPECT_FALSE(PreparePictureMessage(save(white(2000, 48), QStringLiteral("long.bmp")), false, prompter));
    EXPECT_EQ(prompter.texts("error"), QStringList{QStringLiteral("大号字不能存入超过41个字符，当前共有42字符")});
}

TEST_F(PictureFiles, TransparentPartsReadAsBackground)
{
    QImage picture(16, 1, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    picture.setPixel(2, 0, qRgba(0, 0, 0, 255));
    const auto surface = LoadPlainPicture(save(picture, QStringLiteral("alpha.png")), nullptr);
    ASSERT_TRUE(surface);
    EXPECT_EQ(surface->pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
    EXPECT_TRUE(isInk(*surface, 2, 0));
}
