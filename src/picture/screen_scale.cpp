#include "picture/screen_scale.h"

#include <atomic>

namespace kv {

namespace {
constexpr double kTwipsPerInch = 1440.0;
constexpr double kDefaultDpi = 96.0;

// Set on the window's thread before any operation starts, read on the workers'.
std::atomic<double> screenTwipsPerPixel{kTwipsPerInch / kDefaultDpi};
} // namespace

double TwipsPerPixelAt(double dotsPerInch)
{
    return kTwipsPerInch / (dotsPerInch > 0 ? dotsPerInch : kDefaultDpi);
}

void SetScreenDotsPerInch(double dotsPerInch)
{
    screenTwipsPerPixel.store(TwipsPerPixelAt(dotsPerInch));
}

double TwipsPerPixel()
{
    return screenTwipsPerPixel.load();
}

} // namespace kv
