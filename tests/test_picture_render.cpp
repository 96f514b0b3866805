// Text into pictures: block sizes, the right-margin trim, fonts and their substitutes,
// measured lines, the limits and size fields, the one-line renderers, vertical writing,
// and rendering on a worker thread.

#include "picture/font_list.h"
#include "picture/screen_scale.h"
#include "picture/text_block.h"
#include "picture/text_line.h"
#include "picture/text_measure.h"
#include "picture/text_purposes.h"
#include "picture/vertical_text.h"
#include "recording_prompter.h"

#include <QGuiApplication>
#include <QThread>
#include <limits>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {
const QString kLatinFont = QStringLiteral("Liberation Sans");
const QString kChineseFont = QStringLiteral("WenQuanYi Micro Hei");

QImage white(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

int inkCount(const QImage& image)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    return count;
}

bool hasGrey(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y) & 0xFFFFFF;
            if (p != 0 && p != 0xFFFFFF)
                return true;
        }
    return false;
}

TextBlockInput block(const QString& text, int size, int spacing)
{
    TextBlockInput input;
    input.text = text;
    input.fontName = kLatinFont;
    input.size = size;
    input.lineSpacing = spacing;
    return input;
}
} // namespace

class Rendering : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "test_picture_render";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QGuiApplication(argc, argv);
    }
    RecordingPrompter prompter;
};

TEST_F(Rendering, ScreenScaleIs15At96Dpi)
{
    EXPECT_DOUBLE_EQ(TwipsPerPixelAt(96), 15.0);
    EXPECT_DOUBLE_EQ(TwipsPerPixelAt(120), 12.0);
    EXPECT_DOUBLE_EQ(TwipsPerPixel(), 15.0); // no screen told: the 96-dpi scale
}

TEST_F(Rendering, BlockHeightFollowsLinesSpacingAndExtraHeight)
{
    const RenderedText three = RenderTextBlock(block(QStringLiteral("AB\r\nCD\r\nEF"), 32, 5));
    EXPECT_EQ(three.height, 106);
    EXPECT_EQ(three.image.height(), 106);
    EXPECT_EQ(three.width % 16, 0);
    EXPECT_GT(three.width, 0);

    TextBlockInput taller = block(QStringLiteral("A"), 20, 3);
    taller.extraHeight = 7;
    EXPECT_EQ(RenderTextBlock(taller).height, 27);
}

TEST_F(Rendering, BlockWithoutInkHasWidthZero)
{
    const RenderedText blank = RenderTextBlock(block(QStringLiteral("   "), 24, 0));
    EXPECT_EQ(blank.width, 0);
    EXPECT_EQ(blank.height, 24);
    EXPECT_TRUE(blank.image.isNull());
}

TEST_F(Rendering, TrimKeepsTheRightmostInkColumn)
{
    const auto trimmedWithInkAt = [](int x, int y) {
        QImage surface = white(100, 10);
        surface.setPixel(x, y, qRgb(250, 250, 250)); // anything not pure white
        return TrimRightMargin(surface, 100, 10);
    };
    EXPECT_EQ(trimmedWithInkAt(16, 5), 32);
    EXPECT_EQ(trimmedWithInkAt(31, 5), 32);
    EXPECT_EQ(trimmedWithInkAt(32, 5), 48);
    // Column 0 and row 0 count like any other.
    EXPECT_EQ(trimmedWithInkAt(0, 0), 16);
    EXPECT_EQ(trimmedWithInkAt(47, 0), 48);
    EXPECT_EQ(TrimRightMargin(white(100, 10), 100, 10), 0);
    EXPECT_EQ(trimmedWithInkAt(99, 1), 112);
    // Only the given width counts.
    QImage beyond = white(100, 10);
    beyond.setPixel(60, 3, qRgb(0, 0, 0));
    EXPECT_EQ(TrimRightMargin(beyond, 50, 10), 0);
}

