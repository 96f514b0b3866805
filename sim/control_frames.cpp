#include "sim/control_frames.h"

namespace kv::sim {

namespace {

constexpr quint8 kAck = 0x88;

// The layers of the display items: bit 0 scroll, bit 1 static picture, bit 2 logo.
constexpr int kScrollLayer = 1;
constexpr int kLogoLayer = 4;

Reply oneByte(int value)
{
    return Reply{{QByteArray(1, static_cast<char>(value))}};
}

// The display items as applied now, or as kept for the next restart.
struct Items {
    int& layers;
    bool& pauseEnabled;
    bool& cornerLogo;
    bool& nonStopScroll;
};

void applyItem(int code, Items items)
{
    switch (code) {
    case 0: case 1: case 2: case 3: case 4: case 5: case 6: case 7:
        items.layers = code;
        break;
    case 8: items.pauseEnabled = false; break;
    case 9:
        items.layers &= ~kScrollLayer;
        items.pauseEnabled = false;
        break;
    case 10:
        items.layers |= kScrollLayer;
        items.pauseEnabled = true;
        break;
    case 12: items.cornerLogo = false; break;
    case 13: items.cornerLogo = true; break;
    case 14: items.layers &= ~kLogoLayer; break;
    case 15: items.layers |= kLogoLayer; break;
    case 16: items.layers |= kScrollLayer; break;
    case 17: items.nonStopScroll = true; break;
    default: break; // 11 and above 17 mean nothing to the unit
    }
}

// 5A 5B target 13 keep code count [queue]
void takeDisplayItem(UnitState& s, const Frame& f)
{
    const int code = f.at(5);
    applyItem(code, {s.displayItems, s.pauseEnabled, s.cornerLogo, s.nonStopScroll});
    if (f.at(4) == 1) {
        KeptSwitches& kept = s.keptSwitches;
        applyItem(code, {s.keptDisplayItems, kept.pauseEnabled, kept.cornerLogo, kept.nonStopScroll});
    }
}

void deletePowerOnDisplays(UnitState& s)
{
    s.powerOnScroll.clear();
    s.powerOnStatic = 0;
    s.powerOnStaticSeconds = 0;
    s.powerOnShortcut = 0;
    for (Shortcut& shortcut : s.shortcuts)
        shortcut.powerOn = false;
    for (PictureMessage& message : s.pictureMessages)
        message.powerOn = false;
    s.scrollPicture.powerOn = false;
}

std::optional<Reply> takeAddressed(UnitState& s, const Frame& f)
{
    switch (f.code) {
    case 0x13:
        takeDisplayItem(s, f);
        return Reply{};
    case 0x15:
        if (f.at(4) == 0x05)
            RestartUnit(s);
        else if (f.at(4) == 0x06)
            deletePowerOnDisplays(s);
        return Reply{};
    case 0x19:
        s.captionsOn = f.at(4) == 0x01;
        return Reply{};
    default:
        return std::nullopt;
    }
}

bool changesCharacterScreen(quint8 code)
{
    switch (code) {
    case 0xF1: case 0xF4: case 0xF5: case 0xFA: case 0xFB: return true;
    default: return false;
    }
}

// 5A code address count payload check; p(i) is byte i of the payload.
std::optional<Reply> takeCheckByte(UnitState& s, const Frame& f)
{
    const QByteArray payload = f.payload();
    auto p = [&payload](qsizetype i) { return static_cast<quint8>(payload.at(i)); };
    CharacterScreen& screen = s.characterScreen;
    switch (f.code) {
    case 0xE0:
        // Row and column come counted from 1, the unit's own count.
        s.screen = {p(0), p(1), p(2), p(3), p(4), true};
        s.storedScreen = s.screen;
        s.crosshair = p(2);
        return oneByte(kAck);
    case 0xE1:
        return oneByte(s.crosshair);
    case 0xE2:
        s.crosshair = p(0);
        s.screen.shape = p(0);
        return oneByte(s.crosshair);
    case 0xE3:
        s.storedVideoMode = p(0);
        s.videoMode = p(0);
        return oneByte(kAck);
    case 0xF0: s.videoMode = p(0); return Reply{};
    case 0xF1:
        s.clearedLine = p(0);
        if (p(0) < kScreenLines)
            ClearLine(screen, p(0));
        else
            ClearScreen(screen);
        return Reply{};
    case 0xF2: s.screen.horizontalOffset = p(0); return Reply{};
    case 0xF3: s.screen.verticalOffset = p(0); return Reply{};
    case 0xF4:
        s.displayTest = {p(0), p(1), payload.mid(2)};
        ShowCodes(screen, p(0), p(1), payload.mid(2));
        return Reply{};
    case 0xF5:
        s.attribute = payload;
        SetAttribute(screen, p(0), p(1), p(2));
        return Reply{};
    case 0xFA:
    case 0xFB:
        s.characterTest = f.code == 0xFA ? 1 : 2;
        ShowFontHalf(screen, f.code == 0xFB);
        return Reply{};
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<Reply> TakeControlFrame(const Frame& frame, UnitState& state, UnitEvents& events)
{
    if (frame.envelope == Envelope::Addressed)
        return takeAddressed(state, frame);
    const std::optional<Reply> reply = takeCheckByte(state, frame);
    if (reply && changesCharacterScreen(frame.code))
        events.pictures.append({QStringLiteral("screen"), DrawScreen(state.characterScreen, state.font)});
    return reply;
}

void RestartUnit(UnitState& s)
{
    ++s.restarts;
    s.displayItems = s.keptDisplayItems;
    s.pauseEnabled = s.keptSwitches.pauseEnabled;
    s.cornerLogo = s.keptSwitches.cornerLogo;
    s.nonStopScroll = s.keptSwitches.nonStopScroll;
    s.captionsOn = true;
    s.videoMode = s.storedVideoMode;
    if (s.storedScreen.stored) {
        s.screen = s.storedScreen;
        s.crosshair = s.storedScreen.shape;
    }
    ClearScreen(s.characterScreen);
    s.characterTest = 0;
}

} // namespace kv::sim
