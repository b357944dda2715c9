// The shared level protocol as Levels 1 to 3 play it: set-up, banner,
// running and closing phases, completion and the progress rules.
#include <algorithm>

#include "tests/unit/GameFixture.h"

using namespace game;

namespace {

class LevelTest : public GameFixture {
protected:
    void StartState(int nState, int nProgress)
    {
        WriteProgress(nProgress);
        m_platform.RunFrames(1);
        m_dlg.m_nState = nState;
        PlaceGermAt(Point{245, 300});
    }
    // Plays frames until m_nFrame reaches nFrame, keeping the germ aside.
    void RunUntilFrame(int nFrame)
    {
        ASSERT_TRUE(PlayDodging([&] { return m_dlg.m_nFrame < nFrame; }));
        ASSERT_EQ(m_dlg.m_nFrame, nFrame);
    }
    int ProgressAfterCompleting(int nState, int nProgress)
    {
        StartState(nState, nProgress);
        EXPECT_TRUE(PlayDodging([&] { return m_dlg.m_nState == nState; }));
        EXPECT_EQ(m_dlg.m_nState, nState + 1);
        m_dlg.ClearLevel();
        m_dlg.m_nState = kStateIdle;
        return m_dlg.m_nProgress;
    }
    std::vector<CDrifter> Wave() const
    {
        return {m_dlg.m_pFirstWave, m_dlg.m_pFirstWave + m_dlg.m_nFirstWaveCount};
    }
};

TEST_F(LevelTest, Level1SetsUpAndRunsOnItsFirstCallWithoutSoundOrReset)
{
    StartState(kStateLevel1, 0);
    const size_t nCursorMoves = m_platform.m_cursorMoves.size();
    m_platform.RunFrames(1);
    EXPECT_EQ(m_dlg.m_nFrame, 2);
    EXPECT_EQ(m_dlg.m_nFirstWaveCount, 10);
    EXPECT_EQ(m_platform.TimerPeriod(kFirstWaveTimer), 500);
    EXPECT_TRUE(m_platform.m_sounds.empty());
    EXPECT_EQ(m_platform.m_cursorMoves.size(), nCursorMoves);
    EXPECT_TRUE(m_platform.m_lastFrame.Texts().empty());
    EXPECT_TRUE(m_platform.m_lastFrame.Of(DrawnShape::Kind::Ellipse).empty());
}

TEST_F(LevelTest, Levels2And3OpenWithTheStingTheStartPointAndA24FrameBanner)
{
    for (const auto& [nState, strTitle] : {std::pair{3, "Level 2"}, std::pair{4, "Level 3"}}) {
        StartState(nState, 0);
        m_platform.m_sounds.clear();
        m_platform.RunFrames(1);
        EXPECT_EQ(m_platform.SoundIds(), std::vector<int>{ids::kSoundInfect});
        EXPECT_EQ(m_platform.m_cursorMoves.back(), (Point{715 + 491 / 2, 852 - 150}));
        EXPECT_EQ(m_dlg.m_nFrame, 3);
        // Banner frames 1 to 23 draw no drifter, and a released one is harmless.
        for (int nBannerFrame = 1; nBannerFrame <= 23; ++nBannerFrame) {
            EXPECT_EQ(m_platform.m_lastFrame.Texts(), std::vector<std::string>{strTitle});
            EXPECT_TRUE(m_platform.m_lastFrame.Of(DrawnShape::Kind::Ellipse).empty());
            PlaceGermAt(Point{490, 300});
            for (const CDrifter& drifter : Wave()) {
                const Rect& rc = drifter.m_rcBox;
                if (nBannerFrame < 23 && drifter.m_bActive == 1 && rc.left + 25 > 0) {
                    PlaceGermAt(Point{rc.left + 25, rc.bottom});  // inside its box
                }
            }
            m_platform.RunFrames(1);
            ASSERT_EQ(m_dlg.m_nState, nState) << "banner frame " << nBannerFrame + 1;
        }
        EXPECT_GT(m_dlg.m_nFirstWaveReleased, 1);
        EXPECT_EQ(m_dlg.m_nWallHits, 0);
        // The 24th and last banner frame also made the first running update.
        EXPECT_EQ(m_platform.m_lastFrame.Texts(), std::vector<std::string>{strTitle});
        EXPECT_FALSE(m_platform.m_lastFrame.Of(DrawnShape::Kind::Ellipse).empty());
        EXPECT_EQ(m_dlg.m_nFrame, 27);
        m_platform.RunFrames(1);
        EXPECT_TRUE(m_platform.m_lastFrame.Texts().empty());
        m_dlg.ClearLevel();
        m_dlg.m_nState = kStateIdle;
    }
}

TEST_F(LevelTest, TheTwoFramesThatReachTheEndFrameMoveTheWaveTwice)
{
    StartState(kStateLevel1 + 1, 3);
    RunUntilFrame(524);
    for (int nFrame : {524, 525}) {
        ASSERT_TRUE(Dodge());
        const std::vector<CDrifter> before = Wave();
        m_platform.RunFrames(1);
        const std::vector<CDrifter> after = Wave();
        size_t nActive = 0;
        int nDoubleSteps = 0;
        for (size_t i = 0; i < before.size(); ++i) {
            nActive += before[i].m_bActive == 1;
            nDoubleSteps += after[i].m_rcBox.top - before[i].m_rcBox.top == 40;
        }
        EXPECT_GT(nDoubleSteps, 0) << "frame " << nFrame;
        // Two discs a drifter, drawn by both the running and the closing update.
        EXPECT_EQ(m_platform.m_lastFrame.Of(DrawnShape::Kind::Ellipse).size(), 4 * nActive);
    }
    EXPECT_EQ(m_dlg.m_nFrame, 526);
    m_platform.RunFrames(1);
    EXPECT_EQ(m_dlg.m_nFrame, 526);  // the closing phase does not count
}

TEST_F(LevelTest, ALevelCompletesOnTheFrameItsFirstWaveHasDrained)
{
    StartState(kStateLevel1, 3);
    RunUntilFrame(501);
    while (m_dlg.m_nState == kStateLevel1) {
        ASSERT_TRUE(m_dlg.AnyFirstWaveActive());  // it never waits once the wave is gone
        m_platform.RunFrames(1);
    }
    EXPECT_EQ(m_dlg.m_nState, kStateLevel1 + 1);
    EXPECT_EQ(m_dlg.m_pFirstWave, nullptr);
    EXPECT_EQ(m_dlg.m_nFrame, 0);
    EXPECT_FALSE(m_platform.IsTimerRunning(kFirstWaveTimer));
}

TEST_F(LevelTest, EachLevelRaisesTheProgressByItsOwnRule)
{
    const int cases[][3] = {
        {2, 0, 3}, {2, 1, 3}, {2, 2, 2}, {2, 5, 5},   // Level 1 leaves a stored 2 alone
        {3, 3, 4}, {3, 0, 4}, {3, 7, 7},
        {4, 4, 5}, {4, 6, 6},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ProgressAfterCompleting(c[0], c[1]), c[2]) << "state " << c[0] << " from " << c[1];
        EXPECT_EQ(ProgressBytes()[0], c[2]);
    }
}

TEST_F(LevelTest, ADeathInTheClosingPhaseEndsTheLevelWithoutProgress)
{
    StartState(kStateLevel1 + 1, 3);
    RunUntilFrame(526);
    const std::vector<CDrifter> wave = Wave();
    const auto pActive = std::find_if(wave.begin(), wave.end(), [](const CDrifter& d) { return d.m_bActive == 1; });
    ASSERT_NE(pActive, wave.end());
    PlaceGermAt(Point{pActive->m_rcBox.left + 5, pActive->m_rcBox.top + 5});
    m_platform.RunFrames(1);
    EXPECT_EQ(m_dlg.m_nState, kStateIdle);
    EXPECT_EQ(m_dlg.m_nProgress, 3);
    EXPECT_EQ(ProgressBytes()[0], 3);
    EXPECT_EQ(m_platform.m_boxes, std::vector<std::string>{"You have been disinfected!"});
}

}  // namespace
