// The simulated unit's side of device control and the display tests: display items
// kept and until restart, the power-on displays, the character screen and its picture,
// and the answers of the storing and crosshair commands with their faults.

#include "test_bytes.h"
#include "sim/character_screen.h"
#include "sim/png_image.h"
#include "sim/simulator.h"
#include "sim/status_reply.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace kv::sim;
using kv::test::hex;
using kv::test::withCheck;

namespace {

// One unit at address 1 behind a simulator on a clock that moves only when asked.
struct Line {
    explicit Line(Faults faults = {}) : sim({unit(faults)}, false, Simulator::kDefaultTurnaroundUs) {}

    static Unit unit(Faults faults)
    {
        UnitState state;
        state.font = QByteArray(kFontSize, char(0xFF));
        return Unit(state, faults);
    }
    // Sends the bytes and returns the answer they brought.
    QByteArray send(const QByteArray& bytes)
    {
        sim.receive(bytes, 9600, now);
        QByteArray answer;
        for (qint64 wake = sim.nextWakeUs(); wake >= 0; wake = sim.nextWakeUs()) {
            now = std::max(now, wake);
            sim.advance(now);
            for (const Simulator::Output& out : sim.takeDueOutput(now))
                answer += out.bytes;
        }
        return answer;
    }
    const UnitState& state() const { return sim.units().first().state(); }
    quint8 statusByte(int index) const
    {
        return quint8(BuildStatusReply(state()).parts.at(1).right(kStatusBlockSize).at(index));
    }

    Simulator sim;
    qint64 now = 1'000'000;
};

const QByteArray kRestart = hex("5A5BFF150500");

} // namespace

TEST(SimControl, ARestartDropsWhatWasNotKept)
{
    Line line;
    line.send(hex("5A5BFF 13 01 05 00"));  // kept: static picture off, the others on
    line.send(hex("5A5BFF 13 00 02 00"));  // until restart: only the static picture
    line.send(hex("5A5BFF 13 00 0C 00"));  // corner logo off
    line.send(hex("5A5BFF 13 00 11 00"));  // non-stop scrolling
    line.send(hex("5A5BFF 13 00 08 00"));  // intermittent scrolling cancelled
    line.send(hex("5A5BFF 19 00 00"));     // captions off
    line.send(withCheck(hex("5AF00102 04")));
    EXPECT_EQ(line.statusByte(7), 2);
    EXPECT_EQ(line.statusByte(0), 26);
    EXPECT_EQ(line.statusByte(38), 0);
    EXPECT_FALSE(line.state().cornerLogo);
    EXPECT_FALSE(line.state().captionsOn);
    EXPECT_EQ(line.state().videoMode, 4);

    line.send(kRestart);
    EXPECT_EQ(line.statusByte(7), 5);
    EXPECT_EQ(line.statusByte(0), line.state().params.repetition);
    EXPECT_EQ(line.statusByte(38), 1);
    EXPECT_TRUE(line.state().cornerLogo);
    EXPECT_TRUE(line.state().captionsOn);
    EXPECT_EQ(line.state().videoMode, 0);
    EXPECT_EQ(line.state().restarts, 1);
}

TEST(SimControl, SwitchesSentToKeepSurviveARestart)
{
    Line line;
    line.send(hex("5A5BFF 13 01 0C 00"));  // corner logo off, kept
    line.send(hex("5A5BFF 13 01 0E 00"));  // station logo off, kept
    line.send(withCheck(hex("5AE30002 03")));
    line.send(withCheck(hex("5AE00006 0A0B0C0D0E")));
    line.send(withCheck(hex("5AF20102 20")));
    line.send(kRestart);
    EXPECT_FALSE(line.state().cornerLogo);
    EXPECT_EQ(line.state().displayItems, 3);
    EXPECT_EQ(line.state().videoMode, 3);
    EXPECT_EQ(line.state().screen.horizontalOffset, 0x0A);
    EXPECT_EQ(line.state().crosshair, 0x0C);
}

TEST(SimControl, ItemsReachOnlyTheQueuedUnits)
{
    Line line;
    line.send(hex("5A5BFF 13 00 00 02") + hex("0409"));
    EXPECT_EQ(line.state().displayItems, 7);
    line.send(hex("5A5BFF 13 00 00 02") + hex("0109"));
    EXPECT_EQ(line.state().displayItems, 0);
}

TEST(SimControl, DeletingPowerOnDisplaysClearsEveryOne)
{
    Line line;
    line.send(hex("5A5B01 22 00 00 20 0002 B0A1"));  // a power-on scroll
    line.send(hex("5A5B01 87 02 00 01"));               // a power-on shortcut
    ASSERT_FALSE(line.state().powerOnScroll.isEmpty());
    ASSERT_EQ(line.state().powerOnShortcut, 2);
    line.send(hex("5A5B01 15 06 00"));
    EXPECT_TRUE(line.state().powerOnScroll.isEmpty());
    EXPECT_EQ(line.state().powerOnShortcut, 0);
    EXPECT_EQ(line.state().restarts, 0);
}

