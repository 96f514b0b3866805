#pragma once

#include "font/font_record.h"

#include <QByteArray>

namespace kv {

// Shifts move a record by one pixel; the row or column that comes in is transparent
// (11). They work on the record, not the grid, so unpacked grid edits are replaced.
QByteArray ShiftedUp(const QByteArray& record);
QByteArray ShiftedDown(const QByteArray& record);
QByteArray ShiftedLeft(const QByteArray& record);
QByteArray ShiftedRight(const QByteArray& record);

// Every transparent cell next to a white cell (left, right, above, below) turns black.
Grid Outlined(const Grid& grid);
// Every black cell turns transparent.
Grid WithoutOutline(const Grid& grid);

} // namespace kv
