// The simulated unit's behaviour, driven through the simulator on a virtual clock:
// addressing, the state each command leaves, the status reply built from it,
// collisions, faults and the line's timing.
#include "test_bytes.h"
#include "sim/faults.h"
#include "sim/font_file.h"
#include "decode/frame_layout.h"
#include "sim/options.h"
#include "sim/simulator.h"
#include "sim/state_writer.h"
#include "sim/status_reply.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QTemporaryDir>

using namespace kv::sim;
using kv::DecodeFrame;

using kv::test::hex;
using kv::test::withCheck;

namespace {

Unit unitAt(int address, int baud = 9600, Faults faults = {})
{
    UnitState state;
    state.address = address;
    state.baud = baud;
    state.product = DefaultProduct(address);
    return Unit(state, faults);
}

// A simulator on a clock that only moves when the test lets it.
struct Bench {
    explicit Bench(QList<Unit> units, bool pace = false)
        : sim(std::move(units), pace, Simulator::kDefaultTurnaroundUs)
    {
    }

    void send(const QByteArray& bytes, int baud = 9600)
    {
        sim.receive(bytes, baud, now);
        sim.advance(now);
    }
    // Runs the clock until nothing is pending and returns what was written.
    QList<Simulator::Output> run()
    {
        QList<Simulator::Output> written;
        for (qint64 wake = sim.nextWakeUs(); wake >= 0; wake = sim.nextWakeUs()) {
            now = std::max(now, wake);
            sim.advance(now);
            written += sim.takeDueOutput(now);
        }
        return written;
    }
    QByteArray ask(const QByteArray& frame, int baud = 9600)
    {
        send(frame, baud);
        QByteArray bytes;
        for (const Simulator::Output& out : run())
            bytes += out.bytes;
        return bytes;
    }
    const UnitState& state(int index = 0) const { return sim.units().at(index).state(); }

    Simulator sim;
    qint64 now = 1'000'000;
};

// The status block of a status reply, after the message bytes.
QByteArray statusBlock(const UnitState& state)
{
    const Reply reply = BuildStatusReply(state);
    return reply.parts.at(1).right(kStatusBlockSize);
}

int word(const QByteArray& bytes, int index)
{
    return quint8(bytes[index]) << 8 | quint8(bytes[index + 1]);
}

const QByteArray kIdentityQuery = hex("5AF70001AC");

} // namespace

TEST(SimUnit, TakesOnlyFramesAddressedToIt)
{
    const Unit unit = unitAt(7);
    struct Case {
        const char* frame;
        bool taken;
    };
    const Case cases[] = {
        {"5A5B0713001000", true},          // its own address
        {"5A5B0813001000", false},         // another unit
        {"5A5BFF13001000", true},          // broadcast, no queue
        {"5A5BFF1300100207 09", true},     // queue holding 7
        {"5A5BFF130010020809", false},     // queue without 7
        {"5A5BFF1100C8", true},            // write address through the broadcast
        {"5A5B001100C8", true},            // ... or through address 0
        {"5A5B0013001000", false},         // address 0 is no broadcast for other commands
        {"5AF70001AC", true},              // check-byte frame to every unit
        {"5AF90701A5", true},
        {"5AF90801AA", false},
    };
    for (const Case& c : cases) {
        const QByteArray bytes = hex(QByteArray(c.frame).replace(' ', "").constData());
        EXPECT_EQ(unit.isAddressed(DecodeFrame(bytes)), c.taken) << c.frame;
    }
}

TEST(SimUnit, StatusRequestDescribesTheScrollAndParametersSent)
{
    Bench bench({unitAt(1)});
    // Parameters: 20 times, position 400, dim, grey transparent C, bars 3 and 4,
    // speed 8, offset index 12 (sent as 48), saved, pause 30 s.
    bench.send(hex("5A5B0120") + hex("00") + hex("1501900202030408300001001E"));
    bench.send(hex("5A5B01220000") + hex("000004") + hex("A3C1A3C2"));
    bench.send(hex("5A5B0184FE"));
    const QList<Simulator::Output> out = bench.run();
    ASSERT_EQ(out.size(), 2);
    EXPECT_EQ(out[0].bytes, hex("000400"));
    EXPECT_GE(out[1].dueUs - out[0].dueUs, Simulator::kStatusGapUs);
    ASSERT_EQ(out[1].bytes.size(), 4 + kStatusBlockSize);
    EXPECT_EQ(out[1].bytes.left(4), hex("A3C1A3C2"));

    const QByteArray block = out[1].bytes.mid(4);
    EXPECT_EQ(quint8(block[0]), 0x15);
    EXPECT_EQ(word(block, 1), 400);
    EXPECT_EQ(quint8(block[3]), 2);
    EXPECT_EQ(quint8(block[4]), 10); // the unit's code for grey transparent C
    EXPECT_EQ(quint8(block[5]), 3);
    EXPECT_EQ(quint8(block[6]), 4);
    EXPECT_EQ(quint8(block[7]), 7);
    EXPECT_EQ(quint8(block[8]), 8);
    EXPECT_EQ(quint8(block[9]), 48);
    EXPECT_EQ(word(block, 13), 30);
    EXPECT_EQ(word(block, 22), kNoLogoHeight);
    EXPECT_EQ(word(block, 36), 0x8000);
    EXPECT_EQ(quint8(block[38]), 1);
    EXPECT_TRUE(bench.state().params.saved);
}

