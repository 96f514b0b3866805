#include "picture/picture_file.h"

#include "base/prompter.h"
#include "picture/dot_matrix.h"
#include "text/operator_text.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <cmath>

namespace kv {

namespace {
std::optional<QImage> readPicture(const QString& path, QString* error)
{
    const QString shown = QDir::toNativeSeparators(path);
    if (!QFileInfo(path).isFile()) {
        if (error)
            *error = Text::tr("找不到图片文件：%1").arg(shown);
        return std::nullopt;
    }
    QImageReader reader(path);
    QImage image = reader.read();
    if (image.isNull()) {
        if (error)
            *error = Text::tr("无法读取图片文件：%1").arg(shown);
        return std::nullopt;
    }
    return image;
}

QImage drawnOnWhite(const QImage& picture, QSize size)
{
    QImage surface = WhiteSurface(size.width(), size.height());
    QPainter painter(&surface);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRect(QPoint(0, 0), size), picture);
    return surface;
}
} // namespace

QString PictureFileFilter()
{
    return QStringLiteral("All files (*.bmp *.gif *.jpg *.ico *.jpeg *.png)");
}

QString ChoosePictureFile(Prompter& prompter)
{
    return prompter.chooseOpenFile(Text::tr("选择图片"), PictureFileFilter());
}

std::optional<QImage> LoadPlainPicture(const QString& path, QString* error)
{
    const auto picture = readPicture(path, error);
    if (!picture)
        return std::nullopt;
    return drawnOnWhite(*picture, picture->size());
}

QSize ScaledPictureSize(QSize original, int targetHeight)
{
    const double w0 = qMax(original.width(), 1);
    const double h0 = qMax(original.height(), 1);
    const auto heightAtMaxWidth = [&] { return int(std::lround(h0 / w0 * kMaxScaledWidth)); };
    if (targetHeight < h0) {
        const double width = w0 / h0 * targetHeight;
        if (width > kMaxScaledWidth)
            return {kMaxScaledWidth, heightAtMaxWidth()};
        return {int(std::lround(width)), targetHeight};
    }
    if (w0 <= kMaxScaledWidth)
        return original;
    return {kMaxScaledWidth, heightAtMaxWidth()};
}

std::optional<QImage> LoadScaledPicture(const QString& path, int targetHeight, QString* error)
{
    const auto picture = readPicture(path, error);
    if (!picture)
        return std::nullopt;
    return drawnOnWhite(*picture, ScaledPictureSize(picture->size(), targetHeight).expandedTo(QSize(1, 1)));
}

int RoundUpTo16(int width)
{
    return (qMax(width, 0) + 15) / 16 * 16;
}

QImage StretchToWidth(const QImage& surface, int width)
{
    if (width == surface.width() || surface.isNull())
        return surface;
    QImage out(width, surface.height(), QImage::Format_RGB32);
    for (int x = 0; x < width; ++x) {
        const int source = int(qint64(x) * surface.width() / width);
        for (int y = 0; y < surface.height(); ++y)
            out.setPixel(x, y, surface.pixel(source, y));
    }
    return out;
}

} // namespace kv
