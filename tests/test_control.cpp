// Device control and display tests against the in-memory port: the bytes of every
// control and test frame, the questions and checks that stop a send, and the replies of
// the storing and crosshair commands.

#include "control/control_frame.h"
#include "control/device_menu.h"
#include "control/display_items.h"
#include "control/display_test.h"
#include "control/screen_setup.h"
#include "control/test_selectors.h"
#include "link/comm_error.h"
#include "link_fixture.h"
#include "test_bytes.h"

#include <QDir>
#include <QFile>

using namespace kv;
using kv::test::hex;
using kv::test::MemoryPort;
using kv::test::withCheck;

namespace {

const QString kCodesNotDecimal = QStringLiteral("输入必须是十进制数值0～255,字符代码之间用\",\"隔开");
const QString kCodeTooLarge = QStringLiteral("输入必须是十进制数且不能大于255");
const QString kTooManyCodes = QStringLiteral("当前输入的字符代码太多，这个测试只限制在同一行显示");
const QString kStoreFailed = QStringLiteral("设置失败，请检查串口号是否或波特率正确或连接是否良好");

TargetChoice oneUnit(int address)
{
    return {SendMode::SpecifiedAddress, QString::number(address), {}};
}

class Control : public kv::test::LinkFixture {
protected:
    const DeviceMenuItem& item(int number) { return *DeviceMenuItemNumbered(number); }
    // The unit answers a check-byte frame of this code with these bytes.
    void answer(quint8 code, const QByteArray& reply)
    {
        replies[code] = reply;
        port->onWrite = [this](MemoryPort& memory, const QByteArray& frame) {
            if (frame.size() > 1 && replies.contains(quint8(frame.at(1))))
                memory.arrive(5, replies.value(quint8(frame.at(1))));
        };
    }
    QMap<quint8, QByteArray> replies;
};

} // namespace

TEST_F(Control, MenuFramesReachTheChosenTargets)
{
    ASSERT_TRUE(SendMenuFrame(item(15), oneUnit(3), link, prompter).done());
    EXPECT_EQ(port->writes, QList<QByteArray>{hex("5A5B03 13 00 10 00")});

    port->writes.clear();
    const TargetChoice queue{SendMode::AddressQueue, "0", "004009"};
    ASSERT_TRUE(SendMenuFrame(item(10), queue, link, prompter).done());
    EXPECT_EQ(port->writes, (QList<QByteArray>{hex("5A5BFF 15 05 02"), hex("0409")}));

    // Each item that only sends, and what it sends to every unit.
    const QList<std::pair<int, QByteArray>> frames = {
        {8, hex("5A5BFF 19 00 00")},    {9, hex("5A5BFF 19 01 00")},    {10, hex("5A5BFF 15 05 00")},
        {11, hex("5A5BFF 13 00 08 00")}, {12, hex("5A5BFF 13 00 0A 00")}, {13, hex("5A5BFF 13 00 0C 00")},
        {14, hex("5A5BFF 13 00 0D 00")}, {15, hex("5A5BFF 13 00 10 00")}, {16, hex("5A5BFF 13 00 0E 00")},
        {17, hex("5A5BFF 13 00 0F 00")}, {18, hex("5A5BFF 13 00 09 00")}, {19, hex("5A5BFF 13 00 0A 00")},
        {20, hex("5A5BFF 13 00 11 00")},
    };
    for (const auto& [number, frame] : frames) {
        port->writes.clear();
        EXPECT_TRUE(SendMenuFrame(item(number), TargetChoice{}, link, prompter).done()) << number;
        EXPECT_EQ(port->writes, QList<QByteArray>{frame}) << number;
    }
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(Control, MenuCaptionsSkipTwoAndThreeAndTheLabelDropsTheNumber)
{
    QList<int> numbers;
    for (const DeviceMenuItem& entry : DeviceMenuItems())
        numbers << entry.number;
    EXPECT_EQ(numbers, (QList<int>{1, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 0}));
    EXPECT_EQ(DeviceMenuItemNumbered(2), nullptr);
    EXPECT_EQ(DeviceMenuItemNumbered(0), nullptr);
    EXPECT_EQ(item(8).caption, QStringLiteral("⒏ 关闭字幕"));
    EXPECT_EQ(LastOperationText(item(10)), QStringLiteral(" 设备重启"));
    // Only a number sign goes: the help item has none and keeps its whole caption.
    EXPECT_EQ(LastOperationText(DeviceMenuItems().last()), QStringLiteral("使用帮助"));
}

TEST_F(Control, DeletingThePowerOnDisplaysAsksFirst)
{
    EXPECT_FALSE(DeletePowerOnDisplays(oneUnit(2), link, prompter).done());
    EXPECT_TRUE(port->writes.isEmpty());
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown.first().text, QStringLiteral("这个操作将删除所有的开机显示信息，确定吗？"));
    EXPECT_EQ(prompter.shown.first().title, QString());

    prompter.answers = {true};
    EXPECT_TRUE(DeletePowerOnDisplays(oneUnit(2), link, prompter).done());
    EXPECT_EQ(port->writes, QList<QByteArray>{hex("5A5B02 15 06 00")});
}