TEST(SimUnit, AppendSendPutsTheNewMessageInFront)
{
    Bench bench({unitAt(1)});
    bench.send(hex("5A5B01220000") + hex("000002") + hex("A3C1"));
    bench.send(hex("5A5B01220001") + hex("210002") + hex("B0A1"));
    const UnitState& s = bench.state();
    EXPECT_EQ(s.scroll.text, hex("B0A1A3C1"));
    EXPECT_TRUE(s.scroll.small);
    EXPECT_EQ(s.powerOnScroll, hex("B0A1A3C1"));
    EXPECT_EQ(s.lastOperation, 0x8300);
    EXPECT_EQ(BuildStatusReply(s).parts.at(0), hex("000401"));
}

TEST(SimUnit, LastOperationWordFollowsEachScrollCall)
{
    struct Case {
        const char* frame;
        int word;
    };
    const Case cases[] = {
        {"5A5B0122000000000000", 0x8000},
        {"5A5B0122000100000000", 0x8200},
        {"5A5B0122000001000000", 0x8100},
        {"5A5B018300020000", 0x8402},
        {"5A5B018301020000", 0x8502},
        {"5A5B018500070000", 0x8607},
        {"5A5B018501070000", 0x8707},
        {"5A5B0187030000", 0x0003},
        {"5A5B0286010400", 0x0004},
    };
    for (const Case& c : cases) {
        Bench bench({unitAt(c.frame[5] == '2' ? 2 : 1)});
        bench.send(hex(c.frame));
        EXPECT_EQ(bench.state().lastOperation, c.word) << c.frame;
    }
    // Making a shortcut the power-on one is no scroll operation.
    Bench bench({unitAt(1)});
    bench.send(hex("5A5B0187030001"));
    EXPECT_EQ(bench.state().lastOperation, kNoOperation);
    EXPECT_EQ(bench.state().powerOnShortcut, 3);
    EXPECT_EQ(quint8(statusBlock(bench.state())[18]), 3);
}

TEST(SimUnit, DisplayItemsComeBackToTheKeptChoiceOnRestart)
{
    Bench bench({unitAt(1)});
    bench.send(hex("5A5B0113010300"));  // keep: logo off, others on
    bench.send(hex("5A5B0113000400"));  // until restart: only the logo
    EXPECT_EQ(bench.state().displayItems, 4);
    bench.send(hex("5A5B0113000E00"));  // station logo off
    EXPECT_EQ(bench.state().displayItems, 0);
    bench.send(hex("5A5B0113000800"));  // cancel intermittent scrolling
    EXPECT_EQ(quint8(statusBlock(bench.state())[38]), 0);
    bench.send(hex("5A5BFF150500"));    // restart
    EXPECT_EQ(bench.state().displayItems, 3);
    EXPECT_TRUE(bench.state().pauseEnabled);
    bench.send(withCheck(hex("5AF60101")));
    EXPECT_EQ(bench.state().resets, 1);
    EXPECT_EQ(bench.state().restarts, 2);
}

TEST(SimUnit, PictureLayersReportTheirShadeInTheUnitsOwnCodes)
{
    Bench bench({unitAt(1)});
    // Logo 16 x 2, offset 5, position 300, dim (2) on grey cover (index 5), with sum.
    bench.send(hex("5A5B018802000205012C45000000") + hex("FFFF0101") + hex("00"));
    QByteArray block = statusBlock(bench.state());
    EXPECT_EQ(quint8(block[21]), 2);
    EXPECT_EQ(word(block, 22), 2);
    EXPECT_EQ(quint8(block[24]), 5);
    EXPECT_EQ(word(block, 25), 300);
    EXPECT_EQ(quint8(block[27]), 0x40 | 14);

    // The static send page: a 17-code background, no sum byte.
    bench.send(hex("5A5B0188020001000096") + hex("2C010000") + hex("0102"));
    block = statusBlock(bench.state());
    EXPECT_EQ(quint8(block[34]), 0x2C);
    EXPECT_EQ(quint8(block[35]), 1);

    // A stored static slot of kind 1 is followed by its sum byte: a seven-entry index.
    bench.send(hex("5A5B0188020001000096") + hex("22010000") + hex("0102") + hex("03"));
    EXPECT_EQ(quint8(statusBlock(bench.state())[34]), 0x20 | 10);

    bench.send(hex("5A5B01890004000000"));
    EXPECT_EQ(quint8(statusBlock(bench.state())[35]), 6); // stored picture 5
}

