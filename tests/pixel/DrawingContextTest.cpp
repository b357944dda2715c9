// The Qt surface follows the original's pixel rules: wide pens centred on
// their line, right and bottom edges exclusive, hard pixels for shapes,
// text black on an opaque white cell.
#include <gtest/gtest.h>

#include <QImage>

#include "platform/ResourceIds.h"
#include "platform/qt/QtDrawingContext.h"
#include "tests/pixel/PixelProbe.h"

namespace {

constexpr Rgb kGround{0, 0, 255};
constexpr Rgb kPen{255, 0, 0};
constexpr Rgb kBrush{0, 255, 0};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};

class DrawingContextTest : public testing::Test {
protected:
    DrawingContextTest() : m_dc(Size{120, 100}) { m_dc.FillRect(Rect{0, 0, 120, 100}, kGround); }

    Rgb At(int nX, int nY) const { return PixelAt(m_dc.Image(), nX, nY); }
    // The same box each time; only the pen's width differs.
    void DrawEllipse(int nPenWidth)
    {
        m_dc.SelectPen(nPenWidth, kPen);
        m_dc.SelectBrush(kBrush);
        m_dc.Ellipse(Rect{10, 10, 30, 24});
    }

    QtDrawingContext m_dc;
};

TEST_F(DrawingContextTest, FortyPixelLineAtTheEdgeLeavesItsRightHalfInside)
{
    m_dc.SelectPen(40, kPen);
    m_dc.Line(Point{0, 0}, Point{0, 100});
    for (int nX = 0; nX <= 19; ++nX)
        EXPECT_EQ(At(nX, 50), kPen) << "x = " << nX;
    EXPECT_EQ(At(20, 50), kGround);
}

TEST_F(DrawingContextTest, OddPenWidthsAreCentredOnTheLine)
{
    m_dc.SelectPen(7, kPen);
    m_dc.Line(Point{50, 0}, Point{50, 100});
    EXPECT_EQ(At(46, 50), kGround);
    EXPECT_EQ(At(47, 50), kPen);
    EXPECT_EQ(At(53, 50), kPen);
    EXPECT_EQ(At(54, 50), kGround);
}

TEST_F(DrawingContextTest, ThinLineLeavesOutItsLastPixelAndHasHardEdges)
{
    m_dc.SelectPen(1, kPen);
    m_dc.Line(Point{10, 10}, Point{10, 20});
    m_dc.Line(Point{20, 10}, Point{60, 30});  // slanted: no blended pixels
    EXPECT_EQ(At(10, 10), kPen);
    EXPECT_EQ(At(10, 19), kPen);
    EXPECT_EQ(At(10, 20), kGround);
    for (int nY = 5; nY < 40; ++nY)
        for (int nX = 15; nX < 65; ++nX)
            ASSERT_TRUE(At(nX, nY) == kPen || At(nX, nY) == kGround) << nX << ", " << nY;
}

TEST_F(DrawingContextTest, FillRectCoversLeftToRightMinusOne)
{
    m_dc.FillRect(Rect{10, 20, 30, 40}, kBrush);
    EXPECT_EQ(At(10, 20), kBrush);
    EXPECT_EQ(At(29, 39), kBrush);
    EXPECT_EQ(At(30, 30), kGround);
    EXPECT_EQ(At(20, 40), kGround);
    EXPECT_EQ(At(9, 30), kGround);
    EXPECT_EQ(At(20, 19), kGround);
    m_dc.FillRect(Rect{50, 50, 40, 60}, kBrush);  // right before left: nothing
    EXPECT_EQ(BoundsOf(m_dc.Image(), kBrush), (Rect{10, 20, 30, 40}));
}

// Ellipse(10, 10, 30, 24): the 1-pixel outline spans 10..29 x 10..23.
TEST_F(DrawingContextTest, ThinEllipseOutlineStaysInsideItsBox)
{
    DrawEllipse(1);
    EXPECT_EQ(BoundsOf(m_dc.Image(), kPen), (Rect{10, 10, 30, 24}));
    EXPECT_EQ(At(20, 17), kBrush);
}

