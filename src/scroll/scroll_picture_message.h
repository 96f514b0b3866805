#pragma once

#include "base/outcome.h"
#include "base/record_store.h"
#include "link/send_target.h"

#include <QImage>
#include <QString>

namespace kv {

class Link;
class Prompter;

// "下载图片" of the panel "编辑滚动信息": a picture file stored in the units as picture
// message number 1 to 30, in large (48-pixel) or small (32-pixel) cells.
struct ScrollPictureMessageRequest {
    int number = 1;
    bool smallCells = false;
    bool powerOn = false;   // "并保存为开机"
    TargetChoice target;
};

struct ScrollPictureMessageOutcome {
    Outcome result;
    QImage picture = {};      // the cells as they went on the line; null when they did not go out
    QString description = {}; // as "DXD" or "DXX" now holds it
};

// Asks for the picture file, checks it against the picture message limits, sends it
// and, once every byte went out, records its description in "DXD" (large) or "DXX"
// (small). A refusal, a cancel or a port fault leaves the list as it was.
ScrollPictureMessageOutcome StoreScrollPictureMessage(const ScrollPictureMessageRequest& request, Link& link,
                                                      Prompter& prompter, const RecordStore& store);

} // namespace kv