// A static picture whose bytes sum to 5A: a 5A right after it is its sum byte, one that
// comes later starts the next frame.
TEST(SimUnit, StartByteAfterAStaticPictureIsTakenBySilence)
{
    const QByteArray picture = hex("5A5B0188020001000096") + hex("00010000") + hex("2D2D");
    Bench bench({unitAt(1)});
    bench.send(picture);
    bench.now += Simulator::kPictureSumWindowUs;
    EXPECT_EQ(bench.ask(kIdentityQuery), hex("FF01FE"));

    bench.send(picture);
    bench.send(hex("5A"));
    EXPECT_EQ(bench.ask(hex("F70001AC")), QByteArray());
}

TEST(SimUnit, ModifyAddressAndBaudAnswersThenMoves)
{
    Bench bench({unitAt(1)});
    EXPECT_EQ(bench.ask(withCheck(hex("5AF800030509"))), hex("88"));
    EXPECT_EQ(bench.state().address, 9);
    EXPECT_EQ(bench.state().baud, 38400);
    EXPECT_TRUE(bench.ask(kIdentityQuery, 9600).isEmpty());
    EXPECT_EQ(bench.ask(kIdentityQuery, 38400), hex("FF09F6"));

    // An index beyond the eight rates changes nothing and is not acknowledged.
    EXPECT_TRUE(bench.ask(withCheck(hex("5AF800030803")), 38400).isEmpty());
    EXPECT_EQ(bench.state().address, 9);

    bench.send(hex("5A5BFF1100C8"), 38400);
    EXPECT_EQ(bench.state().address, 200);
    EXPECT_EQ(bench.ask(hex("5A5BC8120000"), 38400), hex("C8"));
}

TEST(SimUnit, FontRecordsRoundTripThroughWriteAndRead)
{
    Bench bench({unitAt(1)});
    QByteArray record(kFontRecordSize, '\0');
    for (int i = 0; i < kFontRecordSize; ++i)
        record[i] = char(i * 5 + 1);
    EXPECT_EQ(bench.ask(withCheck(hex("5AFC0138") + char(0x41) + record)), hex("88"));
    quint8 x = 0;
    for (char b : record)
        x ^= quint8(b);
    EXPECT_EQ(bench.ask(withCheck(hex("5AFF010241"))), record + char(x));
    EXPECT_EQ(bench.ask(withCheck(hex("5AFF010240"))), QByteArray(55, '\0'));
    EXPECT_EQ(bench.state().font.mid(0x41 * kFontRecordSize, kFontRecordSize), record);
}

TEST(SimUnit, ScreenSettingsCrosshairAndVideoModeAnswer)
{
    Bench bench({unitAt(1)});
    EXPECT_EQ(bench.ask(withCheck(hex("5AE00006") + hex("1E1205070F"))), hex("88"));
    EXPECT_TRUE(bench.state().screen.stored);
    EXPECT_EQ(bench.state().screen.shape, 5);
    EXPECT_EQ(bench.ask(withCheck(hex("5AE20002") + hex("15"))), hex("15"));
    EXPECT_EQ(bench.ask(withCheck(hex("5AE10001"))), hex("15"));
    EXPECT_EQ(bench.ask(withCheck(hex("5AE30002") + hex("04"))), hex("88"));
    EXPECT_EQ(bench.state().storedVideoMode, 4);
    EXPECT_EQ(bench.ask(hex("5A5BFF9000")), hex("55"));
    bench.send(withCheck(hex("5AF40106050C48494A")));
    EXPECT_EQ(bench.state().displayTest.codes, hex("48494A"));
    EXPECT_EQ(bench.state().displayTest.column, 12);
}

