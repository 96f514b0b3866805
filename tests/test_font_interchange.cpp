// Import and export of .mcm files and PNG sheets, and conversion between the formats.

#include "file_bytes.h"
#include "font/font_interchange.h"
#include "font/mcm_file.h"
#include "font/png_sheet.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kv;
using kv::test::FileBytes;

namespace {

// Every pixel code, 01 included, in a pattern that differs from record to record.
FontTable mixedTable()
{
    QByteArray bytes(kFontTableSize, '\0');
    for (int i = 0; i < kFontTableSize; ++i)
        bytes[i] = static_cast<char>((i * 29 + i / 54 * 7) & 0xFF);
    return FontTable::fromDeviceBytes(bytes);
}

// The same pattern with every transparent pixel written as 11, as a PNG can hold it.
FontTable threeLevelTable()
{
    QByteArray bytes = mixedTable().bytes();
    for (int i = 0; i < kFontTableSize; ++i) {
        quint8 b = static_cast<quint8>(bytes.at(i));
        for (int shift = 0; shift < 8; shift += 2)
            if (((b >> shift) & 3) == 1)
                b |= quint8(3 << shift);
        bytes[i] = static_cast<char>(b);
    }
    return FontTable::fromDeviceBytes(bytes);
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QString errorOf(const std::variant<McmFont, FontImportError>& parsed)
{
    const auto* e = std::get_if<FontImportError>(&parsed);
    return e ? e->text : QString();
}

} // namespace

TEST(Mcm, ExportHasTheHeaderAndSixtyFourLinesPerCharacter)
{
    FontTable table;
    table.setRecord(0, QByteArray(1, char(0x80)) + QByteArray(53, '\0'));
    const QByteArray content = McmContent(table);
    const QList<QByteArray> lines = content.split('\n');
    ASSERT_EQ(lines.size(), 1 + 256 * 64 + 1); // the last line end leaves an empty piece
    EXPECT_EQ(lines.at(0), QByteArray("MAX7456\r"));
    EXPECT_EQ(lines.at(1), QByteArray("10000000\r"));
    EXPECT_EQ(lines.at(2), QByteArray("00000000\r"));
    EXPECT_EQ(lines.at(55), QByteArray("01010101\r")); // fresh padding
    EXPECT_EQ(lines.at(64), QByteArray("01010101\r"));
    EXPECT_EQ(lines.at(65), QByteArray("00000000\r"));
}

TEST(Mcm, LineEndsOfEveryKindLoad)
{
    const FontTable table = mixedTable();
    const QByteArray crlf = McmContent(table);
    QByteArray lf = crlf;
    lf.replace("\r\n", "\n");
    const QList<QByteArray> variants = {crlf, lf, crlf.chopped(2), lf.chopped(1), crlf + "\r\n", lf + "\n"};
    for (const QByteArray& content : variants) {
        const auto parsed = ParseMcm(content);
        ASSERT_TRUE(std::holds_alternative<McmFont>(parsed)) << errorOf(parsed).toStdString();
        EXPECT_EQ(std::get<McmFont>(parsed).table, table);
    }
}

TEST(Mcm, PaddingOfAnImportedFileIsKeptOnExport)
{
    QByteArray content = McmContent(mixedTable());
    QList<QByteArray> lines = content.split('\n');
    lines[1 + 54] = "11110000\r";   // first padding line of code 0
    lines[1 + 64 * 200 + 63] = "00000001\r"; // last padding line of code 200
    content = lines.join('\n');
    const auto parsed = ParseMcm(content);
    ASSERT_TRUE(std::holds_alternative<McmFont>(parsed));
    const McmFont& font = std::get<McmFont>(parsed);
    EXPECT_EQ(static_cast<quint8>(font.padding.at(0)), 0xF0);
    EXPECT_EQ(McmContent(font.table, font.padding), content);
}

TEST(Mcm, FaultsAreReportedWithTheirLine)
{
    const QByteArray good = McmContent(mixedTable());
    EXPECT_EQ(errorOf(ParseMcm(QByteArray())), QStringLiteral("第1行：文件头应为“MAX7456”"));
    EXPECT_EQ(errorOf(ParseMcm("MAX7457\r\n" + good.mid(9))), QStringLiteral("第1行：文件头应为“MAX7456”"));

    QList<QByteArray> lines = good.split('\n');
    lines[100] = "0101010\r"; // seven digits
    EXPECT_TRUE(errorOf(ParseMcm(lines.join('\n'))).startsWith(QStringLiteral("第101行：")));
    lines = good.split('\n');
    lines[5000] = "0101012\r";
    EXPECT_TRUE(errorOf(ParseMcm(lines.join('\n'))).startsWith(QStringLiteral("第5001行：")));
    lines = good.split('\n');
    lines[3] = "\r"; // a blank line inside the data
    EXPECT_TRUE(errorOf(ParseMcm(lines.join('\n'))).startsWith(QStringLiteral("第4行：")));

    EXPECT_EQ(errorOf(ParseMcm(good.left(good.size() - 20))),
              QStringLiteral("文件不完整：共16383行，应为16385行"));
    EXPECT_TRUE(errorOf(ParseMcm(good + "01010101\r\n")).startsWith(QStringLiteral("第16386行：")));
}

TEST(PngSheet, BothLayoutsRoundTripAFontWhoseTransparentPixelsAreEleven)
{
    const FontTable table = threeLevelTable();
    for (PngLayout layout : {PngLayout::Plain, PngLayout::Separated}) {
        const QImage image = PngSheet(table, layout);
        EXPECT_EQ(image.width(), layout == PngLayout::Plain ? 192 : 209);
        EXPECT_EQ(image.height(), layout == PngLayout::Plain ? 288 : 305);
        const auto parsed = ParsePngSheet(image);
        ASSERT_TRUE(std::holds_alternative<FontTable>(parsed));
        EXPECT_EQ(std::get<FontTable>(parsed), table);
    }
}

TEST(PngSheet, CharacterPlacementAndTransparentColours)
{
    QImage image(209, 305, QImage::Format_RGB32);
    image.fill(QColor(0x80, 0x80, 0x80));
    // Code 17 is row 1, column 1: its first pixel at (1 + 13, 1 + 19).
    image.setPixel(14, 20, qRgb(255, 255, 255));
    image.setPixel(15, 20, qRgb(0, 0, 0));
    image.setPixel(16, 20, qRgb(0, 255, 0));
    image.setPixel(0, 0, qRgb(1, 2, 3)); // separators are not read
    const auto parsed = ParsePngSheet(image);
    ASSERT_TRUE(std::holds_alternative<FontTable>(parsed));
    const QByteArray record = std::get<FontTable>(parsed).record(17);
    EXPECT_EQ(static_cast<quint8>(record.at(0)), 0b10001111);
    EXPECT_EQ(std::get<FontTable>(parsed).record(16), QByteArray(54, char(0xFF)));
}

TEST(PngSheet, FaultsNameTheSizeOrThePixel)
{
    QImage small(100, 100, QImage::Format_RGB32);
    small.fill(Qt::black);
    EXPECT_EQ(std::get<FontImportError>(ParsePngSheet(small)).text,
              QStringLiteral("图片大小为100×100，应为192×288或209×305"));

    QImage image = PngSheet(FontTable(), PngLayout::Plain);
    image.setPixel(37, 250, qRgb(0x12, 0x34, 0xAB));
    EXPECT_EQ(std::get<FontImportError>(ParsePngSheet(image)).text,
              QStringLiteral("像素(37, 250)的颜色#1234AB不是黑、白、灰#808080或绿#00FF00"));
}

class Convert : public ::testing::Test {
protected:
    QString path(const char* name) const { return QDir(dir.path()).filePath(QLatin1String(name)); }
    FontTable importTable(const QString& p)
    {
        auto imported = ImportFontFile(p);
        EXPECT_TRUE(std::holds_alternative<ImportedFont>(imported));
        return std::holds_alternative<ImportedFont>(imported) ? std::get<ImportedFont>(imported).table : FontTable();
    }
    QTemporaryDir dir;
};

TEST_F(Convert, BinToMcmAndBackIsIdentical)
{
    ASSERT_TRUE(ExportFontFile(path("a.bin"), mixedTable(), {}));
    const QByteArray original = FileBytes(path("a.bin"));
    ASSERT_TRUE(ExportFontFile(path("a.mcm"), importTable(path("a.bin")), {}));
    ASSERT_TRUE(ExportFontFile(path("b.bin"), importTable(path("a.mcm")), {}));
    EXPECT_EQ(FileBytes(path("b.bin")), original);
}

TEST_F(Convert, McmToBinAndBackIsIdentical)
{
    ASSERT_TRUE(ExportFontFile(path("a.mcm"), mixedTable(), {}));
    const QByteArray original = FileBytes(path("a.mcm"));
    ASSERT_TRUE(ExportFontFile(path("a.bin"), importTable(path("a.mcm")), {}));
    ASSERT_TRUE(ExportFontFile(path("b.mcm"), importTable(path("a.bin")), {}));
    EXPECT_EQ(FileBytes(path("b.mcm")), original);
}

TEST_F(Convert, PngFilesOfBothLayoutsRoundTrip)
{
    const FontTable table = threeLevelTable();
    ASSERT_TRUE(ExportFontFile(path("plain.png"), table, {{}, PngLayout::Plain}));
    ASSERT_TRUE(ExportFontFile(path("grid.png"), table, {{}, PngLayout::Separated}));
    EXPECT_EQ(importTable(path("plain.png")), table);
    EXPECT_EQ(importTable(path("grid.png")), table);
}

TEST_F(Convert, ImportFaultsNameTheFileAndLoadNothing)
{
    writeAll(path("short.bin"), QByteArray(100, '\0'));
    writeAll(path("broken.png"), QByteArray("not a picture"));
    writeAll(path("font.txt"), QByteArray("MAX7456"));
    const auto shortBin = ImportFontFile(path("short.bin"));
    ASSERT_TRUE(std::holds_alternative<FontImportError>(shortBin));
    EXPECT_EQ(std::get<FontImportError>(shortBin).text, QStringLiteral("short.bin：文件大小为100字节，应为13824字节"));
    EXPECT_TRUE(std::holds_alternative<FontImportError>(ImportFontFile(path("broken.png"))));
    EXPECT_TRUE(std::holds_alternative<FontImportError>(ImportFontFile(path("font.txt"))));
    EXPECT_TRUE(std::holds_alternative<FontImportError>(ImportFontFile(path("missing.mcm"))));
}
