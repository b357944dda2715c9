// "Saved Games.grm": four little-endian bytes, never truncated, never
// lowered, and never in the way of play when it is broken.
#include <filesystem>

#include "tests/unit/GameFixture.h"

using namespace game;

namespace {

using Bytes = std::vector<unsigned char>;

class ProgressFileTest : public GameFixture {
protected:
    std::vector<int> EnabledStartItems()
    {
        std::vector<int> enabled;
        for (int nId = ids::kFirstStartCommand; nId <= ids::kLastStartCommand; ++nId) {
            if (m_platform.m_menu[nId]) {
                enabled.push_back(nId);
            }
        }
        return enabled;
    }
    void FinishCountdown()
    {
        Choose(ids::kNewGame);
        m_platform.RunFrames(73);
        ASSERT_EQ(m_dlg.m_nState, kStateLevel1);
    }
};

TEST_F(ProgressFileTest, MenuUnlocksTheItemsUpToTheStoredProgress)
{
    const std::pair<int, int> cases[] = {{-5, 1}, {0, 1}, {2, 1}, {3, 2}, {7, 6}, {11, 10}, {12, 11}};
    for (const auto& [nStored, nEnabled] : cases) {
        WriteProgress(nStored);
        m_platform.RunFrames(1);  // an idle frame reads the file again
        const std::vector<int> enabled = EnabledStartItems();
        ASSERT_EQ(static_cast<int>(enabled.size()), nEnabled) << "stored " << nStored;
        EXPECT_EQ(enabled.back(), ids::kFirstStartCommand + nEnabled - 1);
    }
}

TEST_F(ProgressFileTest, AProgressAboveTheTopUnlocksEverythingAndStaysStored)
{
    WriteProgress(13);
    m_platform.RunFrames(1);
    EXPECT_EQ(EnabledStartItems().size(), 11u);
    FinishCountdown();
    m_dlg.KillGerm();  // back to idle after a game: the menu must come back
    m_platform.RunFrames(1);
    EXPECT_EQ(EnabledStartItems().size(), 11u);
    EXPECT_EQ(ProgressBytes(), (Bytes{13, 0, 0, 0}));
}

TEST_F(ProgressFileTest, NoFileMeansNewGameOnlyAndTheCountdownCreatesItHoldingZero)
{
    EXPECT_FALSE(ProgressFileExists());
    EXPECT_EQ(EnabledStartItems(), std::vector<int>{ids::kNewGame});
    FinishCountdown();
    EXPECT_EQ(ProgressBytes(), (Bytes{0, 0, 0, 0}));
}

TEST_F(ProgressFileTest, ASaveOverwritesTheFirstFourBytesAndKeepsTheTail)
{
    WriteProgressBytes({0, 0, 0, 0, 0xAA, 0xBB, 0xCC, 0xDD});
    m_platform.RunFrames(1);
    FinishCountdown();
    m_dlg.m_nProgress = 0x01020304;
    m_dlg.SaveProgress();
    EXPECT_EQ(ProgressBytes(), (Bytes{4, 3, 2, 1, 0xAA, 0xBB, 0xCC, 0xDD}));
}

TEST_F(ProgressFileTest, AShortFileIsTreatedAsMissingWithoutAnyBox)
{
    WriteProgress(5);
    m_platform.RunFrames(1);
    WriteProgressBytes({9, 0});
    m_platform.RunFrames(20);
    EXPECT_TRUE(m_platform.m_boxes.empty());
    EXPECT_EQ(m_dlg.m_nProgress, 5);  // kept, as for a missing file
}

TEST_F(ProgressFileTest, AnUnwritableFileIsReportedOnceAndThePlayGoesOn)
{
    std::filesystem::create_directory(kProgressFileName);  // neither readable nor writable as a file
    m_platform.RunFrames(3);
    EXPECT_TRUE(m_platform.m_boxes.empty());
    FinishCountdown();
    ASSERT_EQ(m_platform.m_boxes.size(), 1u);
    EXPECT_NE(m_platform.m_boxes[0].find("Saved Games.grm"), std::string::npos);
    EXPECT_EQ(m_dlg.m_nState, kStateLevel1);
    m_dlg.SaveProgress();
    EXPECT_EQ(m_platform.m_boxes.size(), 1u);  // once per run
}

TEST_F(ProgressFileTest, CompletionNeverLowersAFileRaisedDuringPlay)
{
    WriteProgress(3);
    m_platform.RunFrames(1);
    FinishCountdown();
    WriteProgress(9);  // another copy of the game got further meanwhile
    m_dlg.SaveProgress();
    EXPECT_EQ(ProgressBytes(), (Bytes{9, 0, 0, 0}));
    EXPECT_EQ(m_dlg.m_nProgress, 9);
}

TEST_F(ProgressFileTest, AFileEditedWhileIdleTakesEffectWithinOneFrame)
{
    m_platform.RunFrames(1);
    EXPECT_FALSE(m_platform.m_menu[ids::kLevel2]);
    WriteProgress(3);
    m_platform.RunFrames(1);
    EXPECT_TRUE(m_platform.m_menu[ids::kLevel2]);
}

}  // namespace
