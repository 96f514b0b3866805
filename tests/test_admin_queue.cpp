#include "admin/address_queue.h"
#include "base/app_folder.h"
#include "base/cp936.h"
#include "kvctl_process.h"
#include "recording_prompter.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>
#include <memory>
#include <random>

using namespace kv;
using kv::test::RecordingPrompter;

namespace {

class QueueFiles : public ::testing::Test {
protected:
    void writeRaw(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    void writeQueue(const QByteArray& bytes) { writeRaw(folder.path("data.txt"), bytes); }
    void writeTicks(const QByteArray& ticks)
    {
        folder.ensureSettingsFolder();
        writeRaw(folder.settingsPath("Lv1Checked.TXT"), ticks);
    }
    QByteArray readRaw(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QByteArray storedTicks() { return readRaw(folder.settingsPath("Lv1Checked.TXT")); }

    QStringList addresses(const QList<QueueEntry>& entries)
    {
        QStringList out;
        for (const QueueEntry& e : entries)
            out << e.address;
        return out;
    }
    QString ticks(const QList<QueueEntry>& entries)
    {
        QString out;
        for (const QueueEntry& e : entries)
            out += e.ticked ? '1' : '0';
        return out;
    }
    QList<QueueEntry> load() { return LoadAddressQueue(folder).entries; }

    QTemporaryDir dir;
    AppFolder folder{dir.path()};
    RecordingPrompter prompter;
};

TEST_F(QueueFiles, LoadSortsByValueAndIgnoresTrailingLineEnds)
{
    writeQueue("12\r\nA\r\n3\r\nB\r\n7\r\nC\r\n\r\n\r\n");
    const AddressQueue queue = LoadAddressQueue(folder);
    ASSERT_TRUE(queue.fileFound);
    EXPECT_EQ(addresses(queue.entries), QStringList({"3", "7", "12"}));
    EXPECT_EQ(queue.entries[0].description, "B");
    EXPECT_EQ(queue.entries[1].description, "C");
    EXPECT_EQ(queue.entries[2].description, "A");
    EXPECT_EQ(QueueCaption(QueueCaptionWording::Loaded, int(queue.entries.size())),
              QStringLiteral("设备地址队列 -- 共有3条设备地址记录"));
}

TEST_F(QueueFiles, LoadKeepsTheLastPairOfAnAddressAndSkipsWhatIsNoAddress)
{
    // "5" and "005" are one unit; text, negative and too large are not entries; a last
    // address without its line is an entry with no description.
    writeQueue("5\r\nold\r\nabc\r\nx\r\n-1\r\ny\r\n300\r\nz\r\n005\r\nnew\r\n9\r\nnine\r\n4");
    const auto entries = load();
    EXPECT_EQ(addresses(entries), QStringList({"4", "005", "9"}));
    EXPECT_EQ(entries[1].description, "new");
    EXPECT_EQ(entries[0].description, "");
}

TEST_F(QueueFiles, LoadWithoutFilesGivesAnEmptyUntickedList)
{
    EXPECT_FALSE(LoadAddressQueue(folder).fileFound);
    writeQueue("1\r\nA\r\n2\r\nB");
    EXPECT_EQ(ticks(load()), "00");
    writeTicks("11");
    EXPECT_EQ(ticks(load()), "11");
    // Ticks of a shorter or longer list belong to other units: none is applied.
    writeTicks("1");
    EXPECT_EQ(ticks(load()), "00");
    writeTicks("011");
    EXPECT_EQ(ticks(load()), "00");
}

TEST_F(QueueFiles, LoadReadsDescriptionsInCodePage936)
{
    writeQueue(*EncodeCp936(QStringLiteral("8\r\n演播室\r\n")));
    EXPECT_EQ(load().value(0).description, QStringLiteral("演播室"));
}

TEST_F(QueueFiles, QueueAddressStringWritesTickedValuesAsThreeDigits)
{
    const QList<QueueEntry> entries = {
        {"3", "", true}, {"8", "", false}, {"15", "", true}, {"120", "", true}};
    EXPECT_EQ(QueueAddressString(entries), "003015120");
    EXPECT_EQ(QueueAddressString({{"005", "", true}}), "005");
    EXPECT_EQ(QueueAddressString({{"5", "", false}}), "");
    EXPECT_EQ(QueueAddressString({}), "");
}

TEST_F(QueueFiles, SaveWritesPairsAndTicksInSortedOrder)
{
    ASSERT_TRUE(SaveAddressQueue(folder, {{"12", "A", true}, {"3", "B", false}}, prompter).done());
    EXPECT_EQ(readRaw(folder.path("data.txt")), "3\r\nB\r\n12\r\nA\r\n");
    EXPECT_EQ(storedTicks(), "01");
    // An empty last description survives the trailing line ends being stripped.
    ASSERT_TRUE(SaveAddressQueue(folder, {{"12", "A", true}, {"30", "", true}}, prompter).done());
    EXPECT_EQ(addresses(load()), QStringList({"12", "30"}));
    ASSERT_TRUE(SaveAddressQueue(folder, {}, prompter).done());
    EXPECT_EQ(readRaw(folder.path("data.txt")), "");
}

TEST_F(QueueFiles, TickChangeWritesTheTickString)
{
    const QList<QueueEntry> entries = {{"1", "", true}, {"2", "", false}, {"3", "", true}, {"4", "", false}};
    ASSERT_TRUE(SaveQueueTicks(folder, entries, prompter).done());
    EXPECT_EQ(storedTicks(), "1010");
}

TEST_F(QueueFiles, AddCutsTheAddressToThreeCharacters)
{
    const auto outcome = AddQueueEntry(folder, {}, {"0055", "desk"}, prompter);
    ASSERT_TRUE(outcome.result.done());
    ASSERT_EQ(outcome.entries.size(), 1);
    EXPECT_EQ(outcome.entries[0].address, "005");
    EXPECT_EQ(outcome.caption, QStringLiteral("设备地址队列 -- 共有1条记录"));
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(QueueFiles, AddRefusesTextTooLargeAndEmptyAddresses)
{
    for (const QString& bad : {QString("abc"), QString(""), QString("-1"), QString("1.5")}) {
        prompter.shown.clear();
        EXPECT_FALSE(AddQueueEntry(folder, {}, {bad, ""}, prompter).result.done()) << bad.toStdString();
        ASSERT_EQ(prompter.texts(), QStringList{QStringLiteral("地址码必须是数字")});
        EXPECT_EQ(prompter.shown[0].kind, "failure");
        EXPECT_EQ(prompter.shown[0].title, QStringLiteral("错误"));
    }
    prompter.shown.clear();
    EXPECT_FALSE(AddQueueEntry(folder, {}, {"255", ""}, prompter).result.done());
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("地址码不能大于254")});
    EXPECT_TRUE(AddQueueEntry(folder, {}, {"254", ""}, prompter).result.done());
    EXPECT_TRUE(AddQueueEntry(folder, load(), {"0", ""}, prompter).result.done());
}

TEST_F(QueueFiles, AddOfAnExistingValueSelectsTheExistingEntry)
{
    SaveAddressQueue(folder, {{"3", "", false}, {"005", "", false}}, prompter);
    const auto outcome = AddQueueEntry(folder, load(), {"5", "again"}, prompter);
    EXPECT_FALSE(outcome.result.done());
    EXPECT_EQ(outcome.selected, 1);
    ASSERT_EQ(prompter.shown.size(), 1);
    EXPECT_EQ(prompter.shown[0].text, QStringLiteral("地址码已存在，不能重复！"));
    EXPECT_EQ(prompter.shown[0].title, QString());
    EXPECT_EQ(addresses(load()), QStringList({"3", "005"}));
}

TEST_F(QueueFiles, AddCutsLongDescriptionsAndKeepsThemOnOneLine)
{
    const QString d33(33, 'd');
    const QString d34(34, 'd');
    auto entries = AddQueueEntry(folder, {}, {"1", d33}, prompter).entries;
    entries = AddQueueEntry(folder, entries, {"2", d34}, prompter).entries;
    entries = AddQueueEntry(folder, entries, {"3", "two\r\nlines"}, prompter).entries;
    EXPECT_EQ(entries[0].description, d33);
    EXPECT_EQ(entries[1].description, QString(30, 'd'));
    EXPECT_EQ(entries[2].description, "two lines");
    EXPECT_EQ(load().size(), 3);
}

TEST_F(QueueFiles, TicksStayWithTheirUnitsWhenAnAddReSortsTheList)
{
    SaveAddressQueue(folder, {{"3", "", true}, {"7", "", false}, {"12", "", true}}, prompter);
    const auto outcome = AddQueueEntry(folder, load(), {"5", ""}, prompter);
    EXPECT_EQ(addresses(outcome.entries), QStringList({"3", "5", "7", "12"}));
    EXPECT_EQ(ticks(outcome.entries), "1001");
    EXPECT_EQ(storedTicks(), "1001");
    EXPECT_EQ(QueueAddressString(load()), "003012");
}

TEST_F(QueueFiles, ModifyKeepsTheTickAndMayKeepItsOwnAddress)
{
    SaveAddressQueue(folder, {{"3", "a", false}, {"7", "b", true}, {"12", "c", false}}, prompter);
    auto outcome = ModifyQueueEntry(folder, load(), 1, {"7", "renamed"}, prompter);
    ASSERT_TRUE(outcome.result.done());
    EXPECT_EQ(outcome.caption, QStringLiteral("共有3条记录"));
    EXPECT_EQ(outcome.entries[1].description, "renamed");

    // Moving 7 to 20 re-sorts it to the end; its tick goes with it.
    outcome = ModifyQueueEntry(folder, outcome.entries, 1, {"20", QString(61, 'x')}, prompter);
    EXPECT_EQ(addresses(outcome.entries), QStringList({"3", "12", "20"}));
    EXPECT_EQ(ticks(outcome.entries), "001");
    EXPECT_EQ(outcome.entries[2].description, QString(60, 'x'));
    EXPECT_TRUE(prompter.shown.isEmpty());
}

TEST_F(QueueFiles, ModifyToAnotherEntrysAddressIsRefused)
{
    SaveAddressQueue(folder, {{"3", "a", false}, {"7", "b", false}}, prompter);
    const auto outcome = ModifyQueueEntry(folder, load(), 0, {"007", "x"}, prompter);
    EXPECT_FALSE(outcome.result.done());
    EXPECT_EQ(outcome.selected, 1);
    EXPECT_EQ(prompter.texts(), QStringList{QStringLiteral("地址码已存在，不能重复！")});
    EXPECT_EQ(load()[0].description, "a");
}

TEST_F(QueueFiles, DeleteAsksAndOnlyYesRemoves)
{
    SaveAddressQueue(folder, {{"3", "", true}, {"7", "", false}, {"12", "", true}}, prompter);
    prompter.answers = {false};
    EXPECT_FALSE(DeleteQueueEntry(folder, load(), 0, prompter).result.done());
    EXPECT_EQ(prompter.texts("ask"), QStringList{QStringLiteral("真的要删除地址为 3 的记录吗？")});
    EXPECT_EQ(load().size(), 3);

    prompter.answers = {true};
    const auto outcome = DeleteQueueEntry(folder, load(), 0, prompter);
    ASSERT_TRUE(outcome.result.done());
    EXPECT_EQ(addresses(outcome.entries), QStringList({"7", "12"}));
    EXPECT_EQ(storedTicks(), "01");
    EXPECT_EQ(outcome.caption, QStringLiteral("设备地址队列 -- 共有2条设备地址记录"));
}

TEST_F(QueueFiles, EditsWithoutASelectedEntryDoNothing)
{
    SaveAddressQueue(folder, {{"3", "", false}}, prompter);
    EXPECT_FALSE(ModifyQueueEntry(folder, load(), -1, {"4", ""}, prompter).result.done());
    EXPECT_FALSE(DeleteQueueEntry(folder, load(), 5, prompter).result.done());
    EXPECT_TRUE(prompter.shown.isEmpty());
}

// A queue save replaces data.txt and Lv1Checked.TXT as one pair: the journal with both
// new contents is put in place first, then each file, then the journal goes. These
// are the states a kill can leave; the next load must see both old or both new.
class QueuePairAfterAKill : public QueueFiles {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(SaveAddressQueue(folder, {{"3", "three", true}, {"7", "seven", false}}, prompter).done());
        oldQueue = readRaw(folder.path("data.txt"));
        oldTicks = storedTicks();
    }
    // The new pair: 5 inserted before 7 and ticked; 3 keeps its tick.
    const QByteArray newQueue = "3\r\nthree\r\n5\r\nfive\r\n7\r\nseven\r\n";
    const QByteArray newTicks = "110";
    QString journalPath() { return folder.settingsPath("AddressQueue.journal"); }
    void writeJournal(const QByteArray& queue, const QByteArray& ticks)
    {
        writeRaw(journalPath(), "KVPAIR\n" + QByteArray::number(queue.size()) + "\n" + queue + ticks);
    }
    void expectNewPair()
    {
        const auto entries = load();
        EXPECT_EQ(addresses(entries), QStringList({"3", "5", "7"}));
        EXPECT_EQ(ticks(entries), "110");
        EXPECT_EQ(readRaw(folder.path("data.txt")), newQueue);
        EXPECT_EQ(storedTicks(), newTicks);
        EXPECT_FALSE(QFile::exists(journalPath()));
    }
    void expectOldPair()
    {
        const auto entries = load();
        EXPECT_EQ(addresses(entries), QStringList({"3", "7"}));
        EXPECT_EQ(ticks(entries), "10");
        EXPECT_EQ(readRaw(folder.path("data.txt")), oldQueue);
        EXPECT_EQ(storedTicks(), oldTicks);
        EXPECT_FALSE(QFile::exists(journalPath()));
    }
    QByteArray oldQueue;
    QByteArray oldTicks;
};

TEST_F(QueuePairAfterAKill, BeforeTheJournalIsInPlaceBothStayOld)
{
    writeRaw(journalPath() + ".kvsave", "KVPAIR\n40\n3\r\nthr");
    EXPECT_EQ(RemoveUnfinishedWrites(folder), 1);
    expectOldPair();
}

TEST_F(QueuePairAfterAKill, WithTheJournalInPlaceTheNextLoadMakesBothNew)
{
    writeJournal(newQueue, newTicks);
    expectNewPair();
}

TEST_F(QueuePairAfterAKill, WithOnlyTheQueueReplacedTheNextLoadMakesBothNew)
{
    writeJournal(newQueue, newTicks);
    writeQueue(newQueue);
    expectNewPair();
}

TEST_F(QueuePairAfterAKill, WithBothReplacedButTheJournalLeftBothAreNew)
{
    writeJournal(newQueue, newTicks);
    writeQueue(newQueue);
    writeTicks(newTicks);
    expectNewPair();
}

TEST_F(QueuePairAfterAKill, ATickChangeFinishesThePendingSaveFirst)
{
    writeJournal(newQueue, newTicks);
    writeQueue(newQueue);
    ASSERT_TRUE(SaveQueueTicks(folder, {{"3", "", false}, {"5", "", true}, {"7", "", true}}, prompter).done());
    EXPECT_EQ(readRaw(folder.path("data.txt")), newQueue);
    EXPECT_EQ(storedTicks(), "011");
    EXPECT_FALSE(QFile::exists(journalPath()));
}

TEST_F(QueuePairAfterAKill, AJournalThatIsNotWholeIsDropped)
{
    for (const QByteArray& bad : {QByteArray("KVPAIR\n999\n3\r\n"), QByteArray("KVPAIR\nx\n"), QByteArray("data")}) {
        writeRaw(journalPath(), bad);
        expectOldPair();
    }
}

TEST_F(QueuePairAfterAKill, AFailedTickWriteLeavesBothOld)
{
    QFile::remove(folder.settingsPath("Lv1Checked.TXT"));
    ASSERT_TRUE(QDir().mkpath(folder.settingsPath("Lv1Checked.TXT"))); // no file can be put there
    EXPECT_FALSE(SaveAddressQueue(folder, {{"3", "", true}, {"5", "", true}, {"7", "", false}}, prompter).done());
    EXPECT_EQ(prompter.texts("error").size(), 1);
    EXPECT_EQ(readRaw(folder.path("data.txt")), oldQueue);
    EXPECT_FALSE(QFile::exists(journalPath()));
}

TEST(QueueAddressEntry, ChecksEveryChange)
{
    EXPECT_EQ(QueueAddressEntryMessage(""), QString());
    EXPECT_EQ(QueueAddressEntryMessage("255"), QString());
    EXPECT_EQ(QueueAddressEntryMessage("0055"), QString());
    EXPECT_EQ(QueueAddressEntryMessage("256"), QStringLiteral("地址码不能大于255"));
    EXPECT_EQ(QueueAddressEntryMessage("99999999999"), QStringLiteral("地址码不能大于255"));
    for (const char* bad : {"abc", "-1", "+3", "0x10", " 5", "5 "})
        EXPECT_EQ(QueueAddressEntryMessage(bad), QStringLiteral("地址码必须为0-254的十进制数")) << bad;
}

} // namespace

