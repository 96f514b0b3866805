// The font table, its records and files, the start-up font, the font document and
// the C export.

#include "base/app_folder.h"
#include "file_bytes.h"
#include "font/c_export.h"
#include "font/font_document.h"
#include "font/font_file.h"
#include "font/font_record.h"
#include "font/font_source.h"
#include "font/mcm_file.h"
#include "recording_prompter.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using namespace kv;
using kv::test::FileBytes;

namespace {

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray patternBytes(int size)
{
    QByteArray bytes(size, '\0');
    for (int i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 37 + i / 54) & 0xFF);
    return bytes;
}

class FontFolder : public ::testing::Test {
protected:
    QTemporaryDir dir;
    AppFolder folder{dir.path()};
    test::RecordingPrompter prompter;
};

} // namespace

TEST(FontRecord, PixelZeroWhiteIsEightyThenZeros)
{
    Grid grid = FilledGrid(kBlackCell);
    grid[0] = kWhiteCell;
    const QByteArray record = PackGrid(grid);
    EXPECT_EQ(record, QByteArray(1, char(0x80)) + QByteArray(53, '\0'));

    FontTable table;
    table.setRecord(0, record);
    const QByteArray stored = ToggleStoredOrder(table.bytes()).left(kRecordSize);
    EXPECT_EQ(static_cast<quint8>(stored.at(53)), 0x80);
    EXPECT_EQ(stored.left(53), QByteArray(53, '\0'));
}

TEST(FontRecord, PackMapsEveryOtherColourToTransparentAndUnpackShowsBothTransparentCodesGreen)
{
    Grid grid = FilledGrid(kBlackCell);
    grid[1] = 0x123456;
    grid[2] = kTransparentCell;
    grid[3] = kWhiteCell;
    EXPECT_EQ(static_cast<quint8>(PackGrid(grid).at(0)), 0b00111110);

    const QByteArray record = QByteArray(1, char(0b01111000)) + QByteArray(53, '\0');
    const Grid unpacked = UnpackRecord(record);
    EXPECT_EQ(unpacked[0], kTransparentCell);
    EXPECT_EQ(unpacked[1], kTransparentCell);
    EXPECT_EQ(unpacked[2], kWhiteCell);
    EXPECT_EQ(unpacked[3], kBlackCell);
    EXPECT_EQ(unpacked[4], kBlackCell);
}

TEST(FontRecord, LastPixelLivesInTheLowBitsOfTheLastByte)
{
    QByteArray record(kRecordSize, '\0');
    SetPixel(record, kGlyphPixels - 1, PixelCode::Transparent);
    SetPixel(record, 11, PixelCode::White);
    EXPECT_EQ(static_cast<quint8>(record.at(53)), 0x03);
    EXPECT_EQ(static_cast<quint8>(record.at(2)), 0x02);
    EXPECT_EQ(PixelAt(record, 11), PixelCode::White);
}

TEST(FontRecord, StoredOrderKeepsTheMiddlePairAndIsItsOwnInverse)
{
    QByteArray record(kRecordSize, '\0');
    for (int k = 0; k < kRecordSize; ++k)
        record[k] = static_cast<char>(k);
    const QByteArray stored = ToggleStoredOrder(record);
    for (int k = 0; k < kRecordSize; ++k) {
        const int expected = (k == 26 || k == 27) ? k : 53 - k;
        EXPECT_EQ(stored.at(k), expected) << "stored byte " << k;
    }
    const QByteArray table = patternBytes(kFontTableSize);
    EXPECT_EQ(ToggleStoredOrder(ToggleStoredOrder(table)), table);
}

