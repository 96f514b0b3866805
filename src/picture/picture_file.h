#pragma once

// Picture files onto a drawing surface (RGB32 over white, so transparent parts read as
// background): as they are, or scaled to a height the operator chose. A file that is
// missing, unreadable or not a picture gives a message naming it, and no surface: the
// caller then sends nothing (never what a surface held before).

#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

namespace kv {

class Prompter;

// The operator's choice of a picture file; empty when cancelled.
QString ChoosePictureFile(Prompter& prompter);
QString PictureFileFilter();

std::optional<QImage> LoadPlainPicture(const QString& path, QString* error);

// The drawn size of a w0 x h0 picture for a target height: taller pictures come down to
// the target height, and nothing becomes wider than 816 (the height then follows the
// width, rounded).
QSize ScaledPictureSize(QSize original, int targetHeight);
constexpr int kMaxScaledWidth = 816;
std::optional<QImage> LoadScaledPicture(const QString& path, int targetHeight, QString* error);

// The width raised to the next multiple of 16 (the unit's column granularity), and the
// surface stretched to it, each column drawn from the nearest source column.
int RoundUpTo16(int width);
QImage StretchToWidth(const QImage& surface, int width);

} // namespace kv