TEST(SimUnit, CollidingRepliesAreAndedToTheLongest)
{
    const Reply merged = CollideReplies({Reply{{hex("F0F0")}}, Reply{{hex("3C")}}, Reply{{hex("FF0F77")}}});
    ASSERT_EQ(merged.parts.size(), 1);
    EXPECT_EQ(merged.parts[0], hex("300077"));

    Bench bench({unitAt(1), unitAt(2), unitAt(3, 19200)});
    EXPECT_EQ(bench.ask(kIdentityQuery), hex("FF00FC"));
}

TEST(SimUnit, ContentFaultsBendTheReply)
{
    auto identityWith = [](Faults faults) {
        Bench bench({unitAt(1, 9600, faults)});
        return bench.ask(kIdentityQuery);
    };
    Faults f;
    EXPECT_EQ(identityWith(f), hex("FF01FE"));
    f = {};
    f.silent = true;
    EXPECT_TRUE(identityWith(f).isEmpty());
    f = {};
    f.dropLastByte = true;
    EXPECT_EQ(identityWith(f), hex("FF01"));
    f = {};
    f.extraByte = true;
    EXPECT_EQ(identityWith(f), hex("FF01FE00"));
    f = {};
    f.badCheck = true;
    EXPECT_EQ(identityWith(f), hex("FF0101"));
    f = {};
    f.otherAddress = true;
    EXPECT_EQ(identityWith(f), hex("FF02FD"));
    Bench probe({unitAt(4, 9600, f)});
    EXPECT_EQ(probe.ask(hex("5A5B04120000")), hex("05"));
}

