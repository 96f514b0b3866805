// The edit pages and the static send inputs: the page kinds, their records, the mode
// parameter files, the built-in-font static text and the stored-item lists.

#include "base/numbered_list.h"
#include "base/record_store.h"
#include "file_bytes.h"
#include "picture/edit_page.h"
#include "picture/last_sent_text.h"
#include "picture/mode_parameters.h"
#include "picture/page_record.h"
#include "picture/picture_lists.h"
#include "picture/static_send_fields.h"
#include "picture/static_text.h"
#include "recording_prompter.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kv;
using kv::test::FileBytes;
using kv::test::RecordingPrompter;

namespace {

class PictureRecords : public ::testing::Test {
protected:
    QTemporaryDir dir;
    AppFolder folder{dir.path()};
    RecordStore store{folder};
    QString error;
};

EditPage editedPage(EditPageKind kind)
{
    EditPage page;
    page.kind = kind;
    page.text = QStringLiteral("台标\r\nKV 820");
    page.fontName = QStringLiteral("DejaVu Sans");
    page.size = QStringLiteral("24");
    page.bold = true;
    page.lineSpacing = 3;
    page.verticalShift = 25;
    page.extraHeight = 2;
    page.horizontal = false;
    page.horizontalOffset = 40;
    page.verticalPosition = QStringLiteral("200");
    page.brightness = 2;
    page.background = 6;
    page.threshold = QStringLiteral("-120");
    page.powerOn = false;
    return page;
}

} // namespace

TEST_F(PictureRecords, OpeningALogoKindAfterAStaticKindLocksThePowerOnBox)
{
    EditPage page = OpenEditPage(EditPageKind::StaticText, EditPage{}, store);
    EXPECT_FALSE(page.powerOn);
    page.powerOn = true;
    EXPECT_EQ(SlotKind(page), 2);
    page.powerOn = false;
    EXPECT_EQ(SlotKind(page), 1);

    page = OpenEditPage(EditPageKind::LogoPicture, page, store);
    EXPECT_TRUE(page.powerOn);
    EXPECT_TRUE(PowerOnLocked(page.kind));
    EXPECT_EQ(SlotKind(page), 0);
    // Even a page that somehow holds an unticked box sends the logo as the logo.
    page.powerOn = false;
    EXPECT_EQ(SlotKind(page), 0);

    EXPECT_EQ(KindInfo(EditPageKind::LogoPicture).title, QStringLiteral("编辑台标_图形"));
    EXPECT_EQ(KindInfo(EditPageKind::StaticPicture).sizeLabel, QStringLiteral("设图形高度为"));
    EXPECT_EQ(KindInfo(EditPageKind::StaticText).sizeLabel, QStringLiteral("设字符点阵为"));
}

TEST_F(PictureRecords, PageRecordIsFourteenLinesAndComesBack)
{
    const EditPage saved = editedPage(EditPageKind::StaticText);
    ASSERT_TRUE(SavePageRecord(store, saved, &error)) << error.toStdString();
    EXPECT_EQ(FileBytes(store.path(QStringLiteral("JbChar"))),
              QByteArray("DejaVu Sans\r\n3\r\n25\r\n2\r\n1\r\n40\r\n6\r\n200\r\n2\r\n24\r\n-120\r\n0\r\nFalse\r\n"
                         "\xCC\xA8\xB1\xEA~~~KV 820"));

    EditPage page;
    page.kind = EditPageKind::StaticText;
    ASSERT_TRUE(LoadPageRecord(store, page));
    EXPECT_EQ(PageRecordLines(page), PageRecordLines(saved));
    EXPECT_EQ(page.text, saved.text);
    EXPECT_FALSE(page.horizontal);

    // Each kind has its own record.
    page.kind = EditPageKind::LogoText;
    EXPECT_FALSE(LoadPageRecord(store, page));
}

TEST_F(PictureRecords, PageRecordOfAnotherLengthOrWithBadFieldsChangesNothingItShouldNot)
{
    QStringList lines = PageRecordLines(editedPage(EditPageKind::LogoText));
    store.writeLines(QStringLiteral("TbChar"), lines.mid(0, 13), &error);
    EditPage page;
    EXPECT_FALSE(LoadPageRecord(store, page));
    EXPECT_EQ(PageRecordLines(page), PageRecordLines(EditPage{}));

    // An empty editor text is still the fourteenth line.
    lines[13].clear();
    lines[12] = QStringLiteral("tRuE");
    lines[2] = QStringLiteral("41");     // past the vertical shift selector
    lines[5] = QStringLiteral("73");     // not an item of the horizontal offset
    lines[4] = QStringLiteral("yes");
    store.writeLines(QStringLiteral("TbChar"), lines, &error);
    ASSERT_TRUE(LoadPageRecord(store, page));
    EXPECT_TRUE(page.horizontal);
    EXPECT_EQ(page.text, QString());
    EXPECT_EQ(page.verticalShift, kNoVerticalShift);
    EXPECT_EQ(page.horizontalOffset, 0);
    EXPECT_FALSE(page.bold);
    EXPECT_EQ(page.fontName, QStringLiteral("DejaVu Sans"));
}

