#pragma once

// The three uses of a picture file, each with its loading, limits, column granularity
// and ink threshold, ending in the packed matrix the send takes:
//   - the edit pages' "下载图片": scaled to the height field, at most 816 x 520 and
//     65 536 pixels, stretched to a multiple of 16 columns, inked with the adjustable
//     threshold;
//   - the static mode "静止—临时图片": as it is, at most 768 x 480 and 133 120 pixels,
//     stretched to a multiple of 16 columns;
//   - a picture message: as it is, at most 48 (large cells) or 32 (small cells) high and
//     96 256 pixels, padded with background to whole cells, at most 41 large or 94 small
//     cells.
// Each Prepare function shows its refusal (the file's fault or the limit's message)
// through the Prompter and gives it as the refusal; an empty path (the operator cancelled
// the choice) is a cancel, shown nothing. A picture a limit refuses keeps its surface, to
// be shown, and has no matrix.

#include "base/checked.h"
#include "base/position_time_checks.h"
#include "picture/dot_matrix.h"
#include "picture/prepared_picture.h"

#include <QImage>
#include <QString>
#include <optional>

namespace kv {

class Prompter;

// The limit message of a loaded picture, or none.
std::optional<QString> SlotPictureLimitMessage(int width, int height);
std::optional<QString> TemporaryPictureLimitMessage(int width, int height);
std::optional<QString> PictureMessageLimitMessage(int width, int height, bool smallCells);
std::optional<QString> PictureMessageCellsMessage(int cells, bool smallCells);

constexpr int kLargeCellSize = 48;
constexpr int kSmallCellSize = 32;

// The grey threshold adjustment field "灰度阀值调整": -650 to 650; a lone sign is
// accepted while typing; a refused text clears the field.
BoxVerdict CheckThresholdField(const QString& text);
// The field's value (0 while empty or a lone sign) and the ink threshold it gives.
int ThresholdAdjustment(const QString& text);
quint32 AdjustedInkThreshold(int adjustment);

PreparedPicture PrepareSlotPicture(const QString& path, int targetHeight, int thresholdAdjustment,
                                   Prompter& prompter);
PreparedPicture PrepareTemporaryPicture(const QString& path, Prompter& prompter);

struct PictureMessagePicture {
    PackedPicture cells;  // cell order; height = cell size
    QString description;  // for the picture-message list: "logo.bmp(图片96 x 48) "
};
Checked<PictureMessagePicture> PreparePictureMessage(const QString& path, bool smallCells, Prompter& prompter);

// The picture widened with background columns to a multiple of the cell size, and with
// background rows below to at least one cell.
QImage PadToCells(const QImage& surface, int cellSize);

// A picture-text message's noise filter: a non-white pixel with pure white directly
// above and below is dropped. Outside the picture does not count as white, so the top
// and bottom rows keep their ink.
QImage WithoutNoise(const QImage& surface);

} // namespace kv
