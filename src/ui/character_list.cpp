#include "character_list.h"

#include "font/font_record.h"

#include <QMouseEvent>
#include <QPainter>

namespace kv::ui {

CharacterList::CharacterList(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("characterList"));
    const QImage blank = ThumbnailOf(QByteArray(kRecordSize, '\0'));
    thumbnails_.fill(blank);
    setFixedSize(sizeHint());
}

QImage CharacterList::ThumbnailOf(const QByteArray& record)
{
    QImage image(kThumbWidth, kThumbHeight, QImage::Format_RGB32);
    image.fill(QColor(0xC0, 0xC0, 0xC0));
    for (int p = 0; p < kGlyphPixels; ++p) {
        const QRgb colour = 0xFF000000u | ColourOf(PixelAt(record, p));
        const int x = 2 * (p % kGlyphWidth);
        const int y = 2 * (p / kGlyphWidth);
        for (int dy = 0; dy < 2; ++dy)
            for (int dx = 0; dx < 2; ++dx)
                image.setPixel(x + dx, y + dy, colour);
    }
    return image;
}

void CharacterList::drawThumbnail(int code, const QByteArray& record)
{
    thumbnails_[code] = ThumbnailOf(record);
    update(QRect(thumbnailOrigin(code), QSize(kThumbWidth, kThumbHeight)));
}

void CharacterList::setHiddenCode(std::optional<int> code)
{
    hidden_ = code;
    update();
}

int CharacterList::top() const
{
    // 12 pixels and 100 twips below the frame's top.
    return 12 + (100 * logicalDpiY() + 720) / 1440;
}

QPoint CharacterList::thumbnailOrigin(int code) const
{
    return {kLeft + (code % 16) * kThumbWidth, top() + (code / 16) * kThumbHeight};
}

QSize CharacterList::sizeHint() const
{
    return {kLeft + 16 * kThumbWidth + 4, top() + 16 * kThumbHeight + 4};
}

void CharacterList::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    for (int code = 0; code < 256; ++code)
        if (code != hidden_)
            painter.drawImage(thumbnailOrigin(code), thumbnails_[code]);
}

void CharacterList::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint() - QPoint(kLeft, top());
    if (p.x() < 0 || p.y() < 0)
        return;
    const int column = p.x() / kThumbWidth;
    const int row = p.y() / kThumbHeight;
    if (column < 16 && row < 16)
        emit characterClicked(row * 16 + column);
}

} // namespace kv::ui
