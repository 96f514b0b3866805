#pragma once

// The screen scale of the drawing surfaces: twips (1/1440 inch) per screen pixel,
// 1440 / the screen's logical dots per inch, 15 at 96 dpi. Text is measured in twips,
// so sizes that follow from a measurement come out in screen pixels as the operator
// sees them.

namespace kv {

// Read from the primary screen on the first call made on the application's thread
// (kvtool calls it at start-up); without a screen (kvctl, a worker thread before
// that) it is the 96-dpi value.
double TwipsPerPixel();
double TwipsPerPixelAt(double dotsPerInch);

} // namespace kv
