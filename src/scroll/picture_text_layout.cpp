#include "scroll/picture_text_layout.h"

#include "link/command_codes.h"
#include "link/frames.h"

namespace kv {

namespace {
constexpr QRgb kPureWhite = 0xFFFFFF;
constexpr int kSmallHeight = 32;
constexpr int kLargeHeight = 48;
} // namespace

const QStringList& PictureTextSizeItems()
{
    static const QStringList items = [] {
        QStringList list;
        for (int size = 16; size <= 48; size += 2)
            list << QString::number(size);
        return list;
    }();
    return items;
}

QStringList VerticalAdjustmentItems()
{
    return VerticalShiftItems();
}

PictureTextCell PictureTextCellFor(int size)
{
    if (size <= kSmallHeight)
        return {kSmallHeight, size - kSmallHeight};
    return {kLargeHeight, size - kLargeHeight};
}

int RightmostInkColumn(const QImage& picture)
{
    for (int x = picture.width() - 1; x >= 1; --x)
        for (int y = 1; y < picture.height(); ++y)
            if ((picture.pixel(x, y) & 0xFFFFFF) != kPureWhite)
                return x;
    return 0;
}

int PictureTextWidth(int rightmostColumn, int height)
{
    return rightmostColumn + height - rightmostColumn % height;
}

QByteArray PictureTextScrollHeader(const SendTarget& target, bool small, bool powerOn, int blocks)
{
    return AddressedFrame(target.address, command::kPictureMessage,
                          FieldBytes({small ? 1 : 0, 0, powerOn ? 1 : 0, target.queueCount(), (blocks >> 8) & 0xFF,
                                      blocks & 0xFF})
                              + target.queue);
}

} // namespace kv
