#pragma once

#include <QString>

namespace kv {

class Prompter;

// How an operation ended. The operator has been shown the reason already, through the
// prompter, by the time the outcome is returned; the front ends only act on the kind
// (kvctl's exit status, a window field that follows a done send).
enum class OutcomeKind {
    Done,      // ran to its end
    Refused,   // an input or a setting stopped it before anything went on the line
    Failed,    // a unit's reply, a missing reply, or a check of what came back
    PortFault, // the serial port failed; the bracket closed it
    Cancelled, // the operator stopped it: a cancel, a No, a file choice left empty
};

struct Outcome {
    OutcomeKind kind = OutcomeKind::Done;
    // The message the operator was shown for it. Empty when done or cancelled, for a
    // guard against a value no front end passes, and where the queue's duplicate check
    // or the static text's layout check has shown its own message.
    QString reason;

    bool done() const { return kind == OutcomeKind::Done; }
    bool portFault() const { return kind == OutcomeKind::PortFault; }

    static Outcome Done() { return {}; }
    static Outcome Refused(QString reason = {}) { return {OutcomeKind::Refused, std::move(reason)}; }
    static Outcome Failed(QString reason = {}) { return {OutcomeKind::Failed, std::move(reason)}; }
    static Outcome PortFault(QString reason) { return {OutcomeKind::PortFault, std::move(reason)}; }
    static Outcome Cancelled() { return {OutcomeKind::Cancelled, {}}; }
};

// Each shows the text as the operation always has, and gives the outcome it stands for.
// An error box: an input the operation refuses. Without a title it is "错误".
Outcome Refuse(Prompter& prompter, const QString& text);
Outcome Refuse(Prompter& prompter, const QString& text, const QString& title);
// A plain box saying the operation stopped short ("写入失败").
Outcome Fail(Prompter& prompter, const QString& text, const QString& title = {});
// An error box for a unit that did not answer as it should ("通信错误"). Without a
// title it is "错误".
Outcome FailWithError(Prompter& prompter, const QString& text);
Outcome FailWithError(Prompter& prompter, const QString& text, const QString& title);

} // namespace kv
