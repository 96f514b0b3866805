// The caption status report: decoding hand-built replies into the report text, and the
// request with its two-part reply on the line.

#include "base/cp936.h"
#include "link_fixture.h"
#include "scroll/status_report.h"

#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {
// A status block with every field set by name; two-byte fields high byte first.
struct Block {
    QByteArray bytes = QByteArray(kStatusBlockSize, '\0');
    Block& set(int i, int value)
    {
        bytes[i] = char(quint8(value));
        return *this;
    }
    Block& word(int i, int value)
    {
        return set(i, (value >> 8) & 0xFF).set(i + 1, value & 0xFF);
    }
};

Block typicalBlock()
{
    Block b;
    b.set(0, 21).word(1, 400).set(3, 1).set(4, 16).set(5, 3).set(6, 4).set(7, 7).set(8, 8).set(9, 48);
    b.word(13, 30).set(17, 2).set(18, 4).word(19, 0).set(21, 10).word(22, 64).set(24, 5).word(25, 100);
    b.set(27, 0x45).set(28, 20).word(29, 48).set(31, 6).word(32, 150).set(34, 0x85).set(35, 3);
    b.word(36, 0x8000).set(38, 1);
    return b;
}

QByteArray head(int length, int size)
{
    QByteArray h;
    h += char((length >> 8) & 0xFF);
    h += char(length & 0xFF);
    h += char(size);
    return h;
}

QString report(const QByteArray& message, const Block& block, int size = 0)
{
    return StatusReportText(QStringLiteral("7"), head(int(message.size()), size), message + block.bytes);
}

QString reportWith(const Block& block)
{
    return report(QByteArray(), block);
}

QStringList lines(const QString& text)
{
    return text.split(QStringLiteral("\r\n"));
}
} // namespace

TEST(StatusReportText, WholeReportInOrder)
{
    const QByteArray message = *EncodeCp936(QStringLiteral("你好"));
    const QString expected = QStringLiteral(
        "          以下是地址码为 7 的字幕信息\r\n\r\n"
        "最后一次的滚动操作是：刷新发送滚动信息，使用设备内置大号字库\r\n\r\n"
        "滚动字体尺寸：大号\r\n"
        "滚动信息：你好\r\n"
        "滚动字符总数：2\r\n"
        "\r\n"
        "滚动次数：20\r\n"
        "滚动间歇时间：30秒\r\n"
        "滚动垂直位置：400\r\n"
        "字符亮度：较亮\r\n"
        "滚动背景条效果： ⒘无背景全透明\r\n"
        "滚动背景条上端高度：3\r\n"
        "滚动背景条下端高度：4\r\n"
        "字幕显示项：全部显示\r\n"
        "滚动速度：8\r\n"
        "滚动条水平偏移：9\r\n\r\n"
        "开机显示静止图文序号：3\r\n"
        "当前显示静止图文序号：2\r\n"
        "开机显示静止图文时间：保持显示\r\n"
        "开机滚动组合快捷序号：5\r\n\r\n"
        "台标图文尺寸：80 x 64\r\n"
        "台标水平偏移：5\r\n"
        "台标图文垂直位置：100\r\n"
        "台标图文背景效果： ⒍绿透明背景B\r\n"
        "台标亮度：较暗\r\n\r\n"
        "静止图文尺寸：160 x 48\r\n"
        "静止图文水平偏移：6\r\n"
        "静止图文垂直位置：150\r\n"
        "静止图文背景效果： ⒍绿透明背景B\r\n");
    EXPECT_EQ(report(message, typicalBlock()), expected);
}

TEST(StatusReportText, RepetitionCounts)
{
    for (auto [code, line] : {std::pair{2, "滚动次数：1"}, {21, "滚动次数：20"}, {22, "滚动次数：30"},
                              {25, "滚动次数：100"}, {26, "滚动次数：不停滚动"}, {200, "滚动次数：不停滚动"}}) {
        Block b = typicalBlock();
        b.set(0, code);
        EXPECT_TRUE(lines(reportWith(b)).contains(QString::fromUtf8(line))) << code;
    }
}

TEST(StatusReportText, PauseLineInItsFiveCases)
{
    struct Case {
        int code;
        int seconds;
        int enabled;
        const char* line; // nullptr: no pause line
    };
    const QList<Case> cases = {
        {21, 30, 1, "滚动间歇时间：30秒"},
        {21, 30, 0, "滚动间歇时间：30秒，但现已被取消了间歇功能"},
        {21, 0, 1, "滚动间歇时间：0秒，间歇功能无效"},
        {21, -2, 1, nullptr},
        {26, 0, 1, "滚动间歇时间：0秒，间歇功能无效"},
        {26, 5, 1, "滚动间歇时间：5秒，但由于滚动次数设置了不停滚动，所以间歇功能无效"},
    };
    for (const Case& c : cases) {
        Block b = typicalBlock();
        b.set(0, c.code).word(13, c.seconds).set(38, c.enabled);
        const QStringList got = lines(reportWith(b));
        const int at = int(got.indexOf(QStringLiteral("滚动垂直位置：400")));
        ASSERT_GT(at, 0);
        // The pause line stands between the count and the position, on a line of its own.
        if (c.line)
            EXPECT_EQ(got.at(at - 1), QString::fromUtf8(c.line)) << c.code << " " << c.seconds;
        else
            EXPECT_TRUE(got.at(at - 1).startsWith(QStringLiteral("滚动次数："))) << c.seconds;
    }
}

