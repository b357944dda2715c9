#pragma once
// Reading colours back from a drawn surface, in the game's Rgb.
#include <QImage>
#include <algorithm>
#include <ostream>

#include "platform/Geometry.h"

inline Rgb PixelAt(const QImage& image, int nX, int nY)
{
    const QRgb rgb = image.pixel(nX, nY);
    return Rgb{std::uint8_t(qRed(rgb)), std::uint8_t(qGreen(rgb)), std::uint8_t(qBlue(rgb))};
}

// The smallest rectangle holding every pixel of one colour; empty if none.
inline Rect BoundsOf(const QImage& image, Rgb rgb)
{
    Rect rc{image.width(), image.height(), 0, 0};
    for (int nY = 0; nY < image.height(); ++nY) {
        for (int nX = 0; nX < image.width(); ++nX) {
            if (PixelAt(image, nX, nY) == rgb) {
                rc.left = std::min(rc.left, nX);
                rc.top = std::min(rc.top, nY);
                rc.right = std::max(rc.right, nX + 1);
                rc.bottom = std::max(rc.bottom, nY + 1);
            }
        }
    }
    return rc;
}

inline std::ostream& operator<<(std::ostream& os, const Rgb& rgb)
{
    return os << "RGB(" << int(rgb.r) << ", " << int(rgb.g) << ", " << int(rgb.b) << ")";
}

inline std::ostream& operator<<(std::ostream& os, const Rect& rc)
{
    return os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}