TEST_F(PictureRecords, ModeParametersAreElevenLinesAndOnlyNineComeBack)
{
    StaticSendFields fields;
    fields.fontName = QStringLiteral("B");
    fields.size = QStringLiteral("40");
    fields.bold = true;
    fields.lineSpacing = 7;
    fields.extraHeight = 3;
    fields.verticalShift = 10;
    fields.horizontalOffset = 42;
    fields.verticalPosition = QStringLiteral("300");
    fields.brightness = 3;
    fields.background = 4;
    fields.horizontal = false;
    ASSERT_TRUE(SaveModeParameters(folder, 6, fields, {QStringLiteral("A"), QStringLiteral("B")}, &error));
    EXPECT_EQ(FileBytes(folder.settingsPath(QStringLiteral("user_char_cs.txt"))),
              QByteArray("False\r\n1\r\n3\r\n40\r\n7\r\n42\r\n300\r\n10\r\n3\r\n4\r\n1"));

    StaticSendFields loaded;
    ASSERT_TRUE(LoadModeParameters(folder, 6, loaded));
    EXPECT_EQ(ModeParameterLines(loaded, {}).mid(2), ModeParameterLines(fields, {}).mid(2));
    EXPECT_TRUE(loaded.horizontal);
    EXPECT_EQ(loaded.fontName, StaticSendFields{}.fontName);

    // Each mode its own file; a file of ten lines is ignored.
    EXPECT_FALSE(LoadModeParameters(folder, 7, loaded));
    WriteTextFile(folder.settingsPath(QStringLiteral("jz_zkda_cs.txt")), "True\r\n0\r\n1\r\n32\r\n2\r\n3\r\n150\r\n20\r\n0\r\n16");
    StaticSendFields untouched;
    EXPECT_FALSE(LoadModeParameters(folder, 8, untouched));
    EXPECT_EQ(untouched.brightness, 0);
    EXPECT_EQ(ModeParameterFile(9), QStringLiteral("jz_zkxia_cs.txt"));
    EXPECT_EQ(ModeParameterFile(5), QString());
}

TEST_F(PictureRecords, LastSentTextsKeepTheirModeAndIgnoreEmptyTexts)
{
    EXPECT_EQ(LoadLastSentText(store, 8), QString());
    ASSERT_TRUE(SaveLastSentText(store, 8, QStringLiteral("大\r\n字"), &error));
    ASSERT_TRUE(SaveLastSentText(store, 8, QString(), &error));
    EXPECT_EQ(LoadLastSentText(store, 8), QStringLiteral("大\r\n字"));
    EXPECT_EQ(LoadLastSentText(store, 9), QString());
    EXPECT_TRUE(store.exists(QStringLiteral("Fszk_jzd")));
    EXPECT_FALSE(HasLastSentText(7));
}

TEST(StaticText, EncodesUnitCodesWithOneByteLineBreaks)
{
    EXPECT_EQ(EncodeStaticText(QStringLiteral("AB\r\n中")).value(), QByteArray::fromHex("A3C1A3C2FFD6D0"));
    // Spaces are full-width, trailing spaces and line breaks go, control characters
    // without a unit code are dropped.
    EXPECT_EQ(EncodeStaticText(QStringLiteral("a b\t  ")).value(), QByteArray::fromHex("A3E1A1A1A3E2"));
    EXPECT_EQ(EncodeStaticText(QStringLiteral("x\r\n")).value(), QByteArray::fromHex("A3F8FF"));
    // 昂 孭 is B0 BA 8C 50: the digits A8C5 across two characters are no line break.
    EXPECT_EQ(EncodeStaticText(QStringLiteral("昂孭")).value(), QByteArray::fromHex("B0BA8C50"));
    QString bad;
    EXPECT_FALSE(EncodeStaticText(QStringLiteral("x😀"), &bad));
    EXPECT_EQ(bad, QStringLiteral("😀"));
}

