// The GDI surface above 100 %: the game keeps its own pixels while the
// surface has the device's, so shapes land on the scaled places, pens widen
// with them, and text keeps its extent in game pixels.
#include <gtest/gtest.h>

#include <map>

#include "platform/win32/GdiDrawingContext.h"
#include "tests/pixel/PixelHost.h"

namespace {

struct NoBitmaps final : BitmapSource {
    HBITMAP GetBitmap(int) override { return nullptr; }
};

// The smallest rectangle of device pixels in this colour.
Rect BoundsOf(GdiDrawingContext& dc, Rgb rgb)
{
    const Pixels pixels = pixel_host::Read(dc);
    Rect rc{pixels.size.cx, pixels.size.cy, 0, 0};
    for (int nY = 0; nY < pixels.size.cy; ++nY)
        for (int nX = 0; nX < pixels.size.cx; ++nX)
            if (pixels.At(nX, nY) == ToPixel(rgb))
                rc = Rect{std::min(rc.left, nX), std::min(rc.top, nY), std::max(rc.right, nX + 1), std::max(rc.bottom, nY + 1)};
    return rc;
}

TEST(GdiScale, ShapesAndTextKeepTheirGamePixelsAtEveryScale)
{
    NoBitmaps bitmaps;
    GdiDrawingContext dc100(Size{489, 581}, bitmaps);
    const Size sizeText = dc100.GetTextExtent("Level 10");
    for (const int nDpi : {120, 144, 192}) {
        GdiDrawingContext dc(Size{489, 581}, bitmaps, nDpi);
        auto at = [&](int n) { return (n * nDpi + 48) / 96; };  // GDI rounds halves up
        // The whole client area is covered: 611.25 device pixels are 612.
        EXPECT_EQ(dc.GetDeviceSize(), (Size{(489 * nDpi + 95) / 96, (581 * nDpi + 95) / 96})) << nDpi;
        dc.FillRect({10, 20, 30, 40}, Rgb{0, 0, 255});
        EXPECT_EQ(BoundsOf(dc, Rgb{0, 0, 255}), (Rect{at(10), at(20), at(30), at(40)})) << nDpi;
        // A 4-pixel pen along a line from 60 to 90, its round cap reaching 2 out.
        dc.SelectPen(4, Rgb{255, 0, 0});
        dc.Line({60, 50}, {90, 50});
        const Rect rcLine = BoundsOf(dc, Rgb{255, 0, 0});
        EXPECT_NEAR(rcLine.Height(), at(4), 1) << nDpi;
        EXPECT_NEAR(rcLine.left, at(58), 1) << nDpi;
        const Size size = dc.GetTextExtent("Level 10");
        EXPECT_NEAR(size.cx, sizeText.cx, sizeText.cx / 8) << nDpi;
        EXPECT_NEAR(size.cy, sizeText.cy, 2) << nDpi;
        dc.TextOut({5, 60}, "Level 10");
        const Rect rcCell = BoundsOf(dc, Rgb{255, 255, 255});
        EXPECT_NEAR(rcCell.Width(), at(size.cx), 2) << nDpi;
    }
    // The first pen, before the game picks one, widens too.
    GdiDrawingContext dc(Size{20, 20}, bitmaps, 192);
    dc.FillRect({0, 0, 20, 20}, Rgb{255, 255, 255});
    dc.Line({2, 10}, {18, 10});
    EXPECT_EQ(BoundsOf(dc, Rgb{0, 0, 0}).Height(), 2);
}

}  // namespace
