// The game's drawing through the real Qt surface at ratio 1, where every pixel
// is exact: hard-edged shapes, wide pens centred on their line, right and
// bottom edges exclusive, text black on an opaque white cell.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <algorithm>
#include <map>

#include "app/CGermDlg.h"
#include "app/GameConstants.h"
#include "platform/ResourceIds.h"
#include "platform/qt/ScreenPixels.h"
#include "tests/pixel/SurfacePlatform.h"

void PrintTo(const Rect& rc, std::ostream* p) { *p << rc.left << ',' << rc.top << ',' << rc.right << ',' << rc.bottom; }

namespace {

constexpr Rgb kPen{255, 0, 0}, kBrush{0, 255, 0}, kWhite{255, 255, 255};

constexpr QRgb Q(Rgb rgb) { return qRgb(rgb.r, rgb.g, rgb.b); }

// Each colour drawn, with the smallest rectangle holding all its pixels; a
// colour looked up that is not there gets an empty one.
std::map<QRgb, Rect> BoundsOfColours(const QImage& image)
{
    std::map<QRgb, Rect> bounds;
    for (int nY = 0; nY < image.height(); ++nY)
        for (int nX = 0; nX < image.width(); ++nX) {
            Rect& rc = bounds.try_emplace(image.pixel(nX, nY), Rect{nX, nY, nX + 1, nY + 1}).first->second;
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
    // One pixel out on every side and one in, symmetric about the box's middle.
    {"ThreePixelEllipseOutlineIsCentredOnTheBoxEdge", {9, 9, 31, 25}, {12, 12, 28, 22},
     [](DrawingContext& dc) { Ellipse(dc, 3, kPen, kBrush, {10, 10, 30, 24}); }},
    {"PolygonIsFilledWithTheBrushAndOutlinedWithThePen", {10, 10, 61, 61}, {11, 11, 59, 59},
     [](DrawingContext& dc) { dc.SelectPen(1, kPen); dc.SelectBrush(kBrush); dc.Polygon(kTriangle); }},
};

class PixelShape : public testing::TestWithParam<Shape> {};

// No colours but the black ground, the pen's and the brush's: shapes have hard edges.
TEST_P(PixelShape, HasItsPixels)
{
    QtDrawingContext dc(Size{120, 100});  // on black
    GetParam().draw(dc);
    std::map<QRgb, Rect> bounds = BoundsOfColours(dc.Image());
    EXPECT_EQ(bounds[Q(kPen)], GetParam().rcPen);
    EXPECT_EQ(bounds[Q(kBrush)], GetParam().rcBrush);
    EXPECT_EQ(bounds.size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(Primitives, PixelShape, testing::ValuesIn(kShapes),
                         [](const auto& info) { return std::string(info.param.pszName); });

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

struct PixelFrame : testing::Test {
    PixelFrame() : m_dlg(m_platform) { m_dlg.OnInitDialog(); }

    SurfacePlatform m_platform;
    CGermDlg m_dlg;
};

// The backdrop's columns, left wall to right wall: the 40-pixel edge shade,
// four 7-pixel stripes each side, and the field between. Banner text on it is
// black on an opaque white cell of its extent, centred on column 244, its top
// on the middle row 290; the pen outlives it.
TEST_F(PixelFrame, BackdropHasTheVesselWallsAndTheBannerIsBlackOnAWhiteCellCentred)
{
    QtDrawingContext dc(Size{489, 581});
    m_dlg.DrawBackdrop(dc);
    const int nEdges[] = {0, 17, 24, 31, 38, 45, 445, 452, 459, 466, 473, 489};
    const int nReds[] = {100, 110, 120, 130, 140, 150, 140, 130, 120, 110, 100};
    for (const int nY : {0, 290, 580})
        for (int i = 0; i < 11; ++i)
            for (int nX = nEdges[i]; nX < nEdges[i + 1]; ++nX)
                ASSERT_EQ(dc.Image().pixel(nX, nY), qRgb(nReds[i], 0, 0)) << nX << ", " << nY;
    Ellipse(dc, 1, kPen, kBrush, {5, 20, 45, 40});
    m_dlg.DrawBanner(dc, "INFECT!");
    dc.Ellipse({5, 70, 49, 90});
    const Size size = dc.GetTextExtent("INFECT!");
    std::map<QRgb, Rect> bounds = BoundsOfColours(dc.Image());
    EXPECT_EQ(bounds[Q(kWhite)], (Rect{244 - size.cx / 2, 290, 244 + (size.cx + 1) / 2, 290 + size.cy}));
    // The glyphs may be smoothed, but their stems are black.
    EXPECT_GT(bounds[qRgb(0, 0, 0)].Width(), size.cx / 2);
    EXPECT_EQ(bounds[Q(kPen)], (Rect{5, 20, 49, 90}));
}

// Call 30 of the act widens the heart from 333 to 343 across and 333 high,
// top -25, placed by the width at the start of the call on the window's width.
// Nearly every pixel shows the heart as Qt's own scaling stretches it; a
// pixel's shift or stretch costs a fifth.
TEST_F(PixelFrame, ABeatFrameShowsTheHeartStretchedToItsPlaceAndSize)
{
    m_dlg.m_nState = game::kStateEndingAct;
    for (int nCall = 1; nCall <= 30; ++nCall)
        m_dlg.DrawFrame();
    const int nLeft = m_platform.GetWindowRect().Width() / 2 - 333 / 2;
    const QImage heart = QImage(QStringLiteral(":/res/bitmap/%1.bmp").arg(ids::kHeartBitmap)).scaled(343, 333);
    int nSame = 0;
    for (int nY = 0; nY < 308; ++nY)
        for (int nX = nLeft; nX < nLeft + 343; ++nX)
            nSame += m_platform.m_imgLast.pixel(nX, nY) == heart.pixel(nX - nLeft, nY + 25);
    EXPECT_GT(nSame, 343 * 308 * 99 / 100);
}

}  // namespace

// Text and bitmaps need a GUI application; the offscreen platform gives one
// without a display, also when the tests are only being listed.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
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

// A pointer read anywhere inside its game pixel is moved onto its target's
// first device pixel, where a later reading finds the target itself: a grabber's 5 px pull, a push's 20, a jump to the start
// point, from every device pixel of a stretch of the screen, at every scale.
TEST(ScreenPixels, AMoveFromTheDeviceReadingLandsOnItsTargetAtAnyScale)
{
    for (const qreal dRatio : {1.0, 1.25, 1.5, 1.75, 2.0}) {
        for (int n = 0; n < 200; ++n) {
            const QPoint ptRead(n, 3 * n + 1);
            for (const QPoint ptGameStep : {QPoint(5, -5), QPoint(-5, 5), QPoint(20, 0), QPoint(0, -20),
                                            QPoint(0, 0), QPoint(123, 77)}) {
                const QPoint ptTarget =
                    screen_pixels::Rescaled(ptRead, {}, dRatio, screen_pixels::ToGamePixel) + ptGameStep;
                const QPoint ptLanded = ptRead + screen_pixels::StepOnto(ptTarget, ptRead, {}, dRatio);
                const auto game = [dRatio](QPoint pt) {
                    return screen_pixels::Rescaled(pt, {}, dRatio, screen_pixels::ToGamePixel);
                };
                ASSERT_EQ(game(ptLanded), ptTarget) << dRatio << " from " << n;
                ASSERT_EQ(game(ptLanded - QPoint(1, 1)), ptTarget - QPoint(1, 1)) << dRatio << " from " << n;
            }
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
