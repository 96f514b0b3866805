// The serial link: frame envelopes, the error table, the reply wait's rules, the
// bounded drain, and the port and baud selection handlers with their settings files.

#include "link/baud.h"
#include "link/comm_error.h"
#include "link/frames.h"
#include "link/line_session.h"
#include "link/port_map.h"
#include "link_fixture.h"
#include "test_bytes.h"

#include <QDir>
#include <QFile>

using namespace kv;
using namespace kv::test;

using kv::test::hex;

TEST(Frames, CheckByteFramesXorToZeroAndCountTheRest)
{
    const QList<QByteArray> payloads = {{}, hex("05 09"), hex("01 02 03 04 05"), QByteArray(54, '\x7F')};
    for (const QByteArray& payload : payloads) {
        const QByteArray frame = CheckByteFrame(0xF8, 0x00, payload);
        EXPECT_EQ(XorOf(frame), 0) << frame.toHex().constData();
        EXPECT_EQ(quint8(frame.at(3)), frame.size() - 4);
        EXPECT_EQ(frame.mid(4, payload.size()), payload);
    }
    EXPECT_EQ(CheckByteFrame(0xF9, 0x01), hex("5A F9 01 01 A3"));
    EXPECT_EQ(CheckByteFrame(0xF7, 0x00), hex("5A F7 00 01 AC"));
}

TEST(Frames, AddressedFrameHasNoLengthAndNoCheckByte)
{
    EXPECT_EQ(AddressedFrame(0xFF, 0x17, hex("77 04")), hex("5A 5B FF 17 77 04"));
    EXPECT_EQ(AddressedFrame(7, 0x12), hex("5A 5B 07 12"));
}

TEST(Frames, HexTexts)
{
    EXPECT_EQ(HexText(hex("05 0A")), "050A");
    EXPECT_EQ(HexText(hex("88")), "88");
    EXPECT_EQ(SpacedHexText(hex("5A 5B FF 11 00 07")), "5A 5B FF 11 00 07 ");
}

TEST(CommErrors, TableTexts)
{
    EXPECT_EQ(CommErrorText(0, "COM3"), "");
    EXPECT_EQ(CommErrorText(8002, "COM3"), "该串口不存在！");
    EXPECT_EQ(CommErrorText(8005, "COM3"), "串口COM3已被其它程序占用");
    EXPECT_EQ(CommErrorText(8012, "COM3"), "串口还没打开，先选好波特率！");
    EXPECT_EQ(CommErrorText(8018, "COM3"), "串口尚未打开!");
    EXPECT_EQ(CommErrorText(1008, "COM3"), "接收缓冲区溢出");
    EXPECT_EQ(CommErrorText(8007, "COM3"), "The Device 's baud rate is unsupported");
    EXPECT_EQ(CommErrorText(4242, "COM3"), "4242");
    EXPECT_TRUE(CommErrorText(comm::kPermissionDenied, "COM3").contains("COM3"));
    EXPECT_TRUE(CommErrorText(comm::kPermissionDenied, "COM3").contains("dialout"));
}

TEST(Baud, ChoicesAndSettings)
{
    EXPECT_EQ(BaudRate(0), 1200);
    EXPECT_EQ(BaudRate(7), 115200);
    EXPECT_EQ(BaudIndexOf("19200"), 4);
    EXPECT_EQ(BaudIndexOf("19201"), -1);
    EXPECT_EQ(LineSettingsText(9600), "9600,N,8,1");
    EXPECT_EQ(PortChoiceText(0), "关闭");
    EXPECT_EQ(PortChoiceText(12), "COM12");
}

TEST(PortChoice, NamedByCom)
{
    const QList<std::pair<QString, std::optional<int>>> cases = {
        {"COM3", 3},  {"com12", 12},         {"COM007", 7},       {"COM0", 0},
        {"COM13", 0}, {"COM99999999999", 0}, {"COM", std::nullopt}, {"COM 3", std::nullopt},
        {"/dev/ttyS0", std::nullopt},        {"", std::nullopt},
    };
    for (const auto& [name, choice] : cases)
        EXPECT_EQ(PortChoiceNamed(name), choice) << qPrintable(name);
}

