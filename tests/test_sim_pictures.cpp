// What the simulated unit makes of the picture frames: the pictures it keeps, the sums
// it checks, the PNG files it writes for them. Every frame here is put together by
// hand from the frame tables, never with the tool's builders.
#include "test_bytes.h"
#include "sim/options.h"
#include "sim/picture_files.h"
#include "sim/png_image.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTemporaryDir>

using namespace kv::sim;

using kv::test::hex;

namespace {

bool inkAt(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

} // namespace

TEST(SimPictureFiles, PngShowsInkBlackOnWhiteLeftmostPixelInTheTopBit)
{
    // Row 0: 80 01 -> pixels 0 and 15; row 1: 40 00 -> pixel 1; row 2 missing: white.
    const GreyImage image = InkImage(hex("8001 4000"), 2, 3);
    const QImage png = QImage::fromData(EncodePng(image), "PNG");
    ASSERT_FALSE(png.isNull());
    ASSERT_EQ(png.size(), QSize(16, 3));
    EXPECT_TRUE(inkAt(png, 0, 0));
    EXPECT_FALSE(inkAt(png, 1, 0));
    EXPECT_TRUE(inkAt(png, 15, 0));
    EXPECT_TRUE(inkAt(png, 1, 1));
    EXPECT_FALSE(inkAt(png, 0, 1));
    for (int x = 0; x < 16; ++x)
        EXPECT_FALSE(inkAt(png, x, 2)) << x;
    EXPECT_EQ(qGray(png.pixel(3, 0)), 255);
    EXPECT_EQ(qGray(png.pixel(0, 0)), 0);
}

TEST(SimPictureFiles, EmptyImageGivesNoFile)
{
    EXPECT_TRUE(EncodePng(InkImage({}, 0, 5)).isEmpty());
    QTemporaryDir dir;
    const PictureFiles files(dir.path());
    UnitState unit;
    QString error;
    EXPECT_FALSE(files.write(unit, QStringLiteral("logo"), GreyImage{}, error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(SimPictureFiles, FileIsNamedByUnitAndPictureAndTheLatestReplacesTheOneBefore)
{
    QTemporaryDir dir;
    const PictureFiles files(dir.path());
    UnitState unit;
    unit.address = 7;
    QString error;
    ASSERT_TRUE(files.write(unit, QStringLiteral("slot3"), InkImage(hex("FFFF"), 2, 1), error)) << qPrintable(error);
    ASSERT_TRUE(files.write(unit, QStringLiteral("slot3"), InkImage(hex("0000 0000"), 2, 2), error));
    const QImage png(dir.filePath(QStringLiteral("unit7-slot3.png")));
    ASSERT_EQ(png.size(), QSize(16, 2));
    EXPECT_FALSE(inkAt(png, 0, 0));
}

TEST(SimPictureFiles, PicturesOptionTakesAFolder)
{
    Options options;
    QString error;
    ASSERT_TRUE(ParseOptions({"--link", "/tmp/l", "--pictures", "/tmp/p"}, options, error));
    EXPECT_EQ(options.picturesPath, QStringLiteral("/tmp/p"));
    EXPECT_FALSE(ParseOptions({"--link", "/tmp/l", "--pictures"}, options, error));
}
