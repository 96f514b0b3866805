// Font transfer and the reset frame against an in-memory port.

#include "control/reset.h"
#include "font/font_transfer.h"
#include "link/frames.h"
#include "link/reset_frame.h"
#include "link_fixture.h"
#include "test_bytes.h"

#include <gtest/gtest.h>

using namespace kv;

using kv::test::hex;

namespace {

FontTable patternTable()
{
    QByteArray bytes(kFontTableSize, '\0');
    for (int i = 0; i < kFontTableSize; ++i)
        bytes[i] = static_cast<char>((i * 13 + i / 54) & 0xFF);
    return FontTable::fromDeviceBytes(bytes);
}

// A unit that keeps a font and answers the write- and read-character frames.
class FontUnit {
public:
    explicit FontUnit(test::MemoryPort& port)
    {
        port.onWrite = [this](test::MemoryPort& p, const QByteArray& bytes) { heard(p, bytes); };
    }

    FontTable font;
    int silentAtCode = -1;   // no answer for this code
    int corruptAtCode = -1;  // a wrong check byte for this code
    int refuseAtCode = -1;   // answers 00 instead of 88
    QList<int> codesHeard;

private:
    void heard(test::MemoryPort& port, const QByteArray& frame)
    {
        if (frame.size() < 5 || static_cast<quint8>(frame.at(0)) != 0x5A)
            return;
        if (frame == FontFileStartFrame()) {
            port.arrive(40000, QByteArray(1, char(0x55)));
            return;
        }
        const auto command = static_cast<quint8>(frame.at(1));
        const int code = static_cast<quint8>(frame.at(4));
        if (command == 0xFC || command == 0xFF)
            codesHeard << code;
        if (code == silentAtCode)
            return;
        if (command == 0xFC && frame.size() == 60) {
            font.setRecord(code, frame.mid(5, 54));
            port.arrive(20, QByteArray(1, char(code == refuseAtCode ? 0x00 : 0x88)));
        } else if (command == 0xFF && frame.size() == 6) {
            const QByteArray record = font.record(code);
            quint8 check = XorOf(record);
            if (code == corruptAtCode)
                check ^= 0x01;
            port.arrive(30, record + char(check));
        }
    }
};

class FontTransfer : public test::LinkFixture {
protected:
    FontUnit unit{*port};
};

} // namespace

TEST(FontFrames, WriteCharacterZeroOfAnAllZeroTable)
{
    const QByteArray frame = WriteCharacterFrame(0x01, 0, FontTable().record(0));
    ASSERT_EQ(frame.size(), 60);
    EXPECT_EQ(frame.left(5), hex("5AFC013800"));
    EXPECT_EQ(frame.mid(5, 54), QByteArray(54, '\0'));
    EXPECT_EQ(static_cast<quint8>(frame.at(59)), 0x5A ^ 0xFC ^ 0x01 ^ 0x38);
}

TEST(FontFrames, ReadCharacterStartAndResetFrames)
{
    EXPECT_EQ(ReadCharacterFrame(0x07, 0x41), hex("5AFF070241") + char(0x5A ^ 0xFF ^ 0x07 ^ 0x02 ^ 0x41));
    EXPECT_EQ(FontFileStartFrame(), hex("5A5BFF9000"));
    EXPECT_EQ(ResetFrame(0x01), hex("5AF60101") + char(0x5A ^ 0xF6 ^ 0x01 ^ 0x01));
}

TEST_F(FontTransfer, WriteOneCharacterReportsTheReplyAndClosesThePort)
{
    const FontTable table = patternTable();
    EXPECT_TRUE(WriteOneCharacter(table, 200, 3, link, prompter).done());
    EXPECT_EQ(unit.font.record(200), table.record(200));
    EXPECT_EQ(port->writes.first(), WriteCharacterFrame(3, 200, table.record(200)));
    EXPECT_FALSE(link.isOpen());
    EXPECT_EQ(prompter.texts("message"), QStringList{QStringLiteral("下载成功")});

    unit.silentAtCode = 201;
    EXPECT_FALSE(WriteOneCharacter(table, 201, 3, link, prompter).done());
    EXPECT_EQ(prompter.texts("failure"), QStringList{QStringLiteral("下载失败")});
    EXPECT_FALSE(link.isOpen());
}