class ReplyWait : public LinkFixture {
protected:
    void SetUp() override { link.ensurePortOpen(); }

    // Schedules the reply pieces after the next write: (delay after the previous piece, bytes).
    void replyAfterWrite(const QList<std::pair<int, QByteArray>>& pieces)
    {
        port->onWrite = [pieces](MemoryPort& p, const QByteArray&) {
            qint64 at = 0;
            for (const auto& [delay, bytes] : pieces) {
                at += delay;
                p.arrive(at, bytes);
            }
        };
    }
};

TEST_F(ReplyWait, OneByteReplies)
{
    replyAfterWrite({{5, hex("88")}});
    link.write(hex("5A F8 00 03 05 09 A9"));
    EXPECT_EQ(ReplyText(link.waitReply(1, 1500)), "88");
    replyAfterWrite({{5, hex("05")}});
    link.write(hex("00"));
    const Reply reply = link.waitReply(1, 1500);
    EXPECT_EQ(ReplyText(reply), "05");
    EXPECT_EQ(reply.bytes, hex("05"));
    EXPECT_TRUE(reply.ok());
}

TEST_F(ReplyWait, SilenceEndsInErrAfterTheTimeOut)
{
    link.write(hex("5A F9 01 01 A3"));
    const qint64 before = clock.now;
    const Reply reply = link.waitReply(5, 1500);
    EXPECT_EQ(reply.status, ReplyStatus::TimedOut);
    EXPECT_EQ(ReplyText(reply), "Err");
    EXPECT_GT(clock.now - before, 1500);
    EXPECT_LT(clock.now - before, 1600);
}

TEST_F(ReplyWait, BytesBeforeTheWaitAreDiscarded)
{
    port->arrive(0, hex("EE EE"));
    replyAfterWrite({{10, hex("12 34 56 78 08")}});
    link.write(hex("5A F9 01 01 A3"));
    EXPECT_EQ(ReplyText(link.waitReply(5, 1500)), "1234567808");
}

TEST_F(ReplyWait, BurstsWithinTheTimeOutSucceedEvenWhenTheWholeReplyTakesLonger)
{
    replyAfterWrite({{2000, QByteArray(30, 'a')}, {2000, QByteArray(25, 'b')}});
    link.write(hex("5A FF 01 02 00 A6"));
    const qint64 before = clock.now;
    const Reply reply = link.waitReply(55, 2500);
    EXPECT_TRUE(reply.ok());
    EXPECT_EQ(reply.bytes, QByteArray(30, 'a') + QByteArray(25, 'b'));
    EXPECT_GT(clock.now - before, 2500);
}

TEST_F(ReplyWait, ASilenceLongerThanTheTimeOutBetweenBurstsFails)
{
    replyAfterWrite({{100, QByteArray(3, 'a')}, {300, QByteArray(2, 'b')}});
    link.write(hex("00"));
    EXPECT_EQ(link.waitReply(5, 250).status, ReplyStatus::TimedOut);
}

TEST_F(ReplyWait, TooFewBytesEndInErrAndOneTooManyEndsTheWaitAtOnce)
{
    replyAfterWrite({{5, hex("12 34 56 78")}});
    link.write(hex("5A F9 01 01 A3"));
    EXPECT_EQ(ReplyText(link.waitReply(5, 1500)), "Err");

    replyAfterWrite({{5, hex("12 34 56 78 08 99")}});
    link.write(hex("5A F9 01 01 A3"));
    const qint64 before = clock.now;
    const Reply reply = link.waitReply(5, 1500);
    EXPECT_EQ(reply.status, ReplyStatus::Overflow);
    EXPECT_EQ(ReplyText(reply), "Err");
    EXPECT_LT(clock.now - before, 100) << "an overlong reply waited for the silence";
}

