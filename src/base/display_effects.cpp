#include "base/display_effects.h"

namespace kv {

QString BackgroundEffectName(int code)
{
    static const QStringList names = {
        QStringLiteral(" ⒈蓝透明背景A"), QStringLiteral(" ⒉蓝透明背景B"), QStringLiteral(" ⒊蓝透明背景C"),
        QStringLiteral(" ⒋蓝透明背景D"), QStringLiteral(" ⒌绿透明背景A"), QStringLiteral(" ⒍绿透明背景B"),
        QStringLiteral(" ⒎绿透明背景C"), QStringLiteral(" ⒏绿透明背景D"), QStringLiteral(" ⒐灰透明背景A"),
        QStringLiteral(" ⒑灰透明背景B"), QStringLiteral(" ⒒灰透明背景C"), QStringLiteral(" ⒓灰透明背景D"),
        QStringLiteral(" ⒔蓝背景覆盖"),  QStringLiteral(" ⒕绿背景覆盖"),  QStringLiteral(" ⒖灰背景覆盖A"),
        QStringLiteral(" ⒗灰背景覆盖B"), QStringLiteral(" ⒘无背景全透明"),
    };
    return names.value(code);
}

const QStringList& BrightnessItems()
{
    static const QStringList items = {QStringLiteral("字符最亮"), QStringLiteral("字符较亮"),
                                      QStringLiteral("字符较暗"), QStringLiteral("字符最暗")};
    return items;
}

const QStringList& ScrollBackgroundItems()
{
    static const QStringList items = {
        QStringLiteral("⒈灰透明背景A"), QStringLiteral("⒉灰透明背景B"), QStringLiteral("⒊灰透明背景C"),
        QStringLiteral("⒋灰透明背景D"), QStringLiteral("⒌黑背景覆盖"),  QStringLiteral("⒍灰背景覆盖"),
        QStringLiteral("⒎无背景全透明"),
    };
    return items;
}

} // namespace kv
