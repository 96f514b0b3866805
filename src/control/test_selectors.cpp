#include "control/test_selectors.h"

#include "text/operator_text.h"

namespace kv {

namespace {
TestSelector numbers(int first, int last, int start)
{
    TestSelector selector{{}, start - first};
    for (int n = first; n <= last; ++n)
        selector.items << QString::number(n);
    return selector;
}
} // namespace

TestSelector RowSelector()
{
    return numbers(3, 13, 8);
}

TestSelector ColumnSelector()
{
    return numbers(4, 26, 16);
}

TestSelector ShapeSelector()
{
    return numbers(0, kLastShape, 0);
}

TestSelector HorizontalOffsetSelector()
{
    return numbers(0, 63, 30);
}

TestSelector VerticalOffsetSelector()
{
    return numbers(0, 31, 18);
}

TestSelector AttributeSelector()
{
    return {{Text::tr("原样"), Text::tr("反色"), Text::tr("闪烁"), Text::tr("黑背景"),
             Text::tr("反色+闪烁"), Text::tr("反色+黑背景"), Text::tr("闪烁+黑背景")},
            0};
}

TestSelector ClearSelector()
{
    TestSelector selector{{}, 16};
    for (int line = 1; line <= 16; ++line)
        selector.items << Text::tr("%1行").arg(line);
    selector.items << Text::tr("清全屏");
    return selector;
}

TestSelector VideoModeSelector()
{
    QStringList items;
    for (const QString& system : {QStringLiteral("PAL"), QStringLiteral("NTSC")})
        for (const QString& sync :
             {Text::tr("内外频自动切换"), Text::tr("仅使用内频"), Text::tr("仅使用外频")})
            items << Text::tr("%1模式,%2").arg(system, sync);
    return {items, 0};
}

int IndexOfShown(const TestSelector& selector, const QString& shown)
{
    return int(selector.items.indexOf(shown));
}

} // namespace kv
