#pragma once
// Ellipses as GDI draws them, copied instead of drawn again. Every frame the
// hazards draw a few sizes of ellipse with 3-pixel pens, dozens of times, and
// a wide pen's outline is costly to rasterise (Wine builds it from regions:
// half the game's processor time there). A stamp is GDI's own drawing of one
// size and pen width, recorded once as runs of pen and brush pixels; drawing
// that ellipse again anywhere copies the runs in the pen's and brush's
// colours. Only at whole-number scales: there a shift in game pixels is a
// whole shift in device pixels, and GDI's drawing moves with it unchanged.
#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <tuple>
#include <vector>

#include "platform/Geometry.h"

class EllipseStamps {
public:
    // The sizes kept: the game draws about ten; a size past these is drawn
    // by GDI each time.
    static constexpr std::size_t kKept = 64;
    // The largest side stamped, in game pixels: the game's largest is 100.
    static constexpr int kLargest = 256;

    explicit EllipseStamps(int nDpi);

    // Draws into bits (top-down rows of sizeDevice, 0x00RRGGBB) what
    // ::Ellipse draws for rc, in game pixels, with a solid pen of nPenWidth
    // game pixels and a solid brush. False when no stamp serves: nothing is
    // drawn and GDI is to draw it.
    bool Draw(std::span<std::uint32_t> bits, Size sizeDevice, const Rect& rc, int nPenWidth, Rgb rgbPen,
              Rgb rgbBrush);

private:
    // One row's pixels of one colour, in device pixels from the rectangle's
    // top-left corner, right end excluded.
    struct Run {
        int nY;
        int nLeft;
        int nRight;
        bool bPen;
    };
    using Stamp = std::vector<Run>;

    const Stamp* Find(Size size, int nPenWidth);
    std::optional<Stamp> Record(Size size, int nPenWidth) const;

    int m_nDpi;
    int m_nScale;  // device pixels a game pixel; 0 when not a whole number
    std::map<std::tuple<int, int, int>, std::optional<Stamp>> m_stamps;  // none: GDI draws that one
};
