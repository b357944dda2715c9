// The whole game as a careful player plays it: New Game, the countdown, ten
// levels dodging every hazard, the Ending Act and back to the idle menu.
#include "tests/unit/GameFixture.h"

using namespace game;

namespace {

class PlaythroughTest : public GameFixture {};

TEST_F(PlaythroughTest, NewGameThroughTheFinalLevelAndTheEndingActBackToTheMenu)
{
    Choose(ids::kNewGame);
    std::vector<int> states{m_dlg.m_nState};
    const auto noteState = [&] {
        if (m_dlg.m_nState != states.back())
            states.push_back(m_dlg.m_nState);
        return m_dlg.m_nState != kStateIdle;
    };
    ASSERT_TRUE(PlayDodging(noteState, 10000)) << "nowhere to hide in state " << m_dlg.m_nState;
    // A death would end anywhere before 12.
    EXPECT_EQ(states, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0}));
    EXPECT_TRUE(m_platform.m_boxes.empty());
    EXPECT_EQ(ProgressBytes(), (std::vector<unsigned char>{12, 0, 0, 0}));
    m_platform.RunFrames(1);  // the idle frame sets the menu from the file
    EXPECT_TRUE(m_platform.m_menu[ids::kEndingAct]);
    // "INFECT!" and nine titled levels sting; the act beats twenty times, turns
    // green and bursts, in that order.
    std::vector<int> sounds = m_platform.SoundIds();
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), ids::kSoundInfect), 10);
    std::erase_if(sounds, [](int n) {
        return n != ids::kSoundHeartbeat && n != ids::kSoundInfection && n != ids::kSoundBurst;
    });
    std::vector<int> ending(20, ids::kSoundHeartbeat);
    ending.insert(ending.end(), {ids::kSoundInfection, ids::kSoundBurst});
    EXPECT_EQ(std::vector<int>(sounds.end() - std::min<size_t>(sounds.size(), 22), sounds.end()), ending);
}

}  // namespace
