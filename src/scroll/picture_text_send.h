#pragma once

#include "base/outcome.h"
#include "base/record_store.h"
#include "link/send_target.h"
#include "scroll/picture_text_settings.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace kv {

class Link;
class Prompter;

// The inputs of "发送滚动": the panel's settings, "并保存为开机" and the target.
struct PictureTextRequest {
    PictureTextSettings settings;
    bool powerOn = false;
    TargetChoice target;
    // The fonts the font list offers; a font not among them is replaced.
    QStringList fonts;
};

// Done when the picture went out and gdzfcs.TXT took the settings.
struct PictureTextOutcome {
    Outcome result;
    qint64 elapsedMs = 0;
    // The picture as it went on the line, for the window to show; null when it did not
    // go out whole.
    QImage picture = {};
    // The settings as sent (the font as picked), as gdzfcs.TXT now holds them.
    PictureTextSettings settings = {};
};

// Renders the text one picture high, packs it in square blocks and sends it as a
// scrolling picture with frame 0x81, the bitmap in drained chunks and its sum byte.
// gdzfcs.TXT is written only when every byte went out.
PictureTextOutcome SendPictureText(const PictureTextRequest& request, Link& link, Prompter& prompter,
                                   const RecordStore& store);

// "用时" followed by the milliseconds and "ms".
QString ElapsedText(qint64 ms);

} // namespace kv
