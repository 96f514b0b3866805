#include "picture/picture_purposes.h"

#include "base/prompter.h"
#include "picture/picture_file.h"
#include "picture/width_forms.h"
#include "text/operator_text.h"

#include <QFileInfo>
#include <QPainter>
#include <cmath>
#include <functional>

namespace kv {

namespace {
constexpr int kMaxAdjustment = 650;
constexpr quint32 kAdjustmentStep = 4096;
constexpr int kMaxLargeCells = 41;
constexpr int kMaxSmallCells = 94;

bool isNumber(const QString& text, double* value)
{
    bool ok = false;
    *value = text.toDouble(&ok);
    return ok && std::isfinite(*value);
}

PackedPicture packedToSixteen(const QImage& surface, quint32 threshold)
{
    return PackRowPicture(StretchToWidth(surface, RoundUpTo16(surface.width())), threshold);
}

// A picture file as loaded, kept also when the purpose's size limit refuses it.
struct LoadedPicture {
    std::optional<QImage> surface;
    bool withinLimit = false;
    Outcome refusal = Outcome::Done();
};

// Loads the file and checks its size against the purpose's limit; a file that does not
// load, or a size the limit refuses, is shown to the operator with its message.
LoadedPicture loadWithinLimit(const std::function<std::optional<QImage>(QString* error)>& load,
                              const std::function<std::optional<QString>(int width, int height)>& limit,
                              Prompter& prompter)
{
    QString error;
    LoadedPicture picture{load(&error)};
    if (!picture.surface) {
        picture.refusal = Refuse(prompter, error);
        return picture;
    }
    if (const auto message = limit(picture.surface->width(), picture.surface->height())) {
        picture.refusal = Refuse(prompter, *message);
        return picture;
    }
    picture.withinLimit = true;
    return picture;
}

PreparedPicture preparedRows(const LoadedPicture& picture, quint32 threshold)
{
    PreparedPicture prepared;
    prepared.surface = picture.surface.value_or(QImage());
    prepared.refusal = picture.refusal;
    if (picture.withinLimit)
        prepared.packed = packedToSixteen(*picture.surface, threshold);
    return prepared;
}
} // namespace

namespace {
// The width, height and area a purpose allows, checked in that order; the area's
// message differs between purposes.
std::optional<QString> SizeLimitMessage(int width, int height, int maxWidth, int maxHeight, qint64 maxPixels,
                                        const QString& areaMessage)
{
    if (width > maxWidth)
        return Text::tr("图片的宽度不能大于%1像素").arg(maxWidth);
    if (height > maxHeight)
        return Text::tr("图片的高度不能大于%1线").arg(maxHeight);
    if (qint64(width) * height > maxPixels)
        return areaMessage;
    return std::nullopt;
}
} // namespace

std::optional<QString> SlotPictureLimitMessage(int width, int height)
{
    return SizeLimitMessage(width, height, 816, 520, 65536,
                            Text::tr("字符转换成图片后图片太大了，图片的最大像素不能大于65536像素"));
}

std::optional<QString> TemporaryPictureLimitMessage(int width, int height)
{
    return SizeLimitMessage(width, height, 768, 480, 133120,
                            Text::tr("这张图片太大了，图片的最大像素不能大于133120像素"));
}

std::optional<QString> PictureMessageLimitMessage(int width, int height, bool smallCells)
{
    if (!smallCells && height > kLargeCellSize)
        return Text::tr("选择大号字符时图片的高度不能大于48像素，当前图片高度为%1像素").arg(height);
    if (smallCells && height > kSmallCellSize)
        return Text::tr("选择小号字符时图片的高度不能大于32像素，当前图片高度为%1像素").arg(height);
    if (qint64(width) * height > 96256)
        return Text::tr("这张图片太大了，图片的最大像素不能大于96256像素");
    return std::nullopt;
}

std::optional<QString> PictureMessageCellsMessage(int cells, bool smallCells)
{
    if (!smallCells && cells > kMaxLargeCells)
        return Text::tr("大号字不能存入超过41个字符，当前共有%1字符").arg(cells);
    if (smallCells && cells > kMaxSmallCells)
        return Text::tr("小号字不能存入超过94个字符，当前共有%1字符").arg(cells);
    return std::nullopt;
}

BoxVerdict CheckThresholdField(const QString& text)
{
    const QString wrongText = Text::tr("输入应为-650～650之间的十进制数字");
    if (text.isEmpty())
        return {};
    double value = 0;
    if (isNumber(text, &value)) {
        if (value > kMaxAdjustment || value < -kMaxAdjustment)
            return {Text::tr("数值应在-650～650之间"), QString()};
        return {};
    }
    const QChar first = text.at(0);
    if (first != QLatin1Char('+') && first != QLatin1Char('-'))
        return {wrongText, QString()};
    if (text.size() > 1 && !isNumber(text.mid(1), &value))
        return {wrongText, QString()};
    return {};
}

int ThresholdAdjustment(const QString& text)
{
    double value = 0;
    if (!isNumber(text, &value))
        return 0;
    return int(std::lround(qBound<double>(-kMaxAdjustment, value, kMaxAdjustment)));
}

quint32 AdjustedInkThreshold(int adjustment)
{
    return quint32(qint64(kGreyInkThreshold) + qint64(kAdjustmentStep) * qBound(-kMaxAdjustment, adjustment, kMaxAdjustment));
}

PreparedPicture PrepareSlotPicture(const QString& path, int targetHeight, int thresholdAdjustment,
                                   Prompter& prompter)
{
    if (path.isEmpty())
        return {};
    const LoadedPicture picture = loadWithinLimit(
        [&](QString* error) { return LoadScaledPicture(path, targetHeight, error); }, SlotPictureLimitMessage, prompter);
    return preparedRows(picture, AdjustedInkThreshold(thresholdAdjustment));
}

PreparedPicture PrepareTemporaryPicture(const QString& path, Prompter& prompter)
{
    if (path.isEmpty())
        return {};
    const LoadedPicture picture = loadWithinLimit([&](QString* error) { return LoadPlainPicture(path, error); },
                                                  TemporaryPictureLimitMessage, prompter);
    return preparedRows(picture, kGreyInkThreshold);
}

Checked<PictureMessagePicture> PreparePictureMessage(const QString& path, bool smallCells, Prompter& prompter)
{
    if (path.isEmpty())
        return Outcome::Cancelled();
    const LoadedPicture picture = loadWithinLimit(
        [&](QString* error) { return LoadPlainPicture(path, error); },
        [&](int width, int height) { return PictureMessageLimitMessage(width, height, smallCells); }, prompter);
    if (!picture.withinLimit)
        return picture.refusal;
    const int cellSize = smallCells ? kSmallCellSize : kLargeCellSize;
    const QImage padded = PadToCells(*picture.surface, cellSize);
    const int cells = padded.width() / cellSize;
    if (const auto message = PictureMessageCellsMessage(cells, smallCells))
        return Refuse(prompter, *message);
    PictureMessagePicture out;
    out.cells = {padded.width(), cellSize, PackCells(padded, padded.width(), cellSize, kGreyInkThreshold)};
    out.description = QStringLiteral("%1(图片%2 x %3) ")
                          .arg(ToHalfWidth(QFileInfo(path).fileName()))
                          .arg(padded.width())
                          .arg(padded.height());
    return out;
}

QImage PadToCells(const QImage& surface, int cellSize)
{
    const int width = (surface.width() + cellSize - 1) / cellSize * cellSize;
    const int height = qMax(surface.height(), cellSize);
    if (width == surface.width() && height == surface.height())
        return surface;
    QImage out(width, height, QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter painter(&out);
    painter.drawImage(0, 0, surface);
    return out;
}

QImage WithoutNoise(const QImage& surface)
{
    QImage out = surface.convertToFormat(QImage::Format_RGB32);
    const auto white = [&](int x, int y) {
        return y >= 0 && y < surface.height() && (surface.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
    };
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x)
            if (!white(x, y) && white(x, y - 1) && white(x, y + 1))
                out.setPixel(x, y, qRgb(255, 255, 255));
    return out;
}

} // namespace kv