TEST_F(ReplyWait, AUnitThatKeepsSendingIsCutOffWithoutCollectingItAll)
{
    // Ten thousand bytes, a 1000-byte burst every 10 ms, to a 55-byte wait.
    QList<std::pair<int, QByteArray>> flood;
    for (int i = 0; i < 10; ++i)
        flood.append({10, QByteArray(1000, 'x')});
    replyAfterWrite(flood);
    link.write(hex("00"));
    const qint64 before = clock.now;
    const Reply reply = link.waitReply(55, 2500);
    EXPECT_EQ(reply.status, ReplyStatus::Overflow);
    EXPECT_LE(reply.bytes.size(), 1000);
    EXPECT_LT(clock.now - before, 100);
}

TEST_F(ReplyWait, AReplyTricklingWithinTheTimeOutCannotHoldTheWaitForever)
{
    // One byte every two seconds, each gap under the 2.5 s time-out: the 55 bytes would
    // take 110 s. The wait gives up at its overall bound instead.
    QList<std::pair<int, QByteArray>> trickle;
    for (int i = 0; i < 55; ++i)
        trickle.append({2000, QByteArray(1, char(i))});
    replyAfterWrite(trickle);
    link.write(hex("00"));
    const qint64 before = clock.now;
    const Reply reply = link.waitReply(55, 2500);
    EXPECT_EQ(reply.status, ReplyStatus::TimedOut);
    EXPECT_GE(clock.now - before, 2 * 2500 + 1000);
    EXPECT_LT(clock.now - before, 10000);
}

TEST_F(ReplyWait, ALateExtraByteAfterACompleteReplyIsNotPartOfIt)
{
    replyAfterWrite({{5, hex("88")}, {50, hex("77")}});
    link.write(hex("00"));
    EXPECT_EQ(ReplyText(link.waitReply(1, 1500)), "88");
}

TEST_F(LinkFixture, AnAnswerLaterThanItsWaitIsNotTheNextRequestsReply)
{
    // The unit echoes each request 2.5 s late; the waits give up after 1.5 s silence.
    port->onWrite = [](MemoryPort& p, const QByteArray& frame) { p.arrive(2500, frame); };
    for (const char* request : {"01", "02"}) {
        link.ensurePortOpen();
        link.write(hex(request));
        const Reply reply = link.waitReply(1, 1500);
        EXPECT_EQ(reply.status, ReplyStatus::TimedOut) << request << ": " << ReplyText(reply).toStdString();
        link.closePort();
    }
    // A cancel ends the wait for a late answer at once.
    link.ensurePortOpen();
    link.write(hex("03"));
    link.waitReply(1, 1500);
    prompter.cancelFlag().request();
    const qint64 before = clock.now;
    link.closePort();
    EXPECT_EQ(clock.now, before);
}

