#include "picture/text_measure.h"

#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QRegularExpression>
#include <cmath>

namespace kv {

namespace {
constexpr double kTwipsPerPixelAt96 = 15.0;
constexpr int kDotsPerMeterAt96 = 3780;
// Qt lays a line out in 26.6 fixed point, so a line of some hundred thousand wide
// glyphs wraps round. A long line is measured on its first characters first: they
// already pass any width worth knowing about.
constexpr qsizetype kMeasuredPrefix = 1024;

// A paint device of exactly 96 dpi, whatever the screen, so that a point size gives
// the same pixels everywhere.
const QImage& measuringDevice()
{
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(kDotsPerMeterAt96);
        image.setDotsPerMeterY(kDotsPerMeterAt96);
        return image;
    }();
    return device;
}

template <typename Measure>
double boundedWidth(const QString& line, int enough, Measure measure)
{
    if (enough > 0 && line.size() > kMeasuredPrefix && measure(line.left(kMeasuredPrefix)) >= enough)
        return enough;
    return qMax(0.0, measure(line));
}
} // namespace

QStringList TextBlockLines(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n"));
    return text.split(lineBreak);
}

LineMeasure MeasureLines(const QString& fontName, int pixelSize, const QString& text, bool bold, int enoughPixels)
{
    LineMeasure measure;
    measure.lines = TextBlockLines(text);
    QFont font(fontName);
    font.setPointSizeF(qMax(pixelSize, 1) * 3.0 / 4.0);
    font.setBold(bold);
    const QFontMetricsF metrics(font, &measuringDevice());
    for (int i = 0; i < measure.lineCount(); ++i) {
        const QString& line = measure.lines.at(i);
        // A glyph may reach past its advance (italics, some CJK faces).
        const double pixels = boundedWidth(line, enoughPixels, [&metrics](const QString& part) {
            return qMax(metrics.horizontalAdvance(part), metrics.boundingRect(part).right());
        });
        const qint64 twips = qint64(std::ceil(pixels)) * qint64(kTwipsPerPixelAt96);
        if (twips > measure.widestTwips) {
            measure.widestTwips = twips;
            measure.widestIndex = i;
        }
    }
    return measure;
}

int InkExtent(const QFont& font, const QString& line, int enough)
{
    qsizetype end = line.size();
    while (end > 0 && line.at(end - 1).isSpace())
        --end;
    if (end == 0)
        return 0;
    const QFontMetricsF metrics(font, &measuringDevice());
    const double right = boundedWidth(line.left(end), enough,
                                      [&metrics](const QString& part) { return metrics.boundingRect(part).right(); });
    return int(std::ceil(qMin(right, double(qMax(enough, 0)))));
}

} // namespace kv
