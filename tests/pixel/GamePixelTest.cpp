// The game's own frames through the real Qt surface: the backdrop every
// frame starts with, a level's centred banner, and the Ending Act's heart.
#include <gtest/gtest.h>

#include "app/CGermDlg.h"
#include "app/GameConstants.h"
#include "platform/qt/QtDrawingContext.h"
#include "tests/pixel/PixelProbe.h"
#include "tests/pixel/SurfacePlatform.h"

namespace {

constexpr int kWidth = 489;
constexpr int kHeight = 581;

class GamePixelTest : public testing::Test {
protected:
    GamePixelTest() : m_dlg(m_platform) { m_dlg.OnInitDialog(); }

    SurfacePlatform m_platform;
    CGermDlg m_dlg;
};

// Columns of the idle frame, left wall to right wall: the 40-pixel edge
// shade, four 7-pixel stripes each side, and the field between.
TEST_F(GamePixelTest, IdleFrameShowsTheVesselWallsAndField)
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
    for (const int nY : {0, 290, kHeight - 1})
        for (const Band& band : bands)
            for (int nX = band.nFrom; nX <= band.nTo; ++nX)
                ASSERT_EQ(PixelAt(image, nX, nY), (Rgb{band.nRed, 0, 0})) << nX << ", " << nY;
}

TEST_F(GamePixelTest, BannerIsBlackOnWhiteAndCentred)
{
    QtDrawingContext dc(Size{kWidth, kHeight});
    m_dlg.DrawBackdrop(dc);
    m_dlg.DrawBanner(dc, "Level 2");
    const Size size = dc.GetTextExtent("Level 2");
    const Rect rcCell = BoundsOf(dc.Image(), Rgb{255, 255, 255});
    EXPECT_EQ(rcCell.top, kHeight / 2);
    EXPECT_EQ((Size{rcCell.Width(), rcCell.Height()}), size);
    EXPECT_LE(std::abs((rcCell.left + rcCell.right) - kWidth), 2) << rcCell;
}

// Call 30 of the act widens the heart from 333 to 343 across and 333 high,
// top -25, placed by the width at the start of the call on the window's width.
TEST_F(GamePixelTest, ABeatFrameShowsTheHeartStretchedToItsPlaceAndSize)
{
    m_dlg.m_nState = game::kStateEndingAct;
    for (int nCall = 1; nCall <= 30; ++nCall)
        m_dlg.DrawFrame();
    const int nLeft = m_platform.GetWindowRect().Width() / 2 - 333 / 2;
    const QImage heart(QStringLiteral(":/res/bitmap/148.bmp"));
    EXPECT_GT(StretchedShare(m_platform.m_imgPresented, Rect{nLeft, -25, nLeft + 343, 308}, heart), 0.9);
}

}  // namespace
