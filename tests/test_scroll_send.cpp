// The send buttons of the scroll modes: the writes on the line byte by byte, the
// display timer, the refusals that send nothing, and the editor's mode switching.

#include "base/numbered_list.h"
#include "base/record_store.h"
#include "base/send_modes.h"
#include "link_fixture.h"
#include "scroll/scroll_send.h"
#include "test_bytes.h"

#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

using kv::test::hex;

namespace {
TargetChoice unit(const char* address)
{
    return {SendMode::SpecifiedAddress, QString::fromLatin1(address), QString()};
}

TargetChoice queue(const char* addresses)
{
    return {SendMode::AddressQueue, QStringLiteral("0"), QString::fromLatin1(addresses)};
}
} // namespace

class ScrollSend : public LinkFixture {
protected:
    ScrollSendOutcome send(const ScrollSendRequest& request)
    {
        return SendScroll(request, link, prompter, store, cache);
    }

    ScrollSendRequest builtIn(int mode, const QString& text)
    {
        ScrollSendRequest request;
        request.mode = mode;
        request.editorText = text;
        request.target = unit("7");
        return request;
    }

    ScrollSendRequest entry(int mode, const QString& number)
    {
        ScrollSendRequest request;
        request.mode = mode;
        request.entryNumber = number;
        request.target = unit("2");
        return request;
    }

    void expectNothingSent()
    {
        EXPECT_TRUE(port->writes.isEmpty());
        EXPECT_EQ(port->opens, 0);
    }

    RecordStore store{folder};
    ScrollTextCache cache;
};