TEST(StaticText, WrapsAtTheModesWidthAndFoldsBlankLines)
{
    RecordingPrompter prompter;
    const QString seventeen(17, QLatin1Char('a'));
    EXPECT_EQ(CheckStaticText(seventeen, 8, 0, prompter), QString(16, QLatin1Char('a')) + "\r\na");
    EXPECT_EQ(CheckStaticText(QString(25, QLatin1Char('b')), 9, 0, prompter),
              QString(24, QLatin1Char('b')) + "\r\nb");
    EXPECT_EQ(CheckStaticText(QStringLiteral("x\r\n\r\n\r\n\r\ny\r\n"), 8, 0, prompter), QStringLiteral("x\r\ny"));
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST(StaticText, ScanLinesAreToldAndOnlyTheBufferStopsTheSend)
{
    auto lines = [](int count, int width) { return QStringList(count, QString(width, QChar(0x4E2D))).join("\r\n"); };
    RecordingPrompter prompter;
    // 5 × 48 + 4 × 16 = 304 and 10 × 48 = 480 pass quietly.
    EXPECT_FALSE(CheckStaticText(lines(5, 1), 8, 16, prompter).isEmpty());
    EXPECT_FALSE(CheckStaticText(lines(10, 1), 8, 0, prompter).isEmpty());
    EXPECT_TRUE(prompter.shown.isEmpty());
    // Eleven lines make 528: told, and the send goes on.
    EXPECT_EQ(CheckStaticText(lines(11, 1), 8, 0, prompter), lines(11, 1));
    EXPECT_EQ(prompter.texts("message"), QStringList{ScanLinesExceededText()});
    // Three full lines with spacing 16 fill the buffer exactly:
    // 3 × 16 × 288 + 2 × 16 × 16 × 6 = 16896. A fourth line (wrapped) is too much.
    prompter.shown.clear();
    EXPECT_FALSE(CheckStaticText(lines(3, 16), 8, 16, prompter).isEmpty());
    EXPECT_TRUE(prompter.shown.isEmpty());
    EXPECT_EQ(CheckStaticText(QString(49, QChar(0x4E2D)), 8, 0, prompter), QString());
    EXPECT_EQ(prompter.texts("error"), QStringList{BufferExceededText()});
}

TEST_F(PictureRecords, StoredPictureListIsCreatedAndShownShortened)
{
    QStringList entries;
    const QString shown = ShowStoredPictureList(store, &entries, &error);
    EXPECT_EQ(entries, *store.readLines(kStoredPictureList));
    const QStringList lines = shown.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 12);
    EXPECT_EQ(lines.at(11), QStringLiteral("[12]:计算机无信息记录(设备端未知)"));
    EXPECT_EQ(store.readLines(kStoredPictureList)->size(), 12);

    store.writeLines(kStoredPictureList, {QStringLiteral("[01]:") + QString(70, QLatin1Char('x'))}, &error);
    const QStringList again = ShowStoredPictureList(store, &entries, &error).split(QStringLiteral("\r\n"));
    ASSERT_EQ(again.size(), 12);
    EXPECT_EQ(again.at(0), QStringLiteral("[01]:") + QString(60, QLatin1Char('x')) + QStringLiteral(" …"));
    EXPECT_EQ(again.at(1), QStringLiteral("[02]:计算机无信息记录(设备端未知)"));
}

TEST_F(PictureRecords, RecordingAPictureMessageKeepsTheOtherLines)
{
    ASSERT_TRUE(RecordPictureMessage(store, QStringLiteral("DXD"), 5, QStringLiteral("logo.bmp(图片96 x 48) "), &error));
    QStringList lines = *store.readLines(QStringLiteral("DXD"));
    ASSERT_EQ(lines.size(), 30);
    EXPECT_EQ(lines.at(4), QStringLiteral("[05]:logo.bmp(图片96 x 48) "));
    EXPECT_EQ(lines.at(3), NumberedLabel(4) + UnknownItemText());
    EXPECT_EQ(lines.at(29), NumberedLabel(30) + UnknownItemText());

    ASSERT_TRUE(RecordPictureMessage(store, QStringLiteral("DXD"), 12, QStringLiteral("雨"), &error));
    lines = *store.readLines(QStringLiteral("DXD"));
    EXPECT_EQ(lines.at(4), QStringLiteral("[05]:logo.bmp(图片96 x 48) "));
    EXPECT_EQ(lines.at(11), QStringLiteral("[12]:雨"));
    EXPECT_FALSE(RecordPictureMessage(store, QStringLiteral("DXD"), 31, QStringLiteral("x"), &error));
}
