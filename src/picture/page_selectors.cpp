#include "picture/page_selectors.h"

#include "base/display_effects.h"
#include "base/number_items.h"
#include "text/operator_text.h"

namespace kv {

const QStringList& LineSpacingItems()
{
    static const QStringList items = NumberItems(0, 16);
    return items;
}

QStringList VerticalShiftItems()
{
    QStringList out;
    for (int n = 20; n >= 1; --n)
        out << Text::tr("%1上移").arg(n);
    out << Text::tr("原形");
    for (int n = 1; n <= 20; ++n)
        out << Text::tr("%1下移").arg(n);
    return out;
}

QStringList ExtraHeightItems()
{
    QStringList out{Text::tr("原形")};
    for (int n = 1; n <= 20; ++n)
        out << QString::number(n) + QStringLiteral("+");
    return out;
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

QStringList StaticBackgroundItems()
{
    return {
        Text::tr("⒈蓝透明背景A"), Text::tr("⒉蓝透明背景B"), Text::tr("⒊蓝透明背景C"), Text::tr("⒋蓝透明背景D"),
        Text::tr("⒌绿透明背景A"), Text::tr("⒍绿透明背景B"), Text::tr("⒎绿透明背景C"), Text::tr("⒏绿透明背景D"),
        Text::tr("⒐灰透明背景A"), Text::tr("⒑灰透明背景B"), Text::tr("⒒灰透明背景C"), Text::tr("⒓灰透明背景D"),
        Text::tr("⒔蓝背景覆盖"), Text::tr("⒕绿背景覆盖"), Text::tr("⒖灰背景覆盖"), Text::tr("⒗黑背景覆盖"),
        Text::tr("⒘无背景全透明"),
    };
}

QStringList SlotItems()
{
    QStringList out{Text::tr("台标/角标"), Text::tr("临时显示")};
    for (int n = 1; n <= 12; ++n)
        out << Text::tr("图文%1").arg(n);
    return out;
}

bool IsItemIndex(int index, const QStringList& items)
{
    return index >= 0 && index < items.size();
}

} // namespace kv