TEST_F(Control, DisplayItemEntriesKeepSendOnlyUntilRestartOrLeave)
{
    const QStringList entries = DisplayItemEntries();
    ASSERT_EQ(entries.size(), 18);
    EXPECT_EQ(entries.at(7), QStringLiteral("全部打开（保存）"));
    EXPECT_EQ(entries.at(8), QString(21, ' ') + QStringLiteral("取消退出"));
    EXPECT_EQ(entries.at(13), QStringLiteral("仅开台标（不保存）"));
    EXPECT_EQ(entries.at(16), QStringLiteral("全部打开（不保存）"));
    EXPECT_EQ(entries.at(17), entries.at(8));

    const QList<std::pair<int, QByteArray>> sends = {
        {0, hex("5A5BFF 13 01 00 00")}, {7, hex("5A5BFF 13 01 07 00")}, {9, hex("5A5BFF 13 00 00 00")},
        {15, hex("5A5BFF 13 00 06 00")}, {16, hex("5A5BFF 13 00 07 00")},
    };
    for (const auto& [entry, frame] : sends) {
        port->writes.clear();
        EXPECT_TRUE(ChooseDisplayItem(entry, TargetChoice{}, link, prompter).done()) << entry;
        EXPECT_EQ(port->writes, QList<QByteArray>{frame}) << entry;
    }
    port->writes.clear();
    for (int entry : {8, 17, 18, -1})
        EXPECT_TRUE(ChooseDisplayItem(entry, TargetChoice{}, link, prompter).done());
    EXPECT_TRUE(port->writes.isEmpty());
}

TEST_F(Control, AnEmptyQueueOrAPortFaultStopsAControlSend)
{
    EXPECT_FALSE(SendMenuFrame(item(8), TargetChoice{SendMode::AddressQueue, "0", ""}, link, prompter).done());
    EXPECT_EQ(prompter.texts("error").size(), 1);
    prompter.shown.clear();

    port->failOpenWith = comm::kPortOccupied;
    EXPECT_FALSE(SendMenuFrame(item(8), TargetChoice{}, link, prompter).done());
    EXPECT_EQ(prompter.texts("error"), QStringList{QStringLiteral("串口COM1已被其它程序占用")});
    EXPECT_FALSE(link.isOpen());
    EXPECT_TRUE(port->written.isEmpty());
}

TEST_F(Control, DisplayTestSendsTheCodesAndShowsTheFrame)
{
    ASSERT_TRUE(RunDisplayTest(DisplayTestInput{}, link, prompter).done());
    EXPECT_EQ(port->writes, QList<QByteArray>{withCheck(hex("5AF401 06 05 0C 48 49 4A"))});
    EXPECT_TRUE(prompter.shown.isEmpty());

    port->writes.clear();
    ASSERT_TRUE(RunDisplayTest({"9", 0, 0, " 0, 255"}, link, prompter).done());
    EXPECT_EQ(port->writes, QList<QByteArray>{withCheck(hex("5AF409 05 00 00 00 FF"))});
}

