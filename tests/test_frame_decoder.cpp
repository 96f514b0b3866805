// The frame decoder that the traffic log, kvctl decode and kvsim share: frame lengths
// and meanings from the frame tables, queue lists, resynchronisation, the traffic log's
// rows, and robustness against arbitrary bytes.
#include "test_bytes.h"
#include "decode/frame_layout.h"
#include "decode/frame_meaning.h"
#include "decode/frame_parser.h"
#include "decode/hex_text.h"
#include "link/traffic.h"

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

TrafficEntry written(const QByteArray& bytes)
{
    return {0, true, bytes, 9600};
}

QStringList meanings(const QList<TrafficRow>& rows)
{
    QStringList texts;
    for (const TrafficRow& row : rows)
        texts.append(row.meaning);
    return texts;
}

QByteArray joined(const QList<TrafficRow>& rows)
{
    QByteArray bytes;
    for (const TrafficRow& row : rows)
        bytes += row.bytes;
    return bytes;
}

} // namespace

// One frame of every command the tool sends, written out byte by byte from the frame
// tables: it ends where its fields say, and its meaning names the command, its main
// fields and its target.
TEST(FrameDecoder, EveryCommandIsNamedWithItsTargetAndFields)
{
    struct Case {
        QByteArray frame;
        const char* meaning;
    };
    const QByteArray twelveBytes(12, '\xA1');
    const Case cases[] = {
        {hex("5A5BFF1100C8"), "0x11 写地址 新地址 200 → 全部"},
        {hex("5A5B07120000"), "0x12 探测 → 地址 7"},
        {hex("5A5B0313011000"), "0x13 显示项目 项目 16 并保存 → 地址 3"},
        {hex("5A5BFF1505020409"), "0x15 设备操作 重启 → 队列 4, 9"},
        {hex("5A5BFF177704"), "0x17 改波特率 波特率 19200 → 全部"},
        {hex("5A5B01190100"), "0x19 字幕开关 开 → 地址 1"},
        {hex("5A5BFF2002030F") + hex("1501900102030405300001001E"), "0x20 滚动参数 亮度 1 速度 5 并保存 → 队列 3, 15"},
        {hex("5A5BFF2202000409") + hex("00000C") + twelveBytes, "0x22 滚动发送 刷新 大号字库 12 字节 → 队列 4, 9"},
        {hex("5A5BFF22000121") + hex("0002") + hex("A3C1"), "0x22 滚动发送 追加 小号字库 并设为开机 2 字节 → 全部"},
        {hex("5A5B01230001000100960002") + hex("A3C1"), "0x23 静止文字 小号字库 2 字节 → 地址 1"},
        {hex("5A5BFF2401012C0107"), "0x24 定时显示 300 秒 滚动 → 队列 7"},
        {hex("5A5B0180030000040001") + hex("FE010002"), "0x80 保存组合快捷 快捷 4 大号 4 字节 并设为开机 → 地址 1"},
        {hex("5A5B0181000000000002") + QByteArray(576, '\x01') + hex("40"), "0x81 图文短信 滚动图片 大号 2 块 → 地址 1"},
        {hex("5A5BFF810101000001010107") + QByteArray(288, '\0') + hex("010101A1F2A1F5"),
         "0x81 图文短信 预存 1 大号 1 格 并设为开机 → 队列 7"},
        {hex("5A5B0183010200010A"), "0x83 调用图文短信(刷新) 小号 序号 3 → 地址 1"},
        {hex("5A5B0584FE"), "0x84 状态查询 → 地址 5"},
        {hex("5A5BFF8500000000"), "0x85 调用图文短信(追加) 大号 序号 1 → 全部"},
        {hex("5A5B0286010400"), "0x86 播放预存滚动 快捷 5 → 地址 2"},
        {hex("5A5B0286000000"), "0x86 播放预存滚动 开机滚动 → 地址 2"},
        {hex("5A5BFF8704010105"), "0x87 调用组合快捷 快捷 5 设为开机 → 队列 5"},
        {hex("5A5BFF8802000100009600000000") + hex("FF02") + hex("01"), "0x88 图片 台标 16×1 2 字节 → 全部"},
        {hex("5A5B018900040001F4"), "0x89 调用预存图片 刷新 图片 5 500 秒 → 地址 1"},
        {hex("5A5B018B10009600010000"), "0x8B 修改静止参数 类型 1 垂直 150 → 地址 1"},
        {hex("5A5BFF9000"), "0x90 字库下载开始 → 全部"},
        {withCheck(hex("5AE00006") + hex("0203010405")), "0xE0 保存屏幕设置 行 2 列 3 形状 1 → 全部"},
        {withCheck(hex("5AE10001")), "0xE1 读十字形状 → 全部"},
        {withCheck(hex("5AE2000203")), "0xE2 写十字形状 形状 3 → 全部"},
        {withCheck(hex("5AE3000201")), "0xE3 保存视频制式 制式 1 → 全部"},
        {withCheck(hex("5AF0010202")), "0xF0 视频制式 制式 2 → 地址 1"},
        {withCheck(hex("5AF101020C")), "0xF1 清除行或全屏 行 12 → 地址 1"},
        {withCheck(hex("5AF2010205")), "0xF2 水平偏移 值 5 → 地址 1"},
        {withCheck(hex("5AF3010207")), "0xF3 垂直偏移 值 7 → 地址 1"},
        {withCheck(hex("5AF40105030441") + hex("42")), "0xF4 显示测试 行 3 列 4 2 个字符 → 地址 1"},
        {withCheck(hex("5AF5010403040A")), "0xF5 设置属性 行 3 列 4 属性 10 → 地址 1"},
        {withCheck(hex("5AF60501")), "0xF6 复位 → 地址 5"},
        {hex("5AF70001AC"), "0xF7 读身份 → 全部"},
        {withCheck(hex("5AF800030509")), "0xF8 改地址和波特率 波特率 38400 新地址 9 → 全部"},
        {hex("5AF90101A3"), "0xF9 读产品号 → 地址 1"},
        {withCheck(hex("5AFA0101")), "0xFA 前128个字符 → 地址 1"},
        {withCheck(hex("5AFB0101")), "0xFB 后128个字符 → 地址 1"},
        {withCheck(hex("5AFC013841") + QByteArray(54, '\0')), "0xFC 写字符 字符 65 → 地址 1"},
        {withCheck(hex("5AFF010241")), "0xFF 读字符 字符 65 → 地址 1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.meaning);
        expectOneFrame(c.frame);
        EXPECT_EQ(FrameMeaning(c.frame), QString::fromUtf8(c.meaning));
    }
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

    // Anything else in the sum's place is a wrong sum, not the start of stray bytes.
    events = parser.feed(header + hex("FF02") + hex("07"));
    ASSERT_EQ(events.size(), 2);
    EXPECT_EQ(events[1].kind, Kind::WrongPictureSum);
    EXPECT_EQ(events[1].bytes, hex("07"));
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

// Random bytes in random pieces: neither the parser nor the traffic log loses or
// doubles a byte, every piece has a meaning, and after a flush a good frame is
// recognised again.
TEST(FrameDecoder, SurvivesRandomBytes)
{
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> piece(1, 64);
    for (int round = 0; round < 200; ++round) {
        FrameParser parser;
        TrafficDecoder decoder;
        QByteArray fed;
        QByteArray logged;
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
            for (const ParseEvent& event : parser.feed(chunk)) {
                accounted += event.bytes.size();
                EXPECT_FALSE(EventMeaning(event).isEmpty());
            }
            logged += joined(decoder.rows(written(chunk)));
        }
        for (const ParseEvent& event : parser.flush())
            accounted += event.bytes.size();
        ASSERT_EQ(accounted, fed.size()) << "round " << round;
        ASSERT_EQ(logged, fed) << "round " << round;

        const QList<ParseEvent> after = parser.feed(hex("5AF70001AC"));
        ASSERT_FALSE(after.isEmpty());
        bool found = false;
        for (const ParseEvent& event : after)
            found = found || (event.kind == Kind::Frame && event.bytes == hex("5AF70001AC"));
        EXPECT_TRUE(found) << "round " << round;
    }
}

// A capture read piece by piece is parsed as in one feed, wherever the pieces end, and
// the parser holds no more than the longest frame: a longer run of stray bytes comes out
// in parts of that size.
TEST(FrameDecoder, AStreamInPiecesGivesTheEventsOfOneFeed)
{
    const auto kinds = [](const QList<ParseEvent>& events) {
        QList<QPair<int, QByteArray>> out;
        for (const ParseEvent& event : events)
            out.append({int(event.kind), event.bytes});
        return out;
    };
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> piece(1, 300);
    QByteArray stream;
    for (int i = 0; i < 200000; ++i) {
        const int roll = byte(random);
        stream.append(char(roll < 40 ? 0x5A : roll < 60 ? 0x5B : byte(random)));
    }
    stream += hex("5AF70001AC") + QByteArray(1000, '\x5A') + hex("0102");
    FrameParser whole;
    QList<ParseEvent> expected = whole.feed(stream);
    expected += whole.flush();

    FrameParser pieces;
    QList<ParseEvent> events;
    for (qsizetype at = 0; at < stream.size();) {
        const qsizetype n = qMin<qsizetype>(piece(random), stream.size() - at);
        events += pieces.feedPart(stream.mid(at, n));
        at += n;
    }
    events += pieces.feed(QByteArray());
    events += pieces.flush();
    EXPECT_EQ(kinds(events), kinds(expected));

    FrameParser junk;
    QList<qsizetype> parts;
    for (qsizetype at = 0; at < 5 * kLongestFrame / 2; at += 4096) {
        for (const ParseEvent& event : junk.feedPart(QByteArray(4096, '\0')))
            parts.append(event.bytes.size());
    }
    for (const ParseEvent& event : junk.feed(QByteArray()))
        parts.append(event.bytes.size());
    EXPECT_EQ(parts, (QList<qsizetype>{kLongestFrame, kLongestFrame, kLongestFrame / 2}));
}

// Hex text as engineers write it, of any length and in pieces cut anywhere.
TEST(HexText, PairsPrefixesAndSeparatorsInPiecesOfAnySize)
{
    const QList<QPair<QString, std::optional<QByteArray>>> cases = {
        {QStringLiteral("01 0x5A,0xF9 0101A3\n5A\t5B"), hex("015AF90101A35A5B")},
        {QStringLiteral("0x5 5"), hex("0505")},
        {QStringLiteral("0X5a0x5b"), hex("5A5B")},
        {QStringLiteral("ABC DEF"), hex("ABCDEF")},
        {QStringLiteral(" ,5A, "), hex("5A")},
        {QStringLiteral("5G"), std::nullopt},
        {QStringLiteral("ABC"), std::nullopt},
        {QStringLiteral("0x"), std::nullopt},
        {QStringLiteral("0x0x5"), std::nullopt},
        {QStringLiteral(" , "), std::nullopt},
        {QString(), std::nullopt},
    };
    for (const auto& [text, bytes] : cases) {
        EXPECT_EQ(HexTextBytes(text), bytes) << text.toStdString();
        for (qsizetype cut = 0; cut <= text.size(); ++cut) {
            HexTextReader reader;
            QByteArray read;
            const bool valid = reader.read(QStringView(text).left(cut), &read)
                               && reader.read(QStringView(text).mid(cut), &read) && reader.finish(&read);
            EXPECT_EQ(valid ? std::optional<QByteArray>(read) : std::nullopt, bytes) << text.toStdString() << " " << cut;
        }
    }
    const QString longText = QStringLiteral("5A F9 01 01 A3 ").repeated(40000);
    EXPECT_EQ(HexTextBytes(longText), hex("5AF90101A3").repeated(40000));
}

TEST(TrafficRows, JunkBetweenFramesGetsRowsOfItsOwn)
{
    TrafficDecoder decoder;
    const QByteArray write = hex("0102") + hex("5AF70001AC") + hex("FF") + hex("5A5BFF177704");
    const QList<TrafficRow> rows = decoder.rows(written(write));
    EXPECT_EQ(meanings(rows), (QStringList{"未知字节 2 个", "0xF7 读身份 → 全部", "未知字节 1 个",
                                           "0x17 改波特率 波特率 19200 → 全部"}));
    EXPECT_EQ(joined(rows), write);
}

TEST(TrafficRows, TruncatedAndDamagedFramesSayWhatIsWrong)
{
    FrameParser parser;
    QList<ParseEvent> events = parser.feed(hex("5AF70001AD") + hex("5A5BFF22020004"));
    events += parser.flush();
    events += parser.feed(hex("5AF700"));
    events += parser.flush();
    QStringList texts;
    for (const ParseEvent& event : events)
        texts.append(EventMeaning(event));
    EXPECT_EQ(texts, (QStringList{"0xF7 读身份 → 全部 校验字节错误", "0x22 滚动发送 刷新 → 队列 4 不完整",
                                  "0xF7 读身份 → 全部 不完整"}));
}

// The scroll send writes its frame in three parts, and a picture body comes in 1024-byte
// chunks: every write is a row, the later ones the frame's continuation.
TEST(TrafficRows, AFrameAcrossWritesGivesARowPerWrite)
{
    TrafficDecoder decoder;
    const QByteArray header = hex("5A5BFF8840002000009600000000"); // 512 x 32, 2048 bytes
    const QByteArray chunk(1024, '\x01');
    QStringList texts;
    for (const QByteArray& write : {header, chunk, chunk, hex("00")}) {
        const QList<TrafficRow> rows = decoder.rows(written(write));
        ASSERT_EQ(rows.size(), 1);
        EXPECT_EQ(rows[0].bytes, write);
        texts.append(rows[0].meaning);
    }
    const QString picture = QStringLiteral("0x88 图片 台标 512×32 2048 字节 → 全部");
    EXPECT_EQ(texts, (QStringList{picture + " (未完, 已 14 字节)", "续 " + picture + " (未完, 已 1038 字节)",
                                  "续 " + picture + " (未完, 已 2062 字节)", "续 " + picture + " (共 2063 字节)"}));

    const QList<TrafficRow> next = decoder.rows(written(hex("5AF90101A3")));
    EXPECT_EQ(meanings(next), QStringList{"0xF9 读产品号 → 地址 1"});
}

// A picture send cancelled between chunks leaves its frame unfinished; a frame written
// after the line fell quiet is a frame of its own, while chunks that follow each other
// as fast as the line drains them stay continuations.
TEST(TrafficRows, AnUnfinishedFrameIsGivenUpOnceTheLineFallsQuiet)
{
    TrafficDecoder decoder;
    const QByteArray header = hex("5A5BFF8840002000009600000000");
    decoder.rows({0, true, header, 9600});
    // 1024 bytes take 1067 ms at 9600 baud.
    decoder.rows({10, true, QByteArray(1024, '\x01'), 9600});
    const QList<TrafficRow> chunk = decoder.rows({2000, true, QByteArray(1024, '\x01'), 9600});
    EXPECT_TRUE(chunk.value(0).meaning.startsWith("续 0x88")) << chunk.value(0).meaning.toStdString();
    const QList<TrafficRow> later = decoder.rows({5000, true, hex("5AF70001AC"), 9600});
    EXPECT_EQ(meanings(later), QStringList{"0xF7 读身份 → 全部"});
}

// The static send page writes no sum byte after its picture; a frame written next that
// starts with the byte the sum would have is that frame, not the sum.
TEST(TrafficRows, AFrameAfterAStaticPictureIsNotTakenForItsSum)
{
    TrafficDecoder decoder;
    decoder.rows(written(hex("5A5BFF8801000100009600010000") + hex("5A")));
    EXPECT_EQ(meanings(decoder.rows(written(hex("5AF70001AC")))), QStringList{"0xF7 读身份 → 全部"});
}

TEST(TrafficRows, AReadSaysHowTheReplyWaitEnded)
{
    TrafficDecoder decoder;
    EXPECT_EQ(decoder.rows({0, false, hex("88"), 9600, ReplyStatus::Complete, 1, "设置成功"}).value(0).meaning,
              "应答 完整 1/1 字节：设置成功");
    EXPECT_EQ(decoder.rows({0, false, {}, 9600, ReplyStatus::TimedOut, 3}).value(0).meaning, "应答 超时 0/3 字节");
    EXPECT_EQ(decoder.rows({0, false, hex("0102"), 9600, ReplyStatus::Overflow, 1}).value(0).meaning,
              "应答 字节过多 2/1 字节");
    EXPECT_EQ(decoder.rows({0, false, hex("05"), 9600, ReplyStatus::Malformed, -1}).value(0).meaning,
              "应答 格式错误 1 字节");
}
