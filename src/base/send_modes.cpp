#include "base/send_modes.h"

#include "text/operator_text.h"

namespace kv {

QStringList SendModeNames()
{
    return {
        Text::tr("滚动—内置大号字库"), Text::tr("滚动—内置小号字库"), Text::tr("滚动—大号图文短信"),
        Text::tr("滚动—小号图文短信"), Text::tr("滚动—组合快捷信息"), Text::tr("静止—调用预存图片"),
        Text::tr("静止—自定义字体"),   Text::tr("静止—临时图片"),     Text::tr("静止—内置大号字库"),
        Text::tr("静止—内置小号字库"),
    };
}

bool IsBuiltInFontMode(int mode)
{
    return mode == kModeLargeFont || mode == kModeSmallFont;
}

bool IsEntryListMode(int mode)
{
    return mode >= kModeLargePictureMessage && mode <= kModeShortcut;
}

bool IsStaticMode(int mode)
{
    return mode >= kModeStoredPicture && mode <= kModeStaticSmallFont;
}

bool PicksEntry(int mode)
{
    return IsEntryListMode(mode) || mode == kModeStoredPicture;
}

QString CurrentSendModeLabel(int mode)
{
    return Text::tr("当前发送模式 >> %1").arg(SendModeNames().value(mode));
}

QString SecondSendButtonText(int mode)
{
    return mode == kModeShortcut ? Text::tr("设为开机") : Text::tr("追加发送");
}

} // namespace kv
