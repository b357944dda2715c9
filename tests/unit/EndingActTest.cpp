// The Ending Act, call by call: the drop, the beats, the infection, the
// shaking, the splatter and the reset.
#include <algorithm>

#include "tests/unit/GameFixture.h"

using namespace game;

namespace {

struct ActCall {
    std::vector<DrawnShape> hearts;
    std::vector<DrawnShape> droplets;
    std::vector<int> sounds;
    size_t nSleeps;
    size_t nWindowMoves;
    friend bool operator==(const ActCall&, const ActCall&) = default;
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
            const size_t nSounds = m_platform.m_sounds.size(), nSleeps = m_platform.m_sleeps.size();
            const size_t nMoves = m_platform.m_windowMoves.size();
            m_platform.RunFrames(1);
            const std::vector<int> sounds = m_platform.SoundIds();
            calls.push_back({m_platform.m_lastFrame.Of(DrawnShape::Kind::Bitmap),
                             m_platform.m_lastFrame.Of(DrawnShape::Kind::Ellipse),
                             {sounds.begin() + static_cast<long>(nSounds), sounds.end()},
                             m_platform.m_sleeps.size() - nSleeps, m_platform.m_windowMoves.size() - nMoves});
        }
        return calls;
    }
    // The heart's left edge: centred on the window's outer width by the size
    // at the start of the call.
    int Left(int nSize) const { return m_platform.m_rcWindow.Width() / 2 - nSize / 2; }
};

