#pragma once

#include "base/outcome.h"
#include "base/record_store.h"
#include "link/send_target.h"
#include "scroll/scroll_text_cache.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace kv {

class Link;
class Prompter;

// What choosing a send mode does to the scroll editor.
struct SendModeSelection {
    int mode = 0;
    // The editor's new text; nothing when the mode was refused and the editor stays.
    std::optional<QString> editorText;
    // The entry list of the picture message and shortcut modes, full lines.
    QStringList entries;
};

// Prepares the editor for a mode: the last text of a built-in-font mode, or the entry
// list of the other scroll modes. Those need one specific unit: with the specified
// address 255 they show "这个操作只能制定特定设备" and load nothing.
SendModeSelection SelectSendMode(int mode, const QString& specifiedAddress, const ScrollTextCache& cache,
                                 const RecordStore& store, Prompter& prompter);

// The inputs of the send buttons.
struct ScrollSendRequest {
    int mode = 0;
    bool secondButton = false;   // "追加发送", or "设为开机" in the shortcut mode
    QString editorText;          // the built-in-font modes' message
    QString entryNumber;         // the entry number box of the other modes
    QString timer = QStringLiteral("0");
    bool powerOn = false;        // "并设为开机滚动"
    TargetChoice target;
};

struct ScrollSendOutcome {
    Outcome result;
    bool timerSent = false;      // the timer box is then marked
};

// The send buttons in the scroll modes 0 to 4.
ScrollSendOutcome SendScroll(const ScrollSendRequest& request, Link& link, Prompter& prompter,
                             const RecordStore& store, ScrollTextCache& cache);

// The mark of a timer box whose display timer was sent (background colour 0x8080FF,
// red in the low byte).
constexpr unsigned kTimerMarkColour = 0x8080FF;

} // namespace kv
