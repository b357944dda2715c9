// Ellipses copied from their stamps land exactly as GDI draws them itself:
// every size the game draws and then some, at offsets across a device
// pixel's parity and the surface's edges, with pens drawn over brushes,
// at 100 % and 200 % (stamped) and at 150 % (GDI's own, to be sure the
// context still draws there).
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/win32/GdiDrawingContext.h"

namespace {

struct NoBitmaps final : BitmapSource {
    HBITMAP GetBitmap(int) override { return nullptr; }
};

constexpr Size kSurface{90, 70};
constexpr Rgb kPen{10, 20, 30};
constexpr Rgb kBrush{200, 100, 50};

// The same ellipse drawn by GDI on a surface of the same kind.
std::vector<std::uint32_t> DrawnByGdi(int nDpi, const Rect& rc, int nPenWidth)
{
    GdiSurface surface(kSurface, nDpi);
    HDC hdc = surface.GetHdc();
    HPEN hpen = CreatePen(PS_SOLID, nPenWidth, RGB(kPen.r, kPen.g, kPen.b));
    HBRUSH hbrush = CreateSolidBrush(RGB(kBrush.r, kBrush.g, kBrush.b));
    HGDIOBJ hOldPen = SelectObject(hdc, hpen);
    HGDIOBJ hOldBrush = SelectObject(hdc, hbrush);
    Ellipse(hdc, rc.left, rc.top, rc.right, rc.bottom);
    SelectObject(hdc, hOldPen);
    SelectObject(hdc, hOldBrush);
    DeleteObject(hpen);
    DeleteObject(hbrush);
    const std::span<const std::uint32_t> bits = surface.GetBits();
    return {bits.begin(), bits.end()};
}

TEST(GdiEllipseStamps, EveryCopyMatchesGdisOwnDrawing)
{
    struct Case {
        Size size;
        int nPenWidth;
    };
    // Drifters and their cores, the chaser, the burster and their nuclei, fragments, spray dots, the
    // grabber's mouth, droplets; then odd, tiny and wide-pen ones.
    constexpr Case kCases[] = {{{50, 50}, 3}, {{20, 20}, 3}, {{65, 65}, 3}, {{31, 31}, 3}, {{100, 100}, 3},
                               {{66, 66}, 3}, {{16, 16}, 3}, {{4, 4}, 1},   {{55, 60}, 1}, {{8, 8}, 1},
                               {{7, 5}, 2},   {{1, 1}, 1},   {{9, 12}, 4},  {{23, 17}, 6}};
    const Point kPlaces[] = {{0, 0}, {1, 0}, {0, 1}, {3, 5}, {-7, 4}, {5, -9}, {-40, -40}, {70, 55}, {85, 2}};
    NoBitmaps bitmaps;
    for (const int nDpi : {96, 192, 144}) {
        GdiSurfaces surfaces;  // the stamps live with the surface, from frame to frame
        for (const Case& c : kCases) {
            for (const Point& pt : kPlaces) {
                const Rect rc{pt.x, pt.y, pt.x + c.size.cx, pt.y + c.size.cy};
                GdiDrawingContext dc(kSurface, bitmaps, nDpi, surfaces);
                dc.FillRect(Rect{0, 0, kSurface.cx, kSurface.cy}, Rgb{0, 0, 0});
                dc.SelectPen(c.nPenWidth, kPen);
                dc.SelectBrush(kBrush);
                dc.Ellipse(rc);
                const std::span<const std::uint32_t> bits = dc.GetBits();
                const std::vector<std::uint32_t> expected = DrawnByGdi(nDpi, rc, c.nPenWidth);
                ASSERT_EQ(bits.size(), expected.size());
                const auto mismatch = std::mismatch(bits.begin(), bits.end(), expected.begin(), [](auto a, auto b) {
                    return (a & 0xFFFFFFu) == (b & 0xFFFFFFu);
                });
                const auto nAt = mismatch.first - bits.begin();
                EXPECT_EQ(mismatch.first, bits.end())
                    << nDpi << " dpi, " << c.size.cx << "x" << c.size.cy << " pen " << c.nPenWidth << " at "
                    << pt.x << "," << pt.y << ": first differs at device pixel " << nAt;
            }
        }
    }
}

}  // namespace
