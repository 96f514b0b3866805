// The unit's text encoding, the 2000-character limit, the editor's line reading, the
// entry lists and the records behind them.

#include "base/cp936.h"
#include "base/numbered_list.h"
#include "base/record_store.h"
#include "base/unit_text.h"
#include "file_bytes.h"
#include "scroll/editor_lines.h"
#include "scroll/entry_list.h"
#include "scroll/scroll_text_cache.h"
#include "scroll/scroll_text_limit.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kv;
using kv::test::FileBytes;

namespace {
QString hexOf(const QString& text)
{
    const auto encoded = EncodeUnitText(text);
    return encoded ? encoded->hex() : QStringLiteral("<unencodable>");
}

} // namespace

TEST(UnitText, EncodesFullWidthFormsAndDoubleByteCodes)
{
    EXPECT_EQ(hexOf(QStringLiteral("A 中")), QStringLiteral("A3C1A1A1D6D0"));
    EXPECT_EQ(hexOf(QStringLiteral("09z~")), QStringLiteral("A3B0A3B9A3FAA3FE"));
    // A line break inside the message is one A1 per CR and per LF.
    EXPECT_EQ(hexOf(QStringLiteral("A\r\nB")), QStringLiteral("A3C1A1A1A3C2"));
    EXPECT_EQ(EncodeUnitText(QStringLiteral("A 中"))->bytes.size(), 6);
}

TEST(UnitText, DropsTrailingSpacesAndLineBreaksOnly)
{
    EXPECT_EQ(hexOf(QStringLiteral("ABC  \r\n\r\n")), hexOf(QStringLiteral("ABC")));
    EXPECT_EQ(hexOf(QStringLiteral("  ABC")), QStringLiteral("A1A1A1A1A3C1A3C2A3C3"));
    // A text of nothing but such characters is sent as it stands.
    EXPECT_EQ(hexOf(QStringLiteral(" \r\n")), QStringLiteral("A1A1A1A1"));
    EXPECT_EQ(hexOf(QString()), QString());
}

TEST(UnitText, RemovesControlCharactersWithoutUnitCode)
{
    EXPECT_EQ(hexOf(QStringLiteral("A\tB\x01\x10")), QStringLiteral("A3C1A3C2"));
    // Removed before the tail is stripped, so a trailing TAB does not keep spaces alive.
    EXPECT_EQ(hexOf(QStringLiteral("A \t")), QStringLiteral("A3C1"));
    // 17 is the first code with a full-width form.
    EXPECT_EQ(hexOf(QString(QChar(17))), QStringLiteral("A391"));
}

TEST(UnitText, RefusesCharactersOutsideCodePage936AndNamesThem)
{
    QString bad;
    EXPECT_FALSE(EncodeUnitText(QStringLiteral("中😀文"), &bad));
    EXPECT_EQ(bad, QStringLiteral("😀"));
    EXPECT_FALSE(EncodeUnitText(QStringLiteral("x€"), &bad));
    EXPECT_EQ(bad, QStringLiteral("€"));
    EXPECT_TRUE(UnencodableCharacterText(QStringLiteral("€")).contains(QStringLiteral("“€”(U+20AC)")));
}

TEST(UnitText, LineBreaksBecomeCrLf)
{
    EXPECT_EQ(WithCrLfLineBreaks(QStringLiteral("a\nb\r\nc\rd") + QChar(0x2029) + QStringLiteral("e")),
              QStringLiteral("a\r\nb\r\nc\r\nd\r\ne"));
}

TEST(ScrollTextLimit, CountsEncodedCharactersUpTo2000)
{
    const QString full(2000, QChar(0x4E2D));
    EXPECT_TRUE(ScrollTextFits(full));
    EXPECT_TRUE(ScrollTextFits(full + QStringLiteral("\r\n")));
    EXPECT_FALSE(ScrollTextFits(full + QStringLiteral("A")));
    // Inside the message a CR LF pair counts as one character.
    EXPECT_TRUE(ScrollTextFits(QString(1998, QLatin1Char('A')) + QStringLiteral("\r\nB")));
    EXPECT_FALSE(ScrollTextFits(QString(1999, QLatin1Char('A')) + QStringLiteral("\r\nB")));
    // A character without a code still counts, so the limit message comes first.
    EXPECT_FALSE(ScrollTextFits(QString(2001, QChar(0x20AC))));
    EXPECT_EQ(ScrollTextTooLongText(), QStringLiteral("超出范围，最多能发送2000个字符"));
}

