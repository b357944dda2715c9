// The game's drawing through the real Qt surface at ratio 1, where every pixel
// is exact: hard-edged shapes, wide pens centred on their line, right and
// bottom edges exclusive, text black on an opaque white cell.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <algorithm>
#include <vector>

#include "app/CGermDlg.h"
#include "app/GameConstants.h"
#include "platform/ResourceIds.h"
#include "tests/pixel/SurfacePlatform.h"

static std::ostream& operator<<(std::ostream& os, Rgb c) { return os << +c.r << ',' << +c.g << ',' << +c.b; }
static std::ostream& operator<<(std::ostream& os, Rect r)
{
    return os << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom;
}

namespace {

constexpr Rgb kGround{0, 0, 255}, kPen{255, 0, 0}, kBrush{0, 255, 0}, kWhite{255, 255, 255};

Rgb PixelAt(const QImage& image, int nX, int nY)
{
    const QRgb rgb = image.pixel(nX, nY);
    return Rgb{std::uint8_t(qRed(rgb)), std::uint8_t(qGreen(rgb)), std::uint8_t(qBlue(rgb))};
}

// The smallest rectangle holding every pixel of one colour; empty if none.
Rect BoundsOf(const QImage& image, Rgb rgb)
{
    Rect rc{image.width(), image.height(), 0, 0};
    for (int nY = 0; nY < image.height(); ++nY)
        for (int nX = 0; nX < image.width(); ++nX)
            if (PixelAt(image, nX, nY) == rgb)
                rc = Rect{std::min(rc.left, nX), std::min(rc.top, nY), std::max(rc.right, nX + 1),
                          std::max(rc.bottom, nY + 1)};
    return rc;
}

// The share of rc's pixels on the image that show the heart as Qt's own
// scaling stretches it to rc; a pixel's shift or stretch costs a third.
double HeartShare(const QImage& image, const Rect& rc)
{
    const QImage heart = QImage(QStringLiteral(":/res/bitmap/%1.bmp").arg(ids::kHeartBitmap))
                             .scaled(rc.Width(), rc.Height()).convertToFormat(image.format());
    int nOn = 0, nSame = 0;
    for (int nY = std::max(rc.top, 0); nY < std::min(rc.bottom, image.height()); ++nY)
        for (int nX = std::max(rc.left, 0); nX < std::min(rc.right, image.width()); ++nX, ++nOn)
            nSame += image.pixel(nX, nY) == heart.pixel(nX - rc.left, nY - rc.top);
    return nOn ? double(nSame) / nOn : 0.0;
}

void Ellipse(DrawingContext& dc, int nPenWidth, Rgb rgbPen, Rgb rgbBrush, const Rect& rc)
{
    dc.SelectPen(nPenWidth, rgbPen);
    dc.SelectBrush(rgbBrush);
    dc.Ellipse(rc);
}

struct Shape {
    const char* pszName;
    void (*draw)(DrawingContext& dc);
    Rect rcPen, rcBrush;  // bounds of the pen's and the brush's colour; empty: none
};

constexpr Point kTriangle[] = {{10, 10}, {60, 10}, {10, 60}};

void PrintTo(const Shape& shape, std::ostream* pOut) { *pOut << shape.pszName; }

const Shape kShapes[] = {
    {"ThinLinesLeaveOutTheirLastPixel",
     [](DrawingContext& dc) { dc.SelectPen(1, kPen); dc.Line({10, 10}, {10, 40}); dc.Line({20, 10}, {60, 30}); },
     {10, 10, 60, 40}, {}},
    {"FillRectCoversLeftToRightMinusOneAndNothingWhenInverted",
     [](DrawingContext& dc) { dc.FillRect({10, 20, 30, 40}, kBrush); dc.FillRect({50, 50, 40, 60}, kBrush); },
     {}, {10, 20, 30, 40}},
    {"ThinEllipseOutlineStaysInsideItsBox", [](DrawingContext& dc) { Ellipse(dc, 1, kPen, kBrush, {10, 10, 30, 24}); },
     {10, 10, 30, 24}, {11, 11, 29, 23}},
    // One pixel out on every side and one in, symmetric about the box's middle.
    {"ThreePixelEllipseOutlineIsCentredOnTheBoxEdge",
     [](DrawingContext& dc) { Ellipse(dc, 3, kPen, kBrush, {10, 10, 30, 24}); }, {9, 9, 31, 25}, {12, 12, 28, 22}},
    {"PolygonIsFilledWithTheBrushAndOutlinedWithThePen",
     [](DrawingContext& dc) { dc.SelectPen(1, kPen); dc.SelectBrush(kBrush); dc.Polygon(kTriangle); },
     {10, 10, 61, 61}, {11, 11, 59, 59}},
};

class PixelShape : public testing::TestWithParam<Shape> {};

// Every pixel is the ground, the pen or the brush: shapes have hard edges.
TEST_P(PixelShape, HasItsPixels)
{
    QtDrawingContext dc(Size{120, 100});
    dc.FillRect(Rect{0, 0, 120, 100}, kGround);
    GetParam().draw(dc);
    const QImage& image = dc.Image();
    for (const auto& [rgb, rc] : {std::pair{kPen, GetParam().rcPen}, std::pair{kBrush, GetParam().rcBrush}})
        EXPECT_EQ(rc.Width() > 0 ? BoundsOf(image, rgb) : rc, rc) << rgb;
    for (int nY = 0; nY < 100; ++nY)
        for (int nX = 0; nX < 120; ++nX)
            ASSERT_TRUE(PixelAt(image, nX, nY) == kGround || PixelAt(image, nX, nY) == kPen
                        || PixelAt(image, nX, nY) == kBrush) << nX << ", " << nY;
}

INSTANTIATE_TEST_SUITE_P(Primitives, PixelShape, testing::ValuesIn(kShapes),
                         [](const auto& info) { return std::string(info.param.pszName); });

// Ellipses are copied from tiles kept per size, pen and brush; one drawn
// against the surface's edge is stroked instead. Each copy, the same size
// again in other colours, pens and places, matches its stroked twin.
TEST(PixelShapeCache, CopiesGiveTheStrokedPixels)
{
    const struct { int nPen; Rgb rgbPen, rgbBrush; Point pt; } cases[] = {
        {3, kPen, kBrush, {10, 10}}, {3, kPen, kWhite, {40, 10}}, {3, kWhite, kBrush, {70, 10}},
        {2, kPen, kBrush, {10, 40}}, {1, kPen, kBrush, {40, 40}}, {4, kPen, kBrush, {70, 40}}, {3, kPen, kBrush, {13, 71}}};
    QtDrawingContext dc(Size{120, 100});
    for (const auto& c : cases) {
        const int nM = c.nPen - 1;  // room for the pen, none to spare
        QtDrawingContext dcEdge(Size{20 + 2 * nM, 14 + 2 * nM});
        Ellipse(dc, c.nPen, c.rgbPen, c.rgbBrush, {c.pt.x, c.pt.y, c.pt.x + 20, c.pt.y + 14});
        Ellipse(dcEdge, c.nPen, c.rgbPen, c.rgbBrush, {nM, nM, nM + 20, nM + 14});
        EXPECT_EQ(dc.Image().copy(c.pt.x - nM, c.pt.y - nM, 20 + 2 * nM, 14 + 2 * nM), dcEdge.Image())
            << "pen " << c.nPen << " at " << c.pt.x << ", " << c.pt.y;
    }
}

// Narrower and taller than the bitmap; nothing spills out.
TEST(PixelBitmap, IsTheHeartStretchedToTheTargetBox)
{
    const Rect rc{5, 7, 5 + 199 / 2, 7 + 223 * 3 / 2};
    QtDrawingContext dc(Size{2 * 199, 2 * 223});
    dc.FillRect(Rect{0, 0, 2 * 199, 2 * 223}, kGround);
    dc.StretchBitmap(ids::kHeartBitmap, rc);
    EXPECT_GT(HeartShare(dc.Image(), rc), 0.99);
    EXPECT_EQ(PixelAt(dc.Image(), rc.right, rc.top), kGround);
    EXPECT_EQ(PixelAt(dc.Image(), rc.left, rc.bottom), kGround);
}

class PixelFrame : public testing::Test {
protected:
    PixelFrame() : m_dlg(m_platform) { m_dlg.OnInitDialog(); }

