// Dot matrices: the bit order of rows and cells, the ink test on the surface colour,
// unpacking back to the picture, and the sum byte.

#include "picture/dot_matrix.h"
#include "test_bytes.h"

#include <gtest/gtest.h>

using namespace kv;
using kv::test::hex;

namespace {
QImage white(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

void ink(QImage& image, int x, int y)
{
    image.setPixel(x, y, qRgb(0, 0, 0));
}
} // namespace

TEST(RowPacking, LeftmostPixelIsTheTopBitAndRowsFollowWithoutPadding)
{
    QImage one = white(16, 1);
    ink(one, 0, 0);
    EXPECT_EQ(PackRows(one, 16, 1, kGreyInkThreshold), hex("8000"));

    QImage two = white(16, 2);
    ink(two, 7, 0);
    ink(two, 8, 0);
    ink(two, 15, 1);
    EXPECT_EQ(PackRows(two, 16, 2, kGreyInkThreshold), hex("0180 0001"));
}

TEST(RowPacking, ColumnsPastTheImageAreBackground)
{
    QImage narrow = white(9, 1);
    narrow.fill(Qt::black);
    EXPECT_EQ(PackRows(narrow, 16, 1, kGreyInkThreshold), hex("FF80"));
}

TEST(RowPacking, UnpackGivesBackTheThresholdedPicture)
{
    QImage picture = white(32, 3);
    picture.setPixel(3, 0, qRgb(100, 100, 100));
    picture.setPixel(31, 2, qRgb(0, 0, 0));
    picture.setPixel(10, 1, qRgb(230, 230, 230)); // lighter than the threshold
    const PackedPicture packed = PackRowPicture(picture, kGreyInkThreshold);
    EXPECT_EQ(packed.width, 32);
    EXPECT_EQ(packed.height, 3);
    const QImage back = UnpackRows(packed);
    ASSERT_EQ(back.size(), QSize(32, 3));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 32; ++x) {
            const bool expected = (x == 3 && y == 0) || (x == 31 && y == 2);
            EXPECT_EQ(back.pixel(x, y) & 0xFFFFFF, expected ? 0u : 0xFFFFFFu) << x << "," << y;
        }
}

TEST(CellPacking, EachCellIsWholeBeforeTheNext)
{
    // Two 32-pixel cells: ink at the first cell's top right and the second's top left.
    QImage picture = white(64, 32);
    ink(picture, 31, 0);
    ink(picture, 32, 0);
    ink(picture, 0, 31);
    const QByteArray bits = PackCells(picture, 64, 32, kAnyInkThreshold);
    ASSERT_EQ(bits.size(), 2 * 32 * 4);
    EXPECT_EQ(bits.mid(0, 4), hex("00000001"));
    EXPECT_EQ(bits.mid(31 * 4, 4), hex("80000000"));
    EXPECT_EQ(bits.mid(128, 4), hex("80000000"));
    EXPECT_EQ(bits.count('\0'), bits.size() - 3);

    const QImage back = UnpackCells(bits, 64, 32);
    EXPECT_EQ(back.pixel(31, 0) & 0xFFFFFF, 0u);
    EXPECT_EQ(back.pixel(32, 0) & 0xFFFFFF, 0u);
    EXPECT_EQ(back.pixel(0, 31) & 0xFFFFFF, 0u);
    EXPECT_EQ(back.pixel(33, 0) & 0xFFFFFF, 0xFFFFFFu);
}

TEST(CellPacking, LargeCellsHaveSixBytesPerRow)
{
    QImage picture = white(96, 48);
    ink(picture, 47, 1);
    const QByteArray bits = PackCells(picture, 96, 48, kAnyInkThreshold);
    ASSERT_EQ(bits.size(), 576);
    EXPECT_EQ(bits.mid(6, 6), hex("000000000001"));
}

TEST(InkTest, ComparesThePackedValueWithBlueInTheHighByte)
{
    EXPECT_EQ(SurfaceColour(qRgb(0x11, 0x22, 0x33)), 0x332211u);
    // Grey levels against the default threshold and its two extremes.
    const auto grey = [](int g) { return SurfaceColour(qRgb(g, g, g)); };
    EXPECT_TRUE(ThresholdPixel(grey(213), kGreyInkThreshold));
    EXPECT_FALSE(ThresholdPixel(grey(214), kGreyInkThreshold));
    const quint32 lightest = kGreyInkThreshold + 4096 * 650;
    const quint32 darkest = kGreyInkThreshold - 4096 * 650;
    EXPECT_EQ(lightest, 0xFEE000u);
    EXPECT_EQ(darkest, 0xADA000u);
    EXPECT_TRUE(ThresholdPixel(grey(253), lightest));
    EXPECT_FALSE(ThresholdPixel(grey(254), lightest));
    EXPECT_TRUE(ThresholdPixel(grey(172), darkest));
    EXPECT_FALSE(ThresholdPixel(grey(173), darkest));
    // Pure red is ink, pure blue is not: the order of the bytes decides.
    EXPECT_TRUE(ThresholdPixel(SurfaceColour(qRgb(255, 0, 0)), kGreyInkThreshold));
    EXPECT_FALSE(ThresholdPixel(SurfaceColour(qRgb(0, 0, 255)), kGreyInkThreshold));
    // The character download inks anything that is not pure white.
    EXPECT_TRUE(ThresholdPixel(SurfaceColour(qRgb(255, 255, 254)), kAnyInkThreshold));
    EXPECT_FALSE(ThresholdPixel(SurfaceColour(qRgb(255, 255, 255)), kAnyInkThreshold));
}

TEST(SumByte, IsTheSumModulo256)
{
    EXPECT_EQ(SumByte(hex("FFFF")), 0xFE);
    EXPECT_EQ(SumByte(hex("FF02")), 0x01);
    EXPECT_EQ(SumByte(QByteArray()), 0x00);
}
