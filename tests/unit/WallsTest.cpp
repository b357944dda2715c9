// The window's edges push the germ back; seven touches kill it.
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
    Rect Window() const { return m_platform.m_rcWindow; }
    int CentreY() const { return (Window().top + Window().bottom) / 2; }
};

// Each wall's outermost pixel pushes 20 pixels back inside; one pixel in
// from it is free.
TEST_F(WallsTest, EachWallsBoundaryPixelPushesBackAndTheNextPixelInDoesNot)
{
    const Rect w = Window();
    const int nCx = (w.left + w.right) / 2;
    const struct {
        Point pt;
        const char* pszDir;
        Point ptAfter;
    } touches[] = {
        {{w.left, CentreY()}, "Right", {w.left + 20, CentreY()}},
        {{w.right, CentreY()}, "Left", {w.right - 20, CentreY()}},
        {{nCx, w.top}, "Down", {nCx, w.top + 20}},
        {{nCx, w.bottom}, "Up", {nCx, w.bottom - 20}},
        {{w.left + 1, CentreY()}, "Nowhere", {w.left + 1, CentreY()}},
        {{w.right - 1, CentreY()}, "Nowhere", {w.right - 1, CentreY()}},
        {{nCx, w.top + 1}, "Nowhere", {nCx, w.top + 1}},
        {{nCx, w.bottom - 1}, "Nowhere", {nCx, w.bottom - 1}},
    };
    StartCountdown();
    for (const auto& t : touches) {
        m_platform.m_ptCursor = t.pt;
        m_platform.RunFrames(1);
        EXPECT_EQ(m_dlg.m_strPushDir, t.pszDir) << t.pt.x << "," << t.pt.y;
        EXPECT_EQ(m_platform.m_ptCursor, t.ptAfter) << t.pszDir;
        m_dlg.m_strPushDir = "Nowhere";
        m_dlg.m_nWallHits = m_dlg.m_nPushFrames = 0;
    }
}

// A touch during a push counts but does not lengthen it: ten frames from the
// first touch, then the hits reset.
TEST_F(WallsTest, APushLastsTenFramesFromItsFirstTouchThenResets)
{
    StartCountdown();
    for (int nFrame = 1; nFrame <= 11; ++nFrame) {
        if (nFrame == 1 || nFrame == 5) {
            m_platform.m_ptCursor = Point{Window().left, CentreY()};
        }
        m_platform.RunFrames(1);
    }
    EXPECT_EQ(m_platform.m_ptCursor.x, Window().left + 120);
    EXPECT_EQ(m_dlg.m_strPushDir, "Nowhere");
    EXPECT_EQ(m_dlg.m_nWallHits, 0);
    EXPECT_EQ(m_dlg.m_nPushFrames, 0);
}

// The seventh touch kills even on the frame that would end the push.
TEST_F(WallsTest, TheSeventhTouchKillsOnTheFrameThePushEnds)
{
    StartCountdown();
    for (int nFrame = 1; nFrame <= 11 && m_dlg.m_nState != kStateIdle; ++nFrame) {
        if (nFrame == 1 || nFrame >= 6) {
            m_platform.m_ptCursor = Point{Window().left, CentreY()};
        }
        m_platform.RunFrames(1);
        EXPECT_EQ(m_dlg.m_nState, nFrame < 11 ? kStateCountdown : kStateIdle) << nFrame;
    }
}

TEST_F(WallsTest, ACornerCountsTwoHitsAndTheVerticalPushWins)
{
    StartCountdown();
    m_platform.m_ptCursor = Point{Window().left, Window().bottom};
    m_platform.RunFrames(1);
    EXPECT_EQ(m_dlg.m_nWallHits, 2);
    EXPECT_EQ(m_dlg.m_strPushDir, "Up");
    EXPECT_EQ(m_platform.m_ptCursor, (Point{Window().left, Window().bottom - 20}));
}

TEST_F(WallsTest, OutsideTheWindowEveryFrameHitsAndTheSeventhKillsEvenInTheCountdown)
{
    StartCountdown();
    for (int i = 1; i <= 6; ++i) {
        m_platform.m_ptCursor = Point{Window().right + 100, CentreY()};
        m_platform.RunFrames(1);
        ASSERT_EQ(m_dlg.m_nWallHits, i);
    }
    EXPECT_TRUE(m_platform.m_boxes.empty());
    m_platform.m_ptCursor = Point{Window().right + 100, CentreY()};
    m_platform.RunFrames(1);
    EXPECT_EQ(m_dlg.m_nState, kStateIdle);
    EXPECT_EQ(m_platform.m_boxes, std::vector<std::string>{"You have been disinfected!"});
    EXPECT_EQ(m_platform.SoundIds().back(), ids::kSoundDeath);
}

TEST_F(WallsTest, DeathInALevelClearsEverything)
{
    WriteProgress(3);
    m_platform.RunFrames(1);
    Choose(ids::kLevel2);
    m_platform.RunFrames(30);
    ASSERT_NE(m_dlg.m_pFirstWave, nullptr);
    for (int i = 0; i < 7 && m_dlg.m_nState != kStateIdle; ++i) {
        m_platform.m_ptCursor = Point{Window().left - 50, Window().top - 50};
        m_platform.RunFrames(1);
    }
    EXPECT_EQ(m_dlg.m_nState, kStateIdle);
    EXPECT_EQ(m_dlg.m_strPushDir, "Nowhere");
    EXPECT_EQ(m_dlg.m_nWallHits, 0);
    EXPECT_EQ(m_dlg.m_nPushFrames, 0);
    EXPECT_EQ(m_dlg.m_nFrame, 0);
    EXPECT_EQ(m_dlg.m_pFirstWave, nullptr);
    EXPECT_FALSE(m_platform.IsTimerRunning(kFirstWaveTimer));
    // The next idle frame unlocks the menu again.
    m_platform.RunFrames(1);
    EXPECT_TRUE(m_platform.m_menu[ids::kLevel2]);
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
    EXPECT_EQ(m_platform.m_nMostBoxesOpen, 1);
    EXPECT_EQ(m_platform.m_cursorMoves.size(), nMovesBefore);
    EXPECT_EQ(m_dlg.m_nWallHits, 0);
}

TEST_F(WallsTest, TheGermPointIsOffsetByTheWindowCornerAndTheMenuBar)
{
    m_platform.m_ptCursor = Point{m_platform.m_rcWindow.left + 10, m_platform.m_rcWindow.top + 40};
    EXPECT_EQ(m_dlg.GetGermPos(), (Point{10, 40 - 19}));
}

}  // namespace
