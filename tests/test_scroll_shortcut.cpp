// Combination shortcuts: composing segments in the editor, the content and frame 0x80
// on the line, the record of descriptions, and the refusals that send nothing.

#include "base/bounded_read.h"
#include "base/numbered_list.h"
#include "base/record_store.h"
#include "base/send_modes.h"
#include "link_fixture.h"
#include "scroll/entry_list.h"
#include "scroll/shortcut_content.h"
#include "scroll/shortcut_editor.h"
#include "scroll/shortcut_save.h"
#include "scroll/shortcut_segments.h"
#include "test_bytes.h"

#include <QFileInfo>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {
using Mode = ShortcutEditor::Mode;

bool addIn(ShortcutEditor& editor, Mode mode, const QString& input, Prompter& prompter)
{
    editor.setMode(mode);
    return editor.add(input, prompter).added;
}
} // namespace

class ShortcutEditing : public ::testing::Test {
protected:
    ShortcutEditor editor;
    RecordingPrompter prompter;
};

TEST_F(ShortcutEditing, CharacterSegmentsUpTo510CharactersWithBreaksAsSpaces)
{
    EXPECT_EQ(editor.prompt(), QStringLiteral("输入要插入的字符："));
    EXPECT_TRUE(addIn(editor, Mode::Characters, QString(510, QChar(0x4E2D)), prompter));
    const auto refused = editor.add(QString(511, QLatin1Char('a')), prompter);
    EXPECT_FALSE(refused.added);
    EXPECT_FALSE(refused.clearInput);
    EXPECT_TRUE(addIn(editor, Mode::Characters, QStringLiteral("一\r\n二\n三"), prompter));
    EXPECT_FALSE(addIn(editor, Mode::Characters, QString(), prompter));
    EXPECT_EQ(prompter.texts(QStringLiteral("error")),
              QStringList({QStringLiteral("每段字符数不能大于510个，请安排分段插入"),
                           QStringLiteral("没有要添加的字符，请输入")}));
    ASSERT_EQ(editor.segments().size(), 2);
    EXPECT_EQ(editor.segments().at(1), QStringLiteral("Chr:一 二 三"));
}

TEST_F(ShortcutEditing, CharacterWithoutUnitCodeIsRefusedByName)
{
    EXPECT_FALSE(addIn(editor, Mode::Characters, QStringLiteral("A\U0001F600"), prompter));
    ASSERT_EQ(prompter.texts().size(), 1);
    EXPECT_TRUE(prompter.texts().first().contains(QStringLiteral("\U0001F600")));
    EXPECT_TRUE(editor.segments().isEmpty());
}

TEST_F(ShortcutEditing, PictureNumbersOneToThirty)
{
    editor.setMode(Mode::PictureMessage);
    EXPECT_EQ(editor.prompt(), QStringLiteral("输入插入短信编号："));
    EXPECT_TRUE(editor.add(QStringLiteral("30"), prompter).added);
    EXPECT_TRUE(editor.add(QStringLiteral("1"), prompter).added);
    for (const char* bad : {"31", "0", "-1", "", "3a", "2.5"}) {
        const auto outcome = editor.add(QString::fromLatin1(bad), prompter);
        EXPECT_FALSE(outcome.added) << bad;
        // A refused number is cleared from the input box.
        EXPECT_TRUE(outcome.clearInput) << bad;
    }
    EXPECT_EQ(editor.segments(), QStringList({QStringLiteral("Pic:29"), QStringLiteral("Pic:0")}));
    EXPECT_EQ(prompter.texts().size(), 6);
    EXPECT_EQ(prompter.shown.first().text, QStringLiteral("添加的图文短信编号必须为1-30的十进制数"));
    EXPECT_EQ(prompter.shown.first().title, QStringLiteral("错误"));
}

TEST_F(ShortcutEditing, UndoAndClearAll)
{
    addIn(editor, Mode::Characters, QStringLiteral("A"), prompter);
    addIn(editor, Mode::PictureMessage, QStringLiteral("2"), prompter);
    addIn(editor, Mode::Characters, QStringLiteral("C"), prompter);
    editor.undo();
    EXPECT_EQ(editor.compositionText(), QStringLiteral("Chr:A\r\nPic:1\r\n"));
    editor.clear();
    editor.undo();
    EXPECT_EQ(editor.compositionText(), QString());
    EXPECT_TRUE(editor.segments().isEmpty());
}

