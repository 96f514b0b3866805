#include "base/send_modes.h"

namespace kv {

const QStringList& SendModeNames()
{
    static const QStringList names = {
        QStringLiteral("滚动—内置大号字库"), QStringLiteral("滚动—内置小号字库"),
        QStringLiteral("滚动—大号图文短信"), QStringLiteral("滚动—小号图文短信"),
        QStringLiteral("滚动—组合快捷信息"), QStringLiteral("静止—调用预存图片"),
        QStringLiteral("静止—自定义字体"),   QStringLiteral("静止—临时图片"),
        QStringLiteral("静止—内置大号字库"), QStringLiteral("静止—内置小号字库"),
    };
    return names;
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
    return QStringLiteral("当前发送模式 >> ") + SendModeNames().value(mode);
}

QString SecondSendButtonText(int mode)
{
    return mode == kModeShortcut ? QStringLiteral("设为开机") : QStringLiteral("追加发送");
}

} // namespace kv
