#pragma once

#include <QString>
#include <QStringList>

namespace kv {

// The unit's background effects and brightness levels, shared by the scroll
// parameters, the status report and the static picture and logo frames.

// The 17 effect codes 0 to 16 by name, each with a leading space as the status report
// prints them; a code above 16 has an empty name.
QString BackgroundEffectName(int code);
constexpr int kBackgroundEffectCount = 17;

// The seven backgrounds the scroll bar and the picture slots take, as the selectors list them.
QStringList ScrollBackgroundItems();

// The four brightness levels, 0 brightest to 3 dimmest, as the selectors list them.
QStringList BrightnessItems();

// Static and logo frames carry both in one byte: level × 32 + background code.
constexpr quint8 BrightnessBackgroundByte(int level, int background)
{
    return quint8(level * 32 + background);
}

} // namespace kv
