#include "picture/text_block.h"

#include "picture/dot_matrix.h"
#include "picture/picture_file.h"
#include "picture/screen_scale.h"
#include "picture/text_measure.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <cmath>
#include <limits>

namespace kv {

namespace {
constexpr int kExtraTwipsPerCharacter = 10;
// Ink right of the widest picture is refused however far it reaches: one more unit of
// 16 columns is all the trim needs to see it.
constexpr int kWidestDrawn = kWidestTextPicture + 16;
constexpr qint64 kTallestDrawn = 2 * kTallestTextPicture;

// Two-level output: the unit shows one bit per pixel, and smoothing would only add
// grey that the threshold then has to decide.
QFont blockFont(const TextBlockInput& input)
{
    QFont font(input.fontName);
    font.setPixelSize(qMax(input.size, 1));
    font.setBold(input.bold);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// The trimmed width of a block too tall to draw: the widest ink of its lines, looked
// for only up to the first line that passes the widest picture.
int undrawnWidth(const QStringList& lines, const QFont& font)
{
    int widest = 0;
    for (const QString& line : lines) {
        widest = qMax(widest, InkExtent(font, line, kWidestDrawn));
        if (widest > kWidestTextPicture)
            break;
    }
    return RoundUpTo16(widest);
}
} // namespace

RenderedText RenderTextBlock(const TextBlockInput& input)
{
    const QStringList lines = TextBlockLines(input.text);
    const qint64 pitch = qint64(input.size) + input.lineSpacing;
    const qint64 height =
        qMax<qint64>(1, qint64(lines.size()) * pitch + input.extraHeight - input.lineSpacing);
    const QFont font = blockFont(input);

    RenderedText out;
    out.height = int(qMin<qint64>(height, std::numeric_limits<int>::max()));
    if (height > kTallestDrawn) {
        out.width = undrawnWidth(lines, font);
        return out;
    }
    const LineMeasure measure = MeasureLines(input.fontName, input.size, input.text, input.bold, kWidestDrawn);
    const qint64 widthTwips =
        measure.widestTwips + kExtraTwipsPerCharacter * qint64(measure.lines.at(measure.widestIndex).size());
    const int width = int(qBound(qint64(1), qint64(std::ceil(widthTwips / TwipsPerPixel())), qint64(kWidestDrawn)));
    QImage surface = WhiteSurface(width, out.height);
    {
        QPainter painter(&surface);
        painter.setFont(font);
        painter.setPen(Qt::black);
        const int ascent = QFontMetrics(font).ascent();
        for (int i = 0; i < lines.size(); ++i)
            painter.drawText(QPoint(0, int(i * pitch) + input.verticalShift + ascent), lines.at(i));
    }

    out.width = TrimRightMargin(surface, width, out.height);
    if (out.width == 0)
        return out;
    out.image = WhiteSurface(out.width, out.height);
    QPainter painter(&out.image);
    painter.drawImage(0, 0, surface, 0, 0, qMin(width, out.width), out.height);
    return out;
}

int TrimRightMargin(const QImage& surface, int width, int height)
{
    const QImage rgb = surface.convertToFormat(QImage::Format_RGB32);
    const int columns = qMin(width, rgb.width());
    const int rows = qMin(height, rgb.height());
    int rightmost = -1;
    for (int y = 0; y < rows; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = columns - 1; x > rightmost; --x) {
            if (SurfaceColour(line[x]) != 0xFFFFFF) {
                rightmost = x;
                break;
            }
        }
    }
    return rightmost < 0 ? 0 : RoundUpTo16(rightmost + 1);
}

} // namespace kv
