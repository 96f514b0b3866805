// The scroll parameters: selector items, the box rules, the block and GDCS.txt, and
// "设置参数" on the line.

#include "base/display_effects.h"
#include "base/position_time_checks.h"
#include "link_fixture.h"
#include "scroll/scroll_params.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

TEST(ScrollParamItems, SelectorsHoldTheirItems)
{
    EXPECT_EQ(RepetitionItems().size(), 25);
    EXPECT_EQ(RepetitionItems().at(19), QStringLiteral("20次"));
    EXPECT_EQ(RepetitionItems().at(20), QStringLiteral("30次"));
    EXPECT_EQ(RepetitionItems().last(), QStringLiteral("不停滚动"));
    EXPECT_EQ(SpeedItems().size(), 16);
    EXPECT_EQ(SpeedItems().at(8), QStringLiteral("8(默认)"));
    EXPECT_EQ(SpeedItems().last(), QStringLiteral("最慢"));
    EXPECT_EQ(BarHeightItems().size(), 46);
    EXPECT_EQ(HorizontalOffsetItems().size(), 64);
    EXPECT_EQ(ScrollBackgroundItems().size(), 7);
    EXPECT_EQ(BackgroundEffectName(16), QStringLiteral(" ⒘无背景全透明"));
    EXPECT_EQ(BackgroundEffectName(17), QString());
    EXPECT_EQ(BrightnessBackgroundByte(2, 5), 0x45);
}

TEST(NumberBoxes, RulesAndResets)
{
    struct Case {
        BoxVerdict verdict;
        const char* message;
        const char* resetTo;
    };
    const QList<Case> cases = {
        {CheckVerticalPositionBox(QStringLiteral("590")), "", ""},
        {CheckVerticalPositionBox(QString()), "", ""},
        {CheckVerticalPositionBox(QStringLiteral("591")),
         "Pal制式时，垂直位置的取值范围最大值为590，Ntsc制式时，取值范围最大值为490", "70"},
        {CheckVerticalPositionBox(QStringLiteral("12a")), "输入应为数字", "70"},
        {CheckVerticalPositionBox(QStringLiteral("-5")), "输入应为数字", "70"},
        {CheckVerticalPositionBox(QStringLiteral("99999999999")),
         "Pal制式时，垂直位置的取值范围最大值为590，Ntsc制式时，取值范围最大值为490", "70"},
        {CheckIntervalBox(QStringLiteral("60000")), "", ""},
        {CheckIntervalBox(QStringLiteral("60001")), "循环间隔时间不能大于60000秒(16.6小时)", "0"},
        {CheckIntervalBox(QStringLiteral("1.5")), "循环间隔时间必须为0-60000的十进制数", "0"},
        {CheckTimerBox(QStringLiteral("60001")), "定时时间不能大于60000秒(16.6小时)", "0"},
        {CheckTimerBox(QStringLiteral(" 1")), "定时时间必须为十进制数", "0"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.verdict.message, QString::fromUtf8(c.message));
        EXPECT_EQ(c.verdict.resetTo, QString::fromUtf8(c.resetTo));
    }
}

TEST(ScrollParamBlock, ValuesAsTheUnitReadsThem)
{
    ScrollParams p;
    p.repetition = 0;
    p.verticalPosition = QStringLiteral("400");
    p.brightness = 3;
    p.background = 6;
    p.barAbove = 45;
    p.barBelow = 2;
    p.speed = 15;
    p.horizontalOffset = 12;
    p.interval = QStringLiteral("60000");
    EXPECT_EQ(ScrollParamsBlock(p), QByteArray::fromHex("0201900306" "2D020F30" "0000EA60"));
    p.save = true;
    p.interval = QStringLiteral("30");
    EXPECT_EQ(ScrollParamsBlock(p).mid(9), QByteArray::fromHex("0001001E"));
    // The repetition index goes as index + 2: "1次" 2, "20次" 21, "30次" 22, "100次" 25, "不停滚动" 26.
    for (auto [index, sent] : {std::pair{0, 2}, {19, 21}, {20, 22}, {23, 25}, {24, 26}}) {
        p.repetition = index;
        EXPECT_EQ(quint8(ScrollParamsBlock(p).at(0)), sent);
    }
}

