#include "sim/status_reply.h"

#include "sim/unit.h"

namespace kv::sim {

namespace {

// The tool reads the two-byte fields as signed 16-bit values, and the message with the
// block after it as one reply of at most 0x7FFF bytes.
constexpr int kLongestMessage = 0x7FFF - kStatusBlockSize;
// The count code of scrolling without end.
constexpr int kNonStopCount = 26;

void putWord(QByteArray& block, int index, int value)
{
    block[index] = static_cast<char>((value >> 8) & 0xFF);
    block[index + 1] = static_cast<char>(value & 0xFF);
}

void putByte(QByteArray& block, int index, int value)
{
    block[index] = static_cast<char>(value & 0xFF);
}

} // namespace

Reply BuildStatusReply(const UnitState& s)
{
    const QByteArray message = s.scroll.text.left(kLongestMessage);
    QByteArray head(3, '\0');
    putWord(head, 0, int(message.size()));
    putByte(head, 2, s.scroll.small ? 1 : 0);

    QByteArray block(kStatusBlockSize, '\0');
    const ScrollParams& p = s.params;
    putByte(block, 0, s.nonStopScroll ? kNonStopCount : p.repetition);
    putWord(block, 1, p.verticalPosition);
    putByte(block, 3, p.brightness);
    putByte(block, 4, BackgroundCodeOfListIndex(p.background));
    putByte(block, 5, p.barAbove);
    putByte(block, 6, p.barBelow);
    putByte(block, 7, s.displayItems);
    putByte(block, 8, p.speed);
    putByte(block, 9, p.horizontalOffset);
    putWord(block, 13, p.interval);
    putByte(block, 17, s.powerOnStatic);
    putByte(block, 18, s.powerOnShortcut);
    putWord(block, 19, s.powerOnStaticSeconds);
    putByte(block, 21, s.logo.widthBytes);
    putWord(block, 22, s.logo.height);
    putByte(block, 24, s.logo.horizontalOffset);
    putWord(block, 25, s.logo.verticalPosition);
    putByte(block, 27, s.logo.shade);
    putByte(block, 28, s.staticPicture.widthBytes);
    putWord(block, 29, s.staticPicture.height);
    putByte(block, 31, s.staticPicture.horizontalOffset);
    putWord(block, 32, s.staticPicture.verticalPosition);
    putByte(block, 34, s.staticPicture.shade);
    putByte(block, 35, s.currentStatic);
    putWord(block, 36, s.lastOperation);
    putByte(block, 38, s.pauseEnabled ? 1 : 0);

    return Reply{{head, message + block}};
}

} // namespace kv::sim
