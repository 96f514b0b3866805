// The application folder's files: whole writes in code page 936, the line reading
// rules, and the codec.

#include "app/startup.h"
#include "base/app_folder.h"
#include "base/bounded_read.h"
#include "base/cp936.h"
#include "base/decimal_text.h"
#include "base/help_file.h"
#include "base/line_ends.h"
#include "base/numbered_list.h"
#include "base/record_store.h"
#include "file_bytes.h"
#include "kvctl_process.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

using namespace kv;
using kv::test::FileBytes;

TEST(Cp936, EncodesAndDecodes)
{
    EXPECT_EQ(EncodeCp936("A中").value(), QByteArray("A\xD6\xD0"));
    EXPECT_EQ(DecodeCp936(QByteArray("\xD6\xD0" "B")), "中B");
    QString bad;
    EXPECT_FALSE(EncodeCp936("ok😀x", &bad).has_value());
    EXPECT_EQ(bad, "😀");
    EXPECT_EQ(DecodeCp936(QByteArray("a\xFF" "b")), QString("a") + QChar(0xFFFD) + "b");
    EXPECT_EQ(DecodeUtf8OrCp936(QByteArray("中")), "中");
    EXPECT_EQ(DecodeUtf8OrCp936(QByteArray("\xD6\xD0")), "中");
    // Whether the bytes made sense in one of the two.
    for (const auto& [bytes, readable] : QList<std::pair<QByteArray, bool>>{
             {"", true}, {"中", true}, {"\xD6\xD0", true}, {"a\xFF" "b", false}, {"\xD6", false}}) {
        bool read = !readable;
        DecodeUtf8OrCp936(bytes, &read);
        EXPECT_EQ(read, readable) << bytes.toHex().constData();
    }
}

TEST(TextFiles, WrittenWholeWithNoLineEndAndReadByLine)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("a.txt");
    ASSERT_TRUE(WriteTextFile(path, "中\r\nb"));
    EXPECT_EQ(FileBytes(path), QByteArray("\xD6\xD0\r\nb"));
    EXPECT_EQ(ReadTextLines(path).value(), (QStringList{"中", "b"}));
    EXPECT_EQ(ReadFirstLine(path).value(), "中");
    ASSERT_TRUE(WriteTextFile(path, "x\r\n"));
    EXPECT_EQ(ReadTextLines(path).value(), QStringList{"x"});
    EXPECT_FALSE(ReadFirstLine(QDir(dir.path()).filePath("none.txt")).has_value());
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files) == QStringList{"a.txt"}) << "no temporary file is left";
}

TEST(TextFiles, AFailedWriteIsReportedAndTheOldFileStays)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("keep.txt");
    ASSERT_TRUE(WriteTextFile(path, "old"));
    QString error;
    EXPECT_FALSE(WriteTextFile(path, "new😀", &error));
    EXPECT_TRUE(error.contains("😀"));
    EXPECT_EQ(FileBytes(path), "old");
    EXPECT_FALSE(WriteTextFile(QDir(dir.path()).filePath("no/such/folder/x.txt"), "x", &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(Startup, KjSelectIsCreatedOnceAndThenRead)
{
    QTemporaryDir dir;
    AppFolder folder(dir.path());
    EXPECT_EQ(LoadKjSelect(folder), "0");
    EXPECT_EQ(FileBytes(folder.settingsPath("KjSelect.txt")), "0");
    ASSERT_TRUE(WriteTextFile(folder.settingsPath("KjSelect.txt"), "5"));
    EXPECT_EQ(LoadKjSelect(folder), "5");
}

// COM.TXT holds 0 to 12 and BTL.TXT 0 to 7; anything else is treated as a missing file,
// so the caller falls back to its first-start value instead of a choice that does not
// exist.
TEST(IndexSettings, OnlyIndexesBelowTheChoiceCountAreRead)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("index.txt");
    const auto read = [&](const QByteArray& bytes, int choices) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        return ReadIndexSetting(path, choices);
    };
    EXPECT_EQ(read("0", 8), 0);
    EXPECT_EQ(read("7", 8), 7);
    EXPECT_EQ(read("8", 8), std::nullopt);
    EXPECT_EQ(read("12", 13), 12);
    EXPECT_EQ(read("13", 13), std::nullopt);
    EXPECT_EQ(read("-1", 13), std::nullopt);
    EXPECT_EQ(read("3x", 13), std::nullopt);
    EXPECT_EQ(read("", 13), std::nullopt);
    EXPECT_EQ(read("4\r\n9", 8), 4);
    EXPECT_EQ(ReadIndexSetting(QDir(dir.path()).filePath("none.txt"), 8), std::nullopt);
}