TEST_F(Rendering, ChineseTextGetsRealGlyphs)
{
    TextBlockInput input = block(QStringLiteral("字幕叠加"), 32, 0);
    input.fontName = kChineseFont;
    const RenderedText chinese = RenderTextBlock(input);
    ASSERT_GT(chinese.width, 0);
    // Four glyphs of many strokes, not four boxes or nothing.
    EXPECT_GT(inkCount(chinese.image), 400);
    EXPECT_GE(chinese.width, 4 * 28);

    // A Latin font falls back to a font with the glyphs.
    input.fontName = kLatinFont;
    EXPECT_GT(inkCount(RenderTextBlock(input).image), 400);
}

TEST_F(Rendering, FontListAndSubstitutes)
{
    const QStringList ordered = OrderFontList({QStringLiteral("宋体"), QStringLiteral("@宋体"), QStringLiteral("Arial"),
                                               QStringLiteral("@Foo"), QStringLiteral("Zed"), QStringLiteral("黑体")});
    EXPECT_EQ(ordered, (QStringList{QStringLiteral("Arial"), QStringLiteral("Zed"), QStringLiteral("宋体"),
                                    QStringLiteral("黑体")}));
    const QStringList installed = BuildFontList();
    EXPECT_TRUE(installed.contains(kChineseFont));
    EXPECT_TRUE(installed.contains(kLatinFont));
    for (const QString& name : installed)
        EXPECT_FALSE(name.startsWith(QLatin1Char('@')));

    EXPECT_EQ(PickFontName(QStringLiteral("Zed"), ordered), QStringLiteral("Zed"));
    EXPECT_EQ(PickFontName(QStringLiteral("Missing"), ordered), QStringLiteral("Arial"));
    EXPECT_EQ(PickFontName(QStringLiteral("Missing"), {QStringLiteral("DejaVu Sans"), kLatinFont}), kLatinFont);
    EXPECT_EQ(PickFontName(QStringLiteral("Missing"), {QStringLiteral("宋体")}), QStringLiteral("Arial Narrow"));
}

TEST_F(Rendering, MeasureFindsTheFirstWidestLine)
{
    const LineMeasure tie = MeasureLines(kLatinFont, 24, QStringLiteral("AB\r\nAB"), false);
    EXPECT_EQ(tie.lineCount(), 2);
    EXPECT_EQ(tie.widestIndex, 0);
    const LineMeasure wider = MeasureLines(kLatinFont, 24, QStringLiteral("ii\r\nWW\r\n"), false);
    EXPECT_EQ(wider.lineCount(), 3);
    EXPECT_EQ(wider.widestIndex, 1);
    EXPECT_EQ(wider.widestTwips % 15, 0);
    EXPECT_GT(MeasureLines(kLatinFont, 24, QStringLiteral("WW"), true).widestTwips, 0);
    EXPECT_EQ(MeasureLines(kLatinFont, 24, QString(), false).lineCount(), 1);
}

TEST_F(Rendering, LimitsOfBothCallers)
{
    EXPECT_FALSE(CustomFontLimitMessage(816, 163));
    EXPECT_EQ(CustomFontLimitMessage(817, 10),
              QStringLiteral("单行字符长度过长，每行转换成图片的后的宽度不能大于816像素"));
    EXPECT_EQ(CustomFontLimitMessage(16, 521), QStringLiteral("图片的高度不能大于520线"));
    EXPECT_EQ(CustomFontLimitMessage(816, 164),
              QStringLiteral("字符转换成图片后，尺寸太大了，图片的最大像素不能大于133120像素，请减小行距或减少字符数"));
    EXPECT_FALSE(CharacterDownloadLimitMessage(256, 256));
    EXPECT_EQ(CharacterDownloadLimitMessage(272, 256),
              QStringLiteral("字符转换成图片后图片太大了，图片的最大像素不能大于65536像素"));
    EXPECT_EQ(CharacterDownloadLimitMessage(832, 10), QStringLiteral("单行字符转换成图片后宽度太大，不能大于816像素"));
    EXPECT_EQ(CharacterDownloadLimitMessage(16, 530), QStringLiteral("字符转换成图片后图片的高度不能大于520线"));

    // A block too high for the download is refused with its message and nothing packed.
    TextBlockInput tall = block(QStringLiteral("A\r\nB\r\nC\r\nD\r\nE\r\nF"), 90, 16);
    EXPECT_FALSE(PrepareCharacterDownloadPicture(tall, prompter).packed);
    EXPECT_EQ(prompter.texts("error"), QStringList{QStringLiteral("字符转换成图片后图片的高度不能大于520线")});
}