TEST(SimUnit, RepliesKeepTheirTimeOnTheLine)
{
    Faults late;
    late.lateMs = 300;
    Bench bench({unitAt(1, 9600, late)});
    bench.send(kIdentityQuery);
    const qint64 sent = bench.now;
    QList<Simulator::Output> out = bench.run();
    ASSERT_EQ(out.size(), 1);
    EXPECT_EQ(out[0].dueUs, sent + Simulator::kDefaultTurnaroundUs + 300'000);

    Faults split;
    split.splitMs = 40;
    Bench pieces({unitAt(1, 9600, split)});
    pieces.send(kIdentityQuery);
    out = pieces.run();
    ASSERT_EQ(out.size(), 3);
    EXPECT_EQ(out[1].dueUs - out[0].dueUs, 40'000);
    EXPECT_EQ(out[2].bytes, hex("FE"));
}

TEST(SimUnit, PacedLineTakesTenBitTimesPerByte)
{
    Bench bench({unitAt(1, 1200)}, true);
    bench.send(kIdentityQuery, 1200);
    // Nothing is heard until the fifth byte is through: 5 x 8333 us.
    EXPECT_TRUE(bench.state().lastCommand.isEmpty());
    const qint64 sent = bench.now;
    const QList<Simulator::Output> out = bench.run();
    EXPECT_EQ(bench.state().lastCommand, "0xF7");
    ASSERT_EQ(out.size(), 3);
    // The first reply byte is heard once it is through as well.
    EXPECT_EQ(out[0].dueUs, sent + 5 * 8333 + Simulator::kDefaultTurnaroundUs + 8333);
    EXPECT_EQ(out[1].dueUs - out[0].dueUs, 8333);
}

TEST(SimUnit, TurnaroundIsTheSilenceBeforeEachAnswer)
{
    for (const qint64 turnaroundUs : {qint64(0), qint64(25'000)}) {
        Simulator sim({unitAt(1, 1200)}, true, turnaroundUs);
        sim.receive(hex("5AF90101A3"), 1200, 0);
        sim.advance(5 * 8333);
        const QList<Simulator::Output> first = sim.takeDueOutput(1'000'000);
        ASSERT_EQ(first.size(), 5);
        EXPECT_EQ(first[0].dueUs, 5 * 8333 + turnaroundUs + 8333);
        // A second frame that comes while the answer is on the line waits for it.
        sim.receive(hex("5AF90101A3"), 1200, 5 * 8333 + turnaroundUs);
        sim.advance(10 * 8333 + turnaroundUs);
        const QList<Simulator::Output> second = sim.takeDueOutput(10'000'000);
        ASSERT_EQ(second.size(), 5);
        EXPECT_EQ(second[0].dueUs, std::max(first[4].dueUs, 10 * 8333 + 2 * turnaroundUs) + 8333);
    }
}

TEST(SimUnit, ChangeOfRateOrLongSilenceAbandonsAFrame)
{
    Bench bench({unitAt(1)});
    bench.send(hex("5A5B0122"));
    EXPECT_EQ(bench.ask(kIdentityQuery, 19200), QByteArray());
    EXPECT_EQ(bench.ask(kIdentityQuery), hex("FF01FE"));

    bench.send(hex("5A5B01220000"));
    bench.run(); // the clock passes the quiet limit
    EXPECT_EQ(bench.ask(kIdentityQuery), hex("FF01FE"));
}

TEST(SimOptions, ReadsUnitsFaultsAndSwitches)
{
    Options o;
    QString error;
    ASSERT_TRUE(ParseOptions({"--link", "/tmp/l", "--unit", "5:19200:CAFE0102", "--unit", "6",
                              "--fault", "late=50@5", "--fault", "short", "--pace", "--turnaround", "25",
                              "--store", "/tmp/s.json"},
                             o, error))
        << error.toStdString();
    ASSERT_EQ(o.units.size(), 2);
    EXPECT_EQ(o.units[0].baud, 19200);
    EXPECT_EQ(o.units[0].product, hex("CAFE0102"));
    EXPECT_EQ(o.units[1].product, hex("1234567D"));
    EXPECT_EQ(o.faults[0].kind, "late");
    EXPECT_EQ(o.faults[0].argument, 50);
    EXPECT_EQ(o.faults[0].address, 5);
    EXPECT_EQ(o.faults[1].address, -1);
    EXPECT_TRUE(o.pace);
    EXPECT_EQ(o.turnaroundMs, 25);
    EXPECT_EQ(o.storePath, "/tmp/s.json");

    ASSERT_TRUE(ParseOptions({"--link", "/tmp/l"}, o, error));
    EXPECT_EQ(o.turnaroundMs, 10);
    EXPECT_TRUE(o.storePath.isEmpty());
    ASSERT_EQ(o.units.size(), 1);
    EXPECT_EQ(o.units[0].address, 1);
    EXPECT_EQ(o.units[0].product, hex("12345678"));

    for (const QStringList& bad : {QStringList{"--unit", "1"}, QStringList{"--link"},
                                   QStringList{"--link", "l", "--unit", "0"},
                                   QStringList{"--link", "l", "--unit", "1:9600:12345"},
                                   QStringList{"--link", "l", "--unit", "1:9600:1234567G"},
                                   QStringList{"--link", "l", "--fault", "split"},
                                   QStringList{"--link", "l", "--fault", "short=3"},
                                   QStringList{"--link", "l", "--fault", "late=5@300"},
                                   QStringList{"--link", "l", "--fault", "loud"},
                                   QStringList{"--link", "l", "--turnaround", "-1"},
                                   QStringList{"--link", "l", "--turnaround", "10ms"},
                                   QStringList{"--link", "l", "--store"}})
        EXPECT_FALSE(ParseOptions(bad, o, error)) << bad.join(' ').toStdString();
}

TEST(SimFontFile, StoredOrderReversesEachRecordButTheMiddlePair)
{
    QByteArray device(kFontSize, '\0');
    device[0] = char(0x80);   // pixel 0 white
    device[26] = char(0x26);
    device[27] = char(0x27);
    device[25] = char(0x25);
    const QByteArray stored = SwapRecordOrder(device);
    EXPECT_EQ(quint8(stored[53]), 0x80);
    EXPECT_EQ(quint8(stored[26]), 0x26);
    EXPECT_EQ(quint8(stored[27]), 0x27);
    EXPECT_EQ(quint8(stored[28]), 0x25);
    EXPECT_EQ(SwapRecordOrder(stored), device);

    QTemporaryDir dir;
    const QString path = dir.filePath("font.bin");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(stored);
    file.close();
    QByteArray loaded;
    QString error;
    ASSERT_TRUE(LoadFontFile(path, loaded, error));
    EXPECT_EQ(loaded, device);

    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("x");
    file.close();
    EXPECT_FALSE(LoadFontFile(path, loaded, error));
    EXPECT_FALSE(LoadFontFile(dir.filePath("missing.bin"), loaded, error));
}

TEST(SimState, DocumentCarriesEveryUnitAndItsFont)
{
    QList<Unit> units{unitAt(3, 2400), unitAt(4)};
    const QJsonArray list = StateDocument(units).value("units").toArray();
    ASSERT_EQ(list.size(), 2);
    const QJsonObject first = list[0].toObject();
    EXPECT_EQ(first.value("address").toInt(), 3);
    EXPECT_EQ(first.value("baud").toInt(), 2400);
    EXPECT_EQ(first.value("product").toString(), "1234567A");
    EXPECT_EQ(first.value("lastOperation").toString(), "FFFF");
    EXPECT_EQ(first.value("font").toString().size(), 2 * kFontSize);
    EXPECT_EQ(first.value("logo").toObject().value("height").toInt(), kNoLogoHeight);
}