// A write goes through "NAME.kvsave" and a rename; what a killed write leaves is
// removed at the next start, and nothing else.
TEST(UnfinishedWrites, OnlyTheProgramsOwnLeftoversAreRemoved)
{
    QTemporaryDir dir;
    AppFolder folder(dir.path());
    ASSERT_TRUE(folder.ensureSettingsFolder());
    const auto put = [](const QString& path) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
    };
    put(folder.path("data.txt.kvsave"));
    put(folder.settingsPath("COM.TXT.kvsave"));
    const QStringList operators = {"data.txt.backup", "data.txt.a1B2c3", "notes.txt", "kvsave"};
    for (const QString& name : operators)
        put(folder.path(name));
    put(folder.settingsPath("GDCS.txt.Xy12Zq"));

    EXPECT_EQ(RemoveUnfinishedWrites(folder), 2);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"data.txt.a1B2c3", "data.txt.backup", "kvsave", "notes.txt"}));
    EXPECT_EQ(QDir(folder.settingsFolder()).entryList(QDir::Files), QStringList{"GDCS.txt.Xy12Zq"});
}

TEST(UnfinishedWrites, AWriteReplacesTheFileAndKeepsItsPermissions)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("font.bin");
    ASSERT_TRUE(WriteBinaryFile(path, "old"));
    ASSERT_TRUE(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    ASSERT_TRUE(WriteBinaryFile(path, "new"));
    EXPECT_EQ(FileBytes(path), "new");
    const auto permissions = QFile::permissions(path);
    EXPECT_TRUE(permissions.testFlag(QFile::WriteOwner));
    EXPECT_FALSE(permissions.testFlag(QFile::ReadGroup) || permissions.testFlag(QFile::ReadOther));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"font.bin"});
}

TEST(Cp936, EveryUndecodableByteBecomesOneReplacementCharacter)
{
    EXPECT_EQ(DecodeCp936(QByteArray("\xFF" "a\xD6\xD0\xFF\xFF" "b\xD6")),
              QString(QChar(0xFFFD)) + "a中" + QChar(0xFFFD) + QChar(0xFFFD) + "b" + QChar(0xFFFD));
    const QString decoded = DecodeCp936(QByteArray(1024 * 1024, '\xFF'));
    EXPECT_EQ(decoded.size(), 1024 * 1024);
    EXPECT_EQ(decoded.count(QChar(0xFFFD)), 1024 * 1024);
    EXPECT_EQ(DecodeCp936(QByteArray("\xD6\xD0").repeated(300000)), QString("中").repeated(300000));
}

// Settings and records are read within a bound: a one-value file by its first 4 KiB,
// a multi-line file only when it is no larger than any file the program writes.
TEST(TextFiles, ReadingIsBounded)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("COM.TXT");
    const auto put = [&](const QByteArray& bytes) {
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    };
    put("5\r\n" + QByteArray(1024 * 1024, '\xFF'));
    EXPECT_EQ(ReadFirstLine(path), "5");
    EXPECT_EQ(ReadIndexSetting(path, 13), 5);
    EXPECT_FALSE(ReadTextLines(path).has_value());
    put(QByteArray(1024 * 1024, '\xFF'));
    EXPECT_EQ(ReadFirstLine(path)->size(), 4096);
    EXPECT_EQ(ReadIndexSetting(path, 13), std::nullopt);
    put(QByteArray("a\r\n").repeated(80000));
    EXPECT_EQ(ReadTextLines(path)->size(), 80000);
}

