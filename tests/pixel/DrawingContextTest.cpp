// The Qt surface at ratio 1 follows the original's pixel rules: wide pens
// centred on their line, right and bottom edges exclusive, hard pixels for
// shapes, text black on an opaque white cell.
#include <gtest/gtest.h>

#include <QImage>
#include <vector>

#include "platform/ResourceIds.h"
#include "platform/qt/QtDrawingContext.h"
#include "tests/pixel/PixelProbe.h"

namespace {

constexpr Rgb kGround{0, 0, 255};
constexpr Rgb kPen{255, 0, 0};
constexpr Rgb kBrush{0, 255, 0};
constexpr Rect kUnchecked{};

struct Probe {
    int nX, nY;
    Rgb rgb;
};

struct Shape {
    const char* pszName;
    void (*draw)(DrawingContext& dc);
    Rect rcPen;    // bounds of the pen's colour
    Rect rcBrush;  // bounds of the brush's colour
    std::vector<Probe> probes;
};

void PrintTo(const Shape& shape, std::ostream* pOut) { *pOut << shape.pszName; }

void Ellipse(DrawingContext& dc, int nPenWidth, Rgb rgbPen, Rgb rgbBrush, const Rect& rc)
{
    dc.SelectPen(nPenWidth, rgbPen);
    dc.SelectBrush(rgbBrush);
    dc.Ellipse(rc);
}

const Shape kShapes[] = {
    {"FortyPixelLineAtTheEdgeLeavesItsRightHalfInside",
     [](DrawingContext& dc) { dc.SelectPen(40, kPen); dc.Line({0, 0}, {0, 100}); },
     kUnchecked, kUnchecked, {{0, 50, kPen}, {19, 50, kPen}, {20, 50, kGround}}},
    {"OddPenWidthsAreCentredOnTheLine",
     [](DrawingContext& dc) { dc.SelectPen(7, kPen); dc.Line({50, 0}, {50, 100}); },
     kUnchecked, kUnchecked, {{46, 50, kGround}, {47, 50, kPen}, {53, 50, kPen}, {54, 50, kGround}}},
    {"ThinLinesLeaveOutTheirLastPixel",
     [](DrawingContext& dc) { dc.SelectPen(1, kPen); dc.Line({10, 10}, {10, 20}); dc.Line({20, 10}, {60, 30}); },
     kUnchecked, kUnchecked, {{10, 10, kPen}, {10, 19, kPen}, {10, 20, kGround}}},
    {"FillRectCoversLeftToRightMinusOneAndNothingWhenInverted",
     [](DrawingContext& dc) { dc.FillRect({10, 20, 30, 40}, kBrush); dc.FillRect({50, 50, 40, 60}, kBrush); },
     kUnchecked, {10, 20, 30, 40}, {}},
    {"ThinEllipseOutlineStaysInsideItsBox",
     [](DrawingContext& dc) { Ellipse(dc, 1, kPen, kBrush, {10, 10, 30, 24}); },
     {10, 10, 30, 24}, {11, 11, 29, 23}, {{20, 17, kBrush}}},
    // One pixel out on every side, symmetric about the box's middle.
    {"ThreePixelEllipseOutlineIsCentredOnTheBoxEdge",
     [](DrawingContext& dc) { Ellipse(dc, 3, kPen, kBrush, {10, 10, 30, 24}); },
     {9, 9, 31, 25}, kUnchecked,
     {{9, 17, kPen}, {11, 17, kPen}, {12, 17, kBrush}, {30, 17, kPen}, {28, 17, kPen}, {27, 17, kBrush}}},
    // A shape of the same size again, in other colours, is not the first one copied.
    {"SameEllipseAgainTakesItsOwnColours",
     [](DrawingContext& dc) {
         Ellipse(dc, 3, kPen, kBrush, {10, 10, 30, 24});
         Ellipse(dc, 3, kBrush, kPen, {60, 10, 80, 24});
     },
     kUnchecked, kUnchecked, {{9, 17, kPen}, {20, 17, kBrush}, {59, 17, kBrush}, {70, 17, kPen}}},
    {"PolygonIsFilledWithTheBrushAndOutlinedWithThePen",
     [](DrawingContext& dc) {
         const Point pts[] = {{10, 10}, {60, 10}, {10, 60}};
         dc.SelectPen(1, kPen);
         dc.SelectBrush(kBrush);
         dc.Polygon(pts);
     },
     {10, 10, 61, 61}, kUnchecked, {{30, 10, kPen}, {20, 20, kBrush}, {50, 50, kGround}}},
};

class DrawnShape : public testing::TestWithParam<Shape> {};

// Every pixel is the ground, the pen or the brush: shapes have hard edges.
TEST_P(DrawnShape, HasItsPixels)
{
    QtDrawingContext dc(Size{120, 100});
    dc.FillRect(Rect{0, 0, 120, 100}, kGround);
    GetParam().draw(dc);
    const QImage& image = dc.Image();
    for (const Probe& probe : GetParam().probes)
        EXPECT_EQ(PixelAt(image, probe.nX, probe.nY), probe.rgb) << probe.nX << ", " << probe.nY;
    for (const auto& [rgb, rc] : {std::pair{kPen, GetParam().rcPen}, std::pair{kBrush, GetParam().rcBrush}}) {
        if (rc != kUnchecked) {
            EXPECT_EQ(BoundsOf(image, rgb), rc) << rgb;
        }
    }
    for (int nY = 0; nY < 100; ++nY)
        for (int nX = 0; nX < 120; ++nX)
            ASSERT_TRUE(PixelAt(image, nX, nY) == kGround || PixelAt(image, nX, nY) == kPen
                        || PixelAt(image, nX, nY) == kBrush) << nX << ", " << nY;
}

INSTANTIATE_TEST_SUITE_P(Primitives, DrawnShape, testing::ValuesIn(kShapes),
                         [](const auto& info) { return std::string(info.param.pszName); });

TEST(DrawnText, IsBlackOnAWhiteCellAtItsTopLeftAndKeepsThePen)
{
    QtDrawingContext dc(Size{120, 100});
    dc.FillRect(Rect{0, 0, 120, 100}, kGround);
    const Size size = dc.GetTextExtent("INFECT!");
    ASSERT_GT(size.cx, 20);
    ASSERT_GT(size.cy, 8);
    dc.SelectPen(1, kPen);
    dc.TextOut(Point{20, 30}, "INFECT!");
    dc.Line(Point{5, 80}, Point{100, 80});
    EXPECT_EQ(BoundsOf(dc.Image(), Rgb{255, 255, 255}), (Rect{20, 30, 20 + size.cx, 30 + size.cy}));
    // The glyphs may be smoothed, but their stems are black.
    EXPECT_GT(BoundsOf(dc.Image(), Rgb{0, 0, 0}).Width(), size.cx / 2);
    EXPECT_EQ(PixelAt(dc.Image(), 50, 80), kPen);
}

// Narrower and taller than the bitmap; nothing spills out.
TEST(DrawnBitmap, IsTheHeartStretchedToTheTargetBox)
{
    const QImage bitmap = QImage(QStringLiteral(":/res/bitmap/%1.bmp").arg(ids::kHeartBitmap))
                              .convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(bitmap.isNull());
    const int nW = bitmap.width(), nH = bitmap.height();
    const Rect rc{5, 7, 5 + nW / 2, 7 + nH * 3 / 2};
    QtDrawingContext dc(Size{2 * nW, 2 * nH});
    dc.FillRect(Rect{0, 0, 2 * nW, 2 * nH}, kGround);
    dc.StretchBitmap(ids::kHeartBitmap, rc);
    EXPECT_EQ(StretchedShare(dc.Image(), rc, bitmap), 1.0);
    EXPECT_EQ(PixelAt(dc.Image(), rc.right, rc.top), kGround);
    EXPECT_EQ(PixelAt(dc.Image(), rc.left, rc.bottom), kGround);
}

}  // namespace
