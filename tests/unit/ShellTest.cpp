// The game window's frame loop, states, countdown and menu commands.
#include "tests/unit/GameFixture.h"

using namespace game;

namespace {

class ShellTest : public GameFixture {};

// Each word for 25 frames with its sound on its first; the last frame of one
// word also shows the next; after 73 frames Level 1, and a file holding 0. The
// germ starts centred above the window's bottom, inside it on any screen.
TEST_F(ShellTest, CountdownShowsItsWordsAndSoundsOnTheirFramesThenStartsLevel1)
{
    Choose(ids::kNewGame);
    std::vector<std::string> texts;
    for (int i = 0; i < 73; ++i) {
        m_platform.RunFrames(1);
        std::string str;
        for (const std::string& strWord : m_platform.m_lastFrame.Texts())
            str += strWord + " ";
        texts.push_back(str);
    }
    EXPECT_EQ(m_platform.m_cursorMoves, std::vector<Point>{(Point{715 + 491 / 2, 852 - 150})});
    const std::vector<std::pair<int, std::string>> words{
        {0, "Ready "}, {24, "Ready Set "}, {25, "Set "}, {48, "Set INFECT! "}, {72, "INFECT! "}};
    for (const auto& [nFrame, strWords] : words)
        EXPECT_EQ(texts[static_cast<size_t>(nFrame)], strWords) << nFrame;
    EXPECT_EQ(m_platform.m_sounds, (std::vector<FakePlatform::PlayedSound>{
                                       {ids::kSoundCount, 0}, {ids::kSoundCount, 24}, {ids::kSoundInfect, 48}}));
    EXPECT_EQ(m_dlg.m_nState, kStateLevel1);
    EXPECT_EQ(ProgressBytes(), (std::vector<unsigned char>{0, 0, 0, 0}));
}

// Each "Start" item sets its state, which greys the whole "Start" menu, shows
// the germ and ignores a second command; Help items are never greyed.
TEST_F(ShellTest, StartItemsSetTheirStatesWhichGreyTheMenuAndShowTheGerm)
{
    WriteProgress(12);
    for (int nId = ids::kFirstStartCommand; nId <= ids::kLastStartCommand; ++nId) {
        m_dlg.ClearLevel();
        m_dlg.m_nState = kStateIdle;
        m_platform.RunFrames(1);
        EXPECT_FALSE(m_platform.m_bGermCursor);  // the arrow while idle
        Choose(nId);
        m_dlg.OnCommand(ids::kNewGame);  // ignored: a state is running
        EXPECT_EQ(m_dlg.m_nState, nId == ids::kNewGame ? 1 : nId - ids::kLevel2 + 3) << nId;
        m_platform.RunFrames(1);
        for (int nItem = ids::kFirstStartCommand; nItem <= ids::kLastStartCommand; ++nItem)
            EXPECT_FALSE(m_platform.m_menu[nItem]) << "item " << nId << " greys " << nItem;
        EXPECT_TRUE(m_platform.m_bGermCursor) << nId;
    }
    EXPECT_EQ(m_platform.m_menu.count(ids::kInstructions) + m_platform.m_menu.count(ids::kAbout), 0u);
}

// A wave of n is released on ticks 1 to n; tick n + 1 stops its timer and
// resets the count. A count with no array behind it releases nothing.
TEST_F(ShellTest, WaveTimersReleaseOnePerTickThenStopAndReset)
{
    m_dlg.m_nFirstWaveCount = 3;
    m_dlg.m_pFirstWave = new CDrifter[3];
    m_dlg.m_nSecondWaveCount = 2;
    m_platform.SetTimer(kFirstWaveTimer, 500);
    m_platform.SetTimer(kSecondWaveTimer, 2000);
    m_platform.RunTicks(kFirstWaveTimer, 2);
    EXPECT_EQ(m_dlg.m_pFirstWave[1].m_bActive, 1);
    EXPECT_EQ(m_dlg.m_pFirstWave[2].m_bActive, 0);
    m_platform.RunTicks(kFirstWaveTimer, 1);
    EXPECT_TRUE(m_platform.IsTimerRunning(kFirstWaveTimer));
    m_platform.RunTicks(kFirstWaveTimer, 1);
    m_platform.RunTicks(kSecondWaveTimer, 3);
    EXPECT_FALSE(m_platform.IsTimerRunning(kFirstWaveTimer) || m_platform.IsTimerRunning(kSecondWaveTimer));
    EXPECT_EQ(m_dlg.m_nFirstWaveReleased + m_dlg.m_nSecondWaveReleased, 0);
}

TEST_F(ShellTest, HelpShowsTheInstructionsAndTheAboutBoxWhoseButtonOpensTheSite)
{
    m_dlg.OnCommand(ids::kInstructions);
    ASSERT_EQ(m_platform.m_boxes.size(), 1u);
    // The game's own words, spaced as written: two spaces after a full stop,
    // an empty line between the paragraphs.
    for (const char* pszPart : {"you inhabit (a germ's dream come true!).  However",
                                "attacks you.\n\nYou will control",
                                "good infecting!  May you spread like the plague."}) {
        EXPECT_NE(m_platform.m_boxes[0].find(pszPart), std::string::npos) << pszPart;
    }
    EXPECT_STREQ(CAboutDlg::kVersionLine, "Vasculon Version 1.0");
    EXPECT_STREQ(CAboutDlg::kVisitButton, "Visit the Web Site");
    m_platform.m_onAbout = [](CAboutDlg& dlg) { dlg.OnVisitWebSite(); };
    m_dlg.OnCommand(ids::kAbout);
    EXPECT_EQ(m_platform.m_urls, std::vector<std::string>{CAboutDlg::kWebSiteUrl});
    EXPECT_EQ(std::string(CAboutDlg::kNotice).size(), 306u);
}

}  // namespace
