#include "picture_preview.h"

#include <QPainter>
#include <QtMath>

namespace kv::ui {

PicturePreview::PicturePreview(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("picturePreview"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void PicturePreview::showPicture(const QImage& picture)
{
    picture_ = picture;
    setToolTip(QStringLiteral("%1 × %2").arg(picture.width()).arg(picture.height()));
    update();
}

void PicturePreview::clearPicture()
{
    picture_ = QImage();
    setToolTip(QString());
    update();
}

QSize PicturePreview::sizeHint() const
{
    return {408, 200};
}

QSize PicturePreview::minimumSizeHint() const
{
    return {160, 80};
}

void PicturePreview::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.setPen(palette().mid().color());
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (picture_.isNull())
        return;
    const QRect inside = rect().adjusted(2, 2, -2, -2);
    // Whole multiples keep the dots square; a picture larger than the widget shrinks.
    const double fit = qMin(double(inside.width()) / picture_.width(), double(inside.height()) / picture_.height());
    const double scale = fit >= 1 ? qFloor(fit) : fit;
    const QSize shown(qMax(1, int(picture_.width() * scale)), qMax(1, int(picture_.height() * scale)));
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(QRect(inside.topLeft(), shown), picture_);
}

} // namespace kv::ui
