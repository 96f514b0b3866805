#include "control/display_items.h"

#include "control/control_frame.h"
#include "text/operator_text.h"

namespace kv {

namespace {
// Entry 8 and entry 17 leave the menu and send nothing.
constexpr int kFirstLeaveEntry = 8;
// The first of the entries that send a combination until restart.
constexpr int kFirstUntilRestart = 9;
constexpr int kCombinations = 8;

QString leaveEntry()
{
    return QString(21, QLatin1Char(' ')) + Text::tr("取消退出");
}

QStringList combinations()
{
    return {Text::tr("全部关闭"),           Text::tr("仅开滚动显示"),
            Text::tr("仅开静止图文"),       Text::tr("关闭台标其他全开"),
            Text::tr("仅开台标"),           Text::tr("关静止图文其他全开"),
            Text::tr("关滚动其他全开"),     Text::tr("全部打开")};
}

} // namespace

QStringList DisplayItemEntries()
{
    QStringList entries;
    for (const QString& name : combinations())
        entries << Text::tr("%1（保存）").arg(name);
    entries << leaveEntry();
    for (const QString& name : combinations())
        entries << Text::tr("%1（不保存）").arg(name);
    entries << leaveEntry();
    return entries;
}

std::optional<DisplayItem> DisplayItemOfEntry(int entry)
{
    if (entry >= 0 && entry < kFirstLeaveEntry)
        return DisplayItem{quint8(entry), true};
    if (entry >= kFirstUntilRestart && entry < kFirstUntilRestart + kCombinations)
        return DisplayItem{quint8(entry - kFirstUntilRestart), false};
    return std::nullopt;
}

Outcome SendDisplayItem(DisplayItem item, const TargetChoice& choice, Link& link, Prompter& prompter)
{
    const QByteArray fields(1, char(item.keep ? 1 : 0));
    return SendControlFrame(ControlCommand::DisplayItem, fields + char(item.code), choice, link, prompter);
}

Outcome ChooseDisplayItem(int entry, const TargetChoice& choice, Link& link, Prompter& prompter)
{
    const auto item = DisplayItemOfEntry(entry);
    if (!item)
        return Outcome::Done();
    return SendDisplayItem(*item, choice, link, prompter);
}

} // namespace kv