TEST(StatusReportText, LogoByteCarriesBackgroundAndBrightness)
{
    Block b = typicalBlock();
    b.set(27, 0x45);
    QString text = reportWith(b);
    EXPECT_TRUE(text.contains(QStringLiteral("台标图文背景效果： ⒍绿透明背景B\r\n台标亮度：较暗\r\n\r\n静止图文尺寸：")));
    b.set(27, 0x85);
    text = reportWith(b);
    EXPECT_TRUE(text.contains(QStringLiteral("台标图文背景效果： ⒍绿透明背景B\r\n静止图文尺寸：")));
    EXPECT_FALSE(text.contains(QStringLiteral("台标亮度")));
    b.set(34, 0x60 | 3);
    EXPECT_TRUE(reportWith(b).endsWith(QStringLiteral("静止图文背景效果： ⒋蓝透明背景D\r\n静止图文亮度：最暗\r\n")));
    // Background codes 17 to 31 have no name.
    b.set(34, 0x80 | 20);
    EXPECT_TRUE(reportWith(b).endsWith(QStringLiteral("静止图文背景效果：\r\n")));
}

TEST(StatusReportText, LastOperationWords)
{
    const QString headingEnd = QStringLiteral("的字幕信息\r\n\r\n");
    struct Case {
        int word;
        const char* text;
    };
    const QList<Case> cases = {
        {0x8502, "最后一次的滚动操作是：刷新发送滚动信息，调用小号图文短信，序号为：3\r\n\r\n"},
        {0x0003, "最后一次的滚动操作是：发送滚动组合快捷，序号为 4\r\n\r\n"},
        {0x000F, "最后一次的滚动操作是：发送滚动组合快捷，序号为 16\r\n\r\n"},
        {0x8300, "最后一次的滚动操作是：追加发送滚动信息，使用设备内置小号字库\r\n\r\n"},
        {0x871D, "最后一次的滚动操作是：追加发送滚动信息，追加小号图文短信，序号为：30\r\n\r\n"},
        {0xFFFF, "\r\n\r\n"},
        {0x9000, ""},
        {0x0010, ""},
    };
    for (const Case& c : cases) {
        Block b = typicalBlock();
        b.word(36, c.word);
        const QString text = reportWith(b);
        const qsizetype after = text.indexOf(headingEnd) + headingEnd.size();
        EXPECT_EQ(text.mid(after, text.indexOf(QStringLiteral("滚动字体尺寸")) - after), QString::fromUtf8(c.text))
            << std::hex << c.word;
    }
}

TEST(StatusReportText, MessageLengthsAndSizes)
{
    const QString empty = reportWith(typicalBlock());
    EXPECT_TRUE(empty.contains(QStringLiteral("\r\n滚动信息：\r\n滚动字符总数：0\r\n")));

    // An odd length shows the whole characters and half a character more in the count.
    QByteArray odd = *EncodeCp936(QStringLiteral("中文"));
    odd += char(0xA3);
    const QString oddText = report(odd, typicalBlock(), 1);
    EXPECT_TRUE(oddText.contains(QStringLiteral("滚动字体尺寸：小号\r\n滚动信息：中文\r\n滚动字符总数：2.5\r\n")));

    const QString noSize = report(QByteArray(), typicalBlock(), 2);
    EXPECT_FALSE(noSize.contains(QStringLiteral("滚动字体尺寸")));
    EXPECT_TRUE(noSize.contains(QStringLiteral("\r\n\r\n滚动信息：")));
}

TEST(StatusReportText, StaticPictureAndPowerOnLines)
{
    struct Case {
        int current;
        int items;
        const char* line;
    };
    const QList<Case> cases = {
        {0, 7, "当前显示静止图文序号：无可显示信息"},
        {1, 2, "当前显示静止图文为：临时静止图文信息"},
        {1, 1, "当前应该显示的静止图文为：临时静止图文信息，  但现已关闭显示"},
        {5, 6, "当前显示静止图文序号：4"},
        {5, 5, "当前应该显示的静止图文序号：4  但现已关闭显示"},
    };
    for (const Case& c : cases) {
        Block b = typicalBlock();
        b.set(35, c.current).set(7, c.items);
        EXPECT_TRUE(lines(reportWith(b)).contains(QString::fromUtf8(c.line))) << c.current << " " << c.items;
    }
    Block b = typicalBlock();
    b.word(19, 45).word(22, 481).set(7, 9).set(3, 4);
    const QStringList got = lines(reportWith(b));
    EXPECT_TRUE(got.contains(QStringLiteral("开机显示静止图文时间：45秒")));
    EXPECT_TRUE(got.contains(QStringLiteral("台标图文尺寸：无效")));
    EXPECT_FALSE(reportWith(b).contains(QStringLiteral("字幕显示项")));
    EXPECT_FALSE(reportWith(b).contains(QStringLiteral("字符亮度")));
}

