#pragma once

// The short sends of static text and of stored pictures: one header or frame, drained,
// and (for static text) the text bytes. Each resolves the target, runs inside
// RunOnPort, and is done only when every write went out, so the caller writes its
// records only then.

#include "base/outcome.h"
#include "link/send_target.h"
#include "picture/picture_frames.h"

#include <QByteArray>
#include <QList>

namespace kv {

class LineSession;
class Link;
class Prompter;

struct FrameSendOutcome {
    Outcome result;
    QList<QByteArray> writes = {}; // once done: what was written, in order
};

// "静止—内置大号字库" / "静止—内置小号字库": header 0x23, then the encoded text. A text
// of more than 255 bytes cannot be announced in the header's count byte and is refused
// with its byte count, nothing sent.
struct StaticTextRequest {
    QByteArray text;     // the unit's character codes
    bool smallFont = false;
    int lineSpacing = 0; // selector index 0..16
    Placement placement; // offset 0..42, the 17-item background list
    TargetChoice target;
};
FrameSendOutcome SendStaticText(const StaticTextRequest& request, Link& link, Prompter& prompter);
QString StaticTextTooLongText(qsizetype bytes);

// "修改参数": frame 0x8B for the stored static picture. The slot selector only guards:
// on its first item ("台标/角标") the change is refused.
struct SlotParametersRequest {
    int slotIndex = 1;
    Placement placement; // offset 0..72, the pages' 7-item background list
    bool logoPage = false;
    bool powerOn = false;
    TargetChoice target;
};
FrameSendOutcome ChangeSlotParameters(const SlotParametersRequest& request, Link& link, Prompter& prompter);

// "静止—调用预存图片": frame 0x89.
struct RecallPictureRequest {
    bool append = false;  // "追加发送" rather than "刷新发送"
    int number = 1;       // 1..12
    int timerSeconds = 0; // 0..60000
    TargetChoice target;
};
FrameSendOutcome RecallStoredPicture(const RecallPictureRequest& request, Link& link, Prompter& prompter);

// The display timer after a send: frame 0x24 after a short pause for the unit.
struct TimedDisplayRequest {
    int seconds = 0; // 1..60000
    bool scrollMode = false; // a scroll mode (0..4) rather than a static one (5..9)
    TargetChoice target;
};
FrameSendOutcome SendTimedDisplay(const TimedDisplayRequest& request, Link& link, Prompter& prompter);
// The same inside an operation that already holds the port bracket; the line is opened
// again when the operation has closed it. Returns the frame written.
QByteArray WriteTimedDisplay(LineSession& session, const SendTarget& target, int seconds, bool scrollMode);

} // namespace kv
