#pragma once

#include "link/send_target.h"
#include "picture/page_selectors.h"

#include <QByteArray>
#include <QImage>
#include <QStringList>

namespace kv {

// The geometry of a text sent as a scrolling picture ("发送滚动"): a picture 32 or 48
// pixels high, cut into square blocks of that height.

// The character sizes of the size list: 16 to 48 in steps of 2.
const QStringList& PictureTextSizeItems();
// The vertical adjustment list: the edit pages' vertical shift list, "20上移" … "1上移",
// "原形", "1下移" … "20下移"; the item index less 20 is the shift in pixels.
QStringList VerticalAdjustmentItems();
constexpr int kNoVerticalAdjustment = kNoVerticalShift;

// Picture height and the size's offset from it: up to 32 the small picture (32 pixels,
// size - 32), above it the large one (48 pixels, size - 48).
struct PictureTextCell {
    int height = 32;
    int sizeOffset = 0;
    bool small() const { return height == 32; }
};
PictureTextCell PictureTextCellFor(int size);

// The rightmost column of the picture holding a pixel that is not pure white, looking at
// columns from the right down to column 1 and rows 1 to the last; 0 when there is none.
int RightmostInkColumn(const QImage& picture);
// The picture's width: the smallest multiple of the height greater than that column.
int PictureTextWidth(int rightmostColumn, int height);

// The largest bitmap the units take.
constexpr int kMaxPictureTextBytes = 37888;

// The header of the picture-text scroll, 0x81: size (1 small, 0 large), 0, the power-on
// flag, the queue count, the block count high byte first, then the queue addresses.
QByteArray PictureTextScrollHeader(const SendTarget& target, bool small, bool powerOn, int blocks);

} // namespace kv
