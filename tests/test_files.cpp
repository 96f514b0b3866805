// The application folder's files: whole writes in code page 936, the line reading
// rules, and the codec.

#include "file_bytes.h"
#include "app/app_folder.h"
#include "app/cp936.h"
#include "app/startup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
