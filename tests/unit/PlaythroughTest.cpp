// A whole game as a careful player plays it: New Game, the countdown and
// Levels 1 to 3, dodging every drifter.
#include "tests/unit/GameFixture.h"

using namespace game;

namespace {

class PlaythroughTest : public GameFixture {};

TEST_F(PlaythroughTest, NewGameThroughLevel3UnlocksUpToLevel4)
{
    Choose(ids::kNewGame);
    std::vector<int> states{m_dlg.m_nState};
    const bool bPlayed = PlayDodging(
        [&] {
            if (m_dlg.m_nState != states.back()) {
                states.push_back(m_dlg.m_nState);
            }
            return m_dlg.m_nState != kStateIdle && m_dlg.m_nState != kStateLevel1 + 3;
        },
        4000);
    ASSERT_TRUE(bPlayed) << "nowhere to hide in state " << m_dlg.m_nState;
    EXPECT_EQ(states, (std::vector<int>{1, 2, 3, 4, 5}));  // a death would end in 0
    EXPECT_TRUE(m_platform.m_boxes.empty());
    EXPECT_EQ(ProgressBytes(), (std::vector<unsigned char>{5, 0, 0, 0}));
    // Levels 2 and 3 each opened with the sting.
    const std::vector<int> sounds = m_platform.SoundIds();
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), ids::kSoundInfect), 3);
}

}  // namespace
