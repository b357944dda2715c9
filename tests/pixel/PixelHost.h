#pragma once
// The host whose drawing context the pixel cases run on: the Qt surface on
// Linux, the GDI one on Windows. One file per host defines these and main().
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/DrawingContext.h"

// A picture's colours as 0xRRGGBB, row after row.
struct Pixels {
    Size size;
    std::vector<std::uint32_t> colours;
    std::uint32_t At(int nX, int nY) const { return colours[std::size_t(nY) * std::size_t(size.cx) + std::size_t(nX)]; }
};

constexpr std::uint32_t ToPixel(Rgb rgb) { return std::uint32_t(rgb.r) << 16 | std::uint32_t(rgb.g) << 8 | rgb.b; }

namespace pixel_host {
// A new surface at 100 %, black, as the game's frames get.
std::unique_ptr<DrawingContext> MakeSurface(Size size);
// What a surface MakeSurface made shows so far.
Pixels Read(DrawingContext& dc);
// The bitmap resource scaled to size, nearest pixel, apart from the
// drawing context.
Pixels ScaledBitmap(int nBitmapId, Size size);
}  // namespace pixel_host
