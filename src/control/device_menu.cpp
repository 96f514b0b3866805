#include "control/device_menu.h"

#include "base/help_file.h"
#include "base/prompter.h"
#include "control/control_frame.h"
#include "control/display_items.h"
#include "text/operator_text.h"

namespace kv {

namespace {
QByteArray oneByte(quint8 value)
{
    return QByteArray(1, char(value));
}
} // namespace

const QList<DeviceMenuItem>& DeviceMenuItems()
{
    using namespace display_item;
    static const QList<DeviceMenuItem> items = {
        {QT_TRANSLATE_NOOP("kv", "⒈ 修改设备地址"), 1, MenuAction::WriteAddress, 0},
        {QT_TRANSLATE_NOOP("kv", "⒋ 读出设备参数"), 4, MenuAction::ReadIdentity, 0},
        {QT_TRANSLATE_NOOP("kv", "⒌ 删除开机显示"), 5, MenuAction::DeletePowerOnDisplays, 0},
        {QT_TRANSLATE_NOOP("kv", "⒍ 设置字幕显示项目"), 6, MenuAction::DisplayItems, 0},
        {QT_TRANSLATE_NOOP("kv", "⒎ 指定设备当前字幕信息"), 7, MenuAction::StatusReport, 0},
        {QT_TRANSLATE_NOOP("kv", "⒏ 关闭字幕"), 8, MenuAction::CaptionsOff, 0},
        {QT_TRANSLATE_NOOP("kv", "⒐ 恢复字幕"), 9, MenuAction::CaptionsOn, 0},
        {QT_TRANSLATE_NOOP("kv", "⒑ 设备重启"), 10, MenuAction::Restart, 0},
        {QT_TRANSLATE_NOOP("kv", "⒒ 取消间歇滚动"), 11, MenuAction::DisplayItem, kCancelIntermittent},
        {QT_TRANSLATE_NOOP("kv", "⒓ 恢复间歇滚动"), 12, MenuAction::DisplayItem, kScrollAndIntermittentOn},
        {QT_TRANSLATE_NOOP("kv", "⒔ 关闭角标"), 13, MenuAction::DisplayItem, kCornerLogoOff},
        {QT_TRANSLATE_NOOP("kv", "⒕ 打开角标"), 14, MenuAction::DisplayItem, kCornerLogoOn},
        {QT_TRANSLATE_NOOP("kv", "⒖ 打开滚动"), 15, MenuAction::DisplayItem, kScrollOn},
        {QT_TRANSLATE_NOOP("kv", "⒗ 关闭台标"), 16, MenuAction::DisplayItem, kStationLogoOff},
        {QT_TRANSLATE_NOOP("kv", "⒘ 打开台标"), 17, MenuAction::DisplayItem, kStationLogoOn},
        {QT_TRANSLATE_NOOP("kv", "⒙ 关滚动及其间歇功能"), 18, MenuAction::DisplayItem, kScrollAndIntermittentOff},
        {QT_TRANSLATE_NOOP("kv", "⒚ 开滚动及其间歇功能"), 19, MenuAction::DisplayItem, kScrollAndIntermittentOn},
        {QT_TRANSLATE_NOOP("kv", "⒛ 不停滚动"), 20, MenuAction::DisplayItem, kNonStopScroll},
        {QT_TRANSLATE_NOOP("kv", "使用帮助"), 0, MenuAction::Help, 0},
    };
    return items;
}

const DeviceMenuItem* DeviceMenuItemNumbered(int number)
{
    if (number <= 0)
        return nullptr;
    for (const DeviceMenuItem& item : DeviceMenuItems())
        if (item.number == number)
            return &item;
    return nullptr;
}

QString LastOperationText(const DeviceMenuItem& item)
{
    // The numbered items start with one of the signs ⒈ to ⒛; "使用帮助" has none and is
    // shown whole.
    constexpr char16_t kFirstNumberSign = u'\u2488';
    constexpr char16_t kLastNumberSign = u'\u249B';
    const QString caption = Text::tr(item.caption);
    const bool numbered = !caption.isEmpty() && caption.front().unicode() >= kFirstNumberSign
                          && caption.front().unicode() <= kLastNumberSign;
    return numbered ? caption.mid(1) : caption;
}

Outcome SendMenuFrame(const DeviceMenuItem& item, const TargetChoice& choice, Link& link, Prompter& prompter)
{
    switch (item.action) {
    case MenuAction::CaptionsOff:
        return SendControlFrame(ControlCommand::Captions, oneByte(kCaptionsOff), choice, link, prompter);
    case MenuAction::CaptionsOn:
        return SendControlFrame(ControlCommand::Captions, oneByte(kCaptionsOn), choice, link, prompter);
    case MenuAction::Restart:
        return SendControlFrame(ControlCommand::UnitAction, oneByte(kRestartUnit), choice, link, prompter);
    case MenuAction::DisplayItem:
        return SendDisplayItem({item.displayItem, false}, choice, link, prompter);
    default:
        return Outcome::Refused();
    }
}

Outcome DeletePowerOnDisplays(const TargetChoice& choice, Link& link, Prompter& prompter)
{
    if (!prompter.ask(Text::tr("这个操作将删除所有的开机显示信息，确定吗？"), QString()))
        return Outcome::Cancelled();
    return SendControlFrame(ControlCommand::UnitAction, oneByte(kDeletePowerOnDisplays), choice, link, prompter);
}

} // namespace kv
