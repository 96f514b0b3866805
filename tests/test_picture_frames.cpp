// The frames of static pictures, static text and stored pictures, byte by byte, for
// one unit and for a queue.

#include "picture/picture_frames.h"
#include "test_bytes.h"

#include <gtest/gtest.h>

using namespace kv;
using kv::test::hex;

namespace {
const SendTarget kUnit7{7, {}};
const SendTarget kQueue{0xFF, hex("0305")};

Placement placement(int offset, int position, int brightness, int background)
{
    return {offset, position, brightness, background};
}
} // namespace

TEST(PictureFrames, SlotHeaderCarriesSizePlacementAndKind)
{
    EXPECT_EQ(SlotPictureHeader(kUnit7, 96, 300, placement(10, 150, 1, 6), 0),
              hex("5A5B 07 88 0C 01 2C 0A 00 96 26 00 00 00"));
    // A power-on static picture repeats the power-on flag after the queue count.
    EXPECT_EQ(SlotPictureHeader(kQueue, 816, 520, placement(72, 590, 3, 0), 2),
              hex("5A5B FF 88 66 02 08 48 02 4E 60 02 02 01 0305"));
}

TEST(PictureFrames, LogoIsNeverAPowerOnStaticSlot)
{
    EXPECT_EQ(SlotKind(true, true), 0);
    EXPECT_EQ(SlotKind(true, false), 0);
    EXPECT_EQ(SlotKind(false, false), 1);
    EXPECT_EQ(SlotKind(false, true), 2);
}

TEST(PictureFrames, StaticHeaderIsAlwaysAPlainStaticPicture)
{
    EXPECT_EQ(StaticPictureHeader(kQueue, 32, 37, placement(42, 150, 0, 16)),
              hex("5A5B FF 88 04 00 25 2A 00 96 10 01 02 00 0305"));
}

TEST(PictureFrames, StaticTextHeaderAnnouncesTheTextBytes)
{
    EXPECT_EQ(StaticTextHeader(kUnit7, false, 5, placement(3, 256, 2, 16), 7),
              hex("5A5B 07 23 00 00 05 03 01 00 50 07"));
    EXPECT_EQ(StaticTextHeader(kQueue, true, 0, placement(0, 150, 0, 0), 255),
              hex("5A5B FF 23 02 01 00 00 00 96 00 FF 0305"));
}

TEST(PictureFrames, PictureMessageHeaderAndTrailer)
{
    // 96 x 48 in large cells: two cells, message 4, power-on.
    EXPECT_EQ(PictureMessageHeader(kUnit7, 2, false, 4, true), hex("5A5B 07 81 01 02 00 03 01 00 02"));
    EXPECT_EQ(PictureMessageHeader(kQueue, 3, true, 30, false), hex("5A5B FF 81 01 03 01 1D 00 02 03 0305"));
    EXPECT_EQ(PictureMessageTrailer(2), hex("01 02 02 A1F2 A1F5 A1F5"));
    EXPECT_EQ(PictureMessageTrailer(1), hex("01 01 01 A1F2 A1F5"));
}

TEST(PictureFrames, SlotParametersFrame)
{
    EXPECT_EQ(SlotParametersFrame(kUnit7, placement(72, 150, 0, 6), 1), hex("5A5B 07 8B 48 00 96 06 01 00 00"));
    EXPECT_EQ(SlotParametersFrame(kQueue, placement(0, 300, 3, 0), 2), hex("5A5B FF 8B 00 01 2C 60 02 02 01 0305"));
}

TEST(PictureFrames, RecallAndTimedDisplay)
{
    EXPECT_EQ(RecallPictureFrame(kUnit7, false, 1, 0), hex("5A5B 07 89 00 00 00 0000"));
    EXPECT_EQ(RecallPictureFrame(kQueue, true, 12, 60000), hex("5A5B FF 89 01 0B 02 EA60 0305"));
    EXPECT_EQ(TimedDisplayFrame(kUnit7, 300, true), hex("5A5B 07 24 00 012C 01"));
    EXPECT_EQ(TimedDisplayFrame(kQueue, 5, false), hex("5A5B FF 24 02 0005 00 0305"));
}
