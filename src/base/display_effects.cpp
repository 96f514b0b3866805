#include "base/display_effects.h"

#include "text/operator_text.h"

#include <array>

namespace kv {

namespace {

constexpr std::array<const char*, kBackgroundEffectCount> kEffectNames{
    QT_TRANSLATE_NOOP("kv", " ⒈蓝透明背景A"), QT_TRANSLATE_NOOP("kv", " ⒉蓝透明背景B"),
    QT_TRANSLATE_NOOP("kv", " ⒊蓝透明背景C"), QT_TRANSLATE_NOOP("kv", " ⒋蓝透明背景D"),
    QT_TRANSLATE_NOOP("kv", " ⒌绿透明背景A"), QT_TRANSLATE_NOOP("kv", " ⒍绿透明背景B"),
    QT_TRANSLATE_NOOP("kv", " ⒎绿透明背景C"), QT_TRANSLATE_NOOP("kv", " ⒏绿透明背景D"),
    QT_TRANSLATE_NOOP("kv", " ⒐灰透明背景A"), QT_TRANSLATE_NOOP("kv", " ⒑灰透明背景B"),
    QT_TRANSLATE_NOOP("kv", " ⒒灰透明背景C"), QT_TRANSLATE_NOOP("kv", " ⒓灰透明背景D"),
    QT_TRANSLATE_NOOP("kv", " ⒔蓝背景覆盖"),  QT_TRANSLATE_NOOP("kv", " ⒕绿背景覆盖"),
    QT_TRANSLATE_NOOP("kv", " ⒖灰背景覆盖A"), QT_TRANSLATE_NOOP("kv", " ⒗灰背景覆盖B"),
    QT_TRANSLATE_NOOP("kv", " ⒘无背景全透明"),
};

} // namespace

QString BackgroundEffectName(int code)
{
    return code >= 0 && code < kBackgroundEffectCount ? Text::tr(kEffectNames[code]) : QString();
}

QStringList BrightnessItems()
{
    return {Text::tr("字符最亮"), Text::tr("字符较亮"), Text::tr("字符较暗"), Text::tr("字符最暗")};
}

QStringList ScrollBackgroundItems()
{
    return {
        Text::tr("⒈灰透明背景A"), Text::tr("⒉灰透明背景B"), Text::tr("⒊灰透明背景C"), Text::tr("⒋灰透明背景D"),
        Text::tr("⒌黑背景覆盖"),  Text::tr("⒍灰背景覆盖"),  Text::tr("⒎无背景全透明"),
    };
}

} // namespace kv