TEST_F(Rendering, TextFarBeyondEveryLimitIsRefusedByItsMeasureWithTheLimitsMessage)
{
    const QString tooWide = QStringLiteral("单行字符长度过长，每行转换成图片的后的宽度不能大于816像素");
    const QString tooHigh = QStringLiteral("图片的高度不能大于520线");
    const QString wideLine = QString(2000, QLatin1Char('W'));
    const QStringList manyLines(10000, QStringLiteral("A"));
    const QStringList manyLinesOneWide = manyLines.mid(1) << QString(200, QLatin1Char('W'));
    const QStringList manyPaddedLines(10000, QStringLiteral("A") + QString(300, QLatin1Char(' ')));
    struct Case {
        const char* what;
        QString text;
        int height;
        QString message;
        bool drawn; // drawn, but never wider than the widest picture and one unit of 16
    };
    const QList<Case> cases = {
        {"one line of 2000 characters", wideLine, 32, tooWide, true},
        {"10000 short lines", manyLines.join(QStringLiteral("\r\n")), 320000, tooHigh, false},
        {"10000 lines, the last one wide", manyLinesOneWide.join(QStringLiteral("\r\n")), 320000, tooWide, false},
        // Spaces leave no ink, however far they reach.
        {"10000 lines padded with spaces", manyPaddedLines.join(QStringLiteral("\r\n")), 320000, tooHigh, false},
    };
    for (const Case& c : cases) {
        prompter.shown.clear();
        const TextBlockInput input = block(c.text, 32, 0);
        const RenderedText rendered = RenderTextBlock(input);
        EXPECT_EQ(rendered.height, c.height) << c.what;
        EXPECT_EQ(rendered.image.isNull(), !c.drawn) << c.what;
        EXPECT_LE(rendered.image.width(), 832) << c.what;
        const PreparedPicture prepared = PrepareCustomFontPicture(input, prompter);
        EXPECT_FALSE(prepared.packed) << c.what;
        EXPECT_EQ(prompter.texts("error"), QStringList{c.message}) << c.what;
    }
    // However long, a line measures at least as wide as its first characters.
    const QString longest(120000, QLatin1Char('W'));
    EXPECT_GE(MeasureLines(kLatinFont, 360, longest, false, 832).widestTwips, 832 * 15);
    const TextBlockInput beyondLayout = block(longest, 360, 0);
    EXPECT_GT(RenderTextBlock(beyondLayout).width, 816);
}

TEST_F(Rendering, TextWithNothingToDrawIsRefusedAndARefusedPictureIsStillShown)
{
    for (const QString& blank : {QString(), QStringLiteral(" "), QStringLiteral("\r\n\r\n"), QStringLiteral("　 ")}) {
        prompter.shown.clear();
        const PreparedPicture prepared = PrepareCharacterDownloadPicture(block(blank, 32, 0), prompter);
        EXPECT_FALSE(prepared.packed);
        EXPECT_TRUE(prepared.surface.isNull());
        EXPECT_EQ(prompter.texts("error"), QStringList{QStringLiteral("没有要发送的字符，请输入")});
    }
    prompter.shown.clear();
    const PreparedPicture tooLarge =
        PrepareCharacterDownloadPicture(block(QStringList(3, QString(20, QLatin1Char('W'))).join(QStringLiteral("\r\n")), 40, 0), prompter);
    EXPECT_FALSE(tooLarge.packed);
    EXPECT_GT(inkCount(tooLarge.surface), 100);
    EXPECT_EQ(prompter.texts("error"),
              QStringList{QStringLiteral("字符转换成图片后图片太大了，图片的最大像素不能大于65536像素")});
}

