// The character editor: shifts, outline, fills, painting, undo and extraction.

#include "font/font_editor.h"
#include "font/glyph_extract.h"
#include "font/glyph_ops.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

using namespace kv;

namespace {

QByteArray recordOf(quint8 value)
{
    return QByteArray(kRecordSize, char(value));
}

int cell(int row, int column)
{
    return row * kGlyphWidth + column;
}

int count(const Grid& grid, CellColour colour)
{
    return static_cast<int>(std::count(grid.begin(), grid.end(), colour));
}

FontTable tableWith(int code, const QByteArray& record)
{
    FontTable table;
    table.setRecord(code, record);
    return table;
}

} // namespace

TEST(GlyphShift, UpEighteenTimesLeavesATransparentCharacter)
{
    QByteArray record = recordOf(0x00);
    for (int i = 0; i < 18; ++i)
        record = ShiftedUp(record);
    EXPECT_EQ(record, recordOf(0xFF));
}

TEST(GlyphShift, RowsMoveByThreeBytes)
{
    QByteArray record(kRecordSize, '\0');
    for (int k = 0; k < kRecordSize; ++k)
        record[k] = static_cast<char>(k);
    const QByteArray up = ShiftedUp(record);
    EXPECT_EQ(up.at(0), 3);
    EXPECT_EQ(up.at(50), 53);
    EXPECT_EQ(up.right(3), QByteArray(3, char(0xFF)));
    const QByteArray down = ShiftedDown(record);
    EXPECT_EQ(down.left(3), QByteArray(3, char(0xFF)));
    EXPECT_EQ(down.at(3), 0);
    EXPECT_EQ(down.at(53), 50);
}

TEST(GlyphShift, LeftAndRightBringInATransparentPixel)
{
    const QByteArray white = recordOf(0xAA);
    const QByteArray left = ShiftedLeft(white);
    EXPECT_EQ(left.left(3), QByteArray("\xAA\xAA\xAB"));
    const QByteArray right = ShiftedRight(white);
    EXPECT_EQ(right.left(3), QByteArray("\xEA\xAA\xAA"));
    // Pixels cross byte borders within a row but never into the next row.
    QByteArray record(kRecordSize, '\0');
    record[2] = char(0x02); // last pixel of row 0 white
    EXPECT_EQ(static_cast<quint8>(ShiftedRight(record).at(3)), 0xC0);
    EXPECT_EQ(static_cast<quint8>(ShiftedLeft(record).at(2)), 0x0B);
}

TEST(GlyphOutline, OneWhiteCornerCellGetsExactlyTwoBlackNeighbours)
{
    Grid grid = FilledGrid(kTransparentCell);
    grid[cell(17, 11)] = kWhiteCell;
    const Grid outlined = Outlined(grid);
    EXPECT_EQ(count(outlined, kBlackCell), 2);
    EXPECT_EQ(outlined[cell(16, 11)], kBlackCell);
    EXPECT_EQ(outlined[cell(17, 10)], kBlackCell);
    EXPECT_EQ(outlined[cell(17, 11)], kWhiteCell);
}

TEST(GlyphOutline, OnlyTransparentCellsTurnAndRemoveTakesEveryBlack)
{
    Grid grid = FilledGrid(kTransparentCell);
    grid[cell(5, 5)] = kWhiteCell;
    grid[cell(5, 6)] = kBlackCell;  // a black neighbour stays black
    grid[cell(0, 0)] = kBlackCell;  // a black cell far from the shape
    grid[cell(4, 4)] = kTransparentCell; // diagonal: not a neighbour
    const Grid outlined = Outlined(grid);
    EXPECT_EQ(count(outlined, kBlackCell), 5);
    EXPECT_EQ(outlined[cell(4, 4)], kTransparentCell);

    const Grid removed = WithoutOutline(outlined);
    EXPECT_EQ(count(removed, kBlackCell), 0);
    EXPECT_EQ(count(removed, kWhiteCell), 1);
}

TEST(FontEditor, SelectLoadsTheRecordAndReturnsThePreviousCode)
{
    FontTable table = tableWith(65, recordOf(0xAA));
    table.setRecord(66, recordOf(0x00));
    FontEditor editor;
    EXPECT_FALSE(editor.select(65, table));
    EXPECT_EQ(editor.buffer(), recordOf(0xAA));
    EXPECT_EQ(count(editor.grid(), kWhiteCell), kGlyphPixels);
    editor.press(0);
    editor.release();
    // Selecting B shows A again from the table; A's unpacked edit is gone.
    EXPECT_EQ(editor.select(66, table), 65);
    EXPECT_EQ(table.record(65), recordOf(0xAA));
    EXPECT_EQ(editor.code(), 66);
}

TEST(FontEditor, ShiftsNeedACharacterAndReplaceUnpackedEdits)
{
    FontEditor editor;
    EXPECT_FALSE(editor.shiftUp());
    EXPECT_FALSE(editor.extract(recordOf(0xAA)));
    EXPECT_EQ(editor.buffer(), recordOf(0x00));

    editor.select(1, tableWith(1, recordOf(0xAA)));
    editor.press(cell(3, 3)); // white to black, not packed
    editor.release();
    EXPECT_TRUE(editor.shiftLeft());
    EXPECT_EQ(editor.buffer().left(3), QByteArray("\xAA\xAA\xAB"));
    EXPECT_EQ(editor.grid()[cell(3, 3)], kWhiteCell);
}

