#pragma once
// The game's pixels and the screen's device pixels at a scale factor. The
// game keeps its own 489 x 581 pixels at every scale; a host that is told
// the device pixels of the pointer and of the window converts both the same
// way, so that the wall test compares them in one grid.
#include <cmath>

namespace device_pixels {

// One axis, counted from the screen's top-left. A device pixel belongs to
// the game pixel it lies in (rounded down, never to the nearest), for the
// pointer and the window's edges alike: the outermost device pixel of an
// edge is on that edge in game pixels too.
inline int ToGamePixel(int nDevice, double dRatio)
{
    return int(std::floor(nDevice / dRatio + 1e-9));
}

// The first device pixel of a game pixel: ToGamePixel maps it back.
inline int ToDevicePixel(int nGame, double dRatio)
{
    return int(std::ceil(nGame * dRatio - 1e-9));
}

}  // namespace device_pixels
