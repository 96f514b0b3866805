// End-to-end tests of kvsim over its pseudo-terminal, with the bytes written as a
// tool would write them.
#include "test_bytes.h"
#include "sim_process.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QJsonArray>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

using kv::test::SimProcess;

using kv::test::hex;

namespace {

// The tool's side of the line: a raw terminal at a chosen rate.
class LineClient {
public:
    explicit LineClient(const QString& path, speed_t speed = B9600)
    {
        fd_ = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd_ >= 0)
            setSpeed(speed);
    }
    ~LineClient()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    bool isOpen() const { return fd_ >= 0; }

    void setSpeed(speed_t speed)
    {
        termios t{};
        ::tcgetattr(fd_, &t);
        ::cfmakeraw(&t);
        ::cfsetispeed(&t, speed);
        ::cfsetospeed(&t, speed);
        ::tcsetattr(fd_, TCSANOW, &t);
    }

    void send(const QByteArray& bytes) { ASSERT_EQ(::write(fd_, bytes.constData(), bytes.size()), bytes.size()); }

    // Reads until n bytes have come, or gives up after a bound.
    QByteArray read(int n, int boundMs = 3000)
    {
        QByteArray got;
        const QDeadlineTimer deadline(boundMs);
        while (got.size() < n && !deadline.hasExpired()) {
            pollfd p{fd_, POLLIN, 0};
            if (::poll(&p, 1, int(qMax<qint64>(1, deadline.remainingTime()))) <= 0)
                continue;
            char buffer[256];
            const ssize_t r = ::read(fd_, buffer, size_t(qMin<qsizetype>(sizeof buffer, n - got.size())));
            if (r > 0)
                got.append(buffer, r);
        }
        return got;
    }

    // Sends the frame and reads the n bytes of its answer.
    QByteArray ask(const QByteArray& frame, int n)
    {
        send(frame);
        return read(n);
    }

private:
    int fd_ = -1;
};

const QByteArray kIdentityQuery = hex("5AF70001AC");

QByteArray checkByteFrame(quint8 code, quint8 address, const QByteArray& payload)
{
    QByteArray frame;
    frame.append(char(0x5A)).append(char(code)).append(char(address)).append(char(payload.size() + 1));
    frame.append(payload);
    quint8 x = 0;
    for (char b : frame)
        x ^= quint8(b);
    return frame.append(char(x));
}

// A probe of unit `address` whose answer proves that everything sent before it has
// been dealt with: the simulator answers in line order.
QByteArray probe(quint8 address)
{
    return QByteArray::fromHex("5A5B") + char(address) + QByteArray::fromHex("120000");
}

} // namespace

TEST(SimLine, AnswersIdentityAndProductNumberOfTheDefaultUnit)
{
    SimProcess sim;
    ASSERT_TRUE(sim.isRunning()) << sim.stop().toStdString();
    LineClient line(sim.linkPath());
    ASSERT_TRUE(line.isOpen());

    EXPECT_EQ(line.ask(kIdentityQuery, 3).toHex(), "ff01fe");
    EXPECT_EQ(line.ask(hex("5AF90101A3"), 5).toHex(), "1234567808");
    EXPECT_TRUE(sim.waitForLog("RX 9600 5A F9 01 01 A3 | product number 0xF9 | unit 1"));
    EXPECT_TRUE(sim.waitForLog("TX 12 34 56 78 08 | reply of unit 1"));
    EXPECT_EQ(sim.unitState(1).value("lastCommand").toString(), "0xF9");
}

TEST(SimLine, GivenProductNumberAndRateAreTheUnits)
{
    SimProcess sim({"--unit", "7:19200:CAFE0102"});
    ASSERT_TRUE(sim.isRunning());
    LineClient line(sim.linkPath(), B19200);
    EXPECT_EQ(line.ask(checkByteFrame(0xF9, 7, {}), 5).toHex(), "cafe010237");
    EXPECT_EQ(sim.unitState(7).value("baud").toInt(), 19200);
    EXPECT_EQ(sim.unitState(7).value("product").toString(), "CAFE0102");
}

TEST(SimLine, UnitAtAnotherRateHearsNothing)
{
    SimProcess sim({"--unit", "1:19200"});
    ASSERT_TRUE(sim.isRunning());
    LineClient line(sim.linkPath(), B9600);
    line.send(kIdentityQuery);
    EXPECT_TRUE(sim.waitForLog("RX 9600 5A F7 00 01 AC | identity query 0xF7 | no unit at 9600 baud"));
    EXPECT_FALSE(sim.logText().contains("TX"));

    line.setSpeed(B19200);
    EXPECT_EQ(line.ask(kIdentityQuery, 3).toHex(), "ff01fe");
}