TEST_F(Control, TheCodeBoxRefusesBadEntriesAndLinesTooLong)
{
    const QString ten = QStringLiteral("1,2,3,4,5,6,7,8,9,10");
    EXPECT_EQ(TestCodes(ten, 22, prompter)->size(), 10);
    EXPECT_FALSE(TestCodes(ten + ",11", 22, prompter));
    EXPECT_EQ(TestCodes(QStringList(32, "65").join(','), 0, prompter)->size(), 32);

    struct Case {
        QString text;
        QString message;
    };
    const QList<Case> cases = {
        {"256", kCodeTooLarge},       {"72,99999999999", kCodeTooLarge}, {"a", kCodesNotDecimal},
        {"72,,74", kCodesNotDecimal}, {"", kCodesNotDecimal},             {"-1", kCodesNotDecimal},
        {"7.5", kCodesNotDecimal},    {"a,256", kCodesNotDecimal},
    };
    prompter.shown.clear();
    for (const Case& c : cases) {
        prompter.shown.clear();
        EXPECT_FALSE(TestCodes(c.text, 0, prompter)) << c.text.toStdString();
        EXPECT_EQ(prompter.texts("failure"), QStringList{c.message}) << c.text.toStdString();
    }
    prompter.shown.clear();
    EXPECT_FALSE(RunDisplayTest({"1", 5, 22, ten + ",11"}, link, prompter).done());
    EXPECT_EQ(prompter.texts("failure"), QStringList{kTooManyCodes});
    EXPECT_TRUE(port->written.isEmpty());
}

TEST_F(Control, TestFramesWithoutReply)
{
    ASSERT_TRUE(SetTestAttribute("1", 5, 12, 6, link, prompter).done());
    ASSERT_TRUE(ShowCharacterHalf("2", CharacterHalf::First128, link, prompter).done());
    ASSERT_TRUE(ShowCharacterHalf("2", CharacterHalf::Last128, link, prompter).done());
    ASSERT_TRUE(ClearTestScreen("1", 0, link, prompter).done());
    ASSERT_TRUE(ClearTestScreen("1", 16, link, prompter).done());
    ASSERT_TRUE(SetScreenOffset("1", Offset::Horizontal, 63, link, prompter).done());
    ASSERT_TRUE(SetScreenOffset("1", Offset::Vertical, 31, link, prompter).done());
    ASSERT_TRUE(TryVideoMode("1", 5, link, prompter).done());
    EXPECT_EQ(port->writes, (QList<QByteArray>{
                                withCheck(hex("5AF501 04 05 0C 06")), withCheck(hex("5AFA02 01")),
                                withCheck(hex("5AFB02 01")), withCheck(hex("5AF101 02 00")),
                                withCheck(hex("5AF101 02 10")), withCheck(hex("5AF201 02 3F")),
                                withCheck(hex("5AF301 02 1F")), withCheck(hex("5AF001 02 05")),
                            }));
    for (const QByteArray& frame : port->writes)
        EXPECT_EQ(frame.size() - 4, quint8(frame.at(3)));

    port->writes.clear();
    EXPECT_FALSE(ClearTestScreen("0", 0, link, prompter).done());
    EXPECT_EQ(prompter.texts("error").size(), 1);
    EXPECT_TRUE(port->writes.isEmpty());
}

TEST_F(Control, StoringAnswersSuccessOnlyFor88)
{
    answer(0xE3, hex("88"));
    EXPECT_TRUE(StoreVideoMode(3, link, prompter).done());
    EXPECT_EQ(port->writes.last(), withCheck(hex("5AE300 02 03")));
    EXPECT_EQ(prompter.texts("message"), QStringList{QStringLiteral("设置成功")});

    for (const QByteArray& reply : {QByteArray(), hex("55"), hex("8888")}) {
        prompter.shown.clear();
        answer(0xE3, reply);
        EXPECT_FALSE(StoreVideoMode(0, link, prompter).done());
        EXPECT_EQ(prompter.texts("failure"), QStringList{kStoreFailed}) << reply.toHex().toStdString();
    }
    EXPECT_FALSE(link.isOpen());
}

TEST_F(Control, StoredScreenSettingsCountRowAndColumnFromOne)
{
    answer(0xE0, hex("88"));
    ASSERT_TRUE(StoreScreenSettings({30, 18, 4, 0, 0}, link, prompter).done());
    const QByteArray frame = port->writes.last();
    EXPECT_EQ(frame, withCheck(hex("5AE000 06 1E 12 04 02 03")));
    EXPECT_EQ(quint8(frame.at(7)), 0x02);
    EXPECT_EQ(quint8(frame.at(8)), 0x03);
    ASSERT_TRUE(StoreScreenSettings({}, link, prompter).done());
    EXPECT_EQ(port->writes.last(), withCheck(hex("5AE000 06 1E 12 00 07 0F")));
}