TEST_F(EndingActTest, PlaysFrameForFrameAndReturnsToIdleAfter195Calls)
{
    const Rect rcStart = m_platform.m_rcWindow;
    const std::vector<ActCall> calls = PlayAct();
    ASSERT_EQ(calls.size(), 196u);  // index 0 unused
    EXPECT_EQ(m_dlg.m_nState, kStateIdle);
    const int nX0 = Left(333);  // the window does not move before call 130
    constexpr int H = ids::kHeartBitmap;
    constexpr int G = ids::kInfectedHeartBitmap;
    const auto HeartAt = [](int nLeft, int nTop, int nWidth, int nHeight) {
        return Rect{nLeft, nTop, nLeft + nWidth, nTop + nHeight};
    };
    // The drop, the beat (a widening frame stands 5 pixels right of centre,
    // a narrowing one 5 left), the green shrink placed by the width at the
    // call's start, the shaking: call, heart of the call, place, bitmap.
    const struct { int nCall; size_t nHeart; Rect rc; int nBitmap; } hearts[] = {
        {1, 0, HeartAt(nX0, -223, 333, 333), H},    {21, 0, HeartAt(nX0, -43, 333, 333), H},
        {22, 0, HeartAt(nX0, -34, 333, 333), H},    {22, 1, HeartAt(nX0, -25, 343, 333), H},
        {23, 0, HeartAt(Left(343), -25, 353, 333), H}, {24, 0, HeartAt(Left(353), -25, 343, 333), H},
        {27, 0, HeartAt(Left(323), -25, 313, 333), H}, {28, 0, HeartAt(Left(313), -25, 323, 333), H},
        {101, 0, HeartAt(Left(323), -25, 333, 333), H}, {101, 1, HeartAt(Left(323), -25, 333, 333), G},
        {102, 0, HeartAt(Left(328), -25, 328, 328), G}, {130, 1, HeartAt(Left(188), -25, 183, 183), G},
        {171, 0, HeartAt(Left(183), -25, 183, 183), G},
    };
    for (const auto& h : hearts) {
        ASSERT_LT(h.nHeart, calls[h.nCall].hearts.size()) << "call " << h.nCall;
        const DrawnShape& heart = calls[h.nCall].hearts[h.nHeart];
        EXPECT_EQ(std::pair(heart.rc, heart.nBitmapId), std::pair(h.rc, h.nBitmap)) << "call " << h.nCall;
    }
    // The pause comes where the heart turns from narrowing to widening.
    EXPECT_EQ(calls[24].nSleeps + calls[28].nSleeps, 1u);
    EXPECT_EQ(calls[28].nSleeps, 1u);
    EXPECT_EQ(calls[101].sounds, std::vector<int>{ids::kSoundInfection});
    EXPECT_EQ(calls[172].sounds, std::vector<int>{ids::kSoundBurst});
    size_t nBeats = 0;
    for (size_t i = 1; i < calls.size(); ++i) {
        nBeats += std::count(calls[i].sounds.begin(), calls[i].sounds.end(), ids::kSoundHeartbeat);
        EXPECT_EQ(calls[i].nWindowMoves, (i >= 130 && i <= 172) ? 1u : 0u) << "call " << i;
        EXPECT_EQ(calls[i].droplets.size(), i >= 172 ? 150u : 0u) << "call " << i;
        EXPECT_EQ(calls[i].hearts.empty(), i > 172) << "call " << i;
    }
    EXPECT_EQ(nBeats, 20u);
    EXPECT_EQ(m_platform.m_sleeps, std::vector<int>(10, 70));
    EXPECT_EQ(m_platform.m_windowMoves.back(), (Point{rcStart.left + 5, rcStart.top}));
    // The first droplets: 8-pixel red drops over the 199 x 223 bitmap at the
    // last heart's place, not over the 183 x 183 heart last drawn; then 24
    // calls grow the area 20 pixels a side each, and it is kept.
    const Rect rcFirst{Left(183), -25, Left(183) + 199, -25 + 223};
    int nTop = rcFirst.bottom, nBottom = rcFirst.top;
    for (const DrawnShape& drop : calls[172].droplets) {
        EXPECT_TRUE(drop.rc.left >= rcFirst.left && drop.rc.left < rcFirst.right) << drop.rc.left;
        nTop = std::min(nTop, drop.rc.top);
        nBottom = std::max(nBottom, drop.rc.top);
        EXPECT_EQ(drop, (DrawnShape{DrawnShape::Kind::Ellipse, Rect{drop.rc.left, drop.rc.top, drop.rc.left + 8,
                                                                   drop.rc.top + 8}, {}, "", 0, 1, {50, 0, 0}, {255, 0, 0}}));
    }
    EXPECT_TRUE(nTop >= rcFirst.top && nBottom < rcFirst.bottom && nBottom - nTop > 180);
    EXPECT_EQ(m_dlg.m_ending.s_rcSplatter,
              (Rect{rcFirst.left - 480, rcFirst.top - 480, rcFirst.right + 480, rcFirst.bottom + 480}));
}

// Each droplet draws its x, then its y, from a rand() never seeded: the
// splatter is the same pattern on every run.
TEST_F(EndingActTest, EachDropletDrawsItsXThenItsY)
{
    m_dlg.m_ending.s_rcSplatter = Rect{10, 20, 210, 320};
    m_platform.m_randQueue = {205, 1, 3, 301};
    RecordingDrawingContext dc;
    m_dlg.Splatter(dc);
    EXPECT_EQ(std::pair(dc.m_shapes[0].rc, dc.m_shapes[1].rc), std::pair(Rect{15, 21, 23, 29}, Rect{13, 21, 21, 29}));
}

// The act's values start afresh: a second run is the first again, but for
// the window, which ends another 5 pixels right, and where the drops fall.
TEST_F(EndingActTest, ASecondRunPlaysTheSameApartFromTheWindowPosition)
{
    std::vector<ActCall> runs[2] = {PlayAct(), {}};
    const int nLeftAfterFirst = m_platform.m_rcWindow.left;
    runs[1] = PlayAct();
    for (std::vector<ActCall>& calls : runs) {
        for (ActCall& call : calls)
            call.droplets.assign(call.droplets.size(), DrawnShape{});  // scattered anew each run
    }
    EXPECT_TRUE(runs[0] == runs[1]);
    EXPECT_EQ(m_platform.m_rcWindow.left, nLeftAfterFirst + 5);
}

}  // namespace
