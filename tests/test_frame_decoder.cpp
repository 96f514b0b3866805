// The shared frame decoder: frame lengths from the frame tables, queue lists,
// resynchronisation, and robustness against arbitrary bytes.
#include "test_bytes.h"
#include "decode/frame_layout.h"
#include "decode/frame_parser.h"

#include <gtest/gtest.h>

#include <random>

using namespace kv;
using Kind = ParseEvent::Kind;

using kv::test::hex;
using kv::test::withCheck;

namespace {

QList<ParseEvent> feedByteByByte(FrameParser& parser, const QByteArray& bytes)
{
    QList<ParseEvent> events;
    for (char b : bytes)
        events += parser.feed(QByteArray(1, b));
    return events;
}

void expectOneFrame(const QByteArray& frame)
{
    FrameParser whole;
    const QList<ParseEvent> events = whole.feed(frame);
    ASSERT_EQ(events.size(), 1) << frame.toHex(' ').toStdString();
    EXPECT_EQ(events[0].kind, Kind::Frame) << frame.toHex(' ').toStdString();
    EXPECT_EQ(events[0].bytes, frame);
    EXPECT_FALSE(whole.midFrame());

    FrameParser pieces;
    const QList<ParseEvent> split = feedByteByByte(pieces, frame);
    ASSERT_EQ(split.size(), 1) << frame.toHex(' ').toStdString();
    EXPECT_EQ(split[0].bytes, frame);
}

} // namespace

TEST(FrameDecoder, EveryAddressedCommandEndsWhereItsFieldsSay)
{
    expectOneFrame(hex("5A5BFF1100C8"));                   // write address 200
    expectOneFrame(hex("5A5B07120000"));                   // probe
    expectOneFrame(hex("5A5B0313001000"));                 // display item 16 to unit 3
    expectOneFrame(hex("5A5BFF1505020409"));               // restart, queue 4 and 9
    expectOneFrame(hex("5A5BFF177704"));                   // baud change to 19200
    expectOneFrame(hex("5A5B01190100"));                   // captions on
    expectOneFrame(hex("5A5BFF2002030F") + hex("1501900102030405300001001E"));
    expectOneFrame(hex("5A5BFF22010103") + hex("000004") + hex("A3C1A3C2")); // queue 3, append
    expectOneFrame(hex("5A5B01230001000100960002") + hex("A3C1")); // static text, two bytes
    expectOneFrame(hex("5A5BFF2401012C0107"));             // timed display 300 s, queue 7
    expectOneFrame(hex("5A5B0180030000040001") + hex("FE010002"));
    expectOneFrame(hex("5A5B0183010200010A"));             // call picture message 3, queue 10
    expectOneFrame(hex("5A5B0184FE"));
    expectOneFrame(hex("5A5B018500000000"));
    expectOneFrame(hex("5A5B0286010400"));                 // play shortcut 5 to unit 2
    expectOneFrame(hex("5A5B018704010105"));               // shortcut 5 as power-on, queue 5
    expectOneFrame(hex("5A5B018900040001F4"));             // recall picture 5, 500 s
    expectOneFrame(hex("5A5B018B10009600010000"));
    expectOneFrame(hex("5A5BFF9000"));
}

TEST(FrameDecoder, PictureFramesCarryTheirMatrixAndTrailer)
{
    // A rendered 96 x 48 scroll picture: two blocks of 288 bytes, then the sum byte.
    expectOneFrame(hex("5A5B0181000000000002") + QByteArray(576, '\x01') + hex("40"));
    // A stored 96 x 48 picture message: two cells, then 01 cells cells A1 F2 (A1 F5) x 2.
    expectOneFrame(hex("5A5B018101020004000002") + QByteArray(576, '\0') + hex("010202A1F2A1F5A1F5"));
    // A logo of 16 x 2 pixels (two bytes a row) with its sum byte.
    expectOneFrame(hex("5A5BFF8802000200009640000000") + hex("FFFF0101") + hex("00"));
}

TEST(FrameDecoder, StaticPicturePicksUpASumByteOnlyWhenItMatches)
{
    const QByteArray header = hex("5A5BFF8802000100009600010000");
    FrameParser parser;
    QList<ParseEvent> events = parser.feed(header + hex("FF02") + hex("01"));
    ASSERT_EQ(events.size(), 2);
    EXPECT_EQ(events[0].kind, Kind::Frame);
    EXPECT_EQ(events[1].kind, Kind::PictureSum);

    events = parser.feed(header + hex("FF02") + withCheck(hex("5AF70001")));
    ASSERT_EQ(events.size(), 2);
    EXPECT_EQ(events[1].kind, Kind::Frame);
    EXPECT_EQ(events[1].bytes, hex("5AF70001AC"));
}

