#include "ui/Twips.h"

#include "game/Control.h"

#include <cmath>

namespace Twips {

int ToPixels(double twips)
{
    return int(std::lround(twips / perPixel));
}

QRect ToPixels(double left, double top, double width, double height)
{
    return {ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height)};
}

QRect ToPixels(const Control& control)
{
    return ToPixels(control.Left, control.Top, control.Width, control.Height);
}

QRect Zoomed(const QRect& designed, int zoom)
{
    return {designed.topLeft() * zoom, designed.size() * zoom};
}

} // namespace Twips
