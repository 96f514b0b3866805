// kvctl font and kvctl reset against the simulated unit: a whole font written and read
// back, one character, the reset and the font-file start.

#include "base/app_folder.h"
#include "file_bytes.h"
#include "font/font_file.h"
#include "kvctl_process.h"
#include "sim_process.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

FontTable patternTable()
{
    QByteArray bytes(kFontTableSize, '\0');
    for (int i = 0; i < kFontTableSize; ++i)
        bytes[i] = static_cast<char>((i * 7 + i / 54 * 3) & 0xFF);
    return FontTable::fromDeviceBytes(bytes);
}

class FontOnSim : public ::testing::Test {
protected:
    KvctlRun kvctl(QStringList args)
    {
        return RunKvctl(QStringList{"--dir", dir.path(), "--port", sim.linkPath(), "--baud", "9600"} + args);
    }
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }

    SimProcess sim{{"--unit", "1:9600"}};
    QTemporaryDir dir;
};

} // namespace

TEST_F(FontOnSim, KvctlWritesAWholeFontAndReadsItBackIdentical)
{
    ASSERT_TRUE(sim.isRunning());
    ASSERT_TRUE(SaveFontFile(path("a.bin"), patternTable()));
    const KvctlRun write = kvctl({"font", "write", "--in", path("a.bin")});
    EXPECT_EQ(write.exitCode, 0) << write.err.toStdString();
    EXPECT_EQ(write.out, "下载成功\n");
    ASSERT_TRUE(sim.waitFor([&] { return sim.unitState(1).value("resets").toInt() == 1; }));
    EXPECT_EQ(sim.unitState(1).value("font").toString().remove(' ').toLower(),
              QString::fromLatin1(patternTable().bytes().toHex()));

    const KvctlRun read = kvctl({"font", "read", "--out", path("b.bin")});
    EXPECT_EQ(read.exitCode, 0) << read.err.toStdString();
    EXPECT_EQ(read.out, "读出成功\n");
    EXPECT_EQ(FileBytes(path("b.bin")), FileBytes(path("a.bin")));
    ASSERT_TRUE(sim.waitFor([&] { return sim.unitState(1).value("resets").toInt() == 2; }));
}

TEST_F(FontOnSim, KvctlWriteCharacterResetAndDownloadStart)
{
    ASSERT_TRUE(sim.isRunning());
    ASSERT_TRUE(SaveFontFile(path("a.bin"), patternTable()));
    const KvctlRun one = kvctl({"--address", "1", "font", "write-char", "65", "--in", path("a.bin")});
    EXPECT_EQ(one.out, "下载成功\n");
    EXPECT_TRUE(sim.waitForLog("5A FC 01 38 41"));

    const KvctlRun reset = kvctl({"reset"});
    EXPECT_EQ(reset.exitCode, 0);
    EXPECT_EQ(reset.out, "你刚刚发送的数据：5A F6 01 01 AC \n");
    ASSERT_TRUE(sim.waitFor([&] { return sim.unitState(1).value("resets").toInt() == 1; }));

    const KvctlRun download = kvctl({"font", "download", path("a.bin")});
    EXPECT_EQ(download.exitCode, 0) << download.err.toStdString();
    ASSERT_TRUE(sim.waitFor([&] { return sim.unitState(1).value("fontDownloadStarted").toBool(); }));

    // A unit at another address stays silent: the write fails and says so.
    const KvctlRun other = kvctl({"--address", "9", "font", "write-char", "65", "--in", path("a.bin")});
    EXPECT_EQ(other.exitCode, 1);
    EXPECT_EQ(other.err, "下载失败\n");
}