TEST_F(FontFolder, LoadingAndSavingWithoutEditsGivesTheSameFile)
{
    const QByteArray original = patternBytes(kFontTableSize);
    writeAll(folder.path("in.bin"), original);
    const auto table = LoadFontFile(folder.path("in.bin"));
    ASSERT_TRUE(table);
    ASSERT_TRUE(SaveFontFile(folder.path("out.bin"), *table));
    EXPECT_EQ(FileBytes(folder.path("out.bin")), original);
    // Stored bytes 26 and 27 are device bytes 26 and 27.
    EXPECT_EQ(table->bytes().at(26), original.at(26));
    EXPECT_EQ(table->bytes().at(27), original.at(27));
    EXPECT_EQ(table->bytes().at(0), original.at(53));
}

TEST_F(FontFolder, ShortFileLoadsWithZerosAndLongFileLoadsItsFirstTable)
{
    writeAll(folder.path("short.bin"), QByteArray(100, char(0x11)));
    const auto shortTable = LoadFontFile(folder.path("short.bin"));
    ASSERT_TRUE(shortTable);
    EXPECT_EQ(shortTable->bytes().size(), kFontTableSize);
    EXPECT_EQ(shortTable->record(1), QByteArray(8, '\0') + QByteArray(46, char(0x11)));
    EXPECT_EQ(shortTable->record(2), QByteArray(54, '\0'));

    const QByteArray pattern = patternBytes(kFontTableSize);
    writeAll(folder.path("long.bin"), pattern + QByteArray(500, char(0x77)));
    const auto longTable = LoadFontFile(folder.path("long.bin"));
    ASSERT_TRUE(longTable);
    EXPECT_EQ(longTable->bytes(), ToggleStoredOrder(pattern));

    EXPECT_FALSE(LoadFontFile(folder.path("missing.bin")));
}

TEST_F(FontFolder, FailedSaveIsReportedWithTheFileNameAndLeavesSelectZkAlone)
{
    // A folder where the font file should be: the rename at the end of the write fails.
    ASSERT_TRUE(QDir(dir.path()).mkdir(kLocalFontFile));
    ASSERT_TRUE(WriteTextFile(folder.path(kSelectedFontFile), kOverlayFontCaption));
    const auto outcome = SaveFontTable(FontTable(), kLocalFontCaption, folder, prompter);
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(outcome.caption, kLocalFontCaption);
    ASSERT_EQ(prompter.texts("error").size(), 1);
    EXPECT_TRUE(prompter.texts("error").first().contains(kLocalFontFile));
    EXPECT_EQ(ReadFirstLine(folder.path(kSelectedFontFile)), kOverlayFontCaption);
}

TEST_F(FontFolder, SaveWithACaptionThatNamesNoFileWritesNothing)
{
    const auto outcome = SaveFontTable(FontTable(), QStringLiteral("不认识"), folder, prompter);
    EXPECT_FALSE(outcome.saved);
    EXPECT_EQ(prompter.texts("error").size(), 1);
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
}

TEST(FontSource, SaveMappingOfEveryCaption)
{
    EXPECT_EQ(SaveTargetFor(kUnsavedOverlayCaption)->file, kOverlayFontFile);
    EXPECT_EQ(SaveTargetFor(kUnsavedOverlayCaption)->caption, kSavedOverlayCaption);
    EXPECT_EQ(SaveTargetFor(kOverlayFontCaption)->file, kOverlayFontFile);
    EXPECT_EQ(SaveTargetFor(kOverlayFontCaption)->caption, kOverlayFontCaption);
    EXPECT_EQ(SaveTargetFor(kSavedOverlayCaption)->file, kOverlayFontFile);
    EXPECT_EQ(SaveTargetFor(kSavedOverlayCaption)->caption, kSavedOverlayCaption);
    EXPECT_EQ(SaveTargetFor(kLocalFontCaption)->file, kLocalFontFile);
    EXPECT_FALSE(SaveTargetFor(QStringLiteral("别的字库")));
    EXPECT_FALSE(SaveTargetFor(QString()));
}

