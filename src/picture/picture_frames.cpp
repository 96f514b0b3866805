#include "picture/picture_frames.h"

#include "link/command_codes.h"
#include "link/frames.h"

namespace kv {

namespace {
int high(int value)
{
    return (value >> 8) & 0xFF;
}

int low(int value)
{
    return value & 0xFF;
}

QByteArray pictureHeader(const SendTarget& target, int width, int height, const Placement& placement,
                         quint8 slotKind)
{
    const int powerOn = slotKind == kPowerOnStaticSlot ? 1 : 0;
    return AddressedFrame(target.address, command::kPicture,
                          FieldBytes({width / 8, high(height), low(height), placement.horizontalOffset,
                                 high(placement.verticalPosition), low(placement.verticalPosition),
                                 BrightnessBackgroundByte(placement), slotKind, target.queueCount(), powerOn})
                              + target.queue);
}
} // namespace

quint8 BrightnessBackgroundByte(const Placement& placement)
{
    return quint8(placement.brightness * 32 + placement.background);
}

quint8 SlotKind(bool logoPage, bool powerOn)
{
    if (logoPage)
        return 0;
    return powerOn ? kPowerOnStaticSlot : 1;
}

QByteArray SlotPictureHeader(const SendTarget& target, int width, int height, const Placement& placement,
                             quint8 slotKind)
{
    return pictureHeader(target, width, height, placement, slotKind);
}

QByteArray StaticPictureHeader(const SendTarget& target, int width, int height, const Placement& placement)
{
    // The static send modes have no power-on choice: byte 13 stays 0.
    return pictureHeader(target, width, height, placement, 1);
}

QByteArray StaticTextHeader(const SendTarget& target, bool smallFont, int lineSpacing, const Placement& placement,
                            quint8 textBytes)
{
    return AddressedFrame(target.address, command::kStaticText,
                          FieldBytes({target.queueCount(), smallFont ? 1 : 0, lineSpacing, placement.horizontalOffset,
                                 high(placement.verticalPosition), low(placement.verticalPosition),
                                 BrightnessBackgroundByte(placement), textBytes})
                              + target.queue);
}

QByteArray PictureMessageHeader(const SendTarget& target, int cells, bool smallCells, int number, bool powerOn)
{
    return AddressedFrame(target.address, command::kPictureMessage,
                          FieldBytes({1, cells, smallCells ? 1 : 0, number - 1, powerOn ? 1 : 0, target.queueCount(), cells})
                              + target.queue);
}

QByteArray PictureMessageTrailer(int cells)
{
    QByteArray trailer = FieldBytes({0x01, cells, cells, 0xA1, 0xF2});
    for (int i = 0; i < cells; ++i)
        trailer += FieldBytes({0xA1, 0xF5});
    return trailer;
}

QByteArray SlotParametersFrame(const SendTarget& target, const Placement& placement, quint8 slotKind)
{
    return AddressedFrame(target.address, command::kStoredPictureParameters,
                          FieldBytes({placement.horizontalOffset, high(placement.verticalPosition),
                                 low(placement.verticalPosition), BrightnessBackgroundByte(placement), slotKind,
                                 target.queueCount(), slotKind == kPowerOnStaticSlot ? 1 : 0})
                              + target.queue);
}

QByteArray RecallPictureFrame(const SendTarget& target, bool append, int number, quint16 timerSeconds)
{
    return AddressedFrame(target.address, command::kShowStoredPicture,
                          FieldBytes({append ? 1 : 0, number - 1, target.queueCount(), high(timerSeconds), low(timerSeconds)})
                              + target.queue);
}

QByteArray TimedDisplayFrame(const SendTarget& target, quint16 seconds, bool scrollMode)
{
    return AddressedFrame(target.address, command::kDisplayTimer,
                          FieldBytes({target.queueCount(), high(seconds), low(seconds), scrollMode ? 1 : 0}) + target.queue);
}

} // namespace kv
