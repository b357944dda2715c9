// A thousand completions and deaths back to back. Whatever a state allocates
// or starts, its end gives back; under AddressSanitizer a leak fails the run.
#include "tests/unit/GameFixture.h"

using namespace game;

namespace {

class LongRunTest : public GameFixture {
protected:
    void ExpectNothingOfTheLevelLeft(int nRound)
    {
        const void* hazards[] = {m_dlg.m_pFirstWave, m_dlg.m_pSecondWave, m_dlg.m_pChaser,
                                 m_dlg.m_pGrabber, m_dlg.m_pSyringes};
        EXPECT_EQ(std::count(std::begin(hazards), std::end(hazards), nullptr), 5) << nRound;
        EXPECT_FALSE(m_platform.IsTimerRunning(kFirstWaveTimer) || m_platform.IsTimerRunning(kSecondWaveTimer));
        EXPECT_TRUE(m_platform.IsTimerRunning(kFrameTimer));
        EXPECT_EQ(m_dlg.m_nFrame + m_dlg.m_nFirstWaveReleased + m_dlg.m_nSecondWaveReleased, 0);
    }
};

// New Game's countdown and Levels 2 to 9 each complete (past the end frame
// with the first wave gone), and the germ dies on a drifter in the state that
// follows (Level 1, Levels 3 to 9 and the Final Level).
TEST_F(LongRunTest, FiveHundredCompletionsAndFiveHundredDeathsLeaveNothingBehind)
{
    WriteProgress(kMaxProgress);
    for (int nRound = 0; nRound < 500 && !HasFailure(); ++nRound) {
        m_platform.RunFrames(1);  // idle: the menu comes back
        Choose(ids::kNewGame + nRound % 9);
        const int nState = m_dlg.m_nState;
        m_platform.RunFrames(2);
        m_dlg.m_nFrame = 1'000'000;
        for (int i = 0; m_dlg.m_pFirstWave != nullptr && i < m_dlg.m_nFirstWaveCount; ++i)
            m_dlg.m_pFirstWave[i].m_bActive = 0;
        m_platform.RunFrames(1);
        ASSERT_EQ(m_dlg.m_nState, nState + 1) << "round " << nRound;
        ExpectNothingOfTheLevelLeft(nRound);
        int nFrames = 0;  // past any banner, drifters released
        ASSERT_TRUE(PlayDodging([&] { return ++nFrames <= 30; })) << "round " << nRound;
        m_dlg.m_pFirstWave[0].m_bActive = 1;
        const Rect rc = m_dlg.m_pFirstWave[0].m_rcBox;
        PlaceGermAt(Point{rc.left + 25, rc.top + 25});
        m_platform.RunFrames(1);
        ASSERT_EQ(m_dlg.m_nState, kStateIdle) << "round " << nRound;
        ExpectNothingOfTheLevelLeft(nRound);
        EXPECT_EQ(m_platform.m_boxes.size(), 1u);  // the death message, and no other
        m_platform.m_boxes.clear();
    }
}

}  // namespace