TEST_F(FontFolder, SavingAFontReadFromTheUnitIsLoadedAtTheNextStart)
{
    FontTable table;
    table.setRecord(65, QByteArray(kRecordSize, char(0xAB)));
    const auto outcome = SaveFontTable(table, kUnsavedOverlayCaption, folder, prompter);
    EXPECT_TRUE(outcome.saved);
    EXPECT_EQ(outcome.caption, kSavedOverlayCaption);
    EXPECT_TRUE(QFile::exists(folder.path(kOverlayFontFile)));
    EXPECT_FALSE(QFile::exists(folder.path(kLocalFontFile)));
    // selectZK: the caption in code page 936, no line end.
    EXPECT_EQ(FileBytes(folder.path(kSelectedFontFile)), QByteArray("\xB5\xFE\xBC\xD3\xC6\xF7\xD7\xD6\xBF\xE2\xA3\xBAmaxZK16"));

    const StartupFont next = LoadStartupFont(folder, QString());
    EXPECT_TRUE(next.loaded);
    EXPECT_EQ(next.caption, kSavedOverlayCaption);
    EXPECT_EQ(next.table, table);
}

TEST_F(FontFolder, StartupSelection)
{
    FontTable local;
    local.setRecord(1, QByteArray(kRecordSize, char(0x01)));
    FontTable overlay;
    overlay.setRecord(2, QByteArray(kRecordSize, char(0x02)));
    ASSERT_TRUE(SaveFontFile(folder.path(kLocalFontFile), local));
    ASSERT_TRUE(SaveFontFile(folder.path(kOverlayFontFile), overlay));

    // No selectZK: the local font.
    StartupFont s = LoadStartupFont(folder, QString());
    EXPECT_EQ(s.caption, kLocalFontCaption);
    EXPECT_EQ(s.table, local);

    ASSERT_TRUE(WriteTextFile(folder.path(kSelectedFontFile), kUnsavedOverlayCaption));
    s = LoadStartupFont(folder, QString());
    EXPECT_EQ(s.caption, kSavedOverlayCaption);
    EXPECT_EQ(s.table, overlay);

    ASSERT_TRUE(WriteTextFile(folder.path(kSelectedFontFile), kOverlayFontCaption));
    s = LoadStartupFont(folder, QString());
    EXPECT_EQ(s.caption, kOverlayFontCaption);
    EXPECT_EQ(s.table, overlay);

    ASSERT_TRUE(WriteTextFile(folder.path(kSelectedFontFile), QStringLiteral("不认识")));
    s = LoadStartupFont(folder, QString());
    EXPECT_EQ(s.caption, QStringLiteral("不认识"));
    EXPECT_FALSE(s.loaded);
    EXPECT_EQ(s.table, FontTable());

    // The chosen file is missing: nothing loaded, nothing said.
    QFile::remove(folder.path(kOverlayFontFile));
    ASSERT_TRUE(WriteTextFile(folder.path(kSelectedFontFile), kOverlayFontCaption));
    s = LoadStartupFont(folder, QString());
    EXPECT_FALSE(s.loaded);
    EXPECT_EQ(s.table, FontTable());
}

TEST_F(FontFolder, ShippedDefaultIsCopiedOnlyWhenTheFolderHasNoLocalFont)
{
    QTemporaryDir shipDir;
    const QString shipped = QDir(shipDir.path()).filePath(kLocalFontFile);
    writeAll(shipped, QByteArray(kFontTableSize, char(0x33)));

    StartupFont s = LoadStartupFont(folder, shipped);
    EXPECT_TRUE(s.loaded);
    EXPECT_EQ(FileBytes(folder.path(kLocalFontFile)), QByteArray(kFontTableSize, char(0x33)));

    writeAll(folder.path(kLocalFontFile), QByteArray(kFontTableSize, char(0x44)));
    s = LoadStartupFont(folder, shipped);
    EXPECT_EQ(s.table.bytes(), QByteArray(kFontTableSize, char(0x44)));
}

