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
                rc = Rect{std::min(rc.left, nX), std::min(rc.top, nY), std::max(rc.right, nX + 1),
                          std::max(rc.bottom, nY + 1)};
            }
        }
    }
    return rc;
}

// The share of sampled pixels of rc (those on the image) that show the
// bitmap stretched to rc: each equal to a source pixel within one of where
// the stretch maps it, which allows for rounding.
inline double StretchedShare(const QImage& image, const Rect& rc, const QImage& bitmap)
{
    int nSamples = 0, nMatches = 0;
    for (int nY = std::max(rc.top, 0); nY < std::min(rc.bottom, image.height()); nY += 7) {
        for (int nX = std::max(rc.left, 0); nX < std::min(rc.right, image.width()); nX += 5) {
            const int nSx = (2 * (nX - rc.left) + 1) * bitmap.width() / (2 * rc.Width());
            const int nSy = (2 * (nY - rc.top) + 1) * bitmap.height() / (2 * rc.Height());
            bool bMatch = false;
            for (int nDy = -1; nDy <= 1; ++nDy)
                for (int nDx = -1; nDx <= 1; ++nDx)
                    bMatch = bMatch || (bitmap.valid(nSx + nDx, nSy + nDy)
                                        && PixelAt(bitmap, nSx + nDx, nSy + nDy) == PixelAt(image, nX, nY));
            ++nSamples;
            nMatches += bMatch;
        }
    }
    return nSamples ? double(nMatches) / nSamples : 0.0;
}

inline std::ostream& operator<<(std::ostream& os, const Rgb& rgb)
{
    return os << "RGB(" << int(rgb.r) << ", " << int(rgb.g) << ", " << int(rgb.b) << ")";
}

inline std::ostream& operator<<(std::ostream& os, const Rect& rc)
{
    return os << "(" << rc.left << ", " << rc.top << ", " << rc.right << ", " << rc.bottom << ")";
}