TEST_F(Control, CrosshairStepsStayWithinTheShapes)
{
    struct Case {
        int reported;
        CrosshairStep step;
        int written;
    };
    for (const Case& c : {Case{21, CrosshairStep::Next, 21}, Case{4, CrosshairStep::Next, 5},
                          Case{4, CrosshairStep::Previous, 3}, Case{0, CrosshairStep::Previous, 0},
                          Case{199, CrosshairStep::Previous, 21}, Case{255, CrosshairStep::Next, 21}}) {
        port->writes.clear();
        prompter.shown.clear();
        replies.clear();
        answer(0xE1, QByteArray(1, char(c.reported)));
        answer(0xE2, QByteArray(1, char(c.written)));
        const CrosshairOutcome outcome = StepCrosshair(c.step, link, prompter);
        EXPECT_EQ(outcome.shape, c.written) << c.reported;
        EXPECT_TRUE(outcome.result.done());
        EXPECT_EQ(port->writes, (QList<QByteArray>{withCheck(hex("5AE100 01")),
                                                   withCheck(QByteArray(hex("5AE20002")) + char(c.written))}))
            << c.reported;
        EXPECT_TRUE(prompter.shown.isEmpty());
    }
}

TEST_F(Control, CrosshairSilenceOrAWrongEchoIsACommunicationError)
{
    EXPECT_FALSE(StepCrosshair(CrosshairStep::Next, link, prompter).shape);
    EXPECT_EQ(port->writes.size(), 1);
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown.first().kind, "error");
    EXPECT_EQ(prompter.shown.first().text, QStringLiteral("通信错误"));
    EXPECT_EQ(prompter.shown.first().title, QStringLiteral("错误"));

    prompter.shown.clear();
    answer(0xE1, hex("05"));
    answer(0xE2, hex("07"));
    const CrosshairOutcome outcome = StepCrosshair(CrosshairStep::Next, link, prompter);
    EXPECT_EQ(outcome.shape, 6);
    EXPECT_FALSE(outcome.result.done());
    EXPECT_EQ(prompter.texts("error"), QStringList{QStringLiteral("通信错误")});
    EXPECT_FALSE(link.isOpen());

    prompter.shown.clear();
    EXPECT_EQ(ReadCrosshairShape(link, prompter).shape, 5);
    EXPECT_TRUE(prompter.shown.isEmpty());

    // A reported shape past the last is no reading.
    for (int reported : {21, 22, 200, 255}) {
        prompter.shown.clear();
        answer(0xE1, QByteArray(1, char(reported)));
        const CrosshairOutcome read = ReadCrosshairShape(link, prompter);
        EXPECT_EQ(read.shape, reported <= 21 ? std::optional<int>(reported) : std::nullopt) << reported;
        EXPECT_EQ(read.result.done(), reported <= 21) << reported;
        EXPECT_EQ(prompter.texts("error"), reported <= 21 ? QStringList{} : QStringList{QStringLiteral("通信错误")})
            << reported;
    }
}

TEST(TestSelectors, ItemsAndStartUpChoices)
{
    EXPECT_EQ(RowSelector().items.size(), 11);
    EXPECT_EQ(RowSelector().items.at(RowSelector().startIndex), "8");
    EXPECT_EQ(ColumnSelector().items.size(), 23);
    EXPECT_EQ(ColumnSelector().items.at(ColumnSelector().startIndex), "16");
    EXPECT_EQ(IndexOfShown(ColumnSelector(), "26"), 22);
    EXPECT_EQ(IndexOfShown(ColumnSelector(), "27"), -1);
    EXPECT_EQ(ShapeSelector().items.size(), 22);
    EXPECT_EQ(HorizontalOffsetSelector().items.at(HorizontalOffsetSelector().startIndex), "30");
    EXPECT_EQ(VerticalOffsetSelector().items.at(VerticalOffsetSelector().startIndex), "18");
    EXPECT_EQ(ClearSelector().items.size(), 17);
    EXPECT_EQ(ClearSelector().items.at(ClearSelector().startIndex), QStringLiteral("清全屏"));
    EXPECT_EQ(ClearSelector().items.first(), QStringLiteral("1行"));
    EXPECT_EQ(VideoModeSelector().items,
              (QStringList{"PAL模式,内外频自动切换", "PAL模式,仅使用内频", "PAL模式,仅使用外频",
                           "NTSC模式,内外频自动切换", "NTSC模式,仅使用内频", "NTSC模式,仅使用外频"}));
    EXPECT_EQ(AttributeSelector().items.at(6), QStringLiteral("闪烁+黑背景"));
}
