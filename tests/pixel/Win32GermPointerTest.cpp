// The real pointer as the Win32 host reads and moves it: one reading serves
// a frame's every contact test, a move keeps what the player moved since
// that reading, and the next frame reads afresh.
#include <gtest/gtest.h>

#include "platform/win32/ScreenScale.h"

namespace {

Point Now()
{
    POINT pt{};
    ::GetCursorPos(&pt);
    return Point{pt.x, pt.y};
}

TEST(Win32GermPointer, OneReadingAFrameAndMovesThatKeepThePlayersMotion)
{
    ScreenScale scale;  // no window: 100 %, counted from the screen's corner
    GermPointer pointer(scale);
    Point pt;
    ASSERT_TRUE(::SetCursorPos(100, 120));
    ASSERT_TRUE(pointer.Read(pt));
    EXPECT_EQ(pt, (Point{100, 120}));
    ::SetCursorPos(300, 320);  // the player's hand, in the middle of a frame
    ASSERT_TRUE(pointer.Read(pt));
    EXPECT_EQ(pt, (Point{100, 120})) << "a second contact test of the frame";
    pointer.Move(Point{110, 125});  // a push of 10 and 5 from the frame's reading
    EXPECT_EQ(Now(), (Point{310, 325}));
    ASSERT_TRUE(pointer.Read(pt));
    EXPECT_EQ(pt, (Point{110, 125})) << "where the push put the germ";
    pointer.Forget();  // the frame's end
    ASSERT_TRUE(pointer.Read(pt));
    EXPECT_EQ(pt, (Point{310, 325}));
}

}  // namespace