TEST_F(ScrollSend, RefreshInTheLargeFontSendsThreeWrites)
{
    const auto outcome = send(builtIn(kModeLargeFont, QStringLiteral("A 中  \r\n")));
    EXPECT_TRUE(outcome.result.done());
    EXPECT_FALSE(outcome.timerSent);
    ASSERT_EQ(port->writes.size(), 3);
    EXPECT_EQ(port->writes.at(0), hex("5A5B07220000"));
    EXPECT_EQ(port->writes.at(1), hex("000006"));
    EXPECT_EQ(port->writes.at(2), hex("A3C1A1A1D6D0"));
    EXPECT_FALSE(link.isOpen());
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(ScrollSend, AppendSmallFontPowerOnAndQueue)
{
    auto request = builtIn(kModeSmallFont, QStringLiteral("AB"));
    request.secondButton = true;
    request.powerOn = true;
    request.target = queue("003015120");
    send(request);
    ASSERT_EQ(port->writes.size(), 3);
    EXPECT_EQ(port->writes.at(0), hex("5A5BFF220301030F78"));
    EXPECT_EQ(port->writes.at(1), hex("210004"));
    EXPECT_EQ(port->writes.at(2), hex("A3C1A3C2"));
}

TEST_F(ScrollSend, PowerOnTurnsTheLargeFontFlagInto0x20)
{
    auto request = builtIn(kModeLargeFont, QStringLiteral("A"));
    request.powerOn = true;
    send(request);
    ASSERT_EQ(port->writes.size(), 3);
    EXPECT_EQ(port->writes.at(1), hex("200002"));
}

TEST_F(ScrollSend, SentTextIsKeptInTheModesRecordWithCrLfBreaks)
{
    send(builtIn(kModeSmallFont, QStringLiteral("一\n二")));
    EXPECT_EQ(store.readText(QStringLiteral("Fszk_Gdx")), QStringLiteral("一\r\n二"));
    EXPECT_FALSE(store.exists(QStringLiteral("Fszk_Gdd")));
    EXPECT_EQ(cache.textFor(kModeSmallFont, store), QStringLiteral("一\r\n二"));
    // The unit gets the CR LF as two A1 bytes.
    EXPECT_EQ(port->writes.at(2), hex("D2BBA1A1B6FE"));
}

TEST_F(ScrollSend, TimerFollowsTheSendToTheSameTarget)
{
    auto request = builtIn(kModeLargeFont, QStringLiteral("A"));
    request.timer = QStringLiteral("300");
    request.target = queue("009");
    const qint64 before = clock.now;
    const auto outcome = send(request);
    EXPECT_TRUE(outcome.timerSent);
    ASSERT_EQ(port->writes.size(), 4);
    EXPECT_EQ(port->writes.at(3), hex("5A5BFF2401012C0109"));
    EXPECT_GE(clock.now - before, 20);
    EXPECT_EQ(port->opens, 2);
    EXPECT_FALSE(link.isOpen());
}

TEST_F(ScrollSend, TimerOfZeroOrEmptySendsNoTimedDisplay)
{
    for (const char* timer : {"0", ""}) {
        port->writes.clear();
        auto request = builtIn(kModeLargeFont, QStringLiteral("A"));
        request.timer = QString::fromLatin1(timer);
        EXPECT_FALSE(send(request).timerSent);
        EXPECT_EQ(port->writes.size(), 3) << timer;
    }
}

TEST_F(ScrollSend, RefusalsSendNothing)
{
    struct Case {
        ScrollSendRequest request;
        QString message;
    };
    auto tooLong = builtIn(kModeLargeFont, QString(2001, QLatin1Char('x')));
    auto emoji = builtIn(kModeLargeFont, QStringLiteral("好😀"));
    auto badTimer = builtIn(kModeLargeFont, QStringLiteral("A"));
    badTimer.timer = QStringLiteral("60001");
    auto wordTimer = builtIn(kModeLargeFont, QStringLiteral("A"));
    wordTimer.timer = QStringLiteral("5s");
    auto emptyQueue = builtIn(kModeLargeFont, QStringLiteral("A"));
    emptyQueue.target = queue("");
    const QList<Case> cases = {
        {tooLong, QStringLiteral("超出范围，最多能发送2000个字符")},
        {emoji, QStringLiteral("字符“😀”(U+1F600)没有设备字符代码，无法发送，请删除或替换该字符")},
        {badTimer, QStringLiteral("定时时间不能大于60000秒(16.6小时)")},
        {wordTimer, QStringLiteral("定时时间必须为十进制数")},
        {emptyQueue, QStringLiteral("你选择了“按地址队列”发送方式，但尚未编辑设备地址，或没有选择对象地址！")},
        {entry(kModeLargePictureMessage, QString()), QStringLiteral("先选择要发送的信息")},
        {entry(kModeLargePictureMessage, QStringLiteral("0")), QStringLiteral("先选择要发送的信息")},
        {entry(kModeSmallPictureMessage, QStringLiteral("2.5")), QStringLiteral("先选择要发送的信息")},
        {entry(kModeSmallPictureMessage, QStringLiteral("-1")), QStringLiteral("先选择要发送的信息")},
        {entry(kModeSmallPictureMessage, QStringLiteral("31")), QStringLiteral("先选择要发送的信息")},
        {entry(kModeShortcut, QStringLiteral("17")), QStringLiteral("先选择要发送的信息")},
    };
    for (const Case& c : cases) {
        prompter.shown.clear();
        const auto outcome = send(c.request);
        EXPECT_FALSE(outcome.result.done());
        EXPECT_EQ(prompter.texts(QStringLiteral("error")), QStringList{c.message});
    }
    expectNothingSent();
    EXPECT_FALSE(store.exists(QStringLiteral("Fszk_Gdd")));
}

TEST_F(ScrollSend, EntryTwoThousandCharactersAndABreakStillGo)
{
    const auto outcome = send(builtIn(kModeLargeFont, QString(2000, QChar(0x4E2D)) + QStringLiteral("\r\n")));
    EXPECT_TRUE(outcome.result.done());
    EXPECT_EQ(port->writes.at(1), hex("000FA0"));
}

TEST_F(ScrollSend, PictureMessageRefreshSendsTheQueueAsASecondWrite)
{
    auto request = entry(kModeLargePictureMessage, QStringLiteral("3"));
    request.target = queue("003015");
    send(request);
    ASSERT_EQ(port->writes.size(), 2);
    EXPECT_EQ(port->writes.at(0), hex("5A5BFF8300020002"));
    EXPECT_EQ(port->writes.at(1), hex("030F"));
}

TEST_F(ScrollSend, PictureMessageCalls)
{
    send(entry(kModeSmallPictureMessage, QStringLiteral("30")));
    auto append = entry(kModeSmallPictureMessage, QStringLiteral("1"));
    append.secondButton = true;
    append.target = queue("045");
    send(append);
    ASSERT_EQ(port->writes.size(), 2);
    EXPECT_EQ(port->writes.at(0), hex("5A5B0283011D0000"));
    EXPECT_EQ(port->writes.at(1), hex("5A5BFF8501000001" "2D"));
}

TEST_F(ScrollSend, ShortcutCallAndPowerOnShortcut)
{
    auto request = entry(kModeShortcut, QStringLiteral("16"));
    request.timer = QStringLiteral("5");
    send(request);
    request.secondButton = true;
    request.timer = QStringLiteral("0");
    request.target = queue("001");
    send(request);
    ASSERT_EQ(port->writes.size(), 3);
    EXPECT_EQ(port->writes.at(0), hex("5A5B02870F0000"));
    EXPECT_EQ(port->writes.at(1), hex("5A5B02240000050" "1"));
    EXPECT_EQ(port->writes.at(2), hex("5A5BFF870F010101"));
}

TEST_F(ScrollSend, PortFaultIsShownAndNothingIsKept)
{
    port->failOpenWith = 8005;
    const auto outcome = send(builtIn(kModeLargeFont, QStringLiteral("A")));
    EXPECT_FALSE(outcome.result.done());
    EXPECT_EQ(prompter.texts(QStringLiteral("error")).size(), 1);
    EXPECT_FALSE(store.exists(QStringLiteral("Fszk_Gdd")));
}

class ModeSelection : public ScrollSend {};

TEST_F(ModeSelection, BuiltInFontModesShowTheirLastText)
{
    QString error;
    store.write(QStringLiteral("Fszk_Gdd"), QStringLiteral("上次大号"), &error);
    EXPECT_EQ(*SelectSendMode(kModeLargeFont, QStringLiteral("0"), cache, store, prompter).editorText,
              QStringLiteral("上次大号"));
    EXPECT_EQ(*SelectSendMode(kModeSmallFont, QStringLiteral("0"), cache, store, prompter).editorText, QString());
}

TEST_F(ModeSelection, EntryModesLoadTheirListShortened)
{
    QString error;
    store.writeLines(QStringLiteral("ZhKj16"), {QStringLiteral("[01]:大号>> [") + QString(70, QLatin1Char('x')) + QStringLiteral("] ")},
                     &error);
    const auto selection = SelectSendMode(kModeShortcut, QStringLiteral("3"), cache, store, prompter);
    ASSERT_TRUE(selection.editorText);
    // The one-line list is made whole: 16 entries, the first as it was.
    EXPECT_EQ(selection.entries.size(), 16);
    const QString firstShown = selection.editorText->split(QStringLiteral("\r\n")).first();
    EXPECT_TRUE(firstShown.endsWith(QStringLiteral(" …")));
    EXPECT_EQ(ShortenListLine(selection.entries.first()), firstShown);
}

TEST_F(ModeSelection, EntryModesRefuseTheBroadcastAddress)
{
    for (int mode : {kModeLargePictureMessage, kModeSmallPictureMessage, kModeShortcut}) {
        prompter.shown.clear();
        const auto selection = SelectSendMode(mode, QStringLiteral("255"), cache, store, prompter);
        EXPECT_FALSE(selection.editorText);
        EXPECT_TRUE(selection.entries.isEmpty());
        EXPECT_EQ(prompter.texts(QStringLiteral("error")), QStringList{QStringLiteral("这个操作只能制定特定设备")});
    }
    EXPECT_FALSE(store.exists(QStringLiteral("DXD")));
}

TEST(SendModes, ListTextsAndButtonCaptions)
{
    ASSERT_EQ(SendModeNames().size(), 10);
    EXPECT_EQ(SendModeNames().at(4), QStringLiteral("滚动—组合快捷信息"));
    EXPECT_EQ(SendModeNames().at(9), QStringLiteral("静止—内置小号字库"));
    EXPECT_EQ(CurrentSendModeLabel(1), QStringLiteral("当前发送模式 >> 滚动—内置小号字库"));
    EXPECT_EQ(SecondSendButtonText(4), QStringLiteral("设为开机"));
    EXPECT_EQ(SecondSendButtonText(2), QStringLiteral("追加发送"));
}