TEST(ScrollParamBlock, GdcsHoldsTheIndexesAndTheVideoInput)
{
    ScrollParams p;
    p.repetition = 24;
    p.verticalPosition = QStringLiteral("400");
    p.background = 6;
    p.barAbove = 10;
    p.speed = 8;
    p.horizontalOffset = 63;
    EXPECT_EQ(GdcsText(p), QStringLiteral("18019000060A00083F00"));
}

TEST(ScrollParamBlock, ProblemsBeforeSending)
{
    ScrollParams p;
    EXPECT_EQ(ScrollParamsProblem(p), QString());
    p.verticalPosition.clear();
    EXPECT_EQ(ScrollParamsProblem(p), QStringLiteral("滚动垂直位置的参数不能为空"));
    p = {};
    p.interval.clear();
    EXPECT_EQ(ScrollParamsProblem(p), QStringLiteral("循环间隔时间必须为0-60000的十进制数"));
    p = {};
    p.speed = 16;
    EXPECT_FALSE(ScrollParamsProblem(p).isEmpty());
}

class SetParameters : public LinkFixture {
protected:
    ScrollParamsOutcome set(const ScrollParams& params, const TargetChoice& choice = {})
    {
        return SetScrollParameters(params, choice, link, prompter, folder);
    }
    QString gdcs() const
    {
        QFile file(folder.settingsPath(QStringLiteral("GDCS.txt")));
        return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll()) : QStringLiteral("<missing>");
    }

};

TEST_F(SetParameters, TwoWritesBothDrainedAndGdcsWhenSaved)
{
    ScrollParams p;
    p.save = true;
    const auto outcome = set(p, {SendMode::AddressQueue, QStringLiteral("0"), QStringLiteral("003015")});
    EXPECT_TRUE(outcome.result.done());
    EXPECT_TRUE(outcome.saved);
    ASSERT_EQ(port->writes.size(), 2);
    EXPECT_EQ(port->writes.at(0), QByteArray::fromHex("5A5BFF2002030F"));
    EXPECT_EQ(port->writes.at(1), QByteArray::fromHex("1A0190000000000800" "0001001E"));
    EXPECT_EQ(gdcs(), GdcsText(p));
    EXPECT_FALSE(link.isOpen());
}

TEST_F(SetParameters, UnsavedLeavesGdcsAsItWas)
{
    ScrollParams p;
    p.save = true;
    set(p);
    const QString before = gdcs();
    p.save = false;
    p.speed = 0;
    set(p);
    EXPECT_EQ(gdcs(), before);
    EXPECT_EQ(port->writes.last().at(10), 0);
}

TEST_F(SetParameters, OutputThatNeverLeavesIsAnErrorNotASilentClose)
{
    port->stallOutput = true;
    const auto outcome = set(ScrollParams{});
    EXPECT_FALSE(outcome.result.done());
    EXPECT_EQ(prompter.texts(QStringLiteral("error")).size(), 1);
    EXPECT_FALSE(link.isOpen());
}

TEST_F(SetParameters, InvalidBoxesSendNothing)
{
    ScrollParams p;
    p.verticalPosition = QStringLiteral("591");
    EXPECT_FALSE(set(p).result.done());
    p = {};
    p.interval = QStringLiteral("abc");
    EXPECT_FALSE(set(p).result.done());
    EXPECT_EQ(prompter.texts(QStringLiteral("error")),
              (QStringList{QStringLiteral("Pal制式时，垂直位置的取值范围最大值为590，Ntsc制式时，取值范围最大值为490"),
                           QStringLiteral("循环间隔时间必须为0-60000的十进制数")}));
    EXPECT_EQ(port->opens, 0);
}
