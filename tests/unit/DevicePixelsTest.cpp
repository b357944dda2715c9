// Game pixels and device pixels at a scale: a move to a game pixel's first
// device pixel reads back as that game pixel, and the device pixel before it
// as the one before, at every scale and on both sides of the origin.
#include <gtest/gtest.h>

#include "platform/DevicePixels.h"

using device_pixels::ToDevicePixel;
using device_pixels::ToGamePixel;

TEST(DevicePixelsTest, AGamePixelsFirstDevicePixelReadsBackAsIt)
{
    for (const double dRatio : {1.0, 1.25, 1.5, 1.75, 2.0, 2.5}) {
        for (int n = -700; n <= 700; ++n) {
            const int nDevice = ToDevicePixel(n, dRatio);
            ASSERT_EQ(ToGamePixel(nDevice, dRatio), n) << dRatio;
            ASSERT_EQ(ToGamePixel(nDevice - 1, dRatio), n - 1) << dRatio;
        }
    }
    EXPECT_EQ(ToDevicePixel(489, 1.5), 734);  // the client area covered whole
}
