// The window's edges push the germ back; seven touches before a push ends
// kill it.
#include "tests/unit/GameFixture.h"

using namespace game;

namespace {

class WallsTest : public GameFixture {
protected:
    // A countdown under way, past the frame that puts the germ at its start.
    void StartCountdown()
    {
        Choose(ids::kNewGame);
        m_platform.RunFrames(1);
    }
    // Touches the left wall on the frames listed, then plays to nLastFrame.
    void TouchLeftWallOn(std::initializer_list<int> frames, int nLastFrame)
    {
        for (int nFrame = 1; nFrame <= nLastFrame && m_dlg.m_nState != kStateIdle; ++nFrame) {
            if (std::find(frames.begin(), frames.end(), nFrame) != frames.end())
                m_platform.m_ptCursor = Point{Window().left, CentreY()};
            m_platform.RunFrames(1);
        }
    }
    Rect Window() const { return m_platform.m_rcWindow; }
    int CentreY() const { return (Window().top + Window().bottom) / 2; }
};

// Each wall's outermost pixel, or anywhere beyond it, pushes 20 pixels back;
// one pixel in is free; a corner counts twice and the vertical push wins.
TEST_F(WallsTest, EachWallPushesBackFromItsBoundaryPixelOutward)
{
    const Rect w = Window();
    const int nCx = (w.left + w.right) / 2;
    const int nCy = CentreY();
    const struct { Point pt; const char* pszDir; int nHits; Point ptAfter; } touches[] = {
        {{w.left, nCy}, "Right", 1, {w.left + 20, nCy}},        {{w.right, nCy}, "Left", 1, {w.right - 20, nCy}},
        {{w.right + 100, nCy}, "Left", 1, {w.right + 80, nCy}}, {{nCx, w.top}, "Down", 1, {nCx, w.top + 20}},
        {{nCx, w.bottom}, "Up", 1, {nCx, w.bottom - 20}},       {{w.left, w.bottom}, "Up", 2, {w.left, w.bottom - 20}},
        {{w.left + 1, nCy}, "Nowhere", 0, {w.left + 1, nCy}}, {{w.right - 1, nCy}, "Nowhere", 0, {w.right - 1, nCy}},
        {{nCx, w.top + 1}, "Nowhere", 0, {nCx, w.top + 1}}, {{nCx, w.bottom - 1}, "Nowhere", 0, {nCx, w.bottom - 1}},
    };
    StartCountdown();
    for (const auto& t : touches) {
        m_platform.m_ptCursor = t.pt;
        m_platform.RunFrames(1);
        EXPECT_EQ(std::tuple(m_dlg.m_strPushDir, m_dlg.m_nWallHits, m_platform.m_ptCursor),
                  std::tuple(t.pszDir, t.nHits, t.ptAfter)) << t.pt.x << "," << t.pt.y;
        m_dlg.m_strPushDir = "Nowhere";
        m_dlg.m_nWallHits = m_dlg.m_nPushFrames = 0;
    }
}

// A touch during a push counts but does not lengthen it: ten frames from the
// first touch, then the hits reset. The seventh touch kills, even in the
// countdown and on the frame that would end the push; the death clears it.
TEST_F(WallsTest, APushLastsTenFramesAndTheSeventhTouchKillsEvenOnItsLastFrame)
{
    StartCountdown();
    TouchLeftWallOn({1, 5}, 11);
    EXPECT_EQ(m_platform.m_ptCursor.x, Window().left + 120);
    EXPECT_EQ(m_dlg.m_strPushDir, "Nowhere");
    EXPECT_EQ(m_dlg.m_nWallHits + m_dlg.m_nPushFrames, 0);
    TouchLeftWallOn({1, 6, 7, 8, 9, 10}, 10);
    EXPECT_EQ(m_dlg.m_nState, kStateCountdown);
    TouchLeftWallOn({1}, 1);
    EXPECT_EQ(m_dlg.m_nState, kStateIdle);
    EXPECT_EQ(m_platform.m_boxes, std::vector<std::string>{"You have been disinfected!"});
    EXPECT_EQ(m_platform.SoundIds().back(), ids::kSoundDeath);
    EXPECT_EQ(m_dlg.m_strPushDir, "Nowhere");
    EXPECT_EQ(m_dlg.m_nWallHits + m_dlg.m_nPushFrames + m_dlg.m_nFrame, 0);
}

TEST_F(WallsTest, AFailedCursorReadShowsOneBoxAndPushesNothing)
{
    StartCountdown();
    const size_t nMovesBefore = m_platform.m_cursorMoves.size();
    m_platform.m_bCursorReadable = false;
    // Frames keep running behind the box; they must not open a second one.
    m_platform.m_onMessageBox = [this](const std::string&) { m_platform.RunFrames(5); };
    m_platform.RunFrames(1);
    EXPECT_EQ(m_platform.m_boxes, std::vector<std::string>{"GetCursorPos() is a shitty function!"});
    EXPECT_EQ(m_platform.m_cursorMoves.size(), nMovesBefore);
    EXPECT_EQ(m_dlg.m_nWallHits, 0);
}

}  // namespace
