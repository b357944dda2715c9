// The ten levels, one row each: what a player meets (count, speed, modes,
// timers, title, hazard families in drawing order) and what completing one
// earns. The protocol they share is played through each row.
#include "tests/unit/GameFixture.h"

using namespace game;

namespace {

struct LevelFacts {
    int nState;
    const char* pszTitle;  // none: Level 1, straight after the countdown
    int nCount;
    int nSpeed;
    const char* pszModes;  // per drifter: '.' straight, Z zig-zag, H homing, S steered
    int nSecondWavePeriodMs;  // 0: timer 104 never starts
    const char* pszDrawOrder;  // D drifters, B bursters, C chaser, S syringes, G grabber
    const char* pszCensus;     // the other families' counts at set-up: "B1 C1 S2 G1"
    bool bFallWhenClosing;
    int nEndFrame;
    std::vector<std::pair<int, int>> raises;  // progress before and after completion
};

std::string Name(const LevelFacts& f) { return f.pszTitle ? f.pszTitle : "Level 1"; }
void PrintTo(const LevelFacts& f, std::ostream* os) { *os << Name(f); }

const LevelFacts kLevels[] = {
    {2, nullptr, 10, 15, "..........", 0, "D", "", false, 500, {{0, 3}, {1, 3}, {2, 2}, {5, 5}}},
    {3, "Level 2", 15, 20, "...............", 0, "D", "", false, 525, {{3, 4}, {0, 4}, {4, 4}, {7, 7}}},
    {4, "Level 3", 7, 17, "ZZZZZZZ", 0, "D", "", false, 525, {{4, 5}, {6, 6}}},
    {5, "Level 4", 15, 20, "...............", 2000, "DB", "B2", false, 525, {{5, 6}, {7, 7}}},
    {6, "Level 5", 13, 20, ".............", 2000, "DBC", "B1 C1", false, 525, {{6, 7}, {8, 8}}},
    {7, "Level 6", 13, 20, "HHHHHHHHHHHHH", 2000, "DB", "B1", false, 525, {{7, 8}, {9, 9}}},
    {8, "Level 7", 13, 20, ".............", 0, "DCG", "C1 G1", false, 525, {{8, 9}, {10, 10}}},
    {9, "Level 8", 9, 13, "SSSSSSSSS", 0, "DC", "C1", true, 525, {{9, 10}, {11, 11}}},
    {10, "Level 9", 10, 13, "SSSSSSSSSS", 0, "DS", "S2", true, 525, {{10, 11}, {12, 12}}},
    {11, "Final Level", 9, 10, "SSSHHHZZZ", 2000, "DCSBG", "B1 C1 S2 G1", true, 525, {{11, 12}, {12, 12}, {30, 30}}},
};

class LevelTest : public GameFixture, public ::testing::WithParamInterface<LevelFacts> {
protected:
    void StartState(int nState, int nProgress)
    {
        WriteProgress(nProgress);
        m_platform.RunFrames(1);
        m_dlg.m_nState = nState;
        m_platform.m_sounds.clear();
        PlaceGermAt(Point{245, 300});
    }
    std::string Modes() const
    {
        std::string str;
        for (int i = 0; i < m_dlg.m_nFirstWaveCount; ++i) {
            const CDrifter& d = m_dlg.m_pFirstWave[i];
            str += d.m_bSteered == 1 ? 'S' : d.m_bHoming == 1 ? 'H' : d.m_bZigzag == 1 ? 'Z' : '.';
        }
        return str;
    }
    std::string Census() const
    {
        const CGermDlg& d = m_dlg;
        const std::pair<char, int> counts[] = {{'B', d.m_pSecondWave ? d.m_nSecondWaveCount : 0},
                                               {'C', d.m_pChaser ? 1 : 0},
                                               {'S', d.m_pSyringes ? d.m_nSyringeCount : 0},
                                               {'G', d.m_pGrabber ? 1 : 0}};
        std::string str;
        for (const auto& [c, n] : counts)
            str += n == 0 ? "" : (str.empty() ? "" : " ") + std::string(1, c) + std::to_string(n);
        return str;
    }
};

// The families of the last frame, by their colours, in the order drawn.
std::string DrawOrder(const RecordingDrawingContext& dc)
{
    using enum DrawnShape::Kind;
    std::string str;
    for (const DrawnShape& s : dc.m_shapes) {
        const char c = s.kind == Polygon && s.rgbBrush == Rgb{130, 130, 130} ? 'S'
                       : s.kind != Ellipse                                  ? 0
                       : s.rgbBrush == Rgb{250, 0, 0}                       ? 'D'
                       : s.rgbPen == Rgb{200, 200, 255}                     ? 'B'
                       : s.rgbBrush == Rgb{245, 245, 245}                   ? (s.rc.Width() < 40 ? 'C' : 'G')
                                                                            : 0;
        if (c != 0 && (str.empty() || str.back() != c))
            str += c;
    }
    return str;
}

TEST_P(LevelTest, SetsUpShowsItsTitleAndRunsItsFamiliesInOrder)
{
    const LevelFacts& f = GetParam();
    StartState(f.nState, 0);
    const size_t nCursorMoves = m_platform.m_cursorMoves.size();
    m_platform.RunFrames(1);
    // Set-up: a titled level opens with the sting and the germ at its start.
    EXPECT_EQ(m_platform.SoundIds(), f.pszTitle ? std::vector<int>{ids::kSoundInfect} : std::vector<int>{});
    EXPECT_EQ(m_platform.m_cursorMoves.size(), nCursorMoves + (f.pszTitle ? 1 : 0));
    EXPECT_EQ(m_dlg.m_nFrame, f.pszTitle ? 3 : 2);
    EXPECT_EQ(Modes(), f.pszModes);
    EXPECT_EQ(Census(), f.pszCensus);
    EXPECT_EQ(m_platform.TimerPeriod(kFirstWaveTimer), 500);
    EXPECT_EQ(m_platform.IsTimerRunning(kSecondWaveTimer), f.nSecondWavePeriodMs != 0);
    if (f.nSecondWavePeriodMs != 0) {
        EXPECT_EQ(m_platform.TimerPeriod(kSecondWaveTimer), f.nSecondWavePeriodMs);
    }
    // The title shows for 24 frames, with nothing drawn or deadly beneath it
    // but in its last frame, which also makes the first running update.
    int nTitleFrames = 0;
    while (!m_platform.m_lastFrame.Texts().empty()) {
        EXPECT_EQ(m_platform.m_lastFrame.Texts(), std::vector<std::string>{f.pszTitle});
        ++nTitleFrames;
        if (m_dlg.m_nFrame < kBannerLastFrame) {
            EXPECT_EQ(DrawOrder(m_platform.m_lastFrame), "");  // not updated, so not deadly
        }
        ASSERT_TRUE(Dodge());
        m_platform.RunFrames(1);
        ASSERT_EQ(m_dlg.m_nState, f.nState);
    }
    EXPECT_EQ(nTitleFrames, f.pszTitle ? 24 : 0);
    ASSERT_TRUE(PlayDodging([&] { return m_dlg.m_nFrame < 80; }));
    // Every drifter moves at the level's speed, in its mode, also after a
    // trip through the bottom; the families draw in the update order.
    std::vector<Rect> before;
    for (int i = 0; i < f.nCount; ++i)
        before.push_back(m_dlg.m_pFirstWave[i].m_rcBox);
    const Rect rcChaser = m_dlg.m_pChaser != nullptr ? m_dlg.m_pChaser->m_rcBox : Rect{};
    ASSERT_TRUE(Dodge());
    m_platform.RunFrames(1);
    ASSERT_EQ(m_dlg.m_nState, f.nState);
    if (m_dlg.m_pChaser != nullptr) {  // every chaser hunts at 3 pixels a frame
        const Rect& rc = m_dlg.m_pChaser->m_rcBox;
        EXPECT_EQ(std::max(std::abs(rc.left - rcChaser.left), std::abs(rc.top - rcChaser.top)), 3);
    }
    for (int i = 0; i < f.nCount; ++i) {
        const Rect& rc = m_dlg.m_pFirstWave[i].m_rcBox;
        if (m_dlg.m_pFirstWave[i].m_bActive == 1 && rc.top > 0) {
            EXPECT_EQ(std::max(std::abs(rc.left - before[i].left), std::abs(rc.top - before[i].top)), f.nSpeed);
        }
    }
    EXPECT_EQ(Modes(), f.pszModes);
    EXPECT_EQ(DrawOrder(m_platform.m_lastFrame), f.pszDrawOrder);
    // A death in the first family's update ends the frame there.
    const CDrifter* pActive = std::find_if(m_dlg.m_pFirstWave, m_dlg.m_pFirstWave + f.nCount,
                                           [](const CDrifter& d) { return d.m_bActive == 1; });
    PlaceGermAt(Point{pActive->m_rcBox.left + 25, pActive->m_rcBox.top + 25});
    m_platform.RunFrames(1);
    EXPECT_EQ(m_dlg.m_nState, kStateIdle);
    EXPECT_EQ(m_dlg.m_nFrame, 0);
    EXPECT_EQ(DrawOrder(m_platform.m_lastFrame), "D");
}

TEST_P(LevelTest, CompletesOnItsFirstWaveAloneAndRaisesTheProgressByItsRule)
{
    const LevelFacts& f = GetParam();
    for (const auto& [nBefore, nAfter] : f.raises) {
        StartState(f.nState, nBefore);
        m_platform.RunFrames(1);
        // The two frames that take the counter to E and E + 1 run both
        // phases, so the drifter still out moves twice; it alone holds the
        // level, and the closing phase counts no frames.
        m_dlg.m_nFrame = f.nEndFrame - 1;
        m_dlg.m_nFirstWaveReleased = f.nCount;
        m_dlg.m_nSecondWaveReleased = 1;
        for (int i = 0; i < f.nCount; ++i)
            m_dlg.m_pFirstWave[i].m_bActive = i == 0 ? 1 : 0;
        // Told to head up, which only a steered drifter does. Where the wave
        // falls when closing it is steered: up in the first frame's running
        // update, then straight down from its closing update on.
        m_dlg.m_pFirstWave[0].m_rcBox = Rect{400, 100, 450, 150};
        m_dlg.m_pFirstWave[0].m_strDirection = "up";
        PlaceGermAt(Point{100, 450});
        const int nSteps[] = {f.bFallWhenClosing ? 0 : 2 * f.nSpeed, 2 * f.nSpeed, f.nSpeed};
        for (int i = 0, nTop = 100; i < 3; ++i) {
            m_platform.RunFrames(1);
            ASSERT_EQ(m_dlg.m_nState, f.nState);
            EXPECT_EQ(m_dlg.m_pFirstWave[0].m_rcBox.top, nTop += nSteps[i]) << i;
            EXPECT_EQ(m_dlg.m_nFrame, f.nEndFrame + std::min(i, 1)) << i;
        }
        EXPECT_EQ(Modes(), f.bFallWhenClosing ? std::string(f.nCount, '.') : f.pszModes);
        m_dlg.m_pFirstWave[0].m_bActive = 0;
        m_platform.RunFrames(1);
        EXPECT_EQ(m_dlg.m_nState, f.nState + 1);
        EXPECT_EQ(m_dlg.m_nProgress, nAfter) << "from " << nBefore;
        EXPECT_EQ(ProgressBytes()[0], nAfter);
        EXPECT_EQ(m_dlg.m_pFirstWave, nullptr);
        EXPECT_FALSE(m_platform.IsTimerRunning(kSecondWaveTimer));
        EXPECT_EQ(m_dlg.m_nFirstWaveReleased + m_dlg.m_nSecondWaveReleased, 0);
        m_dlg.ClearLevel();
        m_dlg.m_nState = kStateIdle;
    }
}

INSTANTIATE_TEST_SUITE_P(EveryLevel, LevelTest, ::testing::ValuesIn(kLevels),
                         [](const auto& info) {
                             std::string str = Name(info.param);
                             std::erase(str, ' ');
                             return str;
                         });

}  // namespace
