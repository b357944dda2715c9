// A thousand completions and deaths back to back. Whatever a level allocates
// or starts, its end gives back; under AddressSanitizer a leak fails the run.
#include "tests/unit/GameFixture.h"

using namespace game;

namespace {

class LongRunTest : public GameFixture {
protected:
    void ExpectNothingOfTheLevelLeft()
    {
        EXPECT_EQ(m_dlg.m_pFirstWave, nullptr);
        EXPECT_EQ(m_dlg.m_pSecondWave, nullptr);
        EXPECT_EQ(m_dlg.m_pChaser, nullptr);
        EXPECT_EQ(m_dlg.m_pGrabber, nullptr);
        EXPECT_EQ(m_dlg.m_pSyringes, nullptr);
        EXPECT_FALSE(m_platform.IsTimerRunning(kFirstWaveTimer));
        EXPECT_FALSE(m_platform.IsTimerRunning(kSecondWaveTimer));
        EXPECT_TRUE(m_platform.IsTimerRunning(kFrameTimer));
        EXPECT_EQ(m_dlg.m_nFrame, 0);
        EXPECT_EQ(m_dlg.m_nFirstWaveReleased + m_dlg.m_nSecondWaveReleased, 0);
    }
    // Past the end frame with the first wave gone, the state completes at once.
    void Complete()
    {
        m_dlg.m_nFrame = 1'000'000;
        for (int i = 0; m_dlg.m_pFirstWave != nullptr && i < m_dlg.m_nFirstWaveCount; ++i) {
            m_dlg.m_pFirstWave[i].m_bActive = 0;
        }
        m_platform.RunFrames(1);
    }
    // Past the banner, the germ sits on the first drifter released.
    void Die()
    {
        m_platform.RunFrames(1);
        m_dlg.m_nFrame = kBannerLastFrame + 1;
        for (int i = 0; i < 40 && m_dlg.m_nState != kStateIdle; ++i) {
            for (int n = 0; m_dlg.m_pFirstWave != nullptr && n < m_dlg.m_nFirstWaveCount; ++n) {
                const Rect& rc = m_dlg.m_pFirstWave[n].m_rcBox;
                if (m_dlg.m_pFirstWave[n].m_bActive == 1) {
                    PlaceGermAt(Point{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2});
                    break;
                }
            }
            m_platform.RunFrames(1);
        }
    }
};

// New Game's countdown and Levels 2 to 9 each complete, and the germ dies in
// the state that follows (Level 1, Levels 3 to 9 and the Final Level).
TEST_F(LongRunTest, FiveHundredCompletionsAndFiveHundredDeathsLeaveNothingBehind)
{
    WriteProgress(kMaxProgress);
    for (int nRound = 0; nRound < 500 && !HasFailure(); ++nRound) {
        m_platform.RunFrames(1);  // idle: the menu comes back
        Choose(ids::kNewGame + nRound % 9);
        const int nState = m_dlg.m_nState;
        m_platform.RunFrames(1);
        Complete();
        ASSERT_EQ(m_dlg.m_nState, nState + 1) << "round " << nRound;
        ExpectNothingOfTheLevelLeft();
        Die();
        ASSERT_EQ(m_dlg.m_nState, kStateIdle) << "round " << nRound;
        ExpectNothingOfTheLevelLeft();
        EXPECT_EQ(m_platform.m_boxes.size(), 1u);  // the death message, and no other
        m_platform.m_boxes.clear();
        m_platform.m_sounds.clear();
    }
}

}  // namespace