TEST_F(ReplyWait, TheOperatorsCancelEndsAWaitWithinAQuarterSecond)
{
    link.write(hex("5A 5B FF 90 00"));
    clock.onAdvance = [this](qint64 now) {
        if (now >= 3000)
            prompter.cancelFlag().request();
    };
    QList<qint64> progress;
    const Reply reply = link.waitReply(1, 58550, [&](qint64 waited) { progress << waited; });
    EXPECT_EQ(reply.status, ReplyStatus::Cancelled);
    EXPECT_LE(clock.now, 3000 + 250);
    ASSERT_GE(progress.size(), 8);
    for (int i = 1; i < progress.size(); ++i)
        EXPECT_LE(progress.at(i) - progress.at(i - 1), 250);
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(ReplyWait, TheTwoPartWaitEndsAtOnceWhenMoreComesThanTheHeadAnnounces)
{
    replyAfterWrite({{5, hex("00 02 07 AA BB CC")}});
    link.write(hex("00"));
    const qint64 before = clock.now;
    const Reply reply = link.waitTwoPartReply(3, 250, [](const QByteArray& head) { return int(head.at(1)); }, 150);
    EXPECT_EQ(reply.status, ReplyStatus::Overflow);
    EXPECT_LT(clock.now - before, 100);
}

TEST_F(ReplyWait, TheTwoPartTimeOutRestartsAtEveryByte)
{
    // Head: 3 bytes within 250 ms gaps; rest: 10 bytes in 140 ms gaps under 150 ms.
    // The whole reply takes 1.1 s, past both time-outs together.
    QList<std::pair<int, QByteArray>> bursts{{200, hex("00 0A")}, {200, hex("07")}};
    for (int i = 0; i < 5; ++i)
        bursts.append({140, QByteArray(2, char(i))});
    replyAfterWrite(bursts);
    link.write(hex("00"));
    const qint64 before = clock.now;
    const Reply reply = link.waitTwoPartReply(3, 250, [](const QByteArray& head) { return int(head.at(1)); }, 150);
    EXPECT_TRUE(reply.ok());
    EXPECT_EQ(reply.bytes.size(), 13);
    EXPECT_GT(clock.now - before, 250 + 150);
}

// The traffic log says what the operation made of a reply only when there was one: a
// wait that timed out, fell short or overflowed is logged by its outcome alone.
TEST_F(ReplyWait, TheLogCarriesTheOperationsReadingOfCompleteRepliesOnly)
{
    struct Log : LinkObserver {
        void sentDataShown(const QString&) override {}
        void trafficLogged(const TrafficEntry& entry) override
        {
            if (!entry.sent)
                reads << ReplyMeaning(entry);
        }
        QStringList reads;
    } log;
    link.setObserver(&log);
    const ReplyReading reading = [](const Reply&) { return QStringLiteral("校验不符"); };
    const QList<std::pair<QByteArray, QString>> cases = {
        {{}, "应答 超时 0/3 字节"},
        {hex("12 34"), "应答 超时 2/3 字节"},
        {hex("12 34 56 78"), "应答 字节过多 4/3 字节"},
        {hex("12 34 56"), "应答 完整 3/3 字节：校验不符"},
    };
    for (const auto& [bytes, meaning] : cases) {
        log.reads.clear();
        replyAfterWrite(bytes.isEmpty() ? QList<std::pair<int, QByteArray>>{} : QList{std::pair{5, bytes}});
        link.write(hex("5A F8 00 01 A3"));
        link.waitReply(3, 100, {}, reading);
        EXPECT_EQ(log.reads, QStringList{meaning}) << bytes.toHex().constData();
    }
    link.setObserver(nullptr);
}

TEST_F(LinkFixture, ACancelledDrainReturnsWithoutAnError)
{
    link.ensurePortOpen();
    port->stallOutput = true;
    link.write(QByteArray(96, '\x55'));
    clock.onAdvance = [this](qint64 now) {
        if (now >= 1500)
            prompter.cancelFlag().request();
    };
    EXPECT_FALSE(link.drainOutput());
    EXPECT_LE(clock.now, 1500 + 250);
}

// The one cancel rule of every write in a session: a cancel while a frame leaves the
// port ends the write there, and the frames after it never reach the line.
TEST_F(LinkFixture, ASessionWriteStopsAtTheFrameWhoseDrainSawTheCancel)
{
    const QList<QByteArray> frames{hex("5A 5B 06 80 00 01"), hex("A3 C1 A3 C2"), hex("5A 5B 06 24 00 05")};
    const struct {
        const char* name;
        int cancelledAt; // the frame being drained when the operator cancels; -1: none
        bool written;
        int reachingThePort;
    } cases[] = {
        {"no cancel", -1, true, 3},
        {"cancel while the first drains", 0, false, 1},
        {"cancel while the last drains", 2, false, 3},
    };
    link.ensurePortOpen();
    port->paceBaud = 9600;
    LineSession session(link);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        prompter.cancelFlag().clear();
        port->writes.clear();
        port->onWrite = [&](MemoryPort& p, const QByteArray&) {
            if (p.writes.size() == c.cancelledAt + 1)
                prompter.cancelFlag().request();
        };
        EXPECT_EQ(session.write(frames), c.written);
        EXPECT_EQ(port->writes, frames.mid(0, c.reachingThePort));
    }
}

TEST_F(LinkFixture, DrainEndsWithAnErrorWhenTheLineStalls)
{
    link.ensurePortOpen();
    port->stallOutput = true;
    link.write(QByteArray(96, '\x55'));
    try {
        link.drainOutput();
        FAIL() << "a stalled drain returned";
    } catch (const CommError& error) {
        EXPECT_EQ(error.number, comm::kDrainTimeout);
    }
    EXPECT_FALSE(link.isOpen());
}

