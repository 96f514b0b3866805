// kvctl test: the character display tests of the panel "应用测试（串口）", to the unit
// at the device address. Rows, columns and offsets are given as the selectors show them.

#include "base/decimal_text.h"
#include "cli_context.h"
#include "command_options.h"
#include "commands.h"
#include "control/display_test.h"
#include "control/screen_setup.h"
#include "control/test_selectors.h"

namespace kv::cli {

namespace {
const char* const kUsage =
    "test chars CODES [--row R] [--column C]     (CODES \"72,73,74\", R 3-13, C 4-26)\n"
    "     attribute A [--row R] [--column C]    (A 0-6)\n"
    "     first128 | last128\n"
    "     clear LINE|all                        (LINE 1-16)\n"
    "     hoffset H | voffset V                 (H 0-63, V 0-31)";

// The index of a shown value, or -1 when the selector has no such item.
int shownIndex(const TestSelector& selector, const CommandOptions& options, const char* name)
{
    const QString key = QString::fromLatin1(name);
    if (!options.isSet(key))
        return selector.startIndex;
    return IndexOfShown(selector, options.value(key));
}

// A plain decimal number from first to last as an index counted from first; -1 for
// anything else.
int numberIndex(const QString& text, int first, int last)
{
    const auto value = DecimalValue(text, 4);
    return value && *value >= first && *value <= last ? *value - first : -1;
}
} // namespace

int RunTest(CliContext& ctx, const QStringList& args)
{
    const QString usage = QString::fromUtf8(kUsage);
    CommandOptions options({}, {QStringLiteral("row"), QStringLiteral("column")});
    if (!options.parse(args) || options.positional().isEmpty())
        return ctx.usage(usage);
    const QStringList words = options.positional();
    const QString& what = words.first();
    const bool placed = what == QLatin1String("chars") || what == QLatin1String("attribute");
    if (words.size() != (what == QLatin1String("first128") || what == QLatin1String("last128") ? 1 : 2)
        || (!placed && (options.isSet(QStringLiteral("row")) || options.isSet(QStringLiteral("column")))))
        return ctx.usage(usage);
    const int row = shownIndex(RowSelector(), options, "row");
    const int column = shownIndex(ColumnSelector(), options, "column");
    if (row < 0 || column < 0)
        return ctx.usage(usage);

    const QString& address = ctx.deviceAddress();
    Link& link = *ctx.link;
    Outcome outcome;
    if (what == QLatin1String("chars")) {
        outcome = RunDisplayTest({address, row, column, words.at(1)}, link, ctx.prompter);
    } else if (what == QLatin1String("attribute")) {
        const int attribute = numberIndex(words.at(1), 0, int(AttributeSelector().items.size()) - 1);
        if (attribute < 0)
            return ctx.usage(usage);
        outcome = SetTestAttribute(address, row, column, attribute, link, ctx.prompter);
    } else if (what == QLatin1String("first128") || what == QLatin1String("last128")) {
        const CharacterHalf half = what == QLatin1String("first128") ? CharacterHalf::First128 : CharacterHalf::Last128;
        outcome = ShowCharacterHalf(address, half, link, ctx.prompter);
    } else if (what == QLatin1String("clear")) {
        const int screen = int(ClearSelector().items.size()) - 1;
        const int index = words.at(1) == QLatin1String("all") ? screen : numberIndex(words.at(1), 1, screen);
        if (index < 0)
            return ctx.usage(usage);
        outcome = ClearTestScreen(address, index, link, ctx.prompter);
    } else if (what == QLatin1String("hoffset") || what == QLatin1String("voffset")) {
        const bool horizontal = what == QLatin1String("hoffset");
        const int value = IndexOfShown(horizontal ? HorizontalOffsetSelector() : VerticalOffsetSelector(), words.at(1));
        if (value < 0)
            return ctx.usage(usage);
        outcome = SetScreenOffset(address, horizontal ? Offset::Horizontal : Offset::Vertical, value, link, ctx.prompter);
    } else {
        return ctx.usage(usage);
    }
    return ctx.finish(outcome);
}

} // namespace kv::cli
