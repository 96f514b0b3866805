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