// A port whose output leaves at the line rate on the fake clock.
class PacedLine : public LinkFixture {
protected:
    void pace(int baud)
    {
        link.setLineBaud(baud);
        link.ensurePortOpen();
        port->paceBaud = baud;
    }
};

TEST_F(PacedLine, ALongScrollAtTheSlowestRateDrainsWithinItsLimitAndAStallEndsAfterIt)
{
    // A 2000-character scroll, about 4000 bytes, is 34 s on the line at 1200 baud.
    pace(1200);
    link.write(QByteArray(4000, '\x41'));
    const qint64 before = clock.now;
    EXPECT_TRUE(link.drainOutput());
    EXPECT_EQ(port->pendingOutput(), 0);
    EXPECT_GE(clock.now - before, 33000);

    port->stallOutput = true;
    link.write(QByteArray(4000, '\x41'));
    const qint64 stalledAt = clock.now;
    EXPECT_THROW(link.drainOutput(), CommError);
    // Three times the line time and two seconds, then the error.
    EXPECT_GE(clock.now - stalledAt, 2000 + 3 * 33334);
    EXPECT_LT(clock.now - stalledAt, 2000 + 3 * 33334 + 300);
}

TEST_F(PacedLine, ClosingWaitsForTheWholeLineTimeStillOwed)
{
    // 4032 bytes: 4.2 s on the line at 9600.
    pace(9600);
    link.write(QByteArray(4032, '\x41'));
    link.closePort();
    EXPECT_EQ(port->cutAtClose, 0);
    EXPECT_GE(clock.now - 1000, 4200);
}

TEST_F(PacedLine, BackToBackWritesAddUpTheirLineTime)
{
    pace(9600);
    link.write(QByteArray(2016, '\x41'));
    link.write(QByteArray(2016, '\x42'));
    link.closePort();
    EXPECT_EQ(port->cutAtClose, 0);
    EXPECT_GE(clock.now - 1000, 4200);
}

TEST_F(LinkFixture, WritingWithNoPortOpenIsReportedAsPortNotOpen)
{
    choice.setPortChoiceQuietly(0);
    link.ensurePortOpen();
    try {
        link.write(hex("5A"));
        FAIL();
    } catch (const CommError& error) {
        EXPECT_EQ(CommErrorText(error.number, choice.portText()), "串口尚未打开!");
    }
}

TEST_F(LinkFixture, EchoShowsTheFrameInTheSentDataPane)
{
    struct Pane : LinkObserver {
        void sentDataShown(const QString& text) override { shown = text; }
        void trafficLogged(const TrafficEntry&) override {}
        QString shown;
    } pane;
    link.setObserver(&pane);
    EXPECT_EQ(Btyes2String(hex("5A F9 01 01 A3")), "5A F9 01 01 A3 ");
    LineSession(link).echo(hex("5A F9 01 01 A3"));
    EXPECT_EQ(pane.shown, "你刚刚发送的数据：5A F9 01 01 A3 ");
    link.setObserver(nullptr);
}

// --- port selection ---

TEST_F(LinkFixture, ChoosingAPortProbesItAndRemembersIt)
{
    choice.selectPort(3, prompter, ChoiceEffect::Apply);
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(port->opens, 1);
    EXPECT_EQ(port->closes, 1);
    EXPECT_EQ(port->openPaths.value(0), PortMap::defaultPath(3));
    EXPECT_EQ(fileBytes(settingsFile("COM.TXT")), "3");
    EXPECT_EQ(choice.statusText(), "  串 口：COM3  波特率：9600,N,8,1");
}

