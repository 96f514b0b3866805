// kvctl font and kvctl reset against the simulated unit: a whole font written and read
// back, one character, the reset and the font-file start.

#include "base/app_folder.h"
#include "file_bytes.h"
#include "font/font_file.h"
#include "font/font_fingerprint.h"
#include "kvctl_process.h"
#include "sim_process.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace kv;
using namespace kv::test;

namespace {

// No pixel takes the code 01, which a PNG sheet shows as transparent like 11: the
// table comes through every kind of font file unchanged.
FontTable patternTable()
{
    QByteArray bytes(kFontTableSize, '\0');
    for (int i = 0; i < kFontTableSize; ++i) {
        const int b = (i * 7 + i / 54 * 3) & 0xFF;
        bytes[i] = static_cast<char>(b | ((b & 0x55) << 1));
    }
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
    EXPECT_EQ(write.out, "下载成功\n" + FontFingerprintText(patternTable()) + "\n");
    ASSERT_TRUE(sim.waitFor([&] { return sim.unitState(1).value("resets").toInt() == 1; }));
    EXPECT_EQ(sim.unitState(1).value("font").toString().remove(' ').toLower(),
              QString::fromLatin1(patternTable().bytes().toHex()));

    const KvctlRun read = kvctl({"font", "read", "--out", path("b.bin")});
    EXPECT_EQ(read.exitCode, 0) << read.err.toStdString();
    EXPECT_EQ(read.out, "读出成功\n" + FontFingerprintText(patternTable()) + "\n");
    EXPECT_EQ(FileBytes(path("b.bin")), FileBytes(path("a.bin")));
    ASSERT_TRUE(sim.waitFor([&] { return sim.unitState(1).value("resets").toInt() == 2; }));

    // One font, one fingerprint: as each file kind, as read back, and as the unit holds it.
    const QByteArray unitFont = QByteArray::fromHex(sim.unitState(1).value("font").toString().remove(' ').toLatin1());
    const QString unitPrint = QString::fromLatin1(
        QCryptographicHash::hash(unitFont, QCryptographicHash::Sha256).toHex().left(16).toUpper());
    ASSERT_EQ(kvctl({"font", "convert", path("a.bin"), path("a.mcm")}).exitCode, 0);
    ASSERT_EQ(kvctl({"font", "convert", path("a.bin"), path("a.png")}).exitCode, 0);
    for (const char* file : {"a.bin", "a.mcm", "a.png", "b.bin"}) {
        const KvctlRun print = kvctl({"font", "fingerprint", "--in", path(file)});
        EXPECT_EQ(print.exitCode, 0) << file << print.err.toStdString();
        EXPECT_EQ(print.out, "字库指纹：" + unitPrint + "\n") << file;
    }
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

namespace {

// kvctl against a quick unit at 115 200 baud whose faults the test names.
class FontTrust : public ::testing::Test {
protected:
    FontTrust() { SaveFontFile(path("a.bin"), patternTable()); }
    KvctlRun kvctl(SimProcess& unit, QStringList args)
    {
        return RunKvctl(QStringList{"--dir", dir.path(), "--port", unit.linkPath(), "--baud", "115200"} + args);
    }
    QString path(const QString& name) const { return QDir(dir.path()).filePath(name); }
    static QString unitFont(SimProcess& unit) { return unit.unitState(1).value("font").toString().remove(' ').toLower(); }

    QTemporaryDir dir;
};

} // namespace

TEST_F(FontTrust, ALostAcknowledgementStopsTheWriteThereAndAResumeCompletesIt)
{
    SimProcess unit({"--unit", "1:115200", "--turnaround", "1", "--fault", "drop-ack=100"});
    ASSERT_TRUE(unit.isRunning());
    const KvctlRun stopped = kvctl(unit, {"font", "write", "--in", path("a.bin")});
    EXPECT_EQ(stopped.exitCode, 1);
    // Progress lines come first on standard error.
    EXPECT_TRUE(stopped.err.endsWith("\n下载失败\n可用 --from 100 继续写入\n")) << stopped.err.toStdString();
    EXPECT_EQ(unit.logText().count("write character 0xFC"), 101);

    const KvctlRun resumed = kvctl(unit, {"font", "write", "--in", path("a.bin"), "--from", "100"});
    EXPECT_EQ(resumed.exitCode, 0) << resumed.err.toStdString();
    EXPECT_TRUE(resumed.out.startsWith("下载成功\n字库指纹："));
    ASSERT_TRUE(unit.waitFor([&] { return unit.unitState(1).value("resets").toInt() == 1; }));
    EXPECT_EQ(unitFont(unit), QString::fromLatin1(patternTable().bytes().toHex()));
    EXPECT_EQ(unit.logText().count("write character 0xFC"), 101 + 156);
}

TEST_F(FontTrust, RetriesMakeUpForLostAcknowledgementsUpToTheirCount)
{
    struct Case {
        const char* retries;
        int exitCode;
    };
    for (const Case& c : {Case{"2", 0}, Case{"1", 1}}) {
        SimProcess unit({"--unit", "1:115200", "--turnaround", "1", "--fault", "drop-ack=200x2"});
        ASSERT_TRUE(unit.isRunning());
        const KvctlRun run = kvctl(unit, {"font", "write", "--in", path("a.bin"), "--from", "199", "--retries", c.retries});
        EXPECT_EQ(run.exitCode, c.exitCode) << c.retries << run.err.toStdString();
        if (c.exitCode != 0) {
            EXPECT_TRUE(run.err.endsWith("\n下载失败\n可用 --from 200 继续写入\n")) << run.err.toStdString();
        }
    }
}

TEST_F(FontTrust, VerificationComparesWhatTheUnitGivesBackWithTheFont)
{
    SimProcess faithful({"--unit", "1:115200", "--turnaround", "1"});
    SimProcess corrupting({"--unit", "1:115200", "--turnaround", "1", "--fault", "corrupt-char=5", "--fault",
                           "corrupt-char=9"});
    ASSERT_TRUE(faithful.isRunning() && corrupting.isRunning());
    const KvctlRun good = kvctl(faithful, {"font", "write", "--in", path("a.bin"), "--verify"});
    EXPECT_EQ(good.exitCode, 0) << good.err.toStdString();
    EXPECT_TRUE(good.out.startsWith("下载成功\n校验成功：256 个字符与字库一致\n字库指纹：")) << good.out.toStdString();
    EXPECT_EQ(kvctl(faithful, {"font", "verify", "--in", path("a.bin")}).exitCode, 0);

    const QString differ = QStringLiteral("\n校验失败：2 个字符不一致：5, 9\n");
    const KvctlRun bad = kvctl(corrupting, {"font", "write", "--in", path("a.bin"), "--verify"});
    EXPECT_EQ(bad.exitCode, 1);
    EXPECT_TRUE(bad.err.endsWith(differ)) << bad.err.toStdString();
    // The unit restarts after the read-back as after every whole-font write.
    ASSERT_TRUE(corrupting.waitFor([&] { return corrupting.unitState(1).value("resets").toInt() == 1; }));
    const KvctlRun check = kvctl(corrupting, {"font", "verify", "--in", path("a.bin")});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_TRUE(check.err.endsWith(differ)) << check.err.toStdString();
}
