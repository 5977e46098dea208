#pragma once

#include <QRect>

struct Control;

// Twips, the game's unit, as Qt's logical pixels: 15 twips to a pixel, as at 96
// dots per inch. Qt scales logical pixels to the screen.
namespace Twips {

inline constexpr double perPixel = 15.0;

int ToPixels(double twips);
QRect ToPixels(double left, double top, double width, double height);
QRect ToPixels(const Control& control);

// A place in logical pixels at a whole multiple of the design's size.
QRect Zoomed(const QRect& designed, int zoom);

} // namespace Twips