    SurfacePlatform m_platform;
    CGermDlg m_dlg;
};

// Columns of the idle frame, left wall to right wall: the 40-pixel edge
// shade, four 7-pixel stripes each side, and the field between.
TEST_F(PixelFrame, IdleFrameShowsTheVesselWallsAndField)
{
    m_dlg.DrawFrame();
    ASSERT_EQ(m_platform.m_imgPresented.size(), QSize(489, 581));
    const int nEdges[] = {0, 17, 24, 31, 38, 45, 445, 452, 459, 466, 473, 489};
    const std::uint8_t nReds[] = {100, 110, 120, 130, 140, 150, 140, 130, 120, 110, 100};
    for (const int nY : {0, 290, 580})
        for (int i = 0; i < 11; ++i)
            for (int nX = nEdges[i]; nX < nEdges[i + 1]; ++nX)
                ASSERT_EQ(PixelAt(m_platform.m_imgPresented, nX, nY), (Rgb{nReds[i], 0, 0})) << nX << ", " << nY;
}

// Text is black on an opaque white cell of its extent, its top on the
// middle row; the pen outlives it.
TEST_F(PixelFrame, BannerIsBlackOnAWhiteCellCentredAndKeepsThePen)
{
    QtDrawingContext dc(Size{489, 581});
    m_dlg.DrawBackdrop(dc);
    Ellipse(dc, 1, kPen, kBrush, {5, 20, 45, 40});
    m_dlg.DrawBanner(dc, "INFECT!");
    dc.Ellipse({5, 70, 49, 90});
    const Size size = dc.GetTextExtent("INFECT!");
    const Rect rcCell = BoundsOf(dc.Image(), kWhite);
    EXPECT_EQ((Rect{0, rcCell.top, rcCell.Width(), rcCell.bottom}), (Rect{0, 581 / 2, size.cx, 581 / 2 + size.cy}));
    EXPECT_EQ((rcCell.left + rcCell.right) / 2, 489 / 2) << rcCell;
    // The glyphs may be smoothed, but their stems are black.
    EXPECT_GT(BoundsOf(dc.Image(), Rgb{0, 0, 0}).Width(), size.cx / 2);
    EXPECT_EQ(BoundsOf(dc.Image(), kPen), (Rect{5, 20, 49, 90}));
}

// Call 30 of the act widens the heart from 333 to 343 across and 333 high,
// top -25, placed by the width at the start of the call on the window's width.
TEST_F(PixelFrame, ABeatFrameShowsTheHeartStretchedToItsPlaceAndSize)
{
    m_dlg.m_nState = game::kStateEndingAct;
    for (int nCall = 1; nCall <= 30; ++nCall)
        m_dlg.DrawFrame();
    const int nLeft = m_platform.GetWindowRect().Width() / 2 - 333 / 2;
    EXPECT_GT(HeartShare(m_platform.m_imgPresented, Rect{nLeft, -25, nLeft + 343, 308}), 0.99);
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
