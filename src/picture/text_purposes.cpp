#include "picture/text_purposes.h"

#include "base/prompter.h"
#include "picture/font_list.h"
#include "picture/page_selectors.h"
#include "text/operator_text.h"

#include <cmath>

namespace kv {

namespace {
BoxVerdict checkSizeField(const QString& text, double maxPixels, const QString& tooLarge)
{
    if (text.isEmpty())
        return {};
    const auto value = SizeFieldValue(text);
    if (!value)
        return {Text::tr("输入应为数字"), QStringLiteral("32")};
    if (double(*value) * *value > maxPixels)
        return {tooLarge, QStringLiteral("32")};
    return {};
}

std::optional<QString> limitMessage(int width, int height, qint64 maxPixels, const QString& tooWide,
                                    const QString& tooHigh, const QString& tooLarge)
{
    if (width > kWidestTextPicture)
        return tooWide;
    if (height > kTallestTextPicture)
        return tooHigh;
    if (qint64(width) * height > maxPixels)
        return tooLarge;
    return std::nullopt;
}

PreparedPicture prepare(const TextBlockInput& input, Prompter& prompter, quint32 threshold,
                        std::optional<QString> (*limits)(int, int))
{
    PreparedPicture prepared;
    if (IsBlankText(input.text)) {
        prepared.refusal = Refuse(prompter, NoTextToSendText());
        return prepared;
    }
    const RenderedText rendered = RenderTextBlock(input);
    prepared.surface = rendered.image;
    if (const auto message = limits(rendered.width, rendered.height)) {
        prepared.refusal = Refuse(prompter, *message);
        return prepared;
    }
    prepared.packed = PackedPicture{rendered.width, rendered.height,
                                    PackRows(rendered.image, rendered.width, rendered.height, threshold)};
    return prepared;
}
} // namespace

std::optional<int> SizeFieldValue(const QString& text)
{
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::abs(value) > 1e6)
        return std::nullopt;
    return int(std::lround(value));
}

BoxVerdict CheckCustomFontSizeField(const QString& text)
{
    return checkSizeField(text, 133120, Text::tr("字符原形最大点阵不能超过360*360，最大像素不能超过133120"));
}

BoxVerdict CheckPageSizeField(const QString& text)
{
    return checkSizeField(text, 96256, Text::tr("字符原形最大点阵不能超过310*310，最大像素不能超过96256"));
}

std::optional<QString> CustomFontLimitMessage(int width, int height)
{
    return limitMessage(width, height, 133120,
                        Text::tr("单行字符长度过长，每行转换成图片的后的宽度不能大于816像素"),
                        Text::tr("图片的高度不能大于520线"),
                        Text::tr("字符转换成图片后，尺寸太大了，图片的最大像素不能大于133120像素，请减小行距或减少字符数"));
}

std::optional<QString> CharacterDownloadLimitMessage(int width, int height)
{
    return limitMessage(width, height, 65536, Text::tr("单行字符转换成图片后宽度太大，不能大于816像素"),
                        Text::tr("字符转换成图片后图片的高度不能大于520线"),
                        Text::tr("字符转换成图片后图片太大了，图片的最大像素不能大于65536像素"));
}

PreparedPicture PrepareCustomFontPicture(const TextBlockInput& input, Prompter& prompter)
{
    return prepare(input, prompter, kGreyInkThreshold, CustomFontLimitMessage);
}

PreparedPicture PrepareCharacterDownloadPicture(const TextBlockInput& input, Prompter& prompter)
{
    return prepare(input, prompter, kAnyInkThreshold, CharacterDownloadLimitMessage);
}

QString NoTextToSendText()
{
    return Text::tr("没有要发送的字符，请输入");
}

bool IsBlankText(const QString& text)
{
    return text.trimmed().isEmpty();
}

TextBlockInput TextBlockFromFields(const QString& text, const QString& fontName, const QString& size, int extraHeight,
                                   int verticalShiftItem, int lineSpacing, bool bold)
{
    TextBlockInput input;
    input.text = text;
    input.fontName = PickFontName(fontName, BuildFontList());
    input.size = SizeFieldValue(size).value_or(0);
    input.extraHeight = extraHeight;
    input.verticalShift = verticalShiftItem - kNoVerticalShift;
    input.lineSpacing = lineSpacing;
    input.bold = bold;
    return input;
}

} // namespace kv
