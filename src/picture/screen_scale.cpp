#include "picture/screen_scale.h"

#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <atomic>

namespace kv {

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr double kDefaultDpi = 96.0;

// 0 until the screen has been read.
std::atomic<double> screenTwipsPerPixel{0.0};
} // namespace

double TwipsPerPixelAt(double dotsPerInch)
{
    return kTwipsPerInch / (dotsPerInch > 0 ? dotsPerInch : kDefaultDpi);
}

double TwipsPerPixel()
{
    const double known = screenTwipsPerPixel.load();
    if (known > 0)
        return known;
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app || QThread::currentThread() != app->thread() || !QGuiApplication::primaryScreen())
        return TwipsPerPixelAt(kDefaultDpi);
    const double value = TwipsPerPixelAt(QGuiApplication::primaryScreen()->logicalDotsPerInchX());
    screenTwipsPerPixel.store(value);
    return value;
}

} // namespace kv