TEST_F(FontTransfer, WholeFontWriteSendsEveryCodeWithProgressThenResets)
{
    const FontTable table = patternTable();
    const auto outcome = WriteWholeFont(table, 1, link, prompter);
    EXPECT_TRUE(outcome.result.done());
    EXPECT_EQ(unit.font, table);
    ASSERT_EQ(port->writes.size(), 257);
    EXPECT_EQ(port->writes.last(), ResetFrame(1));
    EXPECT_EQ(prompter.progressSteps.size(), 256);
    EXPECT_EQ(prompter.progressSteps.at(255), 255);
    EXPECT_EQ(prompter.progressDoing, QStringLiteral("正在写入字库"));
    EXPECT_EQ(prompter.progressOpen, 0);
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("下载成功")});
    EXPECT_FALSE(link.isOpen());
}

TEST_F(FontTransfer, WholeFontWriteStopsAtTheFirstCodeNotAcknowledged)
{
    unit.refuseAtCode = 17;
    const auto outcome = WriteWholeFont(patternTable(), 1, link, prompter);
    EXPECT_FALSE(outcome.result.done());
    EXPECT_EQ(outcome.stoppedAt, 17);
    EXPECT_EQ(unit.codesHeard.size(), 18);
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("下载失败")});
    EXPECT_FALSE(link.isOpen());
    EXPECT_NE(port->writes.last(), ResetFrame(1));
}

TEST_F(FontTransfer, CancelledWholeFontWriteSaysWhereItStopped)
{
    prompter.cancelAtStep = 41; // the step for code 40
    const auto outcome = WriteWholeFont(patternTable(), 1, link, prompter);
    EXPECT_FALSE(outcome.result.done());
    EXPECT_EQ(outcome.stoppedAt, 40);
    EXPECT_EQ(unit.codesHeard.size(), 40);
    ASSERT_EQ(prompter.texts().size(), 1);
    EXPECT_TRUE(prompter.texts().first().contains(QStringLiteral("40")));
    EXPECT_FALSE(link.isOpen());
}

TEST_F(FontTransfer, WholeFontReadReturnsTheUnitsFontThenResets)
{
    unit.font = patternTable();
    const auto read = ReadWholeFont(2, link, prompter);
    ASSERT_TRUE(read.font);
    EXPECT_TRUE(read.result.done());
    EXPECT_EQ(*read.font, unit.font);
    EXPECT_EQ(port->writes.first(), ReadCharacterFrame(2, 0));
    EXPECT_EQ(port->writes.last(), ResetFrame(2));
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("读出成功")});
    EXPECT_FALSE(link.isOpen());
}

TEST_F(FontTransfer, WholeFontReadKeepsTheFontWhenItsRestartCannotBeSent)
{
    unit.font = patternTable();
    auto answer = port->onWrite;
    port->onWrite = [answer](test::MemoryPort& p, const QByteArray& bytes) {
        if (bytes == ResetFrame(2))
            throw CommError{comm::kHardwareUnavailable};
        answer(p, bytes);
    };
    const auto read = ReadWholeFont(2, link, prompter);
    ASSERT_TRUE(read.font);
    EXPECT_TRUE(read.result.done());
    EXPECT_EQ(*read.font, unit.font);
    // The read and its restart share one open of the port.
    EXPECT_EQ(port->opens, 1);
    EXPECT_EQ(prompter.texts().size(), 2);
    EXPECT_EQ(prompter.texts().last(), QStringLiteral("读出成功"));
    EXPECT_FALSE(link.isOpen());
}

TEST_F(FontTransfer, ReadTimeOutAtTheLastCodeNamesItAndKeepsNothing)
{
    unit.font = patternTable();
    unit.silentAtCode = 255;
    const FontReadOutcome read = ReadWholeFont(1, link, prompter);
    EXPECT_FALSE(read.font);
    EXPECT_EQ(read.result.kind, OutcomeKind::Failed);
    EXPECT_EQ(read.result.reason, QStringLiteral("读出错误255"));
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("读出错误255")});
    EXPECT_FALSE(link.isOpen());
    EXPECT_NE(port->writes.last(), ResetFrame(1));
}

