#include "picture/page_selectors.h"

#include "base/display_effects.h"
#include "base/number_items.h"

namespace kv {

const QStringList& LineSpacingItems()
{
    static const QStringList items = NumberItems(0, 16);
    return items;
}

const QStringList& VerticalShiftItems()
{
    static const QStringList items = [] {
        QStringList out;
        for (int n = 20; n >= 1; --n)
            out << QString::number(n) + QStringLiteral("上移");
        out << QStringLiteral("原形");
        for (int n = 1; n <= 20; ++n)
            out << QString::number(n) + QStringLiteral("下移");
        return out;
    }();
    return items;
}

const QStringList& ExtraHeightItems()
{
    static const QStringList items = [] {
        QStringList out{QStringLiteral("原形")};
        for (int n = 1; n <= 20; ++n)
            out << QString::number(n) + QStringLiteral("+");
        return out;
    }();
    return items;
}

const QStringList& PageHorizontalOffsetItems()
{
    static const QStringList items = NumberItems(0, 72);
    return items;
}

const QStringList& StaticHorizontalOffsetItems()
{
    static const QStringList items = NumberItems(0, 42);
    return items;
}

QStringList PageBackgroundItems()
{
    // The slots take the same seven effects as the scroll bar.
    return ScrollBackgroundItems();
}

const QStringList& StaticBackgroundItems()
{
    static const QStringList items = {
        QStringLiteral("⒈蓝透明背景A"), QStringLiteral("⒉蓝透明背景B"), QStringLiteral("⒊蓝透明背景C"),
        QStringLiteral("⒋蓝透明背景D"), QStringLiteral("⒌绿透明背景A"), QStringLiteral("⒍绿透明背景B"),
        QStringLiteral("⒎绿透明背景C"), QStringLiteral("⒏绿透明背景D"), QStringLiteral("⒐灰透明背景A"),
        QStringLiteral("⒑灰透明背景B"), QStringLiteral("⒒灰透明背景C"), QStringLiteral("⒓灰透明背景D"),
        QStringLiteral("⒔蓝背景覆盖"),  QStringLiteral("⒕绿背景覆盖"),  QStringLiteral("⒖灰背景覆盖"),
        QStringLiteral("⒗黑背景覆盖"),  QStringLiteral("⒘无背景全透明"),
    };
    return items;
}

const QStringList& SlotItems()
{
    static const QStringList items = [] {
        QStringList out{QStringLiteral("台标/角标"), QStringLiteral("临时显示")};
        for (int n = 1; n <= 12; ++n)
            out << QStringLiteral("图文") + QString::number(n);
        return out;
    }();
    return items;
}

bool IsItemIndex(int index, const QStringList& items)
{
    return index >= 0 && index < items.size();
}

} // namespace kv
