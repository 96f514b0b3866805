#include "font/png_sheet.h"

#include "text/operator_text.h"

namespace kv {

namespace {
struct Geometry {
    int width;
    int height;
    int margin; // separator width before each character
};

Geometry geometryOf(PngLayout layout)
{
    const int m = layout == PngLayout::Separated ? 1 : 0;
    return {16 * (kGlyphWidth + m) + m, 16 * (kGlyphHeight + m) + m, m};
}

QPoint originOf(int code, const Geometry& g)
{
    return {g.margin + (code % 16) * (kGlyphWidth + g.margin), g.margin + (code / 16) * (kGlyphHeight + g.margin)};
}
} // namespace

std::variant<FontTable, FontImportError> ParsePngSheet(const QImage& image)
{
    if (image.isNull())
        return FontImportError{Text::tr("无法读取图片")};
    std::optional<Geometry> geometry;
    for (PngLayout layout : {PngLayout::Plain, PngLayout::Separated}) {
        const Geometry g = geometryOf(layout);
        if (image.width() == g.width && image.height() == g.height)
            geometry = g;
    }
    if (!geometry)
        return FontImportError{Text::tr("图片大小为%1×%2，应为192×288或209×305")
                                   .arg(image.width())
                                   .arg(image.height())};

    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    FontTable table;
    for (int code = 0; code < kGlyphCount; ++code) {
        const QPoint origin = originOf(code, *geometry);
        QByteArray record(kRecordSize, '\0');
        for (int p = 0; p < kGlyphPixels; ++p) {
            const int x = origin.x() + p % kGlyphWidth;
            const int y = origin.y() + p / kGlyphWidth;
            const QRgb pixel = argb.pixel(x, y);
            const CellColour rgb = pixel & 0xFFFFFF;
            PixelCode pixelCode;
            if (qAlpha(pixel) == 0 || rgb == kSheetTransparent || rgb == kSheetGreen)
                pixelCode = PixelCode::Transparent;
            else if (rgb == kBlackCell)
                pixelCode = PixelCode::Black;
            else if (rgb == kWhiteCell)
                pixelCode = PixelCode::White;
            else
                return FontImportError{Text::tr("像素(%1, %2)的颜色#%3不是黑、白、灰#808080或绿#00FF00")
                                           .arg(x)
                                           .arg(y)
                                           .arg(rgb, 6, 16, QLatin1Char('0'))
                                           .toUpper()};
            SetPixel(record, p, pixelCode);
        }
        table.setRecord(code, record);
    }
    return table;
}

QImage PngSheet(const FontTable& table, PngLayout layout)
{
    const Geometry g = geometryOf(layout);
    QImage image(g.width, g.height, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(kSheetSeparator));
    for (int code = 0; code < kGlyphCount; ++code) {
        const QPoint origin = originOf(code, g);
        const QByteArray record = table.record(code);
        for (int p = 0; p < kGlyphPixels; ++p) {
            const PixelCode pc = PixelAt(record, p);
            const CellColour colour = IsTransparent(pc) ? kSheetTransparent : ColourOf(pc);
            image.setPixel(origin.x() + p % kGlyphWidth, origin.y() + p / kGlyphWidth, 0xFF000000u | colour);
        }
    }
    return image;
}

} // namespace kv
