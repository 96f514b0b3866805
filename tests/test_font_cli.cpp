// kvctl font and kvctl reset as a script sees them: files, texts and exit codes.

#include "kvctl_process.h"
#include "file_bytes.h"
#include "font/font_file.h"
#include "font/font_source.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kv;

namespace {

class FontCli : public ::testing::Test {
protected:
    test::KvctlRun kvctl(const QStringList& args) { return test::RunKvctl(QStringList{"--dir", dir.path()} + args); }
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    QByteArray bytes(const QString& name) const { return test::FileBytes(path(name)); }
    void write(const QString& name, const QByteArray& content)
    {
        QFile f(path(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }
    QTemporaryDir dir;
};

QByteArray patternFile()
{
    QByteArray bytes(kFontTableSize, '\0');
    for (int i = 0; i < kFontTableSize; ++i)
        bytes[i] = static_cast<char>((i * 31 + 5) & 0xFF);
    return bytes;
}

} // namespace

TEST_F(FontCli, BinToMcmToBinIsIdenticalAndSoIsMcmToBinToMcm)
{
    write("a.bin", patternFile());
    ASSERT_EQ(kvctl({"font", "convert", path("a.bin"), path("a.mcm")}).exitCode, 0);
    ASSERT_EQ(kvctl({"font", "convert", path("a.mcm"), path("b.bin")}).exitCode, 0);
    EXPECT_EQ(bytes("b.bin"), bytes("a.bin"));
    ASSERT_EQ(kvctl({"font", "convert", path("b.bin"), path("b.mcm")}).exitCode, 0);
    EXPECT_EQ(bytes("b.mcm"), bytes("a.mcm"));
}

TEST_F(FontCli, BadMcmIsRefusedWithItsLineAndWritesNothing)
{
    write("a.bin", patternFile());
    ASSERT_EQ(kvctl({"font", "convert", path("a.bin"), path("a.mcm")}).exitCode, 0);
    QList<QByteArray> lines = bytes("a.mcm").split('\n');
    lines[42] = "0101x101\r";
    write("bad.mcm", lines.join('\n'));
    const test::KvctlRun run = kvctl({"font", "convert", path("bad.mcm"), path("out.bin")});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(QStringLiteral("bad.mcm：第43行"))) << run.err.toStdString();
    EXPECT_FALSE(QFile::exists(path("out.bin")));
}

TEST_F(FontCli, ExportOfTheStartupFontOrOfAFile)
{
    ASSERT_TRUE(SaveFontFile(path(kLocalFontFile), FontTable()));
    test::KvctlRun run = kvctl({"font", "export-c"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(bytes(QStringLiteral("max7456zk.H")).size(), 69653);

    write("a.bin", patternFile());
    ASSERT_EQ(kvctl({"font", "export-c", "--in", path("a.bin")}).exitCode, 0);
    const auto table = LoadFontFile(path("a.bin"));
    const QByteArray text = bytes(QStringLiteral("max7456zk.H"));
    const QByteArray firstItem = "0x" + table->bytes().left(1).toHex().toUpper() + ",";
    EXPECT_TRUE(text.mid(19).startsWith(firstItem));
}

TEST_F(FontCli, UsageErrors)
{
    EXPECT_EQ(kvctl({"font"}).exitCode, 2);
    EXPECT_EQ(kvctl({"font", "write-char", "256"}).exitCode, 2);
    EXPECT_EQ(kvctl({"font", "read"}).exitCode, 2);
    EXPECT_EQ(kvctl({"font", "convert", "only-one.bin"}).exitCode, 2);
    for (const QStringList& args : {QStringList{"font", "write", "--from", "256"}, QStringList{"font", "write", "--from", "-1"},
                                    QStringList{"font", "write", "--retries", "6"}, QStringList{"font", "verify", "--from", "3"},
                                    QStringList{"font", "read", "--out", "x.bin", "--verify"}}) {
        const test::KvctlRun run = kvctl(args);
        EXPECT_EQ(run.exitCode, 2) << args.join(' ').toStdString();
        EXPECT_FALSE(run.err.isEmpty());
    }
    EXPECT_EQ(kvctl({"--address", "x", "reset"}).exitCode, 1);
    const test::KvctlRun wrongType = kvctl({"font", "convert", path("a.bin"), path("a.txt")});
    EXPECT_EQ(wrongType.exitCode, 1);
}
