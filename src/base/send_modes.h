#pragma once

#include <QString>
#include <QStringList>

namespace kv {

// The send mode list opened by "发送模式选择". Its index is the mode number: 0 to 4
// scroll modes, 5 to 9 static modes.
enum ScrollSendMode {
    kModeLargeFont = 0,
    kModeSmallFont = 1,
    kModeLargePictureMessage = 2,
    kModeSmallPictureMessage = 3,
    kModeShortcut = 4,
    kModeStoredPicture = 5,
    kModeStaticRendered = 6,
    kModeStaticPicture = 7,
    kModeStaticLargeFont = 8,
    kModeStaticSmallFont = 9,
};

// The ten item texts in list order.
QStringList SendModeNames();
constexpr int kSendModes = 10;

bool IsBuiltInFontMode(int mode);
// The picture message and shortcut modes, which call an entry of one unit.
bool IsEntryListMode(int mode);
// The static modes 5 to 9.
bool IsStaticMode(int mode);
// The modes whose send calls an entry picked from the list in the editor.
bool PicksEntry(int mode);

// "当前发送模式 >> " followed by the item text.
QString CurrentSendModeLabel(int mode);
// The second send button: "追加发送", or "设为开机" in the shortcut mode.
QString SecondSendButtonText(int mode);

} // namespace kv
