#pragma once

#include <QtGlobal>

// The unit's command codes by what they do: byte 3 of an addressed frame (5A 5B), byte 1
// of a check-byte frame (5A). Every frame builder names its code from here, so that a
// code is written once and a reader of a builder sees what the frame asks for.
namespace kv::command {

// Addressed frames.
constexpr quint8 kWriteAddress = 0x11;
constexpr quint8 kProbe = 0x12;
constexpr quint8 kDisplayItem = 0x13;
constexpr quint8 kUnitAction = 0x15;
constexpr quint8 kChangeRate = 0x17;
constexpr quint8 kCaptions = 0x19;
constexpr quint8 kScrollParameters = 0x20;
constexpr quint8 kFontScroll = 0x22; // a scroll in the unit's own font
constexpr quint8 kStaticText = 0x23;
constexpr quint8 kDisplayTimer = 0x24;
constexpr quint8 kStoreShortcut = 0x80;
constexpr quint8 kPictureMessage = 0x81;
constexpr quint8 kCallPictureMessage = 0x83;
constexpr quint8 kStatusRequest = 0x84;
constexpr quint8 kAppendPictureMessage = 0x85;
constexpr quint8 kPlayStoredScroll = 0x86;
constexpr quint8 kCallShortcut = 0x87;
constexpr quint8 kPicture = 0x88;
constexpr quint8 kShowStoredPicture = 0x89;
constexpr quint8 kStoredPictureParameters = 0x8B;
constexpr quint8 kFontFileStart = 0x90;

// Check-byte frames.
constexpr quint8 kStoreScreenSettings = 0xE0;
constexpr quint8 kReadShape = 0xE1;
constexpr quint8 kWriteShape = 0xE2;
constexpr quint8 kStoreVideoMode = 0xE3;
constexpr quint8 kVideoMode = 0xF0;
constexpr quint8 kClearTest = 0xF1;
constexpr quint8 kHorizontalOffset = 0xF2;
constexpr quint8 kVerticalOffset = 0xF3;
constexpr quint8 kDisplayTest = 0xF4;
constexpr quint8 kTestAttribute = 0xF5;
constexpr quint8 kReset = 0xF6;
constexpr quint8 kIdentityQuery = 0xF7;
constexpr quint8 kModifyIdentity = 0xF8;
constexpr quint8 kProductNumber = 0xF9;
constexpr quint8 kFirst128Characters = 0xFA;
constexpr quint8 kLast128Characters = 0xFB;
constexpr quint8 kWriteCharacter = 0xFC;
constexpr quint8 kReadCharacter = 0xFF;

} // namespace kv::command
