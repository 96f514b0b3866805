#pragma once

#include "base/outcome.h"
#include "base/app_folder.h"
#include "link/send_target.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace kv {

class Link;
class Prompter;

// The selectors of the panel "滚动参数设置", items as shown.
QStringList RepetitionItems();   // "1次" … "20次", "30次" … "100次", "不停滚动"
const QStringList& BarHeightItems();    // "0" … "45"
QStringList SpeedItems();        // "最快", "1" … "7", "8(默认)", "9" … "14", "最慢"
const QStringList& HorizontalOffsetItems(); // "0" … "63"
QStringList VideoInputItems();

// The panel's choices: selector item indexes and box texts.
struct ScrollParams {
    int repetition = 24;          // "不停滚动"
    QString verticalPosition = QStringLiteral("400");
    int brightness = 0;
    int background = 0;
    int barAbove = 0;
    int barBelow = 0;
    int speed = 8;                // "8(默认)"
    int horizontalOffset = 0;
    int videoInput = 0;
    QString interval = QStringLiteral("30");
    bool save = false;            // "保存": the unit saves them, GDCS.txt keeps them
};

// Every index within its selector and both boxes valid; else the message to show.
QString ScrollParamsProblem(const ScrollParams& params);

// The 13-byte block after the 0x20 frame. Expects valid params.
QByteArray ScrollParamsBlock(const ScrollParams& params);
// GDCS.txt: 20 upper-case hex digits, two per value.
QString GdcsText(const ScrollParams& params);

// Failed when GDCS.txt could not be written; the frames still went out.
struct ScrollParamsOutcome {
    Outcome result;
    bool saved = false;           // GDCS.txt written
};

// "设置参数": the 0x20 frame with the queue, then the block; both leave the port before
// it closes.
ScrollParamsOutcome SetScrollParameters(const ScrollParams& params, const TargetChoice& choice, Link& link,
                                        Prompter& prompter, const AppFolder& folder);

} // namespace kv
