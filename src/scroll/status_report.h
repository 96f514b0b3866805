#pragma once

#include "base/outcome.h"
#include "link/send_target.h"

#include <QByteArray>
#include <QString>

namespace kv {

class Link;
class Prompter;

// The caption status report: what one unit holds and how it is set up, in words.

constexpr int kStatusBlockSize = 39;
// The reply's second part, the message bytes and the status block, is counted as a
// signed 16-bit number: a unit holds no longer message than fits it.
constexpr int kLongestStatusBody = 0x7FFF;

// The request: 5A 5B ADDR 84 FE.
QByteArray StatusRequestFrame(quint8 address);

// The report text from the reply: head is the first part (message length high, low,
// font size), body the message bytes followed by the 39-byte status block.
// addressText is the specified address as typed.
QString StatusReportText(const QString& addressText, const QByteArray& head, const QByteArray& body);

struct StatusReportOutcome {
    Outcome result;
    QString text = {};
};

// Asks the unit at the specified address and shows the report in the window
// "字幕信息". The broadcast address is refused: only one unit may answer.
StatusReportOutcome RequestStatusReport(const TargetChoice& choice, Link& link, Prompter& prompter);

// The title of the report window.
QString StatusReportTitle();

} // namespace kv