TEST_F(LinkFixture, ThePortMapDecidesTheDevicePath)
{
    ASSERT_TRUE(folder.ensureSettingsFolder());
    ASSERT_TRUE(WriteTextFile(settingsFile("COMMAP.TXT"), "COM3=/dev/ttyUSB0\r\njunk\r\nCOM99=/dev/x"));
    choice.selectPort(3, prompter, ChoiceEffect::Apply);
    EXPECT_EQ(port->openPaths.value(0), "/dev/ttyUSB0");
    PortMap map = PortMap::load(folder);
    EXPECT_EQ(map.pathFor(4), PortMap::defaultPath(4));
    map.assign(5, "/dev/ttyACM0");
    map.assign(3, "");
    EXPECT_EQ(map.fileText(), "COM5=/dev/ttyACM0");
}

TEST_F(LinkFixture, AMissingPortFallsBackToClosed)
{
    port->failOpenWith = comm::kPortMissing;
    choice.selectPort(5, prompter, ChoiceEffect::Apply);
    EXPECT_EQ(prompter.texts("error"), QStringList{"该串口不存在！"});
    EXPECT_EQ(prompter.shown.value(0).title, "错误");
    EXPECT_EQ(choice.portChoice(), 0);
    EXPECT_EQ(fileBytes(settingsFile("COM.TXT")), "0");
    EXPECT_EQ(choice.statusText(), "  串 口：关闭  波特率：9600,N,8,1");
}

TEST_F(LinkFixture, AnOccupiedPortIsReportedAndTheChoiceStays)
{
    ASSERT_TRUE(folder.ensureSettingsFolder());
    ASSERT_TRUE(WriteTextFile(settingsFile("COM.TXT"), "1"));
    port->failOpenWith = comm::kPortOccupied;
    choice.selectPort(3, prompter, ChoiceEffect::Apply);
    EXPECT_EQ(prompter.texts("error"), QStringList{"串口COM3已被其它程序占用"});
    EXPECT_EQ(choice.portChoice(), 3);
    EXPECT_EQ(fileBytes(settingsFile("COM.TXT")), "1");
}

TEST_F(LinkFixture, ChoosingClosedTouchesNoPort)
{
    choice.selectPort(0, prompter, ChoiceEffect::Apply);
    EXPECT_EQ(port->opens, 0);
    EXPECT_EQ(fileBytes(settingsFile("COM.TXT")), "0");
    EXPECT_EQ(choice.statusText(), "  串 口：关闭  波特率：9600,N,8,1");
}

TEST_F(LinkFixture, WithTheWriteAddressDialogVisibleThePortIsNotProbed)
{
    choice.selectPort(2, prompter, ChoiceEffect::ShowOnly);
    EXPECT_EQ(port->opens, 0);
    EXPECT_EQ(fileBytes(settingsFile("COM.TXT")), "2");
}

