// The units' non-volatile settings across a restart of kvsim (--store): what a unit
// keeps, how it comes up with it, and how a missing or broken store file is met.
#include "kvctl_process.h"
#include "sim_process.h"
#include "test_bytes.h"
#include "sim/options.h"
#include "sim/simulator.h"
#include "sim/unit_store.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

using namespace kv::sim;
using kv::test::hex;
using kv::test::KvctlRun;
using kv::test::RunKvctl;
using kv::test::SimProcess;
using kv::test::withCheck;

namespace {

Unit unitAt(int address, int baud = 9600)
{
    UnitState state;
    state.address = address;
    state.baud = baud;
    state.product = DefaultProduct(address);
    return Unit(state, {});
}

// The unit's state after it took these frames, sent at 9600.
UnitState afterFrames(const QList<QByteArray>& frames)
{
    Simulator sim({unitAt(1)}, false, 0);
    qint64 now = 1'000'000;
    for (const QByteArray& frame : frames) {
        sim.receive(frame, 9600, now);
        now += 100'000;
        sim.advance(now);
    }
    return sim.units().at(0).state();
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& contents)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(contents);
}

} // namespace

TEST(SimStore, UnitComesUpWithWhatItKeptAndForgetsTheRest)
{
    QByteArray record(54, char(0x5A));
    const UnitState before = afterFrames({
        // Scroll parameters saved with speed 8, then tried with speed 3 unsaved.
        hex("5A5B0120") + hex("00") + hex("1501900202030408300001001E"),
        hex("5A5B0120") + hex("00") + hex("1501900202030403300000001E"),
        withCheck(hex("5AE00006") + hex("1E1205070F")), // screen settings stored
        withCheck(hex("5AF20102") + hex("22")),         // horizontal offset, not stored
        withCheck(hex("5AE30002") + hex("04")),         // video mode 4 stored
        withCheck(hex("5AF00102") + hex("01")),         // video mode 1 only tried
        hex("5A5B0113010500"),                          // display items 5, kept
        hex("5A5B0113000100"),                          // display items 1 for now
        withCheck(hex("5AFC0138") + hex("41") + record),
        withCheck(hex("5AF80003") + hex("0609")),       // 57600, address 9
    });
    ASSERT_EQ(before.address, 9);
    ASSERT_EQ(before.params.speed, 3);
    ASSERT_EQ(before.displayItems, 1);

    UnitState after;
    QString error;
    ASSERT_TRUE(RestoreStoredSettings(StoredSettings(before), after, error)) << error.toStdString();
    EXPECT_EQ(after.address, 9);
    EXPECT_EQ(after.baud, 57600);
    EXPECT_EQ(after.product, before.product);
    EXPECT_EQ(after.font.mid(0x41 * 54, 54), record);
    EXPECT_EQ(after.params.speed, 8);
    EXPECT_TRUE(after.params.saved);
    EXPECT_EQ(after.screen.horizontalOffset, 0x1E);
    EXPECT_EQ(after.screen.row, 7);
    EXPECT_EQ(after.videoMode, 4);
    EXPECT_EQ(after.displayItems, 5);
    EXPECT_EQ(after.lastCommand, QString());
}

TEST(SimStore, StoredMessagesAndPowerOnChoicesComeBack)
{
    UnitState before = unitAt(1).state();
    before.shortcuts.insert(3, Shortcut{true, true, hex("B0A1")});
    before.pictureMessages.insert({true, 29}, PictureMessage{12, false, hex("0102")});
    before.pictureMessages.insert({false, 29}, PictureMessage{2, true, hex("03")});
    before.powerOnScroll = hex("A3C1A3C2");
    before.powerOnShortcut = 3;
    before.logo = PictureLayer{12, 48, 5, 200, 0x2F, 0, hex("80FF")};
    before.storedPictures.insert(11, PictureLayer{2, 1, 7, 90, 0x4B, 2, hex("C003")});
    before.scrollPicture = ScrollPicture{true, 1, true, hex("AA55")};

    UnitState after;
    QString error;
    ASSERT_TRUE(RestoreStoredSettings(StoredSettings(before), after, error)) << error.toStdString();
    ASSERT_EQ(after.shortcuts.size(), 1);
    EXPECT_EQ(after.shortcuts.value(3).content, hex("B0A1"));
    EXPECT_TRUE(after.shortcuts.value(3).small);
    EXPECT_EQ(after.pictureMessages.value({true, 29}).cells, 12);
    EXPECT_EQ(after.pictureMessages.value({true, 29}).bits, hex("0102"));
    EXPECT_TRUE(after.pictureMessages.value({false, 29}).powerOn);
    ASSERT_EQ(after.storedPictures.size(), 1);
    EXPECT_EQ(after.storedPictures.value(11).bits, hex("C003"));
    EXPECT_EQ(after.storedPictures.value(11).kind, 2);
    EXPECT_EQ(after.storedPictures.value(11).verticalPosition, 90);
    EXPECT_EQ(after.scrollPicture.bits, hex("AA55"));
    EXPECT_TRUE(after.scrollPicture.small);
    EXPECT_EQ(after.powerOnScroll, hex("A3C1A3C2"));
    EXPECT_EQ(after.powerOnShortcut, 3);
    EXPECT_EQ(after.logo.height, 48);
    EXPECT_EQ(after.logo.shade, 0x2F);
    EXPECT_EQ(after.logo.bits, hex("80FF"));
}

