// kvctl's port, baud and raw commands against the simulated unit: the bytes on the
// line, the reply wait's rules over a real pseudo-terminal, and the settings files.

#include "base/app_folder.h"
#include "file_bytes.h"
#include "kvctl_process.h"
#include "link/serial_lock.h"
#include "sim_process.h"

#include "link/line_session.h"
#include "link/link.h"
#include "link/port_choice.h"
#include "link/port_operation.h"
#include "link/qt_serial_port.h"
#include "picture/chunked_write.h"
#include "recording_prompter.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QSysInfo>
#include <atomic>
#include <fcntl.h>
#include <termios.h>
#include <thread>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#ifdef Q_OS_UNIX
#include <sys/wait.h>
#include <unistd.h>
#endif

using namespace kv;
using namespace kv::test;

namespace {

class KvctlOnSim : public ::testing::Test {
protected:
    // kvctl on the simulated line, in a fresh application folder.
    KvctlRun kvctl(SimProcess& sim, QStringList args)
    {
        args.prepend(sim.linkPath());
        args.prepend("--port");
        args.prepend(dir.path());
        args.prepend("--dir");
        return RunKvctl(args);
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(KvctlOnSim, BaudChangeIsBroadcastAtTheOldRateAndRemembered)
{
    SimProcess sim({"--unit", "1:9600"});
    ASSERT_TRUE(sim.isRunning());
    const AppFolder folder(dir.path());
    ASSERT_TRUE(folder.ensureSettingsFolder());
    ASSERT_TRUE(WriteTextFile(folder.settingsPath("BTL.TXT"), "3"));

    const KvctlRun run = kvctl(sim, {"baud", "19200"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "  串 口：" + sim.linkPath() + "  波特率：19200,N,8,1\n");
    EXPECT_EQ(FileBytes(folder.settingsPath("BTL.TXT")), "4");
    ASSERT_TRUE(sim.waitForLog("RX 9600 5A 5B FF 17 77 04"));
    ASSERT_TRUE(sim.waitFor([&] { return sim.unitState(1).value("baud").toInt() == 19200; }));

    // The unit now listens at the new rate, which the next run uses from BTL.TXT.
    const KvctlRun product = kvctl(sim, {"raw", "5AF90101A3", "--reply", "5"});
    EXPECT_EQ(product.out, "1234567808\n");
}

TEST_F(KvctlOnSim, RawPrintsTheReplyAsUpperCaseHex)
{
    SimProcess sim({"--unit", "1:9600:ABCDEF01"});
    ASSERT_TRUE(sim.isRunning());
    const KvctlRun run = kvctl(sim, {"--baud", "9600", "raw", "5A F9 01 01 A3", "--reply", "5"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "ABCDEF0188\n");
}

TEST_F(KvctlOnSim, ASilentLineGivesErrAfterTheTimeOut)
{
    SimProcess sim({"--fault", "silent"});
    ASSERT_TRUE(sim.isRunning());
    const KvctlRun run = kvctl(sim, {"raw", "5AF90101A3", "--reply", "5", "--timeout", "300"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.out, "Err\n");
}

TEST_F(KvctlOnSim, AReplyInBurstsSucceedsWhenEachGapIsShorterThanTheTimeOut)
{
    // Five bytes 250 ms apart: a second in all, against a 400 ms time-out.
    SimProcess sim({"--fault", "split=250"});
    ASSERT_TRUE(sim.isRunning());
    const KvctlRun run = kvctl(sim, {"raw", "5AF90101A3", "--reply", "5", "--timeout", "400"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "1234567808\n");

    const KvctlRun tooSlow = kvctl(sim, {"raw", "5AF90101A3", "--reply", "5", "--timeout", "150"});
    EXPECT_EQ(tooSlow.out, "Err\n");
}

TEST_F(KvctlOnSim, OneByteTooManyGivesErr)
{
    SimProcess sim({"--fault", "long"});
    ASSERT_TRUE(sim.isRunning());
    const KvctlRun run = kvctl(sim, {"raw", "5AF90101A3", "--reply", "5", "--timeout", "300"});
    EXPECT_EQ(run.out, "Err\n");
    EXPECT_EQ(run.exitCode, 1);
}

TEST_F(KvctlOnSim, AUnitAtAnotherRateHearsNothing)
{
    SimProcess sim({"--unit", "1:19200"});
    ASSERT_TRUE(sim.isRunning());
    const KvctlRun run = kvctl(sim, {"--baud", "9600", "raw", "5AF90101A3", "--reply", "5", "--timeout", "300"});
    EXPECT_EQ(run.out, "Err\n");
    const KvctlRun matched = kvctl(sim, {"--baud", "19200", "raw", "5AF90101A3", "--reply", "5"});
    EXPECT_EQ(matched.out, "1234567808\n");
}

// The log holds a row per frame and per reply, with what each means (the product number
// read says what it made of its reply); kvctl decode reads the capture back and decodes
// the written stream again into the same rows.
TEST_F(KvctlOnSim, TheTrafficLogIsDecodedAndReadsBackThroughDecode)
{
    SimProcess sim;
    ASSERT_TRUE(sim.isRunning());
    const QString log = dir.filePath("traffic.log");
    ASSERT_EQ(kvctl(sim, {"queue", "add", "4", "four"}).exitCode, 0);
    ASSERT_EQ(kvctl(sim, {"queue", "add", "9", "nine"}).exitCode, 0);
    ASSERT_EQ(kvctl(sim, {"queue", "tick", "1", "on"}).exitCode, 0);
    ASSERT_EQ(kvctl(sim, {"queue", "tick", "2", "on"}).exitCode, 0);
    ASSERT_EQ(kvctl(sim, {"--log", log, "--baud", "9600", "--target", "queue", "send", "0", "--text", "AB"}).exitCode, 0);
    kvctl(sim, {"--log", log, "--baud", "9600", "product-number"});
    kvctl(sim, {"--log", log, "--baud", "9600", "raw", "5AF90101A3", "--reply", "6", "--timeout", "300"});

    const QStringList lines = QString::fromUtf8(FileBytes(log)).split('\n', Qt::SkipEmptyParts);
    QStringList columns;
    for (const QString& line : lines)
        columns.append(line.section('\t', 1));
    const QString scroll = QStringLiteral("0x22 滚动发送 刷新 大号字库 4 字节 → 队列 4, 9");
    EXPECT_EQ(columns, (QStringList{
                           "9600\t发送\t5A 5B FF 22 02 00 04 09\t0x22 滚动发送 刷新 → 队列 4, 9 (未完, 已 8 字节)",
                           "9600\t发送\t00 00 04\t续 " + scroll + " (未完, 已 11 字节)",
                           "9600\t发送\tA3 C1 A3 C2\t续 " + scroll + " (共 15 字节)",
                           "9600\t发送\t5A F9 01 01 A3\t0xF9 读产品号 → 地址 1",
                           "9600\t接收\t12 34 56 78 08\t应答 完整 5/5 字节：产品编号",
                           "9600\t发送\t5A F9 01 01 A3\t0xF9 读产品号 → 地址 1",
                           "9600\t接收\t12 34 56 78 08\t应答 超时 5/6 字节",
                       }));

    const KvctlRun decoded = RunKvctl({"--dir", dir.path(), "decode", "--file", log});
    EXPECT_EQ(decoded.exitCode, 0) << decoded.err.toStdString();
    EXPECT_EQ(decoded.out.split('\n', Qt::SkipEmptyParts), lines);
}

TEST(KvctlDecode, SplitsHexIntoFramesAndShowsUnknownBytes)
{
    QTemporaryDir dir;
    const KvctlRun run = RunKvctl({"--dir", dir.path(), "decode", "01", "0x5A,0xF9", "0101A3", "5A", "5B"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "01\t未知字节 1 个\n5A F9 01 01 A3\t0xF9 读产品号 → 地址 1\n5A 5B\t帧头 不完整\n");

    QFile raw(dir.filePath("capture.bin"));
    ASSERT_TRUE(raw.open(QIODevice::WriteOnly));
    raw.write(QByteArray::fromHex("5A5BFF177704FE"));
    raw.close();
    const KvctlRun fromFile = RunKvctl({"--dir", dir.path(), "decode", "--file", raw.fileName()});
    EXPECT_EQ(fromFile.out, "5A 5B FF 17 77 04\t0x17 改波特率 波特率 19200 → 全部\nFE\t未知字节 1 个\n");

    EXPECT_EQ(RunKvctl({"--dir", dir.path(), "decode", "5G"}).exitCode, 2);
    EXPECT_EQ(RunKvctl({"--dir", dir.path(), "decode"}).exitCode, 2);
    const KvctlRun missing = RunKvctl({"--dir", dir.path(), "decode", "--file", dir.filePath("none.txt")});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("none.txt")) << missing.err.toStdString();
    // Decoding needs no application folder and leaves none behind.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList{"capture.bin"});
}

// Hex text is read however long it is, from the command line and from a file, and a
// capture file is decoded frame by frame, whatever its size.
TEST(KvctlDecode, HexTextOfAnyLengthIsDecodedFrameByFrame)
{
    QTemporaryDir dir;
    const int frames = 30000;
    const QString line = QStringLiteral("5A F9 01 01 A3\t0xF9 读产品号 → 地址 1\n");
    QStringList args = {"--dir", dir.path(), "decode"};
    for (int i = 0; i < frames; ++i)
        args << "5AF90101A3";
    const KvctlRun run = RunKvctl(args);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, line.repeated(frames));

    QFile text(dir.filePath("capture.txt"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(QByteArray("0x5A, 0xF9, 0x01, 0x01, 0xA3,\r\n").repeated(frames));
    text.close();
    const KvctlRun fromFile = RunKvctl({"--dir", dir.path(), "decode", "--file", text.fileName()});
    EXPECT_EQ(fromFile.exitCode, 0) << fromFile.err.toStdString();
    EXPECT_EQ(fromFile.out, line.repeated(frames));
}

#ifdef Q_OS_UNIX
// A lock file left by a program killed as it opened the port (empty, or naming a process
// that has ended) is taken over at once; a lock that a running program holds keeps the
// port refused, and stays.
TEST_F(KvctlOnSim, AStaleLockFileIsTakenOverAndALiveOneIsKept)
{
    SimProcess sim;
    ASSERT_TRUE(sim.isRunning());
    const QString lockPath = SerialLockPath(sim.linkPath());
    ASSERT_FALSE(lockPath.isEmpty());
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ASSERT_EQ(::waitpid(ended, nullptr, 0), ended);
    const QByteArray endedOwner =
        QByteArray::number(ended) + "\nkvctl\n" + QSysInfo::machineHostName().toUtf8() + "\n";

    struct Case {
        const char* what;
        QByteArray content;
        int ageSeconds;
    };
    for (const Case& c : {Case{"empty", "", 5}, Case{"empty, just made", "", 0}, Case{"ended owner", endedOwner, 0}}) {
        QFile lock(lockPath);
        ASSERT_TRUE(lock.open(QIODevice::WriteOnly | QIODevice::Truncate)) << c.what;
        lock.write(c.content);
        ASSERT_TRUE(lock.setFileTime(QDateTime::currentDateTime().addSecs(-c.ageSeconds),
                                     QFileDevice::FileModificationTime));
        lock.close();
        const KvctlRun run = kvctl(sim, {"--baud", "9600", "raw", "5AF90101A3", "--reply", "5"});
        EXPECT_EQ(run.exitCode, 0) << c.what << ": " << run.err.toStdString();
        EXPECT_FALSE(QFile::exists(lockPath)) << c.what;
    }

    QLockFile live(lockPath);
    ASSERT_TRUE(live.tryLock(0));
    const KvctlRun refused = kvctl(sim, {"--baud", "9600", "raw", "5AF90101A3", "--reply", "5"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("已被其它程序占用"))) << refused.err.toStdString();
    EXPECT_TRUE(QFile::exists(lockPath));
}
#endif

TEST(KvctlPorts, AMappedPortThatDoesNotExistFallsBackToClosed)
{
    QTemporaryDir dir;
    const AppFolder folder(dir.path());
    ASSERT_TRUE(folder.ensureSettingsFolder());
    ASSERT_TRUE(WriteTextFile(folder.settingsPath("COMMAP.TXT"), "COM5=" + dir.filePath("no-such-device")));
    const KvctlRun run = RunKvctl({"--dir", dir.path(), "port", "COM5"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "该串口不存在！\n");
    EXPECT_EQ(FileBytes(folder.settingsPath("COM.TXT")), "0");
}

TEST(KvctlPorts, AMappedPortIsProbedAndRemembered)
{
    SimProcess sim;
    ASSERT_TRUE(sim.isRunning());
    QTemporaryDir dir;
    const AppFolder folder(dir.path());
    ASSERT_TRUE(folder.ensureSettingsFolder());
    ASSERT_TRUE(WriteTextFile(folder.settingsPath("COMMAP.TXT"), "COM2=" + sim.linkPath()));
    const KvctlRun run = RunKvctl({"--dir", dir.path(), "port", "COM2"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out, "  串 口：COM2  波特率：9600,N,8,1\n");
    EXPECT_EQ(FileBytes(folder.settingsPath("COM.TXT")), "2");
}

TEST(KvctlUsage, BadArgumentsAreUsageErrors)
{
    QTemporaryDir dir;
    EXPECT_EQ(RunKvctl({"--dir", dir.path(), "baud", "12345"}).exitCode, 2);
    EXPECT_EQ(RunKvctl({"--dir", dir.path(), "raw", "5A F"}).exitCode, 2);
    EXPECT_EQ(RunKvctl({"--dir", dir.path(), "raw", "5A", "--reply"}).exitCode, 2);
    EXPECT_EQ(RunKvctl({"--dir", dir.path(), "port", "COM13"}).exitCode, 2);
    EXPECT_EQ(RunKvctl({"--dir", dir.path(), "nosuchcommand"}).exitCode, 2);
    EXPECT_EQ(RunKvctl({}).exitCode, 2);
}

TEST_F(KvctlOnSim, TheStatusReportArrivesWholeOnAPacedLineAtTheSlowestRate)
{
    SimProcess sim({"--unit", "1:1200", "--pace"});
    ASSERT_TRUE(sim.isRunning());
    const KvctlRun run = kvctl(sim, {"--baud", "1200", "--target", "1", "status"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.contains(QStringLiteral("以下是地址码为 1 的字幕信息"))) << run.out.toStdString();
}

TEST_F(KvctlOnSim, APortThatVanishesMidOperationIsReportedAsMissing)
{
    auto sim = std::make_unique<SimProcess>(QStringList{"--unit", "1:9600", "--pace"});
    ASSERT_TRUE(sim->isRunning());
    QProcess read;
    read.start(KVCTL_PATH, {"--dir", dir.path(), "--port", sim->linkPath(), "--baud", "9600", "--address", "1",
                            "font", "read", "--out", dir.filePath("read.bin")});
    ASSERT_TRUE(read.waitForStarted());
    // A paced whole-font read takes about sixteen seconds; the line goes away early on.
    ASSERT_TRUE(sim->waitFor([&] { return sim->logText().count(QLatin1Char('\n')) > 20; }, 10000));
    sim.reset();
    ASSERT_TRUE(read.waitForFinished(20000));
    EXPECT_EQ(read.exitCode(), 1);
    const QString err = QString::fromUtf8(read.readAllStandardError());
    EXPECT_TRUE(err.contains(QStringLiteral("该串口不存在！"))) << err.toStdString();
}

namespace {
// A pseudo-terminal whose far end starts reading only after a while, as a unit (or a
// simulator) busy with what it received does: meanwhile the tool's writes fill the
// transmit queue.
class LateReader {
public:
    explicit LateReader(int delayMs)
    {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        ::grantpt(master_);
        ::unlockpt(master_);
        path_ = QString::fromLocal8Bit(::ptsname(master_));
        // The far end's own hold on the terminal keeps its settings raw between opens.
        terminal_ = ::open(::ptsname(master_), O_RDWR | O_NOCTTY);
        termios settings{};
        ::tcgetattr(terminal_, &settings);
        ::cfmakeraw(&settings);
        ::tcsetattr(terminal_, TCSANOW, &settings);
        reader_ = std::thread([this, delayMs] {
            std::this_thread::sleep_for(std::chrono::milliseconds(delayMs));
            char buffer[4096];
            while (!stop_) {
                const ssize_t n = ::read(master_, buffer, sizeof buffer);
                if (n > 0)
                    received_ += n;
                else
                    std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        });
        ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    }
    ~LateReader()
    {
        stop_ = true;
        reader_.join();
        ::close(terminal_);
        ::close(master_);
    }
    QString path() const { return path_; }
    qint64 received() const { return received_; }

private:
    int master_ = -1;
    int terminal_ = -1;
    QString path_;
    std::atomic<bool> stop_{false};
    std::atomic<qint64> received_{0};
    std::thread reader_;
};
} // namespace

// A transmit queue that fills up is a slow line, not a port that went away: the write
// goes on once the far end reads again, and the port choice stays as it was. (A
// pseudo-terminal queues 20 KiB; a picture sent right after another, to a unit still
// busy with the first, fills it.)
TEST(RealPort, AFullTransmitQueueIsWaitedForAndNeverTakenForAMissingPort)
{
    int argc = 1;
    char name[] = "test_e2e_link";
    char* argv[] = {name, nullptr};
    const QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    const AppFolder folder(dir.path());
    ASSERT_TRUE(folder.ensureSettingsFolder());
    LateReader line(150);
    ASSERT_TRUE(WriteTextFile(folder.settingsPath("COMMAP.TXT"), "COM1=" + line.path()));
    ASSERT_TRUE(WriteTextFile(folder.settingsPath("COM.TXT"), "1"));
    SteadyClock clock;
    Link link([] { return std::make_unique<QtSerialPort>(); }, clock);
    PortChoice choice(folder, link);
    choice.setPortChoiceQuietly(1);
    link.setLineBaud(115200);
    RecordingPrompter prompter;

    const QByteArray bytes(30 * kPictureChunkBytes, char(0x5A));
    ChunkedWrite written = ChunkedWrite::Cancelled;
    EXPECT_TRUE(RunOnPort(link, prompter, [&](LineSession& session) {
        written = SendInChunks(session, bytes, kPictureChunkBytes, {});
    }).done());
    EXPECT_EQ(written, ChunkedWrite::Complete);
    EXPECT_TRUE(prompter.texts().isEmpty()) << prompter.texts().join(" | ").toStdString();
    EXPECT_EQ(choice.portChoice(), 1);
    EXPECT_EQ(FileBytes(folder.settingsPath("COM.TXT")), "1");
    for (int i = 0; i < 200 && line.received() < bytes.size(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_EQ(line.received(), bytes.size());
}