TEST_F(DrawingContextTest, ThreePixelEllipseOutlineIsCentredOnTheBoxEdge)
{
    DrawEllipse(3);
    // One pixel out on every side, symmetric about the box's middle.
    EXPECT_EQ(BoundsOf(m_dc.Image(), kPen), (Rect{9, 9, 31, 25}));
    EXPECT_EQ(At(20, 17), kBrush);
    for (int nX : {9, 10, 11})
        EXPECT_EQ(At(nX, 17), kPen) << "x = " << nX;
    EXPECT_EQ(At(12, 17), kBrush);
    for (int nY = 8; nY < 27; ++nY)
        for (int nX = 8; nX < 32; ++nX)
            ASSERT_EQ(At(nX, nY), At(39 - nX, nY)) << nX << ", " << nY;
}

TEST_F(DrawingContextTest, PolygonIsFilledWithTheBrushAndOutlinedWithThePen)
{
    m_dc.SelectPen(1, kPen);
    m_dc.SelectBrush(kBrush);
    const Point pts[] = {{10, 10}, {60, 10}, {10, 60}};
    m_dc.Polygon(pts);
    EXPECT_EQ(At(10, 10), kPen);
    EXPECT_EQ(At(30, 10), kPen);
    EXPECT_EQ(At(20, 20), kBrush);
    EXPECT_EQ(At(50, 50), kGround);
}

TEST_F(DrawingContextTest, TextIsBlackOnAWhiteCellAtItsTopLeft)
{
    const Point pt{20, 30};
    const Size size = m_dc.GetTextExtent("INFECT!");
    ASSERT_GT(size.cx, 20);
    ASSERT_GT(size.cy, 8);
    m_dc.TextOut(pt, "INFECT!");
    EXPECT_EQ(At(pt.x, pt.y), kWhite);
    EXPECT_EQ(At(pt.x + size.cx - 1, pt.y + size.cy - 1), kWhite);
    EXPECT_EQ(At(pt.x - 1, pt.y), kGround);
    EXPECT_EQ(At(pt.x + size.cx, pt.y), kGround);
    EXPECT_EQ(At(pt.x, pt.y + size.cy), kGround);
    // The glyphs may be smoothed, but their stems are black.
    EXPECT_EQ(BoundsOf(m_dc.Image(), kBlack).Width() > size.cx / 2, true);
}

TEST_F(DrawingContextTest, TextKeepsTheSelectedPenForLaterShapes)
{
    m_dc.SelectPen(1, kPen);
    m_dc.TextOut(Point{0, 0}, "Set");
    m_dc.Line(Point{5, 80}, Point{100, 80});
    EXPECT_EQ(At(50, 80), kPen);
}

// Each drawn pixel must come from where the stretch maps it in the bitmap
// (give or take one source pixel for rounding), and nothing spills out.
TEST_F(DrawingContextTest, HeartBitmapIsStretchedToTheTargetBox)
{
    const QImage source(QStringLiteral(":/res/bitmap/%1.bmp").arg(ids::kHeartBitmap));
    if (source.isNull())
        GTEST_SKIP() << "the heart bitmap is not among the resources of this build";
    const QImage bitmap = source.convertToFormat(QImage::Format_RGB32);
    const int nW = bitmap.width(), nH = bitmap.height();
    const Rect rc{5, 7, 5 + nW / 2, 7 + nH * 3 / 2};  // narrower and taller
    QtDrawingContext dc(Size{2 * nW, 2 * nH});
    dc.FillRect(Rect{0, 0, 2 * nW, 2 * nH}, kGround);
    dc.StretchBitmap(ids::kHeartBitmap, rc);
    const QImage& image = dc.Image();
    auto fromSource = [&](int nX, int nY) {
        const int nSx = (2 * (nX - rc.left) + 1) * nW / (2 * rc.Width());
        const int nSy = (2 * (nY - rc.top) + 1) * nH / (2 * rc.Height());
        for (int nDy = -1; nDy <= 1; ++nDy)
            for (int nDx = -1; nDx <= 1; ++nDx)
                if (bitmap.valid(nSx + nDx, nSy + nDy)
                    && PixelAt(bitmap, nSx + nDx, nSy + nDy) == PixelAt(image, nX, nY))
                    return true;
        return false;
    };
    for (int nY = rc.top; nY < rc.bottom; nY += 7)
        for (int nX = rc.left; nX < rc.right; nX += 5)
            ASSERT_TRUE(fromSource(nX, nY)) << nX << ", " << nY;
    EXPECT_EQ(PixelAt(image, rc.right, rc.top), kGround);
    EXPECT_EQ(PixelAt(image, rc.left, rc.bottom), kGround);
}

}  // namespace