TEST(SimStore, AbsentKeysKeepDefaultsAndAMalformedOneRefusesTheEntry)
{
    UnitState state;
    state.address = 4;
    QString error;
    ASSERT_TRUE(RestoreStoredSettings(QJsonObject{{"baud", 2400}}, state, error));
    EXPECT_EQ(state.address, 4);
    EXPECT_EQ(state.baud, 2400);

    for (const QJsonObject& bad :
         {QJsonObject{{"address", 9}, {"baud", 1234}}, QJsonObject{{"address", 9}, {"baud", "9600"}},
          QJsonObject{{"address", 300}}, QJsonObject{{"address", 9}, {"product", "12345G78"}},
          QJsonObject{{"address", 9}, {"font", "00"}},
          QJsonObject{{"address", 9}, {"shortcuts", QJsonArray{QJsonObject{{"content", "B0"}}}}},
          QJsonObject{{"address", 9}, {"powerOn", 7}}}) {
        UnitState unit;
        unit.address = 4;
        EXPECT_FALSE(RestoreStoredSettings(bad, unit, error)) << QJsonDocument(bad).toJson().toStdString();
        EXPECT_EQ(unit.address, 4);
        EXPECT_EQ(unit.baud, 9600);
    }
}

TEST(SimStore, FileIsWrittenOnlyWhenAKeptSettingChangesAndKeepsUnitsBeyondTheLine)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("store.json");
    UnitState third;
    third.address = 77;
    writeFile(path, QJsonDocument(QJsonObject{{"format", 1},
                                              {"units", QJsonArray{StoredSettings(UnitState()),
                                                                   StoredSettings(UnitState()),
                                                                   StoredSettings(third)}}})
                        .toJson());
    UnitStore store(path);
    QString note;
    ASSERT_EQ(store.load(note).size(), 3);
    EXPECT_TRUE(note.isEmpty());

    QList<Unit> units{unitAt(1), unitAt(2)};
    QString error;
    ASSERT_TRUE(store.save(units, error));
    const QJsonArray saved = QJsonDocument::fromJson(readFile(path)).object().value("units").toArray();
    ASSERT_EQ(saved.size(), 3);
    EXPECT_EQ(saved[1].toObject().value("address").toInt(), 2);
    EXPECT_EQ(saved[2].toObject().value("address").toInt(), 77);

    // Nothing kept has changed: the file is left alone.
    QFile::remove(path);
    ASSERT_TRUE(store.save(units, error));
    EXPECT_FALSE(QFile::exists(path));
}

TEST(SimStore, UnreadableFilesGiveNoEntriesAndSayWhy)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("store.json");
    UnitStore store(path);
    QString note;
    EXPECT_TRUE(store.load(note).isEmpty());
    EXPECT_TRUE(note.contains("no store")) << note.toStdString();

    for (const QByteArray& contents : {QByteArray("{\"format\": 1, \"units\": ["), QByteArray("[]"),
                                       QByteArray("{\"format\": 2, \"units\": []}"),
                                       QByteArray("{\"format\": 1, \"units\": 5}")}) {
        writeFile(path, contents);
        note.clear();
        EXPECT_TRUE(store.load(note).isEmpty()) << contents.toStdString();
        EXPECT_TRUE(note.contains("unreadable")) << contents.toStdString();
    }
}

class SimStoreLine : public ::testing::Test {
protected:
    QStringList simArgs() const
    {
        return {"--unit", "1:9600:12345678", "--store", storePath()};
    }
    QString storePath() const { return dir.filePath("store.json"); }
    KvctlRun kvctl(const SimProcess& sim, const QString& baud, const QStringList& args)
    {
        return RunKvctl(QStringList{"--dir", dir.path(), "--port", sim.linkPath(), "--baud", baud, "--yes"}
                        + args);
    }

    QTemporaryDir dir;
};

TEST_F(SimStoreLine, RateAndAddressSetThroughKvctlOutliveARestart)
{
    {
        SimProcess sim(simArgs());
        ASSERT_TRUE(sim.isRunning());
        KvctlRun run = kvctl(sim, "9600", {"modify-identity", "19200", "9"});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        run = kvctl(sim, "19200", {"write-address", "200"});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        run = kvctl(sim, "19200", {"baud", "38400"});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        ASSERT_TRUE(sim.waitFor([&] { return sim.unitState(200).value("baud").toInt() == 38400; }));
        EXPECT_TRUE(sim.stop().contains("no store"));
    }
    SimProcess sim(simArgs());
    ASSERT_TRUE(sim.isRunning());
    KvctlRun run = kvctl(sim, "38400", {"--address", "200", "product-number"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(run.out.startsWith(QStringLiteral("产品编号：12345678")));
    run = kvctl(sim, "9600", {"product-number"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(sim.logText().contains("unit 1 comes up from the store: address 200, 38400 baud"));
}

TEST_F(SimStoreLine, BrokenStoreStartsFromTheDefaultsAndIsReplacedOnTheNextChange)
{
    for (const QByteArray& contents :
         {QByteArray("{\"format\": 1, \"units\": [{\"address\": 9, \"baud\": 1234}]}"), QByteArray("\x01\x02garbage")}) {
        writeFile(storePath(), contents);
        SimProcess sim(simArgs());
        ASSERT_TRUE(sim.isRunning());
        KvctlRun run = kvctl(sim, "9600", {"product-number"});
        EXPECT_EQ(run.exitCode, 0) << contents.toStdString() << run.err.toStdString();
        EXPECT_TRUE(sim.logText().contains("unreadable")) << contents.toStdString();

        run = kvctl(sim, "9600", {"modify-identity", "4800", "3"});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        ASSERT_TRUE(sim.waitFor([&] {
            const QJsonArray units = QJsonDocument::fromJson(readFile(storePath())).object().value("units").toArray();
            return units.size() == 1 && units[0].toObject().value("address").toInt() == 3;
        }));
        EXPECT_TRUE(sim.stop().contains("unreadable"));
    }
}
