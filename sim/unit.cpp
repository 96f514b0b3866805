#include "sim/unit.h"

#include "sim/baud_rates.h"
#include "sim/shortcut_frames.h"
#include "sim/status_reply.h"

#include <utility>

namespace kv::sim {

namespace {

constexpr quint8 kAck = 0x88;
constexpr quint8 kFontDownloadAck = 0x55;

Reply single(const QByteArray& bytes)
{
    return Reply{{bytes}};
}

Reply oneByte(int value)
{
    return single(QByteArray(1, static_cast<char>(value)));
}

quint8 xorOf(const QByteArray& bytes)
{
    quint8 x = 0;
    for (char b : bytes)
        x ^= static_cast<quint8>(b);
    return x;
}

QString codeText(quint8 code)
{
    return QStringLiteral("0x") + QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

int BackgroundCodeOfListIndex(int index)
{
    static constexpr int kCodes[] = {8, 9, 10, 11, 15, 14, 16};
    if (index < 0 || index > 6)
        return index & 0x1F;
    return kCodes[index];
}

int ShadeOfListByte(int raw)
{
    return (raw & 0xE0) | BackgroundCodeOfListIndex(raw & 0x1F);
}

Unit::Unit(UnitState state, Faults faults) : state_(std::move(state)), faults_(faults) {}

bool Unit::isAddressed(const Frame& frame) const
{
    const int own = state_.address;
    if (frame.target == own)
        return true;
    if (frame.envelope == Envelope::Addressed) {
        if (frame.target == 255)
            return frame.queue.isEmpty() || frame.queue.contains(static_cast<quint8>(own));
        // A new address may be written through address 0 as through the broadcast.
        return frame.target == 0 && frame.code == 0x11;
    }
    if (frame.target == 0)
        return true;
    return frame.target == 255 && (frame.code == 0xF7 || frame.code == 0xF8);
}

Reply Unit::act(const Frame& frame)
{
    state_.lastCommand = codeText(frame.code);
    pendingSlot_ = {};
    const Reply reply = frame.envelope == Envelope::Addressed ? actAddressed(frame)
                                                              : actCheckByte(frame);
    return ApplyContentFaults(reply, faults_);
}

quint8 Unit::answeringAddress() const
{
    return static_cast<quint8>(state_.address + (faults_.otherAddress ? 1 : 0));
}

void Unit::restart()
{
    ++state_.restarts;
    state_.displayItems = state_.keptDisplayItems;
    state_.pauseEnabled = true;
}

void Unit::setDisplayItem(int item, bool keep)
{
    int& items = state_.displayItems;
    switch (item) {
    case 0: case 1: case 2: case 3: case 4: case 5: case 6: case 7:
        items = item;
        if (keep)
            state_.keptDisplayItems = item;
        break;
    case 8: state_.pauseEnabled = false; break;
    case 9: items &= ~1; state_.pauseEnabled = false; break;
    case 10: items |= 1; state_.pauseEnabled = true; break;
    case 12: state_.cornerLogo = false; break;
    case 13: state_.cornerLogo = true; break;
    case 14: items &= ~4; break;
    case 15: items |= 4; break;
    case 16: items |= 1; break;
    case 17: state_.params.repetition = 26; break;
    default: break;
    }
}

void Unit::pictureSumArrived()
{
    TakePictureSum(state_, events_, pendingSlot_);
}

UnitEvents Unit::takeEvents()
{
    return std::exchange(events_, {});
}

Reply Unit::actAddressed(const Frame& f)
{
    const qsizetype q = f.queue.size();
    switch (f.code) {
    case 0x11:
        state_.address = f.at(5);
        return {};
    case 0x12:
        return oneByte(answeringAddress());
    case 0x13:
        setDisplayItem(f.at(5), f.at(4) == 1);
        return {};
    case 0x15:
        if (f.at(4) == 0x05) {
            restart();
        } else if (f.at(4) == 0x06) {
            state_.powerOnScroll.clear();
            state_.powerOnStatic = 0;
            state_.powerOnStaticSeconds = 0;
        }
        return {};
    case 0x17:
        if (f.at(4) == 0x77 && BaudOfIndex(f.at(5)) > 0)
            state_.baud = BaudOfIndex(f.at(5));
        return {};
    case 0x19:
        state_.captionsOn = f.at(4) == 1;
        return {};
    case 0x20: {
        const qsizetype b = 5 + q;
        ScrollParams& p = state_.params;
        p.repetition = f.at(b);
        p.verticalPosition = f.word(b + 1);
        p.brightness = f.at(b + 3);
        p.background = f.at(b + 4);
        p.barAbove = f.at(b + 5);
        p.barBelow = f.at(b + 6);
        p.speed = f.at(b + 7);
        p.horizontalOffset = f.at(b + 8);
        p.saved = f.at(b + 10) == 1;
        p.interval = f.word(b + 11);
        if (p.saved)
            state_.savedParams = p;
        return {};
    }
    case 0x22: {
        const bool append = f.at(5) == 1;
        const qsizetype head = 6 + q;
        const int flag = f.at(head);
        const QByteArray text = f.bytes.mid(head + 3);
        ScrollMessage& s = state_.scroll;
        s.text = append ? text + s.text : text;
        s.small = (flag & 0x01) != 0;
        s.append = append;
        if (flag & 0x20)
            state_.powerOnScroll = s.text;
        state_.lastOperation = 0x8000 | (append ? 0x0200 : 0) | (s.small ? 0x0100 : 0);
        return {};
    }
    case 0x23: {
        StaticText& t = state_.staticText;
        t.small = f.at(5) == 1;
        t.lineSpacing = f.at(6);
        t.horizontalOffset = f.at(7);
        t.verticalPosition = f.word(8);
        t.shade = f.at(10);
        t.text = f.bytes.mid(12 + q);
        state_.currentStatic = 1;
        return {};
    }
    case 0x24:
        state_.timedDisplaySeconds = f.word(5);
        state_.timedDisplayScroll = f.at(7) == 1;
        return {};
    case 0x80:
        TakeShortcut(f, state_, events_);
        return {};
    case 0x81:
        TakePictureMessage(f, state_, events_);
        return {};
    case 0x83: case 0x85: {
        const bool small = f.at(4) == 1;
        const int base = f.code == 0x83 ? (small ? 0x8500 : 0x8400) : (small ? 0x8700 : 0x8600);
        state_.lastOperation = base | f.at(5);
        return {};
    }
    case 0x84:
        return BuildStatusReply(state_);
    case 0x86:
        state_.playedScroll = f.at(4) == 0 ? 0 : f.at(5) + 1;
        if (f.at(4) == 1)
            state_.lastOperation = f.at(5);
        return {};
    case 0x87:
        if (f.at(6) == 1)
            state_.powerOnShortcut = f.at(4);
        else
            state_.lastOperation = f.at(4);
        return {};
    case 0x88:
        TakePictureHeader(f, state_, events_, pendingSlot_);
        return {};
    case 0x89:
        TakeRecall(f, state_);
        return {};
    case 0x8B:
        TakeSlotParameters(f, state_, events_);
        return {};
    case 0x90:
        state_.fontDownloadStarted = true;
        return oneByte(kFontDownloadAck);
    default:
        return {};
    }
}

Reply Unit::actCheckByte(const Frame& f)
{
    const QByteArray payload = f.payload();
    auto p = [&payload](qsizetype i) { return static_cast<quint8>(payload.at(i)); };
    switch (f.code) {
    case 0xE0:
        state_.screen = {p(0), p(1), p(2), p(3), p(4), true};
        state_.storedScreen = state_.screen;
        return oneByte(kAck);
    case 0xE1:
        return oneByte(state_.crosshair);
    case 0xE2:
        state_.crosshair = p(0);
        return oneByte(state_.crosshair);
    case 0xE3:
        state_.storedVideoMode = p(0);
        state_.videoMode = p(0);
        return oneByte(kAck);
    case 0xF0: state_.videoMode = p(0); return {};
    case 0xF1: state_.clearedLine = p(0); return {};
    case 0xF2: state_.screen.horizontalOffset = p(0); return {};
    case 0xF3: state_.screen.verticalOffset = p(0); return {};
    case 0xF4:
        state_.displayTest = {p(0), p(1), payload.mid(2)};
        return {};
    case 0xF5: state_.attribute = payload; return {};
    case 0xF6:
        ++state_.resets;
        restart();
        return {};
    case 0xF7: {
        QByteArray reply;
        reply.append(static_cast<char>(state_.version));
        reply.append(static_cast<char>(answeringAddress()));
        reply.append(static_cast<char>(xorOf(reply)));
        return single(reply);
    }
    case 0xF8: {
        const int baud = BaudOfIndex(p(0));
        if (baud <= 0)
            return {};
        state_.baud = baud;
        state_.address = p(1);
        return oneByte(kAck);
    }
    case 0xF9: {
        QByteArray reply = state_.product;
        reply.append(static_cast<char>(xorOf(reply)));
        return single(reply);
    }
    case 0xFA: state_.characterTest = 1; return {};
    case 0xFB: state_.characterTest = 2; return {};
    case 0xFC:
        state_.font.replace(p(0) * kFontRecordSize, kFontRecordSize, payload.mid(1));
        return oneByte(kAck);
    case 0xFF: {
        QByteArray reply = state_.font.mid(p(0) * kFontRecordSize, kFontRecordSize);
        reply.append(static_cast<char>(xorOf(reply)));
        return single(reply);
    }
    default:
        return {};
    }
}

} // namespace kv::sim