TEST_F(ShortcutEditing, SegmentListHolds1001)
{
    editor.setMode(Mode::PictureMessage);
    for (int i = 0; i < kMaxShortcutSegments; ++i)
        ASSERT_TRUE(editor.add(QStringLiteral("5"), prompter).added);
    EXPECT_FALSE(editor.add(QStringLiteral("5"), prompter).added);
    EXPECT_EQ(editor.segments().size(), kMaxShortcutSegments);
    EXPECT_EQ(prompter.texts(), QStringList{SegmentListFullText()});
}

TEST(ShortcutInputClick, LengthCheckedOnlyInCharacterMode)
{
    const QString longInput(511, QLatin1Char('x'));
    EXPECT_EQ(InputClickMessage(Mode::Characters, longInput), QStringLiteral("每段字符数不能大于510个，请分段插入"));
    EXPECT_TRUE(InputClickMessage(Mode::Characters, QString(510, QLatin1Char('x'))).isEmpty());
    EXPECT_TRUE(InputClickMessage(Mode::PictureMessage, longInput).isEmpty());
}

TEST(ShortcutContentBytes, CharactersThenPictureAndTheDescription)
{
    QString problem;
    const auto content = BuildShortcutContent(QStringLiteral("Chr:AB\r\nPic:2\r\n"), false, &problem);
    ASSERT_TRUE(content) << problem.toStdString();
    EXPECT_EQ(content->bytes, hex("FE000004A3C1A3C2FE010002"));
    EXPECT_EQ(content->description, QStringLiteral("大号>> [AB] [图文：2] "));
    EXPECT_EQ(BuildShortcutContent(QStringLiteral("chr:x\r\n"), true, &problem)->description,
              QStringLiteral("小号>> [x] "));
}

TEST(ShortcutContentBytes, LinesOfNoKindAreSkippedAndBadOnesRefused)
{
    QString problem;
    const auto content = BuildShortcutContent(QStringLiteral("note\r\nPIC:29\r\n\r\n"), false, &problem);
    ASSERT_TRUE(content);
    EXPECT_EQ(content->bytes, hex("FE01001D"));
    EXPECT_FALSE(BuildShortcutContent(QStringLiteral("just words\r\n"), false, &problem));
    EXPECT_EQ(problem, QStringLiteral("还没有添加滚动信息"));
    EXPECT_FALSE(BuildShortcutContent(QStringLiteral("Pic:30\r\n"), false, &problem));
    EXPECT_EQ(problem, QStringLiteral("添加的图文短信编号必须为1-30的十进制数"));
}

TEST(ShortcutContentBytes, ContentAbove65535BytesIsRefused)
{
    // 64 segments of 510 double-byte characters: 64 x (4 + 1020) = 65536 bytes.
    QString composition;
    for (int i = 0; i < 64; ++i)
        composition += CharacterSegmentLine(QString(510, QChar(0x4E2D))) + QStringLiteral("\r\n");
    QString problem;
    EXPECT_FALSE(BuildShortcutContent(composition, false, &problem));
    EXPECT_TRUE(problem.contains(QStringLiteral("65536"))) << problem.toStdString();
    composition.chop(4);   // one character less in the last segment: 65534 bytes
    composition += QStringLiteral("\r\n");
    EXPECT_TRUE(BuildShortcutContent(composition, false, &problem));
}

class ShortcutSave : public LinkFixture {
protected:
    ShortcutSaveRequest request(int number, const QString& composition)
    {
        ShortcutSaveRequest r;
        r.number = number;
        r.composition = composition;
        r.target = {SendMode::SpecifiedAddress, QStringLiteral("7"), QString()};
        return r;
    }

    QStringList record() const { return store.readLines(QStringLiteral("ZhKj16")).value_or(QStringList()); }

    RecordStore store{folder};
};

TEST_F(ShortcutSave, FrameContentRecordAndNotice)
{
    const auto outcome = SaveShortcut(request(3, QStringLiteral("Chr:AB\r\nPic:2\r\n")), link, prompter, store);
    EXPECT_TRUE(outcome.done());
    ASSERT_EQ(port->writes.size(), 2);
    EXPECT_EQ(port->writes.at(0), hex("5A5B07 80 02 00 000C 00 00"));
    EXPECT_EQ(port->writes.at(1), hex("FE000004A3C1A3C2FE010002"));
    EXPECT_FALSE(link.isOpen());

    QStringList expected = PlaceholderList(16);
    expected[2] = QStringLiteral("[03]:大号>> [AB] [图文：2] ");
    EXPECT_EQ(record(), expected);
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown.first().kind, QStringLiteral("notice"));
    EXPECT_EQ(prompter.shown.first().text, QStringLiteral("OK！"));
}

