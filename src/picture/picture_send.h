#pragma once

// The picture downloads: a header frame, then the matrix written in drained chunks with
// progress in bytes and the operator's cancel between chunks. Each operation resolves
// the target (an empty queue stops it with the queue message before anything is sent)
// and runs inside RunOnPort.
//
// An outcome is done only when every byte went out; a cancel ("the unit may show a
// partial picture") or a port fault half-way (its message shown) is its outcome, and the
// caller then writes no record. The outcome carries the header and the matrix
// as they went on the line, so a preview can be drawn from exactly those bytes
// (UnpackRows / UnpackCells).

#include "base/outcome.h"
#include "link/send_target.h"
#include "picture/dot_matrix.h"
#include "picture/picture_frames.h"

#include <QString>

namespace kv {

class Link;
class Prompter;

struct PictureSendOutcome {
    Outcome result;
    QByteArray header;     // empty when nothing was sent
    PackedPicture picture; // the matrix as sent
};

// "字符下载" and "下载图片" of the edit pages: header 0x88 with the slot kind, the
// matrix in chunks, then its sum byte.
struct SlotPictureRequest {
    PackedPicture picture; // rows, width a multiple of 16
    Placement placement;   // offset 0..72, the pages' 7-item background list
    bool logoPage = true;
    bool powerOn = false;
    TargetChoice target;
};
PictureSendOutcome SendPictureToSlot(const SlotPictureRequest& request, Link& link, Prompter& prompter);

// The static send modes "静止—自定义字体" (rendered text) and "静止—临时图片" (a picture
// file): header 0x88 of a plain static picture, then the matrix. The rendered text ends
// with the notice "静止-自定义字体，发送完毕！"; the picture with a pause for the unit.
enum class StaticPictureSource { RenderedText, PictureFile };
struct StaticPictureRequest {
    PackedPicture picture;
    Placement placement; // offset 0..42, the 17-item background list
    StaticPictureSource source = StaticPictureSource::RenderedText;
    TargetChoice target;
};
PictureSendOutcome SendStaticPicture(const StaticPictureRequest& request, Link& link, Prompter& prompter);

// A picture stored as a picture message: header 0x81, then the cell matrix and its
// trailer; "操作完成！" at the end. The picture's height is its cell size (48 or 32).
struct PictureMessageRequest {
    PackedPicture picture; // cells
    int number = 1;        // 1..30
    bool powerOn = false;  // "并保存为开机"
    TargetChoice target;
};
PictureSendOutcome SendPictureMessage(const PictureMessageRequest& request, Link& link, Prompter& prompter);

// What a cancelled picture send says.
QString PictureSendCancelledText();

} // namespace kv