namespace {
// kvctl runs on one folder, each killed at a random moment, as an operator's script
// might be. After every kill the next kvctl run must see a pair that belongs together:
// one tick per entry, and no tick on a unit that was never ticked (only odd addresses
// are).
class QueuePairUnderKills : public ::testing::Test {
protected:
    QProcess* start(const QStringList& args)
    {
        auto* process = new QProcess;
        process->setProgram(QStringLiteral(KVCTL_PATH));
        process->setArguments(QStringList{"--dir", dir.path()} + args);
        process->setStandardInputFile(QProcess::nullDevice());
        // A kill may land while a sanitizer build checks for leaks at exit; the checker
        // then reports that it lost its threads, which says nothing about the program.
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        const QString asan = env.value(QStringLiteral("ASAN_OPTIONS"));
        env.insert(QStringLiteral("ASAN_OPTIONS"),
                   (asan.isEmpty() ? QString() : asan + QLatin1Char(':')) + QStringLiteral("detect_leaks=0"));
        process->setProcessEnvironment(env);
        process->start();
        return process;
    }
    QList<QStringList> listed()
    {
        const auto run = kv::test::RunKvctl({"--dir", dir.path(), "queue", "list"});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        QList<QStringList> rows;
        for (const QString& line : run.out.split('\n', Qt::SkipEmptyParts))
            rows << line.split('\t');
        return rows;
    }
    QByteArray raw(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir dir;
};

TEST_F(QueuePairUnderKills, EveryKillLeavesAPairThatBelongsTogether)
{
    const AppFolder folder(dir.path());
    std::mt19937 random(20261208);
    QElapsedTimer clock;
    clock.start();
    ASSERT_EQ(kv::test::RunKvctl({"--dir", dir.path(), "queue", "add", "1", "first"}).exitCode, 0);
    // Kills are spread over a little more than one whole run.
    const int runMicros = int(qMax<qint64>(clock.nsecsElapsed() / 1000, 2000));

    for (int round = 0; round < 80; ++round) {
        const QList<QStringList> rows = listed();
        QStringList args;
        std::uniform_int_distribution<int> pick(0, 2);
        const int action = rows.isEmpty() ? 0 : pick(random);
        if (action == 0 || rows.size() < 4) {
            args = {"queue", "add", QString::number(std::uniform_int_distribution<int>(0, 254)(random)), "unit"};
        } else {
            const int position = std::uniform_int_distribution<int>(1, int(rows.size()))(random);
            const bool odd = rows.at(position - 1).value(1).toInt() % 2 == 1;
            args = action == 1 && odd ? QStringList{"queue", "tick", QString::number(position), "on"}
                                      : QStringList{"queue", "delete", QString::number(position)};
        }
        std::unique_ptr<QProcess> child(start(QStringList{"--yes"} + args));
        child->waitForStarted();
        QThread::usleep(std::uniform_int_distribution<int>(0, runMicros * 3 / 2)(random));
        child->kill();
        child->waitForFinished();

        const QList<QStringList> after = listed();
        const QByteArray queue = raw(folder.path("data.txt"));
        const QByteArray ticks = raw(folder.settingsPath("Lv1Checked.TXT"));
        ASSERT_EQ(queue.count("\r\n"), 2 * ticks.size()) << "round " << round << ": " << queue.constData() << " / "
                                                         << ticks.constData();
        for (const QStringList& row : after)
            ASSERT_FALSE(row.value(2) == "1" && row.value(1).toInt() % 2 == 0) << "round " << round;
        EXPECT_TRUE(QDir(dir.path()).entryList({"*.kvsave"}, QDir::Files).isEmpty());
    }
}
} // namespace

// A data.txt the tool cannot read (none it writes comes near the bound) is reported,
// and neither an edit nor a tick writes over it or its ticks.
TEST_F(QueueFiles, AListThatCannotBeReadIsReportedAndNeverOverwritten)
{
    QByteArray foreign;
    while (foreign.size() <= 256 * 1024)
        foreign += "7\r\n" + QByteArray(1000, 'x') + "\r\n";
    writeQueue(foreign);
    writeTicks("1");
    const AddressQueue queue = LoadAddressQueue(folder);
    EXPECT_TRUE(queue.entries.isEmpty());
    EXPECT_TRUE(queue.problem.contains("data.txt")) << queue.problem.toStdString();

    EXPECT_FALSE(AddQueueEntry(folder, {}, {"5", "new"}, prompter).result.done());
    EXPECT_FALSE(SaveQueueTicks(folder, {}, prompter).done());
    EXPECT_EQ(prompter.texts("error"), QStringList(2, queue.problem));
    EXPECT_EQ(readRaw(folder.path("data.txt")), foreign);
    EXPECT_EQ(storedTicks(), "1");
}