TEST(FrameDecoder, CheckByteFramesAreCheckedByCountAndXor)
{
    expectOneFrame(hex("5AF70001AC"));
    expectOneFrame(hex("5AF90101A3"));
    expectOneFrame(withCheck(hex("5AF40106050C48494A")));
    expectOneFrame(withCheck(hex("5AFC0138") + QByteArray(55, '\0')));
    expectOneFrame(withCheck(hex("5AE00006") + hex("1E1200070F")));

    FrameParser parser;
    QList<ParseEvent> events = parser.feed(hex("5AF70001AD"));
    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events[0].kind, Kind::BadCheck);

    events = parser.feed(hex("5AF70002") + hex("00AD"));
    ASSERT_GE(events.size(), 1);
    EXPECT_EQ(events[0].kind, Kind::BadCount);
    EXPECT_EQ(events[0].bytes, hex("5AF70002"));
}

TEST(FrameDecoder, QueueAddressesAreReadWhereEachCommandKeepsThem)
{
    const Frame scroll = DecodeFrame(hex("5A5BFF220300030F78") + hex("000002A3C1"));
    EXPECT_TRUE(scroll.hasQueue);
    EXPECT_EQ(scroll.queue, (QList<quint8>{3, 15, 120}));
    EXPECT_EQ(scroll.target, 255);

    const Frame shortcut = DecodeFrame(hex("5A5BFF87040200090A"));
    EXPECT_EQ(shortcut.queue, (QList<quint8>{9, 10}));

    const Frame picture = DecodeFrame(hex("5A5BFF810101000001010107") + QByteArray(288, '\0')
                                      + hex("010101A1F2A1F5"));
    EXPECT_EQ(picture.queue, (QList<quint8>{7}));

    const Frame status = DecodeFrame(hex("5A5B0584FE"));
    EXPECT_FALSE(status.hasQueue);
    EXPECT_EQ(status.target, 5);
}

TEST(FrameDecoder, ResynchronisesOnTheNextStartByte)
{
    FrameParser parser;
    const QList<ParseEvent> events = parser.feed(hex("01025A5A5BFF1100075A375AF70001AC"));
    ASSERT_EQ(events.size(), 5);
    EXPECT_EQ(events[0].kind, Kind::Unknown);
    EXPECT_EQ(events[0].bytes, hex("0102"));
    EXPECT_EQ(events[1].kind, Kind::Unknown);
    EXPECT_EQ(events[1].bytes, hex("5A"));
    EXPECT_EQ(events[2].bytes, hex("5A5BFF110007"));
    EXPECT_EQ(events[3].bytes, hex("5A37"));
    EXPECT_EQ(events[4].bytes, hex("5AF70001AC"));
}

TEST(FrameDecoder, OverlongAndUnfinishedFramesAreReported)
{
    FrameParser parser;
    // A picture header announcing 255 bytes a row and 65535 rows.
    QList<ParseEvent> events = parser.feed(hex("5A5BFF88FFFFFF000096000000"));
    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events[0].kind, Kind::TooLong);

    events = parser.feed(hex("5A5B0122000000"));
    EXPECT_TRUE(events.isEmpty());
    EXPECT_TRUE(parser.midFrame());
    events = parser.flush();
    ASSERT_EQ(events.size(), 1);
    EXPECT_EQ(events[0].kind, Kind::Incomplete);
    EXPECT_EQ(events[0].bytes, hex("5A5B0122000000"));
    EXPECT_FALSE(parser.midFrame());
}

// Random bytes in random pieces: the parser never loses or doubles a byte, and after
// a flush it recognises a good frame again.
TEST(FrameDecoder, SurvivesRandomBytes)
{
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> piece(1, 64);
    for (int round = 0; round < 200; ++round) {
        FrameParser parser;
        QByteArray fed;
        qsizetype accounted = 0;
        for (int p = 0; p < 40; ++p) {
            QByteArray chunk;
            const int n = piece(random);
            for (int i = 0; i < n; ++i) {
                // Start bytes and common codes often, so that frames get under way.
                const int roll = byte(random);
                chunk.append(char(roll < 40 ? 0x5A : roll < 60 ? 0x5B : byte(random)));
            }
            fed += chunk;
            for (const ParseEvent& event : parser.feed(chunk))
                accounted += event.bytes.size();
        }
        for (const ParseEvent& event : parser.flush())
            accounted += event.bytes.size();
        ASSERT_EQ(accounted, fed.size()) << "round " << round;

        const QList<ParseEvent> after = parser.feed(hex("5AF70001AC"));
        ASSERT_FALSE(after.isEmpty());
        bool found = false;
        for (const ParseEvent& event : after)
            found = found || (event.kind == Kind::Frame && event.bytes == hex("5AF70001AC"));
        EXPECT_TRUE(found) << "round " << round;
    }
}
