#include "font/glyph_extract.h"

#include "font/font_record.h"
#include "text/operator_text.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>

namespace kv {

QByteArray ExtractGlyph(const GlyphExtraction& input)
{
    QImage scratch(kGlyphWidth, kGlyphHeight, QImage::Format_RGB32);
    scratch.fill(Qt::white);
    {
        QPainter painter(&scratch);
        QFont font(input.family);
        font.setPixelSize(qMax(1, input.pixelSize));
        font.setBold(input.bold);
        // The cells are two-level: smoothing would only add grey that becomes ink.
        font.setStyleStrategy(QFont::NoAntialias);
        painter.setFont(font);
        painter.setPen(Qt::black);
        const int lineHeight = QFontMetrics(font).height();
        const QStringList lines = input.text.split(QStringLiteral("\r\n"));
        for (int i = 0; i < lines.size(); ++i) {
            const QRect box(input.xOffset, input.yOffset + i * lineHeight, 4096, lineHeight);
            painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, lines.at(i));
        }
    }
    QByteArray record(kRecordSize, '\0');
    for (int p = 0; p < kGlyphPixels; ++p) {
        const QRgb pixel = scratch.pixel(p % kGlyphWidth, p / kGlyphWidth) & 0xFFFFFF;
        SetPixel(record, p, pixel > 0xFFFFFE ? PixelCode::Transparent : PixelCode::White);
    }
    return record;
}

BoxVerdict CheckGlyphSizeBox(const QString& text)
{
    if (text.isEmpty())
        return {};
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok)
        return BoxVerdict{Text::tr("输入应为数字"), QStringLiteral("32")};
    if (value * value > 96256)
        return BoxVerdict{Text::tr("字符原形最大点阵不能超过310*310，最大像素不能超过96256"), QStringLiteral("32")};
    return {};
}

QString WithoutSpaces(const QString& text)
{
    QString out = text;
    out.remove(QLatin1Char(' '));
    return out;
}

BoxVerdict CheckOffsetBox(const QString& text)
{
    static const QRegularExpression decimal(QStringLiteral("^[+-]?[0-9]+$"));
    if (text.isEmpty() || decimal.match(text).hasMatch())
        return {};
    return BoxVerdict{Text::tr("有效数值必须为十进制数"), QStringLiteral("0")};
}

} // namespace kv
