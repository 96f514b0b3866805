#pragma once

#include "base/outcome.h"
#include "base/app_folder.h"
#include "link/send_target.h"
#include "picture/static_send_fields.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <optional>

namespace kv {

class Link;
class Prompter;

// The static modes 5 to 9 of the send panel.

// What choosing a static mode brings into the panel: the stored-picture list (mode 5)
// or the mode's last text (modes 6, 8 and 9) for the editor, and the inputs as the
// mode's parameter file left them.
struct StaticModeSelection {
    std::optional<QString> editorText;
    QStringList entries; // mode 5: the list's full lines
    StaticSendFields fields;
};
StaticModeSelection SelectStaticMode(int mode, StaticSendFields fields, const AppFolder& folder, Prompter& prompter);

// The inputs of the send buttons in a static mode.
struct StaticSendRequest {
    int mode = 5;
    bool secondButton = false; // "追加发送"; only the stored-picture call tells the two apart
    QString entryNumber;       // mode 5: the stored picture, 1 to 12
    QString picturePath;       // mode 7: the picture file; empty asks the operator
    StaticSendFields fields;   // the editor's text and the static inputs
    QString timer = QStringLiteral("0");
    TargetChoice target;
};

// Done when the send, the timer and the records all went through.
struct StaticSendOutcome {
    Outcome result;
    bool timerSent = false; // the timer box is then marked
    QImage preview = {};    // modes 6 and 7: the picture drawn from the bytes sent, or the one a limit refused
};

// Checks the inputs, sends the mode's frames, then the display timer when the timer
// box holds more than 0. After a send that ran to its end the mode's parameter file
// and last text are written; a refused, cancelled or failed send writes nothing.
StaticSendOutcome SendStatic(const StaticSendRequest& request, Link& link, Prompter& prompter,
                             const AppFolder& folder);

// The first input a static send cannot use, as the field's message; empty when all
// are usable.
QString StaticFieldsProblem(const StaticSendFields& fields, int mode);

} // namespace kv
