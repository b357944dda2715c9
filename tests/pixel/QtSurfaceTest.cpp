// What is particular to the Qt surface: its cache of ellipse tiles, its
// device pixels, and the frame images it recycles.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "platform/qt/FrameView.h"

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

}  // namespace
