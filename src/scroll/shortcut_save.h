#pragma once

#include "base/outcome.h"
#include "base/record_store.h"
#include "link/send_target.h"

#include <QString>

namespace kv {

class Link;
class Prompter;

// The inputs of "保存" in the shortcut editor.
struct ShortcutSaveRequest {
    int number = 1;          // "组合滚动编号", 1 to 16
    bool small = false;      // "字符尺寸": "小号"
    bool powerOn = false;    // "并设为开机滚动"
    QString composition;     // the composition box
    TargetChoice target;
};

// Builds the content, sends frame 0x80 with it to the target and, once the unit has
// it all, records the description and shows "OK！" for two seconds. A refusal, a port
// fault or a cancel leaves the record as it was; a record that could not be written
// fails the save with the unit holding the shortcut.
Outcome SaveShortcut(const ShortcutSaveRequest& request, Link& link, Prompter& prompter,
                                 const RecordStore& store);

} // namespace kv