TEST(FontEditor, PaintingAdvancesOnPressAndOnEnteringAnotherCell)
{
    FontEditor editor;
    editor.select(0, FontTable::fromDeviceBytes(QByteArray(kFontTableSize, char(0xFF))));
    editor.press(5);
    EXPECT_EQ(editor.grid()[5], kWhiteCell);
    editor.dragTo(5); // moving within the cell changes nothing
    editor.dragTo(5);
    EXPECT_EQ(editor.grid()[5], kWhiteCell);
    editor.dragTo(6);
    editor.dragTo(5); // re-entering is another step
    EXPECT_EQ(editor.grid()[6], kWhiteCell);
    EXPECT_EQ(editor.grid()[5], kBlackCell);
    editor.release();
    editor.dragTo(7); // no button held
    EXPECT_EQ(editor.grid()[7], kTransparentCell);
    editor.press(5);
    EXPECT_EQ(editor.grid()[5], kTransparentCell);
}

TEST(FontEditor, UndoAndRedoStepThroughStrokesAndShifts)
{
    FontEditor editor;
    editor.select(0, FontTable::fromDeviceBytes(QByteArray(kFontTableSize, char(0xFF))));
    const Grid start = editor.grid();
    editor.press(0);
    editor.dragTo(1);
    editor.dragTo(2);
    editor.release();
    const Grid stroke = editor.grid();
    editor.shiftDown();
    const QByteArray shifted = editor.buffer();

    ASSERT_TRUE(editor.undo());
    EXPECT_EQ(editor.grid(), stroke);
    EXPECT_EQ(editor.buffer(), recordOf(0xFF));
    ASSERT_TRUE(editor.undo()); // the whole stroke is one step
    EXPECT_EQ(editor.grid(), start);
    EXPECT_FALSE(editor.undo());
    ASSERT_TRUE(editor.redo());
    ASSERT_TRUE(editor.redo());
    EXPECT_EQ(editor.buffer(), shifted);
    EXPECT_FALSE(editor.redo());

    // A new edit drops what could be redone; another character drops the history.
    editor.undo();
    editor.fill(kBlackCell);
    EXPECT_FALSE(editor.canRedo());
    editor.select(1, FontTable());
    EXPECT_FALSE(editor.canUndo());
}

TEST(FontEditor, OutlinePacksFillDoesNotAndCancelClears)
{
    FontEditor editor;
    editor.select(9, tableWith(9, recordOf(0xFF)));
    editor.press(cell(0, 0));
    editor.release();
    editor.outline();
    EXPECT_EQ(static_cast<quint8>(editor.buffer().at(0)), 0b10001111);
    editor.fill(kWhiteCell);
    EXPECT_EQ(static_cast<quint8>(editor.buffer().at(0)), 0b10001111);
    EXPECT_EQ(editor.pack(), recordOf(0xAA));

    EXPECT_EQ(editor.cancel(), 9);
    EXPECT_FALSE(editor.code());
    EXPECT_EQ(editor.buffer(), recordOf(0x00));
    EXPECT_EQ(count(editor.grid(), kTransparentCell), kGlyphPixels);
}

class Extraction : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "test_font_editor";
        static char* argv[] = {name, nullptr};
        if (!QCoreApplication::instance())
            new QGuiApplication(argc, argv);
    }
};

TEST_F(Extraction, InkBecomesWhiteAndPaperTransparent)
{
    GlyphExtraction input;
    input.family = QStringLiteral("Liberation Sans");
    input.text = QStringLiteral("I");
    input.pixelSize = 16;
    input.bold = true;
    input.xOffset = 4;
    const Grid grid = UnpackRecord(ExtractGlyph(input));
    EXPECT_GT(count(grid, kWhiteCell), 10);
    EXPECT_EQ(count(grid, kBlackCell), 0);
    EXPECT_EQ(grid[cell(0, 0)], kTransparentCell);

    // An offset past the picture leaves nothing to extract.
    input.xOffset = 40;
    EXPECT_EQ(ExtractGlyph(input), recordOf(0xFF));
}

TEST_F(Extraction, EachLineStartsAtTheOffsets)
{
    GlyphExtraction one;
    one.family = QStringLiteral("Liberation Sans");
    one.pixelSize = 8;
    one.text = QStringLiteral("I");
    GlyphExtraction two = one;
    two.text = QStringLiteral("I\r\nI");
    const int first = count(UnpackRecord(ExtractGlyph(one)), kWhiteCell);
    EXPECT_GT(count(UnpackRecord(ExtractGlyph(two)), kWhiteCell), first);
}

TEST(ExtractionBoxes, SizeAndOffsetChecks)
{
    EXPECT_TRUE(CheckGlyphSizeBox(QString()).ok());
    EXPECT_TRUE(CheckGlyphSizeBox(QStringLiteral("310")).ok());
    EXPECT_EQ(CheckGlyphSizeBox(QStringLiteral("abc")).message, QStringLiteral("输入应为数字"));
    EXPECT_EQ(CheckGlyphSizeBox(QStringLiteral("abc")).resetTo, QStringLiteral("32"));
    const BoxVerdict tooBig = CheckGlyphSizeBox(QStringLiteral("311"));
    ASSERT_FALSE(tooBig.ok());
    EXPECT_EQ(tooBig.message, QStringLiteral("字符原形最大点阵不能超过310*310，最大像素不能超过96256"));

    EXPECT_EQ(WithoutSpaces(QStringLiteral(" 1 2 ")), QStringLiteral("12"));
    EXPECT_TRUE(CheckOffsetBox(QString()).ok());
    EXPECT_TRUE(CheckOffsetBox(QStringLiteral("-3")).ok());
    EXPECT_EQ(CheckOffsetBox(QStringLiteral("1.5")).message, QStringLiteral("有效数值必须为十进制数"));
    EXPECT_EQ(CheckOffsetBox(QStringLiteral("x")).resetTo, QStringLiteral("0"));
}
