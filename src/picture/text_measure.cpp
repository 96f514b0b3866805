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
} // namespace

QStringList TextBlockLines(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\n"));
    return text.split(lineBreak);
}

LineMeasure MeasureLines(const QString& fontName, int pixelSize, const QString& text, bool bold)
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
        const double pixels = qMax(metrics.horizontalAdvance(line), metrics.boundingRect(line).right());
        const int twips = int(std::ceil(pixels) * kTwipsPerPixelAt96);
        if (twips > measure.widestTwips) {
            measure.widestTwips = twips;
            measure.widestIndex = i;
        }
    }
    return measure;
}

} // namespace kv
