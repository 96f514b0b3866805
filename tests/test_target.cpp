#include "admin/address_queue.h"
#include "admin_fixture.h"
#include "link/send_target.h"
#include "scroll/stored_scroll_play.h"

using namespace kv;
using kv::test::AdminFixture;
using kv::test::Bytes;
using kv::test::RecordingPrompter;

namespace {

const QString kQueueMessage =
    QStringLiteral("你选择了“按地址队列”发送方式，但尚未编辑设备地址，或没有选择对象地址！");

TargetChoice choiceOf(SendMode mode, const QString& specified = "0", const QString& queue = QString())
{
    return TargetChoice{mode, specified, queue};
}

TEST(SendTarget, BroadcastAndOneUnitCarryNoQueue)
{
    RecordingPrompter prompter;
    const auto broadcast = ResolveSendTarget(choiceOf(SendMode::Broadcast, "7", "003"), prompter);
    ASSERT_TRUE(broadcast);
    EXPECT_EQ(broadcast->address, 255);
    EXPECT_EQ(broadcast->queueFields(), QByteArray(1, '\0'));

    const auto one = ResolveSendTarget(choiceOf(SendMode::SpecifiedAddress, "7", "003"), prompter);
    ASSERT_TRUE(one);
    EXPECT_EQ(one->address, 7);
    EXPECT_EQ(one->queueCount(), 0);
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST(SendTarget, QueueModeListsTheTickedAddressesBehindTheCount)
{
    const QList<QueueEntry> queue = {{"3", "", true}, {"8", "", false}, {"15", "", true}, {"120", "", true}};
    RecordingPrompter prompter;
    const auto target =
        ResolveSendTarget(choiceOf(SendMode::AddressQueue, "0", QueueAddressString(queue)), prompter);
    ASSERT_TRUE(target);
    EXPECT_EQ(target->address, 255);
    EXPECT_EQ(target->queueFields(), Bytes({3, 0x03, 0x0F, 0x78}));
}

TEST(SendTarget, RefusesAnEmptyQueueAndUnusableSpecifiedAddresses)
{
    RecordingPrompter prompter;
    EXPECT_FALSE(ResolveSendTarget(choiceOf(SendMode::AddressQueue), prompter));
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].kind, "error");
    EXPECT_EQ(prompter.shown[0].text, kQueueMessage);
    EXPECT_EQ(prompter.shown[0].title, QString());

    for (const QString& bad : {QString(""), QString("a"), QString("-1"), QString("300")}) {
        prompter.shown.clear();
        const auto refused = ResolveSendTarget(choiceOf(SendMode::SpecifiedAddress, bad), prompter);
        EXPECT_FALSE(refused) << bad.toStdString();
        // The refusal an operation returns carries the message the operator was shown.
        EXPECT_EQ(prompter.texts("error"), QStringList{refused.refusal().reason}) << bad.toStdString();
    }
}

TEST(SendTarget, SpecifiedAddressBoxMessages)
{
    EXPECT_EQ(SpecifiedAddressMessage("300"), QStringLiteral("地址码不能大于255"));
    EXPECT_EQ(SpecifiedAddressMessage("99999999999"), QStringLiteral("地址码不能大于255"));
    EXPECT_EQ(SpecifiedAddressMessage("a"), QStringLiteral("地址码必须为0-255的十进制数"));
    EXPECT_EQ(SpecifiedAddressMessage("-1"), QStringLiteral("地址码必须为0-255的十进制数"));
    EXPECT_EQ(SpecifiedAddressMessage("0x1F"), QStringLiteral("地址码必须为0-255的十进制数"));
    EXPECT_EQ(SpecifiedAddressMessage("255"), QString());
    EXPECT_EQ(SpecifiedAddressMessage(""), QString());
}

TEST(SendTarget, OneUnitOperationsRefuseTheBroadcastAddress)
{
    RecordingPrompter prompter;
    EXPECT_TRUE(RefuseBroadcastAddress("254", prompter).done());
    const Outcome refused = RefuseBroadcastAddress("255", prompter);
    EXPECT_EQ(refused.kind, OutcomeKind::Refused);
    EXPECT_EQ(refused.reason, prompter.texts("error").value(0));
    EXPECT_EQ(prompter.texts("error"),
              QStringList{QStringLiteral("这个操作不能为广播地址，只能指定特定设备，请修改指定地址码！")});
}

class StoredScrollPlay : public AdminFixture {};

TEST_F(StoredScrollPlay, OffersThePowerOnScrollAndSixteenShortcuts)
{
    const QStringList items = StoredScrollItems();
    ASSERT_EQ(items.size(), 17);
    EXPECT_EQ(items.first(), QStringLiteral("开机滚动"));
    EXPECT_EQ(items.at(5), QStringLiteral("快捷5"));
    EXPECT_EQ(items.last(), QStringLiteral("快捷16"));
}

TEST_F(StoredScrollPlay, ShortcutFiveToUnitTwo)
{
    ASSERT_TRUE(PlayStoredScroll(5, choiceOf(SendMode::SpecifiedAddress, "2"), link, prompter).done());
    EXPECT_EQ(port->written, Bytes({0x5A, 0x5B, 0x02, 0x86, 0x01, 0x04, 0x00}));
    EXPECT_FALSE(link.isOpen());
}

TEST_F(StoredScrollPlay, PowerOnScrollToTheQueue)
{
    ASSERT_TRUE(PlayStoredScroll(0, choiceOf(SendMode::AddressQueue, "0", "003012"), link, prompter).done());
    EXPECT_EQ(port->written, Bytes({0x5A, 0x5B, 0xFF, 0x86, 0x00, 0x00, 0x02, 0x03, 0x0C}));
    ASSERT_TRUE(PlayStoredScroll(16, choiceOf(SendMode::Broadcast), link, prompter).done());
    EXPECT_EQ(port->writes.last(), Bytes({0x5A, 0x5B, 0xFF, 0x86, 0x01, 0x0F, 0x00}));
}

TEST_F(StoredScrollPlay, SendsNothingWhenRefused)
{
    EXPECT_FALSE(PlayStoredScroll(1, choiceOf(SendMode::AddressQueue), link, prompter).done());
    EXPECT_EQ(prompter.texts("error"), QStringList{kQueueMessage});
    EXPECT_EQ(port->opens, 0);
}

TEST_F(StoredScrollPlay, PortFaultIsReportedAndLeavesThePortClosed)
{
    port->failOpenWith = 8005;
    EXPECT_FALSE(PlayStoredScroll(1, choiceOf(SendMode::Broadcast), link, prompter).done());
    EXPECT_EQ(prompter.texts("error"), QStringList{QStringLiteral("串口COM1已被其它程序占用")});
    EXPECT_FALSE(link.isOpen());
}

} // namespace