TEST_F(ShortcutSave, QueueSmallPowerOnAndNumberSixteen)
{
    auto r = request(16, QStringLiteral("Pic:0\r\n"));
    r.small = true;
    r.powerOn = true;
    r.target = {SendMode::AddressQueue, QStringLiteral("0"), QStringLiteral("003015")};
    SaveShortcut(r, link, prompter, store);
    ASSERT_EQ(port->writes.size(), 3);
    EXPECT_EQ(port->writes.at(0), hex("5A5BFF 80 0F 01 0004 02 01"));
    EXPECT_EQ(port->writes.at(1), hex("030F"));
    EXPECT_EQ(port->writes.at(2), hex("FE010000"));
    EXPECT_EQ(record().value(15), QStringLiteral("[16]:小号>> [图文：0] "));
}

TEST_F(ShortcutSave, ShortRecordIsCompletedAndKeepsItsLines)
{
    QString error;
    store.writeLines(QStringLiteral("ZhKj16"), {QStringLiteral("[01]:大号>> [旧] "), QStringLiteral("[02]:x")}, &error);
    SaveShortcut(request(5, QStringLiteral("Chr:新\r\n")), link, prompter, store);
    const QStringList lines = record();
    ASSERT_EQ(lines.size(), 16);
    EXPECT_EQ(lines.at(0), QStringLiteral("[01]:大号>> [旧] "));
    EXPECT_EQ(lines.at(1), QStringLiteral("[02]:x"));
    EXPECT_EQ(lines.at(4), QStringLiteral("[05]:大号>> [新] "));
    EXPECT_EQ(lines.at(15), NumberedLabel(16) + UnknownItemText());
}

// A record of the longest descriptions that saves can make reads back whole. Double-byte
// text is bounded by the content, at 63 segments of 510 characters; a letter padded with
// spaces (sent without its trailing spaces, described with them) by the editor's 1001
// segments.
TEST_F(ShortcutSave, TheLongestDescriptionsSavesCanMakeReadBackWhole)
{
    QString text;
    for (int i = 0; i < 63; ++i)
        text += CharacterSegmentLine(QString(kMaxSegmentCharacters, QChar(0x4E2D))) + QStringLiteral("\r\n");
    QString padded;
    for (int i = 0; i < kMaxShortcutSegments; ++i)
        padded += CharacterSegmentLine(QLatin1Char('A') + QString(kMaxSegmentCharacters - 1, QLatin1Char(' ')))
                  + QStringLiteral("\r\n");
    QString problem;
    const QString textDescription = BuildShortcutContent(text, false, &problem)->description;
    const QString paddedDescription = BuildShortcutContent(padded, false, &problem)->description;
    QStringList expected = PlaceholderList(kShortcutCount);
    for (int n = 1; n <= 6; ++n) {
        ASSERT_TRUE(SaveShortcut(request(n, n < 6 ? text : padded), link, prompter, store).done());
        expected[n - 1] = NumberedLabel(n) + (n < 6 ? textDescription : paddedDescription);
    }
    EXPECT_GT(QFileInfo(store.path(QStringLiteral("ZhKj16"))).size(), kTextFileLimit);
    EXPECT_TRUE(prompter.texts(QStringLiteral("error")).isEmpty());
    QString error;
    EXPECT_EQ(LoadEntryList(kModeShortcut, store, &error), expected);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
}

TEST_F(ShortcutSave, RefusalsSendNothingAndKeepTheRecord)
{
    EXPECT_FALSE(SaveShortcut(request(1, QString()), link, prompter, store).done());
    auto emptyQueue = request(1, QStringLiteral("Chr:A\r\n"));
    emptyQueue.target = {SendMode::AddressQueue, QStringLiteral("0"), QString()};
    EXPECT_FALSE(SaveShortcut(emptyQueue, link, prompter, store).done());
    EXPECT_EQ(prompter.texts().size(), 2);
    EXPECT_EQ(prompter.texts().first(), QStringLiteral("还没有添加滚动信息"));
    EXPECT_EQ(port->opens, 0);
    EXPECT_FALSE(store.exists(QStringLiteral("ZhKj16")));
}

TEST_F(ShortcutSave, StalledLineEndsWithThePortErrorAndNoRecord)
{
    port->stallOutput = true;
    const auto outcome = SaveShortcut(request(2, QStringLiteral("Chr:A\r\n")), link, prompter, store);
    EXPECT_FALSE(outcome.done());
    EXPECT_FALSE(link.isOpen());
    EXPECT_FALSE(store.exists(QStringLiteral("ZhKj16")));
    EXPECT_FALSE(prompter.texts(QStringLiteral("error")).isEmpty());
    EXPECT_TRUE(prompter.texts(QStringLiteral("notice")).isEmpty());
}