TEST_F(FontFolder, EachDocumentStepLeavesItsCaptionTableAndMcmPadding)
{
    const FontTable imported = FontTable::fromDeviceBytes(patternBytes(kFontTableSize));
    const FontTable overlay = FontTable::fromDeviceBytes(QByteArray(kFontTableSize, char(0x5A)));
    const QByteArray padding(kGlyphCount * kMcmPaddingPerGlyph, char(0x0F));
    writeAll(folder.path("good.mcm"), McmContent(imported, padding));
    writeAll(folder.path("bad.mcm"), McmContent(imported).left(100));
    ASSERT_TRUE(SaveFontFile(folder.path(kOverlayFontFile), overlay));

    struct Case {
        const char* step;
        std::function<bool(FontDocument&)> run;
        bool succeeds;
        QString caption;
        FontTable table;
        bool keepsPadding;
        int errors;
    };
    const QList<Case> cases{
        {"open", [](FontDocument& d) { return d.open(kOverlayFontFile, kOverlayFontCaption); }, true,
         kOverlayFontCaption, overlay, false, 0},
        {"open a missing file", [](FontDocument& d) { return d.open(kLocalFontFile, kLocalFontCaption); }, false,
         kLocalFontCaption, imported, true, 0},
        {"import a bad file", [&](FontDocument& d) { return d.importFile(folder.path("bad.mcm")).done(); }, false,
         kLocalFontCaption, imported, true, 1},
        {"take the unit's font", [&](FontDocument& d) { d.takeUnitFont(overlay); return true; }, true,
         kUnsavedOverlayCaption, overlay, false, 0},
        {"save", [&](FontDocument& d) { return d.save() && LoadFontFile(folder.path(kLocalFontFile)) == d.table(); },
         true, kLocalFontCaption, imported, true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.step);
        QFile::remove(folder.path(kLocalFontFile));
        QFile::remove(folder.path(kSelectedFontFile));
        test::RecordingPrompter shown;
        FontDocument document(folder, shown);
        document.openStartup(QString());
        ASSERT_FALSE(document.loaded());
        // An import keeps the caption, so a save goes where the caption says.
        ASSERT_TRUE(document.importFile(folder.path("good.mcm")).done());
        ASSERT_TRUE(document.loaded());

        EXPECT_EQ(c.run(document), c.succeeds);
        EXPECT_EQ(document.caption(), c.caption);
        EXPECT_EQ(document.table(), c.table);
        EXPECT_EQ(shown.texts("error").size(), c.errors);
        ASSERT_TRUE(document.exportFile(folder.path("out.mcm"), PngLayout::Plain).done());
        EXPECT_EQ(FileBytes(folder.path("out.mcm")), McmContent(c.table, c.keepsPadding ? padding : QByteArray()));
    }
}

TEST_F(FontFolder, ExportOfAnAllZeroTable)
{
    const QString text = CExportText(FontTable());
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 258);
    EXPECT_EQ(lines.first(), QStringLiteral("uc8 max7456zk[]={"));
    EXPECT_EQ(lines.last(), QStringLiteral("};"));
    QString zeros;
    for (int i = 0; i < 54; ++i)
        zeros += QStringLiteral("0x00,");
    for (int i = 1; i <= 256; ++i)
        ASSERT_EQ(lines.at(i), zeros) << "line " << i;

    ASSERT_TRUE(ExportCFile(FontTable(), folder, prompter).done());
    EXPECT_EQ(FileBytes(folder.path(kCExportFile)).size(), 69653);
}

TEST(CExport, ItemsAreUpperCaseTwoDigitsInDeviceOrder)
{
    FontTable table;
    QByteArray record(kRecordSize, '\0');
    record[0] = char(0x0A);
    record[53] = char(0xFE);
    table.setRecord(255, record);
    const QStringList lines = CExportText(table).split(QStringLiteral("\r\n"));
    EXPECT_TRUE(lines.at(256).startsWith(QStringLiteral("0x0A,0x00,")));
    EXPECT_TRUE(lines.at(256).endsWith(QStringLiteral("0x00,0xFE,")));
}
