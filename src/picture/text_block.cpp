#include "picture/text_block.h"

#include "picture/dot_matrix.h"
#include "picture/picture_file.h"
#include "picture/screen_scale.h"
#include "picture/text_measure.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace kv {

namespace {
constexpr int kExtraTwipsPerCharacter = 10;

QImage whiteSurface(int width, int height)
{
    QImage surface(qMax(width, 1), qMax(height, 1), QImage::Format_RGB32);
    surface.fill(Qt::white);
    return surface;
}

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
} // namespace

RenderedText RenderTextBlock(const TextBlockInput& input)
{
    const double twipsPerPixel = TwipsPerPixel();
    const LineMeasure measure = MeasureLines(input.fontName, input.size, input.text, input.bold);
    const int lines = measure.lineCount();
    const int pitch = input.size + input.lineSpacing;
    const int widthTwips =
        measure.widestTwips + kExtraTwipsPerCharacter * int(measure.lines.at(measure.widestIndex).size());
    const int width = qMax(1, int(std::ceil(widthTwips / twipsPerPixel)));
    const int height = qMax(1, lines * pitch + input.extraHeight - input.lineSpacing);

    RenderedText out;
    out.height = height;
    QImage surface = whiteSurface(width, height);
    if (surface.isNull()) {
        // Too large to draw at all: the untrimmed width lets the caller's limits refuse it.
        out.width = width;
        return out;
    }
    {
        QPainter painter(&surface);
        const QFont font = blockFont(input);
        painter.setFont(font);
        painter.setPen(Qt::black);
        const int ascent = QFontMetrics(font).ascent();
        for (int i = 0; i < lines; ++i)
            painter.drawText(QPoint(0, i * pitch + input.verticalShift + ascent), measure.lines.at(i));
    }

    out.width = TrimRightMargin(surface, width, height);
    if (out.width == 0)
        return out;
    out.image = whiteSurface(out.width, height);
    QPainter painter(&out.image);
    painter.drawImage(0, 0, surface, 0, 0, qMin(width, out.width), height);
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