TEST(SimLine, TwoUnitsAtDifferentRatesEachAnswerAtTheirOwn)
{
    SimProcess sim({"--unit", "3:9600", "--unit", "12:115200"});
    ASSERT_TRUE(sim.isRunning());
    LineClient line(sim.linkPath(), B9600);
    EXPECT_EQ(line.ask(kIdentityQuery, 3).toHex(), "ff03fc");
    line.setSpeed(B115200);
    EXPECT_EQ(line.ask(kIdentityQuery, 3).toHex(), "ff0cf3");
    EXPECT_EQ(line.ask(probe(12), 1).toHex(), "0c");
}

TEST(SimLine, UnitsAnsweringTogetherGarbleTheReply)
{
    SimProcess sim({"--unit", "1", "--unit", "2"});
    ASSERT_TRUE(sim.isRunning());
    LineClient line(sim.linkPath());
    // FF 01 FE and FF 02 FD on the line at once.
    const QByteArray reply = line.ask(kIdentityQuery, 3);
    EXPECT_EQ(reply.toHex(), "ff00fc");
    EXPECT_NE(quint8(reply[0]) ^ quint8(reply[1]), quint8(reply[2]));
    EXPECT_TRUE(sim.waitForLog("reply of units 1 2 (collided)"));
}

TEST(SimLine, JunkIsSkippedAndTheNextFrameIsServed)
{
    SimProcess sim;
    ASSERT_TRUE(sim.isRunning());
    LineClient line(sim.linkPath());
    // Stray bytes, a 5A that starts nothing, a truncated addressed frame of an unknown
    // code, then a good query.
    EXPECT_EQ(line.ask(hex("0102FF5A005A5B01EE") + kIdentityQuery, 3).toHex(), "ff01fe");
    const QString log = sim.logText();
    EXPECT_TRUE(log.contains("RX 9600 01 02 FF | unknown"));
    EXPECT_TRUE(log.contains("RX 9600 5A 00 | unknown"));
    EXPECT_TRUE(log.contains("RX 9600 5A 5B 01 EE | unknown"));
}

TEST(SimLine, CheckByteFrameWithWrongCheckOrCountIsIgnored)
{
    SimProcess sim;
    ASSERT_TRUE(sim.isRunning());
    LineClient line(sim.linkPath());
    line.send(hex("5AF70001AD"));
    line.send(hex("5AF90102A0"));
    EXPECT_EQ(line.ask(probe(1), 1).toHex(), "01");
    const QString log = sim.logText();
    EXPECT_TRUE(log.contains("RX 9600 5A F7 00 01 AD | identity query 0xF7 | bad check byte"));
    EXPECT_TRUE(log.contains("RX 9600 5A F9 01 02 | product number 0xF9 | bad count"));
    EXPECT_EQ(log.count("TX "), 1);
}

TEST(SimLine, BaudChangeMovesTheUnitAfterTheFrame)
{
    SimProcess sim;
    ASSERT_TRUE(sim.isRunning());
    LineClient line(sim.linkPath());
    line.send(hex("5A5BFF177704"));
    ASSERT_TRUE(sim.waitFor([&] { return sim.unitState(1).value("baud").toInt() == 19200; }));
    line.send(kIdentityQuery);
    EXPECT_TRUE(sim.waitForLog("no unit at 9600 baud"));
    line.setSpeed(B19200);
    EXPECT_EQ(line.ask(kIdentityQuery, 3).toHex(), "ff01fe");
}

TEST(SimLine, StateFileListsEveryUnitFromTheStart)
{
    SimProcess sim({"--unit", "4:2400", "--unit", "9"});
    ASSERT_TRUE(sim.isRunning());
    const QJsonArray units = sim.state().value("units").toArray();
    ASSERT_EQ(units.size(), 2);
    EXPECT_EQ(units[0].toObject().value("address").toInt(), 4);
    EXPECT_EQ(units[0].toObject().value("baud").toInt(), 2400);
    EXPECT_EQ(units[1].toObject().value("product").toString(), "12345680");
    EXPECT_EQ(units[1].toObject().value("font").toString().size(), 2 * 13824);
}

TEST(SimLine, UsageErrorsExitWithTwo)
{
    QProcess process;
    for (const QStringList& args : {QStringList{}, QStringList{"--link", "/tmp/x", "--unit", "300"},
                                    QStringList{"--link", "/tmp/x", "--unit", "1:1234"},
                                    QStringList{"--link", "/tmp/x", "--fault", "late"},
                                    QStringList{"--link", "/tmp/x", "--fault", "drop-ack=256"},
                                    QStringList{"--link", "/tmp/x", "--fault", "drop-ack=5x0"},
                                    QStringList{"--link", "/tmp/x", "--fault", "corrupt-char=5x2"},
                                    QStringList{"--link", "/tmp/x", "--bogus"}}) {
        process.start(KVSIM_PATH, args);
        ASSERT_TRUE(process.waitForFinished(10000));
        EXPECT_EQ(process.exitCode(), 2) << args.join(' ').toStdString();
    }
}

