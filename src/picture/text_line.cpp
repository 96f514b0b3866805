#include "picture/text_line.h"

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

int fontSize(const TextLineInput& input)
{
    return input.cellHeight + input.sizeAdjustment;
}

qint64 roundUpTo(qint64 value, qint64 step)
{
    return step <= 0 || value % step == 0 ? value : value - value % step + step;
}

std::optional<QImage> surfaceFor(const TextLineInput& input)
{
    if (fontSize(input) <= 0 || input.cellHeight <= 0)
        return std::nullopt;
    const int width = TextLineWidth(input);
    QImage surface(input.widestUseful > 0 ? qMin(width, input.widestUseful) : width, input.cellHeight,
                   QImage::Format_RGB32);
    if (surface.isNull())
        return std::nullopt;
    surface.fill(Qt::white);
    return surface;
}

QFont lineFont(const TextLineInput& input, QFont::StyleStrategy strategy)
{
    QFont font(input.fontName);
    font.setPixelSize(fontSize(input));
    font.setBold(input.bold);
    font.setStyleStrategy(strategy);
    return font;
}
} // namespace

int TextLineWidth(const TextLineInput& input)
{
    const int size = fontSize(input);
    const double twipsPerPixel = TwipsPerPixel();
    const LineMeasure measure = MeasureLines(input.fontName, size, input.text, input.bold, input.widestUseful);
    const qint64 twips = roundUpTo(measure.widestTwips + kExtraTwipsPerCharacter * qint64(input.text.size()),
                                   qMax(1, int(twipsPerPixel)));
    const qint64 pixels = qMax<qint64>(size, roundUpTo(qint64(std::ceil(twips / twipsPerPixel)), size));
    return int(qMin<qint64>(pixels, std::numeric_limits<int>::max()));
}

std::optional<QImage> RenderTextLine(const TextLineInput& input)
{
    auto surface = surfaceFor(input);
    if (!surface)
        return std::nullopt;
    QPainter painter(&*surface);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QFont font = lineFont(input, QFont::StyleStrategy(QFont::PreferAntialias | QFont::NoSubpixelAntialias));
    painter.setFont(font);
    painter.setPen(Qt::black);
    // The layout box starts an eighth of a cell left of the surface. That offset is
    // tuned to a layout that pads a line with a sixth of the font size before its first
    // glyph; Qt does not pad, so the padding is added to keep the text where the unit's
    // operators expect it.
    const double left = -std::round(input.cellHeight / 8.0) + fontSize(input) / 6.0;
    const QRectF box(left, input.verticalOffset, surface->width(), input.cellHeight + 8);
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, input.text);
    return surface;
}

std::optional<QImage> PrintTextLine(const TextLineInput& input)
{
    auto surface = surfaceFor(input);
    if (!surface)
        return std::nullopt;
    QPainter painter(&*surface);
    const QFont font = lineFont(input, QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPoint(0, input.verticalOffset + QFontMetrics(font).ascent()), input.text);
    return surface;
}

} // namespace kv