TEST_F(Rendering, SizeFields)
{
    EXPECT_TRUE(CheckCustomFontSizeField(QStringLiteral("364")).ok());
    const BoxVerdict custom = CheckCustomFontSizeField(QStringLiteral("365"));
    EXPECT_EQ(custom.message, QStringLiteral("字符原形最大点阵不能超过360*360，最大像素不能超过133120"));
    EXPECT_EQ(custom.resetTo, QStringLiteral("32"));
    EXPECT_TRUE(CheckPageSizeField(QStringLiteral("310")).ok());
    EXPECT_EQ(CheckPageSizeField(QStringLiteral("311")).message,
              QStringLiteral("字符原形最大点阵不能超过310*310，最大像素不能超过96256"));
    const BoxVerdict text = CheckPageSizeField(QStringLiteral("1x"));
    EXPECT_EQ(text.message, QStringLiteral("输入应为数字"));
    EXPECT_EQ(text.resetTo, QStringLiteral("32"));
    EXPECT_TRUE(CheckCustomFontSizeField(QString()).ok());
    EXPECT_EQ(SizeFieldValue(QStringLiteral(" 12 ")), 12);
    EXPECT_FALSE(SizeFieldValue(QStringLiteral("nan")));
}

TEST_F(Rendering, TextLineIsOneCellHighAndWholeCellsWide)
{
    TextLineInput line;
    line.text = QStringLiteral("字幕 AB");
    line.fontName = kChineseFont;
    line.cellHeight = 48;
    const auto smooth = RenderTextLine(line);
    ASSERT_TRUE(smooth);
    EXPECT_EQ(smooth->height(), 48);
    EXPECT_EQ(smooth->width() % 48, 0);
    EXPECT_GT(inkCount(*smooth), 200);
    EXPECT_TRUE(hasGrey(*smooth));

    line.cellHeight = 32;
    line.sizeAdjustment = -4; // a 28-pixel font: the width is a multiple of 28
    const auto plain = PrintTextLine(line);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->height(), 32);
    EXPECT_EQ(plain->width() % 28, 0);
    EXPECT_GT(inkCount(*plain), 100);
    EXPECT_FALSE(hasGrey(*plain));

    line.sizeAdjustment = -32;
    EXPECT_FALSE(RenderTextLine(line));
    EXPECT_FALSE(PrintTextLine(line));

    // A line of any length is drawn only as far as its caller could take it.
    line.sizeAdjustment = 0;
    line.text = QString(40000, QChar(0x5B57));
    line.widestUseful = 9504;
    EXPECT_GT(TextLineWidth(line), 9504);
    for (const auto& drawn : {RenderTextLine(line), PrintTextLine(line)}) {
        ASSERT_TRUE(drawn);
        EXPECT_EQ(drawn->width(), 9504);
        EXPECT_GT(inkCount(*drawn), 10000);
    }
}

TEST_F(Rendering, VerticalWritingTurnsLinesIntoColumnsFromTheRight)
{
    EXPECT_EQ(TransposeToVertical(QStringLiteral("AB\r\nCDE")), QStringLiteral("CA\r\nDB\r\nE "));
    // A line with double-byte characters fills its cells with full-width forms, its
    // padding included; a plain line stays as it is.
    EXPECT_EQ(TransposeToVertical(QStringLiteral("中A\r\nBC")), QStringLiteral("B中\r\nCＡ"));
    EXPECT_EQ(TransposeToVertical(QStringLiteral("中文 A\r\n字")), QStringLiteral("字中\r\n　文\r\n　　\r\n　Ａ"));
    EXPECT_EQ(TransposeToVertical(QStringLiteral("A\r\n中文")), QStringLiteral("中A\r\n文 "));
    EXPECT_EQ(TransposeToVertical(QStringLiteral("ab")), QStringLiteral("a\r\nb"));
}

TEST_F(Rendering, WorkerThreadDrawsTheSamePicture)
{
    const TextBlockInput input = block(QStringLiteral("Caption 12\r\n字幕"), 28, 2);
    const RenderedText here = RenderTextBlock(input);
    RenderedText there;
    QThread* worker = QThread::create([&] { there = RenderTextBlock(input); });
    worker->start();
    ASSERT_TRUE(worker->wait(60000));
    delete worker;
    EXPECT_EQ(there.width, here.width);
    EXPECT_EQ(there.height, here.height);
    EXPECT_EQ(there.image, here.image);
}