// A numbered list is read within the bound of the longest list the program writes; one
// larger than that, or unreadable, holds what nobody can put back: it is reported, and
// neither loading nor recording an item writes placeholders over it.
TEST(NumberedLists, AListBeyondItsBoundIsReportedAndNeverRewritten)
{
    QTemporaryDir dir;
    const RecordStore store{AppFolder(dir.path())};
    const QString name = QStringLiteral("DXD");
    const qint64 limit = NumberedListBytes(12, 20);
    QStringList longest;
    for (int n = 1; n <= 12; ++n)
        longest << NumberedLabel(n) + QString(10, QChar(0x56FE));
    QString error;
    ASSERT_TRUE(store.writeLines(name, longest, &error));
    EXPECT_EQ(QFileInfo(store.path(name)).size(), limit);
    EXPECT_EQ(LoadNumberedList(store, name, 12, limit, &error), longest);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();

    longest[11] += QLatin1Char('!');
    ASSERT_TRUE(store.writeLines(name, longest, &error));
    const QByteArray kept = FileBytes(store.path(name));
    const QString tooLarge = QStringLiteral("无法读取文件 %1：文件太大，最多%2字节")
                                 .arg(QDir::toNativeSeparators(store.path(name)))
                                 .arg(limit);
    QString loadError;
    EXPECT_TRUE(LoadNumberedList(store, name, 12, limit, &loadError).isEmpty());
    EXPECT_EQ(loadError, tooLarge);
    QString recordError;
    EXPECT_FALSE(RecordNumberedItem(store, name, 12, limit, 3, QStringLiteral("新"), &recordError));
    EXPECT_EQ(recordError, tooLarge);
    EXPECT_EQ(FileBytes(store.path(name)), kept);
}

TEST(BoundedRead, TellsMissingTooLargeAndWhatIsNoFile)
{
    QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath("text.txt");
    EXPECT_EQ(ReadWholeFile(path, 10).failure, ReadFailure::Missing);
    EXPECT_EQ(ReadWholeFile(QDir(dir.path()).filePath("no/text.txt"), 10).failure, ReadFailure::Missing);
    EXPECT_EQ(ReadWholeFile(dir.path(), 10).failure, ReadFailure::NotAFile);
    ASSERT_TRUE(WriteBinaryFile(path, "0123456789"));
    EXPECT_EQ(ReadWholeFile(path, 10).bytes, "0123456789");
    const BoundedRead large = ReadWholeFile(path, 9);
    EXPECT_EQ(large.failure, ReadFailure::TooLarge);
    EXPECT_EQ(ReadFailureText(path, large, 9), QStringLiteral("无法读取文件 %1：文件太大，最多9字节").arg(path));
    EXPECT_EQ(ReadFileStart(path, 4).bytes, "0123");
}

#ifdef Q_OS_UNIX
// A FIFO where a file is expected would hold a plain open() until some writer came.
TEST(BoundedRead, AFifoIsRefusedWithoutWaiting)
{
    QTemporaryDir dir;
    AppFolder folder(dir.path());
    ASSERT_TRUE(folder.ensureSettingsFolder());
    const QString fifo = folder.settingsPath("COM.TXT");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(ReadWholeFile(fifo, 100).failure, ReadFailure::NotAFile);
    EXPECT_FALSE(ReadFirstLine(fifo).has_value());
    EXPECT_FALSE(ReadTextLines(fifo).has_value());
    EXPECT_EQ(ReadIndexSetting(fifo, 13), std::nullopt);
    QString error;
    EXPECT_FALSE(WriteTextFile(fifo, "1", &error));
    EXPECT_EQ(error, QStringLiteral("不是普通文件"));
    EXPECT_FALSE(QFileInfo(fifo).isFile()) << "the FIFO stays as it was";
}
#endif

