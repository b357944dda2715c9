// The Ending Act, call by call: the drop, the beats, the infection, the
// shaking, the splatter and the reset.
#include <algorithm>

#include "tests/unit/GameFixture.h"

using namespace game;

namespace {

struct ActCall {
    std::vector<DrawnShape> hearts;
    size_t nDroplets;
    std::vector<int> sounds;
    size_t nSleeps;
    size_t nWindowMoves;
};

class EndingActTest : public GameFixture {
protected:
    // Plays the act from the menu and records every call, counted from 1.
    std::vector<ActCall> PlayAct()
    {
        WriteProgress(12);
        m_platform.RunFrames(1);
        Choose(ids::kEndingAct);
        std::vector<ActCall> calls(1);
        while (m_dlg.m_nState == kStateEndingAct && calls.size() < 300) {
            const size_t nSounds = m_platform.m_sounds.size();
            const size_t nSleeps = m_platform.m_sleeps.size();
            const size_t nMoves = m_platform.m_windowMoves.size();
            m_platform.RunFrames(1);
            ActCall call{m_platform.m_lastFrame.Of(DrawnShape::Kind::Bitmap),
                         m_platform.m_lastFrame.Of(DrawnShape::Kind::Ellipse).size(), {},
                         m_platform.m_sleeps.size() - nSleeps,
                         m_platform.m_windowMoves.size() - nMoves};
            for (size_t i = nSounds; i < m_platform.m_sounds.size(); ++i) {
                call.sounds.push_back(m_platform.m_sounds[i].nSoundId);
            }
            calls.push_back(call);
        }
        return calls;
    }
    // The heart's left edge: centred on the window's outer width by the size
    // at the start of the call.
    int Left(int nSize) const { return m_platform.m_rcWindow.Width() / 2 - nSize / 2; }
};

Rect HeartAt(int nLeft, int nTop, int nWidth, int nHeight)
{
    return Rect{nLeft, nTop, nLeft + nWidth, nTop + nHeight};
}

TEST_F(EndingActTest, PlaysFrameForFrameAndReturnsToIdleAfter195Calls)
{
    const Rect rcStart = m_platform.m_rcWindow;
    const std::vector<ActCall> calls = PlayAct();
    ASSERT_EQ(calls.size(), 196u);  // index 0 unused
    EXPECT_EQ(m_dlg.m_nState, kStateIdle);
    const int nX0 = Left(333);  // the window does not move before call 130

    ASSERT_EQ(calls[1].hearts.size(), 1u);
    EXPECT_EQ(calls[1].hearts[0].rc, HeartAt(nX0, -223, 333, 333));
    EXPECT_EQ(calls[1].hearts[0].nBitmapId, ids::kHeartBitmap);
    EXPECT_EQ(calls[21].hearts[0].rc, HeartAt(nX0, -43, 333, 333));
    ASSERT_EQ(calls[22].hearts.size(), 2u);
    EXPECT_EQ(calls[22].hearts[0].rc, HeartAt(nX0, -34, 333, 333));
    EXPECT_EQ(calls[22].hearts[1].rc, HeartAt(nX0, -25, 343, 333));

    const int widths[] = {353, 343, 333, 323, 313, 323, 333, 343, 353};
    for (int i = 0; i < 9; ++i) {
        ASSERT_EQ(calls[23 + i].hearts.size(), 1u);
        EXPECT_EQ(calls[23 + i].hearts[0].rc.Width(), widths[i]) << "call " << 23 + i;
        EXPECT_EQ(calls[23 + i].hearts[0].rc.Height(), 333);
        EXPECT_EQ(calls[23 + i].hearts[0].rc.top, -25);
    }
    // A widening frame stands 5 pixels right of centre, a narrowing one 5 left.
    EXPECT_EQ(calls[23].hearts[0].rc.left, Left(343));
    EXPECT_EQ(calls[24].hearts[0].rc.left, Left(353));
    // The pause comes where the heart turns from narrowing to widening.
    EXPECT_EQ(calls[24].nSleeps + calls[28].nSleeps, 1u);
    EXPECT_EQ(calls[28].nSleeps, 1u);

    ASSERT_EQ(calls[101].hearts.size(), 2u);
    EXPECT_EQ(calls[101].hearts[0].rc.Width(), 333);
    EXPECT_EQ(calls[101].hearts[1].nBitmapId, ids::kInfectedHeartBitmap);
    EXPECT_EQ(calls[101].hearts[1].rc, HeartAt(Left(323), -25, 333, 333));  // placed by the width at the start
    EXPECT_EQ(calls[101].sounds, std::vector<int>{ids::kSoundInfection});
    EXPECT_EQ(calls[102].hearts[0].rc.Width(), 328);
    EXPECT_EQ(calls[129].hearts[0].rc.Width(), 193);
    ASSERT_EQ(calls[130].hearts.size(), 2u);
    EXPECT_EQ(calls[130].hearts[0].rc.Width(), 188);
    EXPECT_EQ(calls[130].hearts[1].rc.Width(), 183);
    EXPECT_EQ(calls[171].hearts[0].rc, HeartAt(Left(183), -25, 183, 183));
    EXPECT_EQ(calls[171].hearts[0].nBitmapId, ids::kInfectedHeartBitmap);  // shaking, still green
    EXPECT_EQ(calls[172].sounds, std::vector<int>{ids::kSoundBurst});
    EXPECT_EQ(calls[172].nDroplets, 150u);
    for (int i = 173; i <= 195; ++i) {
        EXPECT_TRUE(calls[i].hearts.empty()) << "call " << i;
        EXPECT_EQ(calls[i].nDroplets, 150u) << "call " << i;
    }

    size_t nBeats = 0, nPausedBeats = 0, nMoves = 0;
    for (size_t i = 1; i < calls.size(); ++i) {
        nBeats += std::count(calls[i].sounds.begin(), calls[i].sounds.end(), ids::kSoundHeartbeat);
        nPausedBeats += calls[i].nSleeps;
        nMoves += calls[i].nWindowMoves;
        EXPECT_EQ(calls[i].nWindowMoves, (i >= 130 && i <= 172) ? 1u : 0u) << "call " << i;
    }
    EXPECT_EQ(nBeats, 20u);
    EXPECT_EQ(nPausedBeats, 10u);
    EXPECT_EQ(m_platform.m_sleeps, std::vector<int>(10, 70));
    EXPECT_EQ(nMoves, 43u);
    EXPECT_EQ(m_platform.m_rcWindow.left, rcStart.left + 5);
    EXPECT_EQ(m_platform.m_rcWindow.top, rcStart.top);
}

TEST_F(EndingActTest, TheSplatterStartsAtTheBitmapsOwnSizeAndGrowsTwentyPixelsAFrame)
{
    WriteProgress(12);
    m_platform.RunFrames(1);
    Choose(ids::kEndingAct);
    m_platform.RunFrames(172);
    // The first droplets: over the 199 x 223 bitmap at the last heart's left
    // and top edges, not over the 183 x 183 heart last drawn.
    const std::vector<DrawnShape> droplets = m_platform.m_lastFrame.Of(DrawnShape::Kind::Ellipse);
    ASSERT_EQ(droplets.size(), 150u);
    const Rect rcFirst{Left(183), -25, Left(183) + 199, -25 + 223};
    Rect rcSeen{droplets[0].rc.left, droplets[0].rc.top, droplets[0].rc.left, droplets[0].rc.top};
    for (const DrawnShape& droplet : droplets) {
        rcSeen = Rect{std::min(rcSeen.left, droplet.rc.left), std::min(rcSeen.top, droplet.rc.top),
                      std::max(rcSeen.right, droplet.rc.left), std::max(rcSeen.bottom, droplet.rc.top)};
        EXPECT_EQ(droplet.rc.Width(), 8);
        EXPECT_EQ(droplet.rgbBrush, (Rgb{255, 0, 0}));
        EXPECT_EQ(droplet.rgbPen, (Rgb{50, 0, 0}));
    }
    EXPECT_GE(rcSeen.left, rcFirst.left);
    EXPECT_LT(rcSeen.right, rcFirst.right);
    EXPECT_GE(rcSeen.top, rcFirst.top);
    EXPECT_LT(rcSeen.bottom, rcFirst.bottom);
    EXPECT_GT(rcSeen.bottom - rcSeen.top, 180);  // spread over the whole height
    // 24 splatter calls in all, each growing it by 20 a side; kept after the act.
    m_platform.RunFrames(23);
    ASSERT_EQ(m_dlg.m_nState, kStateIdle);
    EXPECT_EQ(m_dlg.m_ending.s_rcSplatter,
              (Rect{rcFirst.left - 480, rcFirst.top - 480, rcFirst.right + 480, rcFirst.bottom + 480}));
}

TEST_F(EndingActTest, ASecondRunPlaysTheSameApartFromTheWindowPosition)
{
    const std::vector<ActCall> first = PlayAct();
    const int nLeftAfterFirst = m_platform.m_rcWindow.left;
    const std::vector<ActCall> second = PlayAct();
    ASSERT_EQ(first.size(), second.size());
    for (size_t i = 1; i < first.size(); ++i) {
        ASSERT_EQ(first[i].hearts.size(), second[i].hearts.size()) << "call " << i;
        for (size_t j = 0; j < first[i].hearts.size(); ++j) {
            EXPECT_EQ(first[i].hearts[j].rc, second[i].hearts[j].rc) << "call " << i;
        }
        EXPECT_EQ(first[i].sounds, second[i].sounds) << "call " << i;
    }
    EXPECT_EQ(m_platform.m_rcWindow.left, nLeftAfterFirst + 5);
}

}  // namespace