TEST(SimFaults, SilentUnitNeverAnswers)
{
    SimProcess sim({"--unit", "1", "--unit", "2", "--fault", "silent@1"});
    ASSERT_TRUE(sim.isRunning());
    LineClient line(sim.linkPath());
    line.send(checkByteFrame(0xF9, 1, {}));
    // Replies leave in line order, so unit 2's answer comes after any of unit 1's.
    EXPECT_EQ(line.ask(probe(2), 1).toHex(), "02");
    EXPECT_TRUE(sim.logText().contains("product number 0xF9 | unit 1"));
    EXPECT_EQ(sim.logText().count("TX "), 1);
}

TEST(SimFaults, ShortLongAndBadCheckRepliesReachTheLine)
{
    struct Case {
        const char* fault;
        const char* reply;
    };
    for (const Case& c : {Case{"short", "12345678"}, Case{"long", "123456780800"},
                          Case{"badcheck", "12345678f7"}}) {
        SimProcess sim({"--unit", "1", "--unit", "2", "--fault", QString(c.fault) + "@1"});
        ASSERT_TRUE(sim.isRunning());
        LineClient line(sim.linkPath());
        const QByteArray expected = QByteArray::fromHex(c.reply);
        EXPECT_EQ(line.ask(hex("5AF90101A3"), int(expected.size())).toHex(), QByteArray(c.reply)) << c.fault;
        // Nothing more follows the faulty answer: the next bytes are unit 2's answer.
        EXPECT_EQ(line.ask(probe(2), 1).toHex(), "02") << c.fault;
    }
}

TEST(SimFaults, DroppedAcknowledgementsAndACorruptedCharacter)
{
    SimProcess sim({"--fault", "drop-ack=5x2", "--fault", "corrupt-char=7"});
    ASSERT_TRUE(sim.isRunning());
    LineClient line(sim.linkPath());
    QByteArray record(54, '\0');
    for (int i = 0; i < record.size(); ++i)
        record[i] = char(0x11 * (i % 15));
    // The first two writes of character 5 go unacknowledged, the third is taken as usual;
    // the probe's answer coming first shows that no acknowledgement was sent.
    for (int attempt = 0; attempt < 2; ++attempt) {
        line.send(checkByteFrame(0xFC, 1, char(5) + record));
        EXPECT_EQ(line.ask(probe(1), 1).toHex(), "01") << attempt;
    }
    EXPECT_EQ(line.ask(checkByteFrame(0xFC, 1, char(5) + record), 1).toHex(), "88");
    EXPECT_EQ(line.ask(checkByteFrame(0xFF, 1, QByteArray(1, char(5))), 55).left(54), record);

    EXPECT_EQ(line.ask(checkByteFrame(0xFC, 1, char(7) + record), 1).toHex(), "88");
    QByteArray corrupted = record;
    corrupted[0] = char(corrupted.at(0) ^ 0x80);
    EXPECT_EQ(line.ask(checkByteFrame(0xFF, 1, QByteArray(1, char(7))), 55).left(54), corrupted);
}

TEST(SimFaults, OtherAddressAnswersAsTheNextUnit)
{
    SimProcess sim({"--unit", "6", "--fault", "otheraddr"});
    ASSERT_TRUE(sim.isRunning());
    LineClient line(sim.linkPath());
    EXPECT_EQ(line.ask(kIdentityQuery, 3).toHex(), "ff07f8");
    EXPECT_EQ(line.ask(probe(6), 1).toHex(), "07");
}

TEST(SimFaults, LateAndSplitRepliesStillArriveWhole)
{
    SimProcess late({"--fault", "late=200"});
    ASSERT_TRUE(late.isRunning());
    LineClient lateLine(late.linkPath());
    EXPECT_EQ(lateLine.ask(kIdentityQuery, 3).toHex(), "ff01fe");

    SimProcess split({"--fault", "split=30"});
    ASSERT_TRUE(split.isRunning());
    LineClient splitLine(split.linkPath());
    EXPECT_EQ(splitLine.ask(hex("5AF90101A3"), 5).toHex(), "1234567808");
    // One write per byte.
    EXPECT_TRUE(split.waitForLog("TX 08 | reply of unit 1"));
    EXPECT_EQ(split.logText().count("TX "), 5);
}

TEST(SimLine, PacedLineStillAnswersInFull)
{
    SimProcess sim({"--pace", "--unit", "1:2400"});
    ASSERT_TRUE(sim.isRunning());
    LineClient line(sim.linkPath(), B2400);
    EXPECT_EQ(line.ask(hex("5AF90101A3"), 5).toHex(), "1234567808");
}

