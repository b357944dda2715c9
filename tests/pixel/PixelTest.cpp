// The game's drawing through the real Qt surface at ratio 1, where every pixel
// is exact: hard-edged shapes, wide pens centred on their line, right and
// bottom edges exclusive, text black on an opaque white cell.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <algorithm>
#include <map>
#include <set>

#include "app/CGermDlg.h"
#include "app/GameConstants.h"
#include "platform/ResourceIds.h"
#include "platform/qt/FrameView.h"
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

// Shared memory the screen holds each frame shown in until it lets go.
struct HeldMemory final : SurfaceMemory {
    std::set<const uchar*> held, mine;
    int nMade = 0;
    struct Block {
        HeldMemory* pMemory;
        std::vector<uchar> bits;
    };
    QImage Make(QSize size) override
    {
        ++nMade;
        auto* pBlock = new Block{this, std::vector<uchar>(std::size_t(size.width() * size.height() * 4))};
        mine.insert(pBlock->bits.data());
        return QImage(pBlock->bits.data(), size.width(), size.height(), size.width() * 4, QImage::Format_RGB32,
                      [](void* pInfo) {
                          auto* pGone = static_cast<Block*>(pInfo);
                          pGone->pMemory->mine.erase(pGone->bits.data());
                          delete pGone;
                      },
                      pBlock);
    }
    bool IsFree(const QImage& image) override { return !held.contains(image.constBits()); }
    bool IsOurs(const QImage& image) const override { return mine.contains(image.constBits()); }
};

struct HoldCase {
    const char* pszName;
    int nHeldFrames;  // frames the screen holds on to, then all are let go
    int nMade, nLiveAtEnd;
};

void PrintTo(const HoldCase& c, std::ostream* pOut) { *pOut << c.pszName; }

class FrameSurfacesHeld : public testing::TestWithParam<HoldCase> {};

// Frames are drawn in the screen's memory, never on an image it still reads
// and never waiting for it: while it holds them all a new one is drawn on,
// up to a bound, then process memory; the spares go once it lets go.
TEST_P(FrameSurfacesHeld, NeverDrawOnAHeldImageAndKeepTheirNumberBounded)
{
    HeldMemory memory;
    {
        FrameSurfaces surfaces;
        surfaces.SetMemory(&memory);
        QImage shown;
        for (int nFrame = 0; nFrame < GetParam().nHeldFrames + 8; ++nFrame) {
            if (nFrame == GetParam().nHeldFrames)
                memory.held.clear();
            const bool bHolds = nFrame < GetParam().nHeldFrames;
            shown = surfaces.Create(Size{8, 8}, 1.0)->Finish();
            ASSERT_FALSE(memory.held.contains(shown.constBits())) << "frame " << nFrame;
            memory.held.insert(bHolds ? shown.constBits() : nullptr);
        }
        EXPECT_EQ(memory.nMade, GetParam().nMade);
        EXPECT_EQ(memory.mine.size(), std::size_t(GetParam().nLiveAtEnd));
        // On a screen of another scale, two new images take turns as before.
        for (int i = 0; i < 4; ++i)
            shown = surfaces.Create(Size{8, 8}, 2.0)->Finish();
        EXPECT_EQ(memory.nMade, GetParam().nMade + 2);
    }
    EXPECT_TRUE(memory.mine.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Screens, FrameSurfacesHeld,
    testing::Values(HoldCase{"LetsGoAtOnce", 0, 2, 2}, HoldCase{"HoldsThree", 3, 3, 3},
                    HoldCase{"HoldsFive", 5, 5, 3},
                    HoldCase{"HoldsTen", 10, int(FrameSurfaces::kMaxMade), 3}),
    [](const auto& info) { return std::string(info.param.pszName); });

// Where the window cannot move, a move of the game shifts the picture
// inside it by as many game pixels, the edge it uncovers in the ground.
TEST(FrameView, AShiftedPictureMovesByGamePixelsOverTheGround)
{
    const QColor rgbGround(1, 2, 3);
    for (const qreal dRatio : {1.0, 2.0}) {
        for (const QPoint ptShift : {QPoint(5, 0), QPoint(-5, 0), QPoint(0, 3)}) {
            QImage image(int(20 * dRatio), int(10 * dRatio), QImage::Format_RGB32);
            image.setDevicePixelRatio(dRatio);
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    image.setPixel(x, y, qRgb(x * 10, y * 10, 200));
            const QImage shifted = FrameView::Shifted(image, ptShift, rgbGround);
            ASSERT_EQ(shifted.size(), image.size());
            const QPoint ptBy = ptShift * dRatio;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const QPoint ptFrom = QPoint(x, y) - ptBy;
                    const QRgb rgb = image.rect().contains(ptFrom) ? image.pixel(ptFrom) : rgbGround.rgb();
                    ASSERT_EQ(shifted.pixel(x, y), rgb) << dRatio << " " << x << "," << y;
                }
            }
        }
    }
}
