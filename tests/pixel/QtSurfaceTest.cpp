// What is particular to the Qt surface: its cache of ellipse tiles, its
// device pixels, and the frame images it recycles.
#include <gtest/gtest.h>

#include "platform/qt/QtDrawingContext.h"
#include "platform/qt/ScreenPixels.h"

namespace {

constexpr Rgb kPen{255, 0, 0}, kBrush{0, 255, 0}, kWhite{255, 255, 255};

void Ellipse(DrawingContext& dc, int nPenWidth, Rgb rgbPen, Rgb rgbBrush, const Rect& rc)
{
    dc.SelectPen(nPenWidth, rgbPen);
    dc.SelectBrush(rgbBrush);
    dc.Ellipse(rc);
}

// Ellipses are copied from tiles kept per size, pen and brush; one drawn
// against the surface's edge is stroked instead. Each copy, the same size
// again in other colours, pens and places, matches its stroked twin.
TEST(PixelShapeCache, CopiesGiveTheStrokedPixels)
{
    const struct { int nPen; Rgb rgbPen, rgbBrush; Point pt; } cases[] = {{3, kPen, kBrush, {10, 10}},
        {3, kPen, kWhite, {40, 10}}, {3, kWhite, kBrush, {70, 10}}, {2, kPen, kBrush, {10, 40}},
        {1, kPen, kBrush, {40, 40}}, {4, kPen, kBrush, {70, 40}}, {3, kPen, kBrush, {13, 71}}};
    QtDrawingContext dc(Size{120, 100});
    for (const auto& c : cases) {
        const int nM = c.nPen - 1;  // room for the pen, none to spare
        QtDrawingContext dcEdge(Size{20 + 2 * nM, 14 + 2 * nM});
        Ellipse(dc, c.nPen, c.rgbPen, c.rgbBrush, {c.pt.x, c.pt.y, c.pt.x + 20, c.pt.y + 14});
        Ellipse(dcEdge, c.nPen, c.rgbPen, c.rgbBrush, {nM, nM, nM + 20, nM + 14});
        EXPECT_EQ(dc.Image().copy(c.pt.x - nM, c.pt.y - nM, 20 + 2 * nM, 14 + 2 * nM), dcEdge.Image())
            << "case " << &c - cases;
    }
}

// The pointer is read in device pixels and moved to them: a game pixel moved
// to must read back as itself, at the first device pixel it covers, or each
// push of a wall would drift by a device pixel.
TEST(ScreenPixels, AGamePixelMovedToReadsBackAsItselfAtAnyScale)
{
    for (const qreal dRatio : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0}) {
        for (int n = -40; n < 4000; ++n) {
            const int nDevice = screen_pixels::ToDevicePixel(n, dRatio);
            ASSERT_EQ(screen_pixels::ToGamePixel(nDevice, dRatio), n) << dRatio;
            ASSERT_EQ(screen_pixels::ToGamePixel(nDevice - 1, dRatio), n - 1) << dRatio;
        }
    }
}

// With shared memory, every new frame image comes from it, and one is drawn
// on again only once the screen has been asked for it back, never while the
// window still shows it.
TEST(FrameSurfaces, DrawInTheScreensMemoryAndWaitForItBeforeDrawingAgain)
{
    struct Memory final : SurfaceMemory {
        std::vector<const uchar*> made, reused;
        QImage Make(QSize size) override
        {
            QImage image(size, QImage::Format_RGB32);
            made.push_back(image.constBits());
            return image;
        }
        void BeforeReuse(const QImage& image) override { reused.push_back(image.constBits()); }
    } memory;
    FrameSurfaces surfaces;
    surfaces.SetMemory(&memory);
    QImage shown = surfaces.Create(Size{8, 8}, 1.0)->Finish();
    shown = surfaces.Create(Size{8, 8}, 1.0)->Finish();  // the first is still shown while drawn
    EXPECT_EQ(surfaces.Create(Size{8, 8}, 1.0)->Image().constBits(), memory.made[0]);
    ASSERT_EQ(memory.made.size(), 2U);
    EXPECT_EQ(memory.reused, std::vector<const uchar*>{memory.made[0]});
    // On a screen of another scale, two new images take turns as before.
    for (int i = 0; i < 4; ++i)
        shown = surfaces.Create(Size{8, 8}, 2.0)->Finish();
    EXPECT_EQ(memory.made.size(), 4U);
}

}  // namespace