TEST(EditorLines, ReadsLinesAndCountsThemLikeATextBox)
{
    const QString text = QStringLiteral("one\r\ntwo\n\nfour");
    EXPECT_EQ(EditLineCount(text), 4);
    EXPECT_EQ(ReadEditLine(text, 0), QStringLiteral("one"));
    EXPECT_EQ(ReadEditLine(text, 2), QString());
    EXPECT_EQ(ReadEditLine(text, 3), QStringLiteral("four"));
    EXPECT_EQ(ReadEditLine(text, 4), QString());
    EXPECT_EQ(ReadEditLine(text, -1), QString());
    EXPECT_EQ(EditLineCount(QString()), 1);
    EXPECT_EQ(EditLineCount(QStringLiteral("a\n")), 2);
}

TEST(EditorLines, SelectsTheWholeLineOfTheCaret)
{
    const QString text = QStringLiteral("ab\ncdef\ng");
    const auto middle = SetTextLength(text, 5);
    EXPECT_EQ(middle.start, 3);
    EXPECT_EQ(middle.end, 7);
    // A caret just before a line break still belongs to that line.
    EXPECT_EQ(SetTextLength(text, 7).start, 3);
    EXPECT_EQ(SetTextLength(text, 0).end, 2);
    const auto last = SetTextLength(text, 9);
    EXPECT_EQ(last.start, 8);
    EXPECT_EQ(last.end, 9);
    EXPECT_EQ(SetTextLength(text, 99).end, 9);
}

TEST(NumberedList, LabelsAndShortening)
{
    EXPECT_EQ(NumberedLabel(5), QStringLiteral("[05]:"));
    EXPECT_EQ(NumberedLabel(16), QStringLiteral("[16]:"));
    const QString ascii64(64, QLatin1Char('a'));
    EXPECT_EQ(ShortenListLine(ascii64), ascii64);
    EXPECT_EQ(ShortenListLine(ascii64 + QStringLiteral("bc")), ascii64 + QStringLiteral("b …"));
    // 31 ASCII bytes and then double-byte characters: 63, 65 - cut after the one that passes 64.
    const QString mixed = QString(31, QLatin1Char('a')) + QString(20, QChar(0x4E2D));
    EXPECT_EQ(ShortenListLine(mixed), QString(31, QLatin1Char('a')) + QString(17, QChar(0x4E2D)) + QStringLiteral(" …"));
    EXPECT_EQ(ListDisplayText({QStringLiteral("a"), QStringLiteral("b")}), QStringLiteral("a\r\nb"));
}

class RecordFolder : public ::testing::Test {
protected:
    QTemporaryDir dir;
    AppFolder folder{dir.path()};
    RecordStore store{folder};
};

TEST_F(RecordFolder, RecordIsWrittenWholeInCodePage936AndReadBackByLines)
{
    QString error;
    ASSERT_TRUE(store.write(QStringLiteral("Fszk_Gdd"), QStringLiteral("中文\r\nB"), &error)) << error.toStdString();
    EXPECT_EQ(FileBytes(folder.settingsPath(QStringLiteral("Fszk_Gdd.TXT"))), *EncodeCp936(QStringLiteral("中文\r\nB")));
    EXPECT_EQ(store.readText(QStringLiteral("Fszk_Gdd")), QStringLiteral("中文\r\nB"));
    EXPECT_EQ(store.readText(QStringLiteral("Missing")), QString());
    EXPECT_FALSE(store.readLines(QStringLiteral("Missing")));
    // A text comes back whole, the line breaks it ends with included.
    ASSERT_TRUE(store.write(QStringLiteral("Fszk_jzx"), QStringLiteral("AB\r\n\r\n"), &error));
    EXPECT_EQ(store.readText(QStringLiteral("Fszk_jzx")), QStringLiteral("AB\r\n\r\n"));
}

