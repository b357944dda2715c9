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
        for (const std::string& strWord : m_platform.m_lastFrame.Texts()) {
            str += strWord + " ";
        }
        texts.push_back(str);
    }
    EXPECT_EQ(m_platform.m_cursorMoves, std::vector<Point>{(Point{715 + 491 / 2, 852 - 150})});
    const std::vector<std::pair<int, std::string>> words{
        {0, "Ready "}, {24, "Ready Set "}, {25, "Set "}, {48, "Set INFECT! "}, {72, "INFECT! "}};
    for (const auto& [nFrame, strWords] : words) {
        EXPECT_EQ(texts[static_cast<size_t>(nFrame)], strWords) << nFrame;
    }
    const std::vector<int> sounds{ids::kSoundCount, ids::kSoundCount, ids::kSoundInfect};
    ASSERT_EQ(m_platform.SoundIds(), sounds);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(m_platform.m_sounds[i].nFrame, static_cast<int>(i) * 24);
    }
    EXPECT_EQ(m_dlg.m_nState, kStateLevel1);
    EXPECT_EQ(ProgressBytes(), (std::vector<unsigned char>{0, 0, 0, 0}));
}

TEST_F(ShellTest, StartCommandsSetTheirStatesOnlyWhenIdle)
{
    const std::pair<int, int> commands[] = {{32771, 1}, {32772, 3}, {32779, 10}, {32780, 11}, {32781, 12}};
    for (const auto& [nCommand, nState] : commands) {
        m_dlg.m_nState = kStateIdle;
        m_dlg.OnCommand(nCommand);
        EXPECT_EQ(m_dlg.m_nState, nState) << nCommand;
    }
    m_dlg.OnCommand(ids::kNewGame);  // ignored: state 12 is running
    EXPECT_EQ(m_dlg.m_nState, kStateEndingAct);
}

TEST_F(ShellTest, PlayingGreysTheStartMenuShowsTheGermAndLeavesHelpAlone)
{
    WriteProgress(12);
    m_platform.RunFrames(1);
    EXPECT_FALSE(m_platform.m_bGermCursor);  // the arrow while idle
    for (const auto& [nId, bEnabled] : m_platform.m_menu) {
        EXPECT_TRUE(bEnabled) << nId;
    }
    for (int nState = 1; nState <= 12; ++nState) {
        m_dlg.m_nState = nState;
        m_platform.RunFrames(1);
        for (int nId = ids::kFirstStartCommand; nId <= ids::kLastStartCommand; ++nId) {
            EXPECT_FALSE(m_platform.m_menu[nId]) << "state " << nState << " item " << nId;
        }
        EXPECT_TRUE(m_platform.m_bGermCursor) << "state " << nState;
        m_dlg.ClearLevel();
    }
    EXPECT_EQ(m_platform.m_menu.count(ids::kInstructions), 0u);
    EXPECT_EQ(m_platform.m_menu.count(ids::kAbout), 0u);
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
    for (int nId : {kFirstWaveTimer, kSecondWaveTimer}) {
        EXPECT_FALSE(m_platform.IsTimerRunning(nId)) << nId;
    }
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
    EXPECT_EQ(m_platform.m_nAboutShown, 1);
    ASSERT_EQ(m_platform.m_urls.size(), 1u);
    EXPECT_EQ(m_platform.m_urls[0], CAboutDlg::kWebSiteUrl);
    EXPECT_EQ(std::string(CAboutDlg::kNotice).size(), 306u);
}

}  // namespace