// Each way a port choice can end is its outcome: the fault's message is its reason even
// when the fall-back to "关闭" that follows it went well, and a probe that passed still
// fails when its setting cannot be kept.
TEST_F(LinkFixture, APortChoiceEndsWithTheOutcomeOfItsProbeAndItsSetting)
{
    struct Case {
        const char* name;
        int openFault;
        bool settingsBlocked;
        OutcomeKind kind;
        QString reason;
    };
    const QList<Case> cases = {
        {"probed and saved", 0, false, OutcomeKind::Done, QString()},
        {"gone", comm::kPortMissing, false, OutcomeKind::PortFault, QStringLiteral("该串口不存在！")},
        {"held by another program", comm::kPortOccupied, false, OutcomeKind::PortFault,
         QStringLiteral("串口COM4已被其它程序占用")},
        {"probed, not saved", 0, true, OutcomeKind::Failed, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        prompter.shown.clear();
        QDir(folder.settingsFolder()).removeRecursively();
        QFile::remove(folder.settingsFolder());
        if (c.settingsBlocked) {
            ASSERT_TRUE(WriteTextFile(folder.settingsFolder(), "not a folder"));
        }
        port->failOpenWith = c.openFault;
        const Outcome outcome = choice.selectPort(4, prompter, ChoiceEffect::Apply);
        EXPECT_EQ(outcome.kind, c.kind);
        if (c.kind == OutcomeKind::Done) {
            EXPECT_TRUE(prompter.shown.isEmpty());
            continue;
        }
        // The reason is the one message shown about it.
        ASSERT_FALSE(prompter.texts("error").isEmpty());
        EXPECT_EQ(outcome.reason, prompter.texts("error").first());
        if (!c.reason.isEmpty()) {
            EXPECT_EQ(outcome.reason, c.reason);
        }
    }
}

// --- baud selection ---

TEST_F(LinkFixture, ABaudChangeIsBroadcastAtTheOldRateThenTheLineFollows)
{
    choice.selectBaud(4, prompter, ChoiceEffect::Apply);
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(port->written, hex("5A 5B FF 17 77 04"));
    EXPECT_EQ(port->openBauds, QList<int>{9600});
    EXPECT_FALSE(link.isOpen());
    EXPECT_EQ(fileBytes(settingsFile("BTL.TXT")), "4");
    EXPECT_EQ(link.lineBaud(), 19200);
    EXPECT_EQ(choice.statusText(), "  串 口：COM1  波特率：19200,N,8,1");
}

TEST_F(LinkFixture, ABaudChangeThatCannotOpenThePortChangesNothing)
{
    port->failOpenWith = comm::kPortOccupied;
    choice.selectBaud(4, prompter, ChoiceEffect::Apply);
    EXPECT_EQ(prompter.texts("error"), QStringList{"串口COM1已被其它程序占用"});
    EXPECT_EQ(fileBytes(settingsFile("BTL.TXT")), "<missing>");
    EXPECT_EQ(link.lineBaud(), 9600);
}

TEST_F(LinkFixture, WithTheWriteAddressDialogVisibleABaudChangeOnlyShowsTheStatus)
{
    choice.selectBaud(5, prompter, ChoiceEffect::ShowOnly);
    EXPECT_TRUE(port->written.isEmpty());
    EXPECT_EQ(fileBytes(settingsFile("BTL.TXT")), "<missing>");
    EXPECT_EQ(link.lineBaud(), 9600);
    EXPECT_EQ(choice.statusText(), "  串 口：COM1  波特率：38400,N,8,1");
}

TEST_F(LinkFixture, WithNoPortChosenABaudChangeIsRememberedWithoutSending)
{
    choice.setPortChoiceQuietly(0);
    choice.selectBaud(6, prompter, ChoiceEffect::Apply);
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(port->opens, 0);
    EXPECT_EQ(fileBytes(settingsFile("BTL.TXT")), "6");
    EXPECT_EQ(link.lineBaud(), 57600);
}

// --- start-up restore ---

TEST_F(LinkFixture, FirstStartRestoreCreatesTheChoicesAndBroadcastsAtTheStartUpRate)
{
    choice.setPortChoiceQuietly(0);
    link.setLineBaud(115200);
    choice.startupRestore(prompter);
    EXPECT_EQ(fileBytes(settingsFile("COM.TXT")), "1");
    EXPECT_EQ(fileBytes(settingsFile("BTL.TXT")), "3");
    EXPECT_EQ(port->written, hex("5A 5B FF 17 77 03"));
    EXPECT_EQ(port->openBauds.last(), 115200);
    EXPECT_EQ(link.lineBaud(), 9600);
    EXPECT_EQ(choice.statusText(), "  串 口：COM1  波特率：9600,N,8,1");
}

TEST_F(LinkFixture, RestoreUsesTheSavedChoicesAndIgnoresUnreadableOnes)
{
    ASSERT_TRUE(folder.ensureSettingsFolder());
    ASSERT_TRUE(WriteTextFile(settingsFile("COM.TXT"), "2"));
    ASSERT_TRUE(WriteTextFile(settingsFile("BTL.TXT"), "4"));
    link.setLineBaud(115200);
    choice.startupRestore(prompter);
    EXPECT_EQ(choice.portChoice(), 2);
    EXPECT_EQ(link.lineBaud(), 19200);
    EXPECT_EQ(port->written, hex("5A 5B FF 17 77 04"));

    ASSERT_TRUE(WriteTextFile(settingsFile("BTL.TXT"), "9x"));
    choice.startupRestore(prompter);
    EXPECT_EQ(fileBytes(settingsFile("BTL.TXT")), "3");
    EXPECT_EQ(link.lineBaud(), 9600);
}