TEST_F(RecordFolder, MissingEntryListIsCreatedWithPlaceholders)
{
    QString error;
    const QStringList lines = LoadEntryList(2, store, &error);
    ASSERT_EQ(lines.size(), 30);
    EXPECT_EQ(lines.at(4), QStringLiteral("[05]:计算机无信息记录(设备端未知)"));
    EXPECT_EQ(lines.at(29), QStringLiteral("[30]:计算机无信息记录(设备端未知)"));
    const QStringList stored = *store.readLines(QStringLiteral("DXD"));
    EXPECT_EQ(stored, lines);
    EXPECT_FALSE(FileBytes(store.path(QStringLiteral("DXD"))).endsWith("\r\n"));
    EXPECT_EQ(LoadEntryList(4, store, &error).size(), 16);
    EXPECT_TRUE(store.exists(QStringLiteral("ZhKj16")));
}

TEST_F(RecordFolder, ShortEntryListIsMadeWholeKeepingItsLines)
{
    QString error;
    store.writeLines(QStringLiteral("DXX"), {QStringLiteral("[01]:晴"), QStringLiteral("[02]:雨")}, &error);
    const QStringList lines = LoadEntryList(3, store, &error);
    ASSERT_EQ(lines.size(), 30);
    EXPECT_EQ(lines.mid(0, 2), (QStringList{QStringLiteral("[01]:晴"), QStringLiteral("[02]:雨")}));
    EXPECT_EQ(lines.at(2), QStringLiteral("[03]:计算机无信息记录(设备端未知)"));
    EXPECT_EQ(*store.readLines(QStringLiteral("DXX")), lines);

    // A list that lost a line keeps every other line under the number its label names.
    QStringList lost = PlaceholderList(30);
    lost[5] = QStringLiteral("[06]:六号");
    lost[29] = QStringLiteral("[30]:末号");
    lost.removeAt(4);
    lost.insert(0, QStringLiteral("手写的一行"));
    lost << QStringLiteral("[06]:重复");
    store.writeLines(QStringLiteral("DXD"), lost, &error);
    const QStringList mended = LoadEntryList(2, store, &error);
    ASSERT_EQ(mended.size(), 30);
    EXPECT_EQ(mended.at(4), QStringLiteral("[05]:计算机无信息记录(设备端未知)"));
    EXPECT_EQ(mended.at(5), QStringLiteral("[06]:六号"));
    EXPECT_EQ(mended.at(29), QStringLiteral("[30]:末号"));
    EXPECT_EQ(*store.readLines(QStringLiteral("DXD")), mended);

    // A whole list is used as read and not written again.
    store.writeLines(QStringLiteral("DXX"), QStringList(30, QStringLiteral("[xx]:手写")), &error);
    EXPECT_EQ(LoadEntryList(3, store, &error).at(29), QStringLiteral("[xx]:手写"));
}

TEST(EntryPick, TakesTheClickedLineAndItsDescription)
{
    const QStringList entries = {QStringLiteral("[01]:晴"), QStringLiteral("[02]:多云转阴")};
    const QString editor = entries.join(QStringLiteral("\n"));
    const auto pick = PickEntry(entries, 30, editor, 9);
    ASSERT_TRUE(pick);
    EXPECT_EQ(pick->number, 2);
    EXPECT_EQ(pick->description, QStringLiteral("多云转阴"));
    // A click past the list picks nothing.
    EXPECT_FALSE(PickEntry(entries, 30, editor + QStringLiteral("\n"), int(editor.size()) + 1));
    EXPECT_FALSE(PickEntry(entries, 1, editor, 9));
}

TEST_F(RecordFolder, CacheFallsBackToTheRecordAndKeepsWhatWasSent)
{
    QString error;
    store.write(QStringLiteral("Fszk_Gdx"), QStringLiteral("小号旧文"), &error);
    ScrollTextCache cache;
    EXPECT_EQ(cache.textFor(1, store), QStringLiteral("小号旧文"));
    EXPECT_EQ(cache.textFor(0, store), QString());
    ASSERT_TRUE(cache.remember(0, QStringLiteral("大号"), store, &error));
    EXPECT_EQ(cache.textFor(0, store), QStringLiteral("大号"));
    EXPECT_EQ(store.readText(QStringLiteral("Fszk_Gdd")), QStringLiteral("大号"));
}