TEST(SimLine, FontRecordRoundTrip)
{
    SimProcess sim;
    ASSERT_TRUE(sim.isRunning());
    LineClient line(sim.linkPath());
    QByteArray record;
    for (int i = 0; i < 54; ++i)
        record.append(char(0xA0 ^ i));
    EXPECT_EQ(line.ask(checkByteFrame(0xFC, 1, QByteArray(1, char(200)) + record), 1).toHex(), "88");
    quint8 x = 0;
    for (char b : record)
        x ^= quint8(b);
    EXPECT_EQ(line.ask(checkByteFrame(0xFF, 1, QByteArray(1, char(200))), 55), record + char(x));
    const QString font = sim.unitState(1).value("font").toString();
    EXPECT_EQ(font.mid(200 * 108, 108), QString::fromLatin1(record.toHex().toUpper()));
}

TEST(SimLine, FontFileIsLoadedInDeviceOrder)
{
    QTemporaryDir dir;
    QByteArray stored(13824, '\0');
    stored[54 * 3 + 53] = char(0x80); // record 3, pixel 0 white, as the file keeps it
    stored[54 * 3 + 26] = char(0x11);
    QFile file(dir.filePath("font.bin"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(stored);
    file.close();

    SimProcess sim({"--font", file.fileName()});
    ASSERT_TRUE(sim.isRunning()) << sim.stop().toStdString();
    LineClient line(sim.linkPath());
    const QByteArray reply = line.ask(checkByteFrame(0xFF, 1, QByteArray(1, char(3))), 55);
    ASSERT_EQ(reply.size(), 55);
    EXPECT_EQ(quint8(reply[0]), 0x80);
    EXPECT_EQ(quint8(reply[26]), 0x11);
    EXPECT_EQ(quint8(reply[54]), 0x80 ^ 0x11);
}

TEST(SimLine, LocalFontBesideTheProgramIsTheDefault)
{
    QFile file(QFileInfo(QStringLiteral(KVSIM_PATH)).dir().filePath("hebingf.bin"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the build puts hebingf.bin beside kvsim";
    const QByteArray stored = file.readAll();
    ASSERT_EQ(stored.size(), 13824);
    const int code = 0x41;
    QByteArray expected;
    for (int k = 0; k < 54; ++k)
        expected.append(stored.at(code * 54 + ((k == 26 || k == 27) ? k : 53 - k)));

    SimProcess sim;
    ASSERT_TRUE(sim.isRunning());
    LineClient line(sim.linkPath());
    EXPECT_EQ(line.ask(checkByteFrame(0xFF, 1, QByteArray(1, char(code))), 55).left(54), expected);
}

TEST(SimLine, StatusArrivesInTwoStepsAfterAScrollSend)
{
    SimProcess sim({"--unit", "3"});
    ASSERT_TRUE(sim.isRunning());
    LineClient line(sim.linkPath());
    // Refresh send in the large font to the queue 3 and 8, then ask unit 3.
    line.send(hex("5A5BFF2202000308"));
    line.send(hex("000004"));
    line.send(hex("B0A1A3C1"));
    const QByteArray head = line.ask(hex("5A5B0384FE"), 3);
    EXPECT_EQ(head.toHex(), "000400");
    const QByteArray rest = line.read(4 + 39);
    ASSERT_EQ(rest.size(), 43);
    EXPECT_EQ(rest.left(4).toHex(), "b0a1a3c1");
    EXPECT_EQ(rest.mid(4 + 36, 2).toHex(), "8000");
    EXPECT_EQ(sim.unitState(3).value("scroll").toObject().value("message").toString(), "B0A1A3C1");
}

TEST(SimLine, PicturesFolderGetsThePngOfALogo)
{
    QTemporaryDir pictures;
    SimProcess sim({"--pictures", pictures.filePath(QStringLiteral("shots"))});
    ASSERT_TRUE(sim.isRunning()) << sim.stop().toStdString();
    LineClient line(sim.linkPath());
    ASSERT_TRUE(line.isOpen());
    // Logo 16 x 2, no queue, then its matrix and its sum byte.
    line.send(hex("5A5B018802000200009600000000") + hex("FF000001") + hex("00"));
    EXPECT_EQ(line.ask(probe(1), 1), hex("01"));
    const QString png = pictures.filePath(QStringLiteral("shots/unit1-logo.png"));
    ASSERT_TRUE(sim.waitFor([&png] { return QFileInfo::exists(png); }));
    QFile file(png);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith(hex("89504E470D0A1A0A")));
    EXPECT_EQ(sim.unitState(1).value("logo").toObject().value("bits").toString(), QStringLiteral("FF000001"));
}