// kvctl send --text-file reads the operator's file within what a scroll can hold, and
// only a regular file.
TEST(OperatorTextFile, TooLargeOrNoFileIsRefusedBeforeAnythingIsSent)
{
    QTemporaryDir dir;
    const QString large = QDir(dir.path()).filePath("large.txt");
    QFile file(large);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(kScrollTextFileLimit + 1, 'a'));
    file.close();
    auto run = kv::test::RunKvctl({"--dir", dir.path(), "send", "0", "--text-file", large});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("文件太大"))) << run.err.toStdString();

    run = kv::test::RunKvctl({"--dir", dir.path(), "send", "0", "--text-file", dir.path()});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("不是普通文件"))) << run.err.toStdString();
#ifdef Q_OS_UNIX
    const QString fifo = QDir(dir.path()).filePath("fifo");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    run = kv::test::RunKvctl({"--dir", dir.path(), "send", "0", "--text-file", fifo});
    EXPECT_EQ(run.exitCode, 1) << "a FIFO with no writer must not hold kvctl";
    EXPECT_TRUE(run.err.contains(QStringLiteral("不是普通文件"))) << run.err.toStdString();
#endif
}

TEST(LineEnds, EveryKindOfLineEndSplitsAndCrLfJoins)
{
    EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (QStringList{"a", "b", "c", "d"}));
    EXPECT_EQ(SplitLines("a\r\n"), QStringList{"a"});
    EXPECT_EQ(SplitLines("a\r\n\r\n"), (QStringList{"a", ""}));
    EXPECT_EQ(SplitLines(""), QStringList{""});
    EXPECT_EQ(JoinLines({"a", "b"}), "a\r\nb");
}

TEST(HelpFiles, LinesJoinedByCrLfInEitherEncodingAndAMissingFileSaysSo)
{
    QTemporaryDir dir;
    const AppFolder folder(dir.path());
    ASSERT_TRUE(QDir(dir.path()).mkdir("help"));
    const auto put = [&](const char* name, const QByteArray& bytes) {
        QFile file(folder.path(QString("help/") + name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    };
    put("two.txt", "a\nb\n");
    put("empty.txt", "");
    put("utf8.txt", "中\r\n文");
    put("gbk.txt", "\xD6\xD0\r\n\xCE\xC4\r\n");
    EXPECT_EQ(ReadHelpText(folder, "two.txt"), "a\r\nb");
    EXPECT_EQ(ReadHelpText(folder, "empty.txt"), "");
    EXPECT_EQ(ReadHelpText(folder, "utf8.txt"), "中\r\n文");
    EXPECT_EQ(ReadHelpText(folder, "gbk.txt"), "中\r\n文");
    EXPECT_EQ(ReadHelpText(folder, "none.txt"), "帮助文件未找到");
    EXPECT_EQ(HelpCaption("编辑设备地址"), "使用帮助---编辑设备地址");
}

TEST(DecimalText, DigitsOnlyAndLongNumbersSaturateAboveTheDigitLimit)
{
    EXPECT_EQ(DecimalValue("254"), 254);
    EXPECT_EQ(DecimalValue("007"), 7);
    for (const char* text : {"", "+1", "-1", " 1", "1 ", "0x1", "1.0", "１"})
        EXPECT_FALSE(DecimalValue(text).has_value()) << text;
    EXPECT_EQ(DecimalValue("999999999"), 999999999);
    EXPECT_EQ(DecimalValue("99999999999999999999"), DecimalSaturation(9));
    EXPECT_EQ(DecimalValue("0000000000042"), 42) << "leading zeros are no digits of the value";
    EXPECT_EQ(DecimalValue("999", 3), 999);
    EXPECT_EQ(DecimalValue("1000", 3), 1000);
    EXPECT_EQ(DecimalValue("123456", 3), 1000);
}
