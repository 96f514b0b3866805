#pragma once

#include "base/outcome.h"
#include "link/send_target.h"

#include <QList>
#include <QString>

namespace kv {

class AppFolder;
class Link;
class Prompter;

// What an item of the device command menu does.
enum class MenuAction {
    WriteAddress,          // opens the write-address dialog
    ReadIdentity,          // the identity sweep over the eight rates
    DeletePowerOnDisplays, // asks, then the unit action 06
    DisplayItems,          // opens the display-item menu
    StatusReport,          // the caption status report
    CaptionsOff,
    CaptionsOn,
    Restart,
    DisplayItem,           // one display item until restart
    Help,                  // the help text of these functions
};

struct DeviceMenuItem {
    const char* caption; // marked for translation, shown through Text::tr
    int number;         // the number the caption starts with; 0 for the help item
    MenuAction action;
    quint8 displayItem; // the code sent by a DisplayItem action
};

// The items as the menu lists them, top to bottom. Their numbering skips 2 and 3.
const QList<DeviceMenuItem>& DeviceMenuItems();

// The item whose caption starts with the number, or nullptr.
const DeviceMenuItem* DeviceMenuItemNumbered(int number);

// What the last-operation label shows after a click: the caption, translated, without
// the number sign it starts with; a caption without one whole.
QString LastOperationText(const DeviceMenuItem& item);

// The actions that only send a control frame: captions off and on, restart and the
// single display items. Refused for any other action.
Outcome SendMenuFrame(const DeviceMenuItem& item, const TargetChoice& choice, Link& link, Prompter& prompter);

// "⒌ 删除开机显示": asks first, No being the safe answer; then the unit deletes every
// power-on display. A No is a cancel.
Outcome DeletePowerOnDisplays(const TargetChoice& choice, Link& link, Prompter& prompter);

} // namespace kv