TEST(SimControl, TheScreenShowsTestsClearsAndFontHalves)
{
    Line line;
    line.send(withCheck(hex("5AF40106 05 0C 48494A")));
    EXPECT_EQ(ScreenLines(line.state().characterScreen).at(5), QString(24, '.') + "48494A" + QString(34, '.'));
    line.send(withCheck(hex("5AF50104 05 0D 01")));
    EXPECT_EQ(line.state().characterScreen.attributeAt(5, 12), 0);
    EXPECT_EQ(line.state().characterScreen.attributeAt(5, 13), 1);
    EXPECT_EQ(line.state().characterScreen.attributeAt(5, 14), 1);
    EXPECT_EQ(line.state().characterScreen.attributeAt(5, 15), 0);

    // Codes past the line's end are not shown; nothing reaches the next line.
    line.send(withCheck(hex("5AF40106 0F 1E 010203")));
    EXPECT_EQ(line.state().characterScreen.codeAt(15, 31), 2);
    line.send(withCheck(hex("5AF10102 0F")));
    EXPECT_EQ(line.state().characterScreen.codeAt(15, 31), kEmptyCell);
    EXPECT_EQ(line.state().characterScreen.codeAt(5, 12), 0x48);

    line.send(withCheck(hex("5AFB0101")));
    EXPECT_EQ(line.state().characterTest, 2);
    const QStringList lines = ScreenLines(line.state().characterScreen);
    EXPECT_EQ(lines.at(4), QString(16, '.') + "808182838485868788898A8B8C8D8E8F" + QString(16, '.'));
    EXPECT_EQ(lines.at(11).mid(16, 32), "F0F1F2F3F4F5F6F7F8F9FAFBFCFDFEFF");
    EXPECT_EQ(lines.at(5 - 1 + 8), QString(64, '.'));
    line.send(withCheck(hex("5AF10102 10")));
    EXPECT_EQ(ScreenLines(line.state().characterScreen), QStringList(16, QString(64, '.')));
}

TEST(SimControl, StoringAndCrosshairRepliesAndTheirFaults)
{
    Line line;
    EXPECT_EQ(line.send(withCheck(hex("5AE30002 02"))), hex("88"));
    EXPECT_EQ(line.send(withCheck(hex("5AE00006 1E12000203"))), hex("88"));
    EXPECT_EQ(line.state().screen.row, 2);
    EXPECT_EQ(line.send(withCheck(hex("5AE20002 09"))), hex("09"));
    EXPECT_EQ(line.send(withCheck(hex("5AE10001"))), hex("09"));

    Faults silent;
    silent.silent = true;
    Line mute(silent);
    EXPECT_TRUE(mute.send(withCheck(hex("5AE30002 02"))).isEmpty());
    EXPECT_EQ(mute.state().storedVideoMode, 2);
    Faults bent;
    bent.badCheck = true;
    Line wrong(bent);
    EXPECT_NE(wrong.send(withCheck(hex("5AE10001"))), hex("00"));
}

TEST(SimControl, TheScreenPictureIsDrawnWithTheUnitsFont)
{
    CharacterScreen screen;
    QByteArray font(kFontSize, char(0xFF));              // transparent
    font.replace(0, kFontRecordSize, QByteArray(kFontRecordSize, '\0'));            // code 0 black
    font.replace(kFontRecordSize, kFontRecordSize, QByteArray(kFontRecordSize, char(0xAA))); // code 1 white
    ShowCodes(screen, 2, 3, hex("000102"));
    SetAttribute(screen, 2, 4, 3);  // black background from code 1 on
    ShowCodes(screen, 3, 0, hex("01"));
    SetAttribute(screen, 3, 0, 1);  // inverted

    const QImage image = QImage::fromData(EncodePng(DrawScreen(screen, font)), "PNG");
    ASSERT_EQ(image.size(), QSize(32 * 12, 16 * 18));
    auto grey = [&](int cell, int line) { return qGray(image.pixel(cell * 12 + 5, line * 18 + 9)); };
    EXPECT_EQ(grey(3, 2), 0x00);
    EXPECT_EQ(grey(4, 2), 0xFF);
    EXPECT_EQ(grey(5, 2), 0x00); // transparent on a black background
    EXPECT_EQ(grey(0, 3), 0x00); // white inverted
    EXPECT_EQ(grey(6, 2), 0x80); // nothing shown: the video behind
    EXPECT_EQ(grey(0, 0), 0x80);
}
