#pragma once

// The screen scale of the drawing surfaces: twips (1/1440 inch) per screen pixel,
// 1440 / the screen's logical dots per inch, 15 at 96 dpi. Text is measured in twips,
// so sizes that follow from a measurement come out in screen pixels as the operator
// sees them.

namespace kv {

// The window tells its screen's logical dots per inch once at start-up; until then,
// and in kvctl, which has no screen, the scale is the 96-dpi one.
void SetScreenDotsPerInch(double dotsPerInch);

double TwipsPerPixel();
double TwipsPerPixelAt(double dotsPerInch);

} // namespace kv