class StatusRequest : public LinkFixture {
protected:
    StatusReportOutcome request(const char* address)
    {
        return RequestStatusReport({SendMode::SpecifiedAddress, QString::fromLatin1(address), QString()}, link,
                                   prompter);
    }

};

TEST_F(StatusRequest, ReadsBothPartsAndShowsTheReport)
{
    const QByteArray message = *EncodeCp936(QStringLiteral("你好"));
    port->onWrite = [&](MemoryPort& port, const QByteArray&) {
        port.arrive(40, head(4, 0));
        port.arrive(100, message + typicalBlock().bytes);
    };
    const auto outcome = request("7");
    EXPECT_TRUE(outcome.result.done());
    EXPECT_EQ(port->writes, QList<QByteArray>{QByteArray::fromHex("5A5B0784FE")});
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown.first().kind, QStringLiteral("report"));
    EXPECT_EQ(prompter.shown.first().title, QStringLiteral("字幕信息"));
    EXPECT_EQ(prompter.shown.first().text, report(message, typicalBlock()));
    EXPECT_FALSE(link.isOpen());
}

TEST_F(StatusRequest, BothPartsInOneBurstAreNotLost)
{
    port->onWrite = [&](MemoryPort& port, const QByteArray&) { port.arrive(5, head(0, 1) + typicalBlock().bytes); };
    EXPECT_TRUE(request("7").result.done());
}

TEST_F(StatusRequest, FailuresShowTheNotConnectedMessage)
{
    const QString failure = QStringLiteral("指定的设备不存在或没连接，请检查指定地址码是否有误或通信是否正常！");
    const QList<std::function<void(MemoryPort&)>> replies = {
        [](MemoryPort&) {},                                                    // silence
        [](MemoryPort& p) { p.arrive(10, head(0, 0)); },                       // no second part
        [](MemoryPort& p) { p.arrive(10, head(0, 0) + QByteArray(38, '\0')); }, // one byte short
        [](MemoryPort& p) { p.arrive(10, head(0, 0) + QByteArray(40, '\0')); }, // one byte long
        [](MemoryPort& p) { p.arrive(10, head(0x8000, 0) + QByteArray(39, '\0')); }, // length not signed 16-bit
    };
    for (const auto& reply : replies) {
        prompter.shown.clear();
        port->onWrite = [&](MemoryPort& port, const QByteArray&) { reply(port); };
        EXPECT_FALSE(request("7").result.done());
        EXPECT_EQ(prompter.texts(QStringLiteral("error")), QStringList{failure});
        EXPECT_FALSE(link.isOpen());
    }
}

TEST_F(StatusRequest, TheWaitIsBoundByTheLengthTheHeadDeclares)
{
    // 0x7FD8 message bytes and the block fill the longest body, 0x7FFF bytes, whose line
    // time at 9600 baud is 34.1 s.
    constexpr int kLongest = kLongestStatusBody - kStatusBlockSize;
    struct Case {
        int length;
        int gapMs;       // between pieces of the body
        int pieceBytes;
        bool shown;
        qint64 longestMs; // of the whole request, on the link's clock
    };
    const QList<Case> cases = {
        {kLongest, 100, 96, true, 36000},     // at the line's own speed: read whole
        {kLongest, 120, 1, false, 45000},     // a byte at a time within the time-out: given up
        {kLongest + 1, 120, 1, false, 1000},  // more than a body holds: refused at once
        {0x7FFF, 100, 96, false, 1000},
    };
    for (const Case& c : cases) {
        prompter.shown.clear();
        port->onWrite = [&](MemoryPort& p, const QByteArray&) {
            p.arrive(40, head(c.length, 0));
            // A minute of the body, no more than it declares.
            const int pieces = qMin(60000 / c.gapMs, (c.length + kStatusBlockSize) / c.pieceBytes + 1);
            QByteArray body(c.length + kStatusBlockSize, 'a');
            for (int i = 0; i < pieces; ++i)
                p.arrive(40 + (i + 1) * c.gapMs, body.mid(i * c.pieceBytes, c.pieceBytes));
        };
        const qint64 before = clock.now;
        EXPECT_EQ(request("7").result.done(), c.shown) << c.length << " " << c.gapMs;
        EXPECT_LT(clock.now - before, c.longestMs) << c.length << " " << c.gapMs;
        EXPECT_EQ(prompter.texts(QStringLiteral("error")).isEmpty(), c.shown);
        port->pending.clear();
    }
}

TEST_F(StatusRequest, BroadcastAndUnusableAddressesAreRefused)
{
    EXPECT_FALSE(request("255").result.done());
    EXPECT_FALSE(request("").result.done());
    EXPECT_EQ(prompter.texts(QStringLiteral("error")).first(),
              QStringLiteral("这个操作不能为广播地址，只能指定特定设备，请修改指定地址码！"));
    EXPECT_EQ(prompter.texts(QStringLiteral("error")).size(), 2);
    EXPECT_EQ(port->opens, 0);
}
