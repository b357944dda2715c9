// The game's own drawing through the real Qt surface: the backdrop every
// frame starts with, and the centred banner texts.
#include <gtest/gtest.h>

#include "app/CGermDlg.h"
#include "platform/qt/QtDrawingContext.h"
#include "tests/pixel/PixelProbe.h"
#include "tests/pixel/SurfacePlatform.h"

namespace {

constexpr int kWidth = 489;
constexpr int kHeight = 581;

class GameDrawingTest : public testing::Test {
protected:
    GameDrawingTest() : m_dlg(m_platform) { m_dlg.OnInitDialog(); }

    SurfacePlatform m_platform;
    CGermDlg m_dlg;
};

// Columns of the idle frame, left wall to right wall: the 40-pixel edge
// shade, four 7-pixel stripes each side, and the field between.
TEST_F(GameDrawingTest, IdleFrameShowsTheVesselWallsAndField)
{
    m_dlg.DrawFrame();
    const QImage& image = m_platform.m_imgPresented;
    ASSERT_EQ(image.size(), QSize(kWidth, kHeight));
    struct Band {
        int nFrom, nTo;
        std::uint8_t nRed;
    };
    const Band bands[] = {
        {0, 16, 100},    {17, 23, 110},   {24, 30, 120},   {31, 37, 130},
        {38, 44, 140},   {45, 444, 150},  {445, 451, 140}, {452, 458, 130},
        {459, 465, 120}, {466, 472, 110}, {473, 488, 100},
    };
    for (const int nY : {0, 290, kHeight - 1}) {
        for (const Band& band : bands) {
            for (int nX = band.nFrom; nX <= band.nTo; ++nX)
                ASSERT_EQ(PixelAt(image, nX, nY), (Rgb{band.nRed, 0, 0})) << nX << ", " << nY;
        }
    }
}

TEST_F(GameDrawingTest, BannerIsBlackOnWhiteAndCentred)
{
    QtDrawingContext dc(Size{kWidth, kHeight});
    m_dlg.DrawBackdrop(dc);
    m_dlg.DrawBanner(dc, "Level 2");
    const Size size = dc.GetTextExtent("Level 2");
    const Rect rcCell = BoundsOf(dc.Image(), Rgb{255, 255, 255});
    EXPECT_EQ(rcCell.Width(), size.cx);
    EXPECT_EQ(rcCell.Height(), size.cy);
    EXPECT_EQ(rcCell.top, kHeight / 2);
    EXPECT_LE(std::abs((rcCell.left + rcCell.right) - kWidth), 2) << rcCell;
    const Rect rcInk = BoundsOf(dc.Image(), Rgb{0, 0, 0});
    EXPECT_GE(rcInk.left, rcCell.left);
    EXPECT_LE(rcInk.right, rcCell.right);
    EXPECT_GT(rcInk.Width(), size.cx / 2);
}

}  // namespace
