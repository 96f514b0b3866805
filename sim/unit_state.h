#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <utility>

namespace kv::sim {

constexpr int kFontRecordSize = 54;
constexpr int kFontSize = 256 * kFontRecordSize;
// A logo height of 481 or more tells the tool there is no valid logo.
constexpr int kNoLogoHeight = 481;
constexpr int kNoOperation = 0xFFFF;

// The scroll parameter block as the tool sent it.
struct ScrollParams {
    int repetition = 26;      // count code: 2..21 once..20 times, 22..25 30..100, 26 non-stop
    int verticalPosition = 400;
    int brightness = 0;
    int background = 6;       // index of the seven-entry background list
    int barAbove = 0;
    int barBelow = 0;
    int speed = 8;
    int horizontalOffset = 0; // as sent: the selector index times 4
    bool saved = false;
    int interval = 30;
};

struct ScrollMessage {
    QByteArray text;          // unit character codes, two bytes per character
    bool small = false;
    bool append = false;      // how the last scroll send arrived
};

// A picture layer (logo or static display). The shade byte is in the unit's own
// form: brightness level in bits 5-6, background effect code in bits 0-4.
struct PictureLayer {
    int widthBytes = 0;
    int height = 0;
    int horizontalOffset = 0;
    int verticalPosition = 150;
    int shade = 0;
    int kind = 0;             // slot kind of the header: 0 logo, 1 static, 2 static and power-on
    QByteArray bits;          // the matrix, rows top to bottom, widthBytes a row
};

struct Shortcut {
    bool small = false;
    bool powerOn = false;
    QByteArray content;
};

// Cells of 48 or 32 pixels square by the key's size; bits in cell order.
struct PictureMessage {
    int cells = 0;
    bool powerOn = false;
    QByteArray bits;
};

struct ScrollPicture {
    bool small = false;
    int blocks = 0;
    bool powerOn = false;
    QByteArray bits;          // cell order, cells of 32 (small) or 48 pixels square
};

struct StaticText {
    bool small = false;
    int lineSpacing = 0;
    int horizontalOffset = 0;
    int verticalPosition = 0;
    int shade = 0;
    QByteArray text;
};

struct ScreenSettings {
    int horizontalOffset = 30;
    int verticalOffset = 18;
    int shape = 0;
    int row = 7;     // as stored: the row shown minus 1
    int column = 15; // as stored: the column shown minus 1
    bool stored = false;
};

struct DisplayTest {
    int row = 0;
    int column = 0;
    QByteArray codes;
};

// Everything one simulated unit holds. Defaults are those of a unit fresh from the
// factory: every layer on, nothing scrolled, no logo.
struct UnitState {
    int address = 1;
    int baud = 9600;
    QByteArray product;       // four bytes
    // First byte of the identity reply. All ones, so that two identity replies
    // colliding on the line never keep a check byte that fits.
    quint8 version = 0xFF;
    QByteArray font = QByteArray(kFontSize, '\0'); // device order

    QString lastCommand;      // "0x22"
    int lastOperation = kNoOperation;

    ScrollMessage scroll;
    QByteArray powerOnScroll;
    ScrollParams params;
    ScrollParams savedParams; // the last set sent with the save flag; saved false: none
    int displayItems = 7;     // bit 0 scroll, bit 1 static picture, bit 2 logo
    int keptDisplayItems = 7; // what a restart comes back to
    bool captionsOn = true;
    bool pauseEnabled = true;
    bool cornerLogo = true;

    PictureLayer logo{0, kNoLogoHeight, 0, 150, 0, 0, {}};
    PictureLayer staticPicture;
    QMap<int, PictureLayer> storedPictures; // by number - 1
    int currentStatic = 0;    // 0 none, 1 temporary, 2 and up stored picture number + 1
    int powerOnStatic = 0;    // picture number - 1
    int powerOnStaticSeconds = 0;
    int powerOnShortcut = 0;  // shortcut number - 1
    StaticText staticText;
    int timedDisplaySeconds = 0;
    bool timedDisplayScroll = false;

    QMap<int, Shortcut> shortcuts;             // by number - 1
    QMap<std::pair<bool, int>, PictureMessage> pictureMessages; // by small, number - 1
    ScrollPicture scrollPicture;
    int droppedPictures = 0;  // pictures given up for a wrong sum byte or trailer
    int playedScroll = -1;    // 0 the power-on scroll, 1..16 a shortcut, -1 none

    int crosshair = 0;
    int videoMode = 0;
    int storedVideoMode = 0;
    ScreenSettings screen;
    ScreenSettings storedScreen; // what the save-settings command kept; stored false: none
    int clearedLine = -1;     // 0..15 a line, 16 the whole screen
    DisplayTest displayTest;
    QByteArray attribute;     // row, column, attribute
    int characterTest = 0;    // 1 first 128 characters, 2 last 128
    int resets = 0;
    int restarts = 0;
    bool fontDownloadStarted = false;
};

} // namespace kv::sim
