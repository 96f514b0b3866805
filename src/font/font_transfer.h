#pragma once

#include "base/outcome.h"
#include "font/font_table.h"

#include <QByteArray>
#include <QString>
#include <optional>

namespace kv {

class AppFolder;
class Link;
class Prompter;

// Frames of the font transfer. The address is the device address box, not the send
// target.
QByteArray WriteCharacterFrame(quint8 address, int code, const QByteArray& record);
QByteArray ReadCharacterFrame(quint8 address, int code);
QByteArray FontFileStartFrame();

constexpr int kWriteCharacterReplyMs = 1500;
constexpr int kReadCharacterReplyMs = 2500;
constexpr int kFontFileStartReplyMs = 58550;
constexpr int kReadCharacterReplySize = 55;

// Writes one record and waits for its 88. Shows "下载成功" or "下载失败" and closes the
// port. Done when the unit acknowledged.
Outcome WriteOneCharacter(const FontTable& table, int code, quint8 address, Link& link, Prompter& prompter);

// How often a character frame that got no good answer is sent again.
constexpr int kMostCharacterRetries = 5;

// How a whole-font write goes: from which code (the codes before it are taken as
// written), how often a character that is not acknowledged is written again, and
// whether the font is read back and compared before the unit restarts.
struct FontWriteOptions {
    int from = 0;
    int retries = 0;
    bool verify = false;
};

struct FontWriteOutcome {
    Outcome result;
    // The first code not written (not acknowledged, cancelled or a port fault); -1
    // once the last one was acknowledged.
    int stoppedAt = -1;
};

// Writes the records from options.from to 255 with progress and Cancel, stopping at the
// first one not acknowledged after its retries; with options.verify reads all 256 back
// and compares them with the table; then restarts the unit so it takes the new font.
FontWriteOutcome WriteWholeFont(const FontTable& table, quint8 address, Link& link, Prompter& prompter,
                                const FontWriteOptions& options = {});

struct FontReadOutcome {
    Outcome result;
    // The unit's font, once it was read whole.
    std::optional<FontTable> font;
};

// Reads all 256 records with progress and Cancel, reading a character again up to
// retries times when its answer times out or fails its check byte. On success restarts
// the unit and gives the font; on a time-out, a check-byte mismatch, a cancel or a port
// fault nothing of the partial read is kept.
FontReadOutcome ReadWholeFont(quint8 address, Link& link, Prompter& prompter, int retries = 0);

// Reads all 256 records as ReadWholeFont does and compares them with the table: done
// when every character is the same ("校验成功：…"), failed naming the codes that differ.
Outcome VerifyFont(const FontTable& table, quint8 address, Link& link, Prompter& prompter, int retries = 0);

// "下载字库": the file for the download, chosen by the operator; empty when cancelled.
QString ChooseFontDownloadFile(Prompter& prompter);
// Sends the font-file start frame and waits up to 58 550 ms for 55. Anything else
// shows "返回错误1". Done when the unit accepted.
Outcome StartFontDownload(Link& link, Prompter& prompter);

} // namespace kv
