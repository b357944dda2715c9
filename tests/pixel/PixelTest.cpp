// The game's drawing through the host's real surface at 100 %, where every
// pixel is exact: hard-edged shapes, wide pens centred on their line, right
// and bottom edges exclusive, text black on an opaque white cell. The same
// cases run on the Qt surface and on the GDI one (PixelHost.h).
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "app/CGermDlg.h"
#include "app/GameConstants.h"
#include "platform/ResourceIds.h"
#include "tests/pixel/FramePlatform.h"
#include "tests/pixel/PixelHost.h"

void PrintTo(const Rect& rc, std::ostream* p) { *p << rc.left << ',' << rc.top << ',' << rc.right << ',' << rc.bottom; }

namespace {

constexpr Rgb kPen{255, 0, 0}, kBrush{0, 255, 0}, kWhite{255, 255, 255};

// Each colour drawn, with the smallest rectangle holding all its pixels; a
// colour looked up that is not there gets an empty one.
std::map<std::uint32_t, Rect> BoundsOfColours(const Pixels& image)
{
    std::map<std::uint32_t, Rect> bounds;
    for (int nY = 0; nY < image.size.cy; ++nY)
        for (int nX = 0; nX < image.size.cx; ++nX) {
            Rect& rc = bounds.try_emplace(image.At(nX, nY), Rect{nX, nY, nX + 1, nY + 1}).first->second;
            rc = Rect{std::min(rc.left, nX), rc.top, std::max(rc.right, nX + 1), nY + 1};
        }
    return bounds;
}

void Ellipse(DrawingContext& dc, int nPenWidth, Rgb rgbPen, Rgb rgbBrush, const Rect& rc)
{
    dc.SelectPen(nPenWidth, rgbPen);
    dc.SelectBrush(rgbBrush);
    dc.Ellipse(rc);
}

struct Shape {
    const char* pszName;
    Rect rcPen, rcBrush;  // bounds of the pen's and the brush's colour; empty: none
    void (*draw)(DrawingContext& dc);
};
void PrintTo(const Shape& s, std::ostream* p) { *p << s.pszName; }

constexpr Point kTriangle[] = {{10, 10}, {60, 10}, {10, 60}};

const Shape kShapes[] = {
    {"ThinLinesLeaveOutTheirLastPixel", {10, 10, 60, 40}, {},
     [](DrawingContext& dc) { dc.SelectPen(1, kPen); dc.Line({10, 10}, {10, 40}); dc.Line({20, 10}, {60, 30}); }},
    {"FillRectCoversLeftToRightMinusOneAndNothingWhenInverted", {}, {10, 20, 30, 40},
     [](DrawingContext& dc) { dc.FillRect({10, 20, 30, 40}, kBrush); dc.FillRect({50, 50, 40, 60}, kBrush); }},
    {"ThinEllipseOutlineStaysInsideItsBox", {10, 10, 30, 24}, {11, 11, 29, 23},
     [](DrawingContext& dc) { Ellipse(dc, 1, kPen, kBrush, {10, 10, 30, 24}); }},
    // One pixel out on every side and one in, symmetric about the box's middle;
    // Wine's GDI strokes a wide outline one pixel thicker on its left.
#ifdef _WIN32
    {"ThreePixelEllipseOutlineIsCentredOnTheBoxEdge", {9, 9, 31, 25}, {13, 12, 28, 22},
#else
    {"ThreePixelEllipseOutlineIsCentredOnTheBoxEdge", {9, 9, 31, 25}, {12, 12, 28, 22},
#endif
     [](DrawingContext& dc) { Ellipse(dc, 3, kPen, kBrush, {10, 10, 30, 24}); }},
    {"PolygonIsFilledWithTheBrushAndOutlinedWithThePen", {10, 10, 61, 61}, {11, 11, 59, 59},
     [](DrawingContext& dc) { dc.SelectPen(1, kPen); dc.SelectBrush(kBrush); dc.Polygon(kTriangle); }},
};

class PixelShape : public testing::TestWithParam<Shape> {};

// No colours but the black ground, the pen's and the brush's: shapes have hard edges.
TEST_P(PixelShape, HasItsPixels)
{
    const std::unique_ptr<DrawingContext> pDc = pixel_host::MakeSurface(Size{120, 100});  // on black
    GetParam().draw(*pDc);
    std::map<std::uint32_t, Rect> bounds = BoundsOfColours(pixel_host::Read(*pDc));
    EXPECT_EQ(bounds[ToPixel(kPen)], GetParam().rcPen);
    EXPECT_EQ(bounds[ToPixel(kBrush)], GetParam().rcBrush);
    EXPECT_EQ(bounds.size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Primitives, PixelShape, testing::ValuesIn(kShapes),
                         [](const auto& info) { return std::string(info.param.pszName); });

// The game's frames on the host's surface; the last one presented is kept.
struct HostPlatform final : FramePlatform {
    Pixels m_last;
    std::unique_ptr<DrawingContext> CreateFrameSurface(Size size) override { return pixel_host::MakeSurface(size); }
    void PresentFrame(DrawingContext& dc) override { m_last = pixel_host::Read(dc); }
};

struct PixelFrame : testing::Test {
    PixelFrame() : m_dlg(m_platform) { m_dlg.OnInitDialog(); }

    HostPlatform m_platform;
    CGermDlg m_dlg;
};

// The backdrop's columns, left wall to right wall: the 40-pixel edge shade,
// four 7-pixel stripes each side, and the field between. Banner text on it is
// black on an opaque white cell of its extent, centred on column 244, its top
// on the middle row 290; the pen outlives it.
TEST_F(PixelFrame, BackdropHasTheVesselWallsAndTheBannerIsBlackOnAWhiteCellCentred)
{
    const std::unique_ptr<DrawingContext> pDc = pixel_host::MakeSurface(Size{489, 581});
    DrawingContext& dc = *pDc;
    m_dlg.DrawBackdrop(dc);
    const Pixels backdrop = pixel_host::Read(dc);
    const int nEdges[] = {0, 17, 24, 31, 38, 45, 445, 452, 459, 466, 473, 489};
    const int nReds[] = {100, 110, 120, 130, 140, 150, 140, 130, 120, 110, 100};
    for (const int nY : {0, 290, 580})
        for (int i = 0; i < 11; ++i)
            for (int nX = nEdges[i]; nX < nEdges[i + 1]; ++nX)
                ASSERT_EQ(backdrop.At(nX, nY), ToPixel(Rgb{std::uint8_t(nReds[i]), 0, 0})) << nX << ", " << nY;
    Ellipse(dc, 1, kPen, kBrush, {5, 20, 45, 40});
    m_dlg.DrawBanner(dc, "INFECT!");
    dc.Ellipse({5, 70, 49, 90});
    const Size size = dc.GetTextExtent("INFECT!");
    std::map<std::uint32_t, Rect> bounds = BoundsOfColours(pixel_host::Read(dc));
    EXPECT_EQ(bounds[ToPixel(kWhite)], (Rect{244 - size.cx / 2, 290, 244 + (size.cx + 1) / 2, 290 + size.cy}));
    // The glyphs may be smoothed, but their stems are black.
    EXPECT_GT(bounds[0].Width(), size.cx / 2);
    EXPECT_EQ(bounds[ToPixel(kPen)], (Rect{5, 20, 49, 90}));
}

// Call 30 of the act widens the heart from 333 to 343 across and 333 high,
// top -25, placed by the width at the start of the call on the window's width.
// Nearly every pixel shows the heart as the host's own image scaling
// stretches it; a pixel's shift or stretch costs a fifth.
TEST_F(PixelFrame, ABeatFrameShowsTheHeartStretchedToItsPlaceAndSize)
{
    m_dlg.m_nState = game::kStateEndingAct;
    for (int nCall = 1; nCall <= 30; ++nCall)
        m_dlg.DrawFrame();
    const int nLeft = m_platform.GetWindowRect().Width() / 2 - 333 / 2;
    const Pixels heart = pixel_host::ScaledBitmap(ids::kHeartBitmap, Size{343, 333});
    int nSame = 0;
    for (int nY = 0; nY < 308; ++nY)
        for (int nX = nLeft; nX < nLeft + 343; ++nX)
            nSame += m_platform.m_last.At(nX, nY) == heart.At(nX - nLeft, nY + 25);
    EXPECT_GT(nSame, 343 * 308 * 99 / 100);
}

}  // namespace
