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

TEST_F(WallsTest, OneTouchPushesTwentyPixelsForTenFramesThenResets)
{
    StartCountdown();
    m_platform.m_ptCursor = Point{Window().left, CentreY()};
    m_platform.RunFrames(1);
    EXPECT_EQ(m_dlg.m_strPushDir, "Right");
    EXPECT_EQ(m_dlg.m_nWallHits, 1);
    m_platform.RunFrames(9);
    EXPECT_EQ(m_platform.m_ptCursor.x, Window().left + 200);
    EXPECT_EQ(m_dlg.m_nPushFrames, 10);
    m_platform.RunFrames(1);  // the 11th frame ends the push and moves nothing
    EXPECT_EQ(m_platform.m_ptCursor.x, Window().left + 200);
    EXPECT_EQ(m_dlg.m_strPushDir, "Nowhere");
    EXPECT_EQ(m_dlg.m_nWallHits, 0);
    EXPECT_EQ(m_dlg.m_nPushFrames, 0);
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