TEST_F(FontTransfer, ReadWithAWrongCheckByteStops)
{
    unit.corruptAtCode = 3;
    EXPECT_FALSE(ReadWholeFont(1, link, prompter).font);
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("读出错误")});
    EXPECT_EQ(unit.codesHeard.size(), 4);
}

TEST_F(FontTransfer, ReadRefusesALongReply)
{
    port->onWrite = [](test::MemoryPort& p, const QByteArray&) { p.arrive(10, QByteArray(56, '\0')); };
    EXPECT_FALSE(ReadWholeFont(1, link, prompter).font);
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("读出错误0")});
}

TEST_F(FontTransfer, CancelledReadKeepsNothing)
{
    prompter.cancelAtStep = 100;
    const FontReadOutcome read = ReadWholeFont(1, link, prompter);
    EXPECT_FALSE(read.font);
    EXPECT_EQ(read.result.kind, OutcomeKind::Cancelled);
    EXPECT_EQ(unit.codesHeard.size(), 99);
    EXPECT_EQ(prompter.progressOpen, 0);
    EXPECT_FALSE(link.isOpen());
}

TEST_F(FontTransfer, PortFaultIsReportedWithTheSerialPortMessage)
{
    port->failOpenWith = comm::kPortOccupied;
    EXPECT_TRUE(ReadWholeFont(1, link, prompter).result.portFault());
    EXPECT_FALSE(WriteWholeFont(patternTable(), 1, link, prompter).result.done());
    EXPECT_FALSE(WriteOneCharacter(patternTable(), 0, 1, link, prompter).done());
    EXPECT_FALSE(StartFontDownload(link, prompter).done());
    const QString occupied = CommErrorText(comm::kPortOccupied, choice.portText());
    EXPECT_EQ(prompter.texts("error"), QStringList(4, occupied));
    EXPECT_EQ(prompter.texts("message"), QStringList());
    EXPECT_EQ(prompter.texts("failure"), QStringList());
    EXPECT_EQ(prompter.progressOpen, 0);
}

TEST_F(FontTransfer, FontDownloadWaitsLongForFiftyFive)
{
    EXPECT_TRUE(StartFontDownload(link, prompter).done());
    EXPECT_EQ(port->writes, QList<QByteArray>{FontFileStartFrame()});
    EXPECT_TRUE(prompter.texts().isEmpty());

    port->onWrite = [](test::MemoryPort& p, const QByteArray&) { p.arrive(58600, QByteArray(1, char(0x55))); };
    EXPECT_FALSE(StartFontDownload(link, prompter).done());
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown.first().kind, QStringLiteral("error"));
    EXPECT_EQ(prompter.shown.first().text, QStringLiteral("返回错误1"));
    EXPECT_EQ(prompter.shown.first().title, QStringLiteral("错误"));
    EXPECT_FALSE(link.isOpen());
}

TEST_F(FontTransfer, TheDownloadWaitShowsItsSecondsAndCanBeCancelled)
{
    port->onWrite = [](test::MemoryPort& p, const QByteArray&) { p.arrive(50000, QByteArray(1, char(0x55))); };
    prompter.cancelAtStep = 20;
    EXPECT_FALSE(StartFontDownload(link, prompter).done());
    EXPECT_TRUE(prompter.texts("error").isEmpty());
    EXPECT_EQ(prompter.progressMaximum, 58);
    EXPECT_EQ(prompter.progressSteps.size(), 20);
    EXPECT_LE(prompter.progressSteps.last(), 5);
    EXPECT_EQ(prompter.progressOpen, 0);
    EXPECT_FALSE(link.isOpen());
}

TEST_F(FontTransfer, ResetSendsItsFrameAndShowsIt)
{
    struct Echo : LinkObserver {
        void sentDataShown(const QString& text) override { shown << text; }
        void trafficLogged(const TrafficEntry&) override {}
        QStringList shown;
    } echo;
    link.setObserver(&echo);
    EXPECT_TRUE(ResetUnit(5, link, prompter).done());
    EXPECT_EQ(port->written, ResetFrame(5));
    EXPECT_EQ(echo.shown, QStringList{QStringLiteral("你刚刚发送的数据：5A F6 05 01 A8 ")});
    EXPECT_FALSE(link.isOpen());
    link.setObserver(nullptr);
}
