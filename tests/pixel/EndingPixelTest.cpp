// The Ending Act through the real surface: the heart bitmap stretched to the
// place and size the act gives it.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/CGermDlg.h"
#include "app/GameConstants.h"
#include "tests/pixel/PixelProbe.h"
#include "tests/pixel/SurfacePlatform.h"

namespace {

bool Near(Rgb a, Rgb b)
{
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b) <= 60;
}

TEST(EndingPixelTest, ABeatFrameShowsTheHeartStretchedToItsPlaceAndSize)
{
    SurfacePlatform platform;
    CGermDlg dlg(platform);
    dlg.OnInitDialog();
    dlg.m_nState = game::kStateEndingAct;
    for (int nCall = 1; nCall <= 30; ++nCall) {
        dlg.DrawFrame();
    }
    // Call 30 widens the heart from 333 to 343 across and 333 high, top -25,
    // placed by the width at the start of the call on the window's width.
    const int nLeft = platform.GetWindowRect().Width() / 2 - 333 / 2;
    const Rect rcHeart{nLeft, -25, nLeft + 343, -25 + 333};
    const QImage heart(QStringLiteral(":/res/bitmap/148.bmp"));
    ASSERT_FALSE(heart.isNull());
    int nSamples = 0;
    int nMatches = 0;
    int nHeartPixels = 0;
    for (int nY = 0; nY < rcHeart.bottom; nY += 7) {
        for (int nX = rcHeart.left + 3; nX < rcHeart.right - 3; nX += 7) {
            const int nSourceX = (nX - rcHeart.left) * heart.width() / rcHeart.Width();
            const int nSourceY = (nY - rcHeart.top) * heart.height() / rcHeart.Height();
            const Rgb rgbSource = PixelAt(heart, nSourceX, nSourceY);
            ++nSamples;
            nMatches += Near(PixelAt(platform.m_imgPresented, nX, nY), rgbSource);
            nHeartPixels += !(rgbSource == Rgb{150, 0, 0});
        }
    }
    EXPECT_GT(nHeartPixels, nSamples / 3);  // the samples cover the heart, not just ground
    EXPECT_GT(nMatches, nSamples * 9 / 10) << nMatches << " of " << nSamples;
}

}  // namespace
