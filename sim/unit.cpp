#include "sim/unit.h"

#include "decode/baud_rates.h"
#include "sim/control_frames.h"
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
    if (const auto control = TakeControlFrame(frame, state_, events_))
        return ApplyContentFaults(*control, faults_);
    const Reply reply = frame.envelope == Envelope::Addressed ? actAddressed(frame)
                                                              : actCheckByte(frame);
    return ApplyContentFaults(reply, faults_);
}

quint8 Unit::answeringAddress() const
{
    return static_cast<quint8>(state_.address + (faults_.otherAddress ? 1 : 0));
}

void Unit::pictureSumArrived(quint8 sum)
{
    TakePictureSum(state_, events_, pendingSlot_, sum);
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
    case 0x17:
        if (f.at(4) == 0x77 && BaudOfIndex(f.at(5)) > 0)
            state_.baud = BaudOfIndex(f.at(5));
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
    case 0xF6:
        ++state_.resets;
        RestartUnit(state_);
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
    case 0xFC: {
        bool acknowledged = true;
        state_.font.replace(p(0) * kFontRecordSize, kFontRecordSize,
                            StoredCharacter(faults_, p(0), payload.mid(1), acknowledged));
        return acknowledged ? oneByte(kAck) : Reply{};
    }
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
