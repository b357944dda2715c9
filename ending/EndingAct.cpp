// The closing animation: the heart drops in, beats twenty times, turns green
// and shrinks, shakes the window 43 times and bursts into droplets.
#include "ending/EndingAct.h"

#include "app/CGermDlg.h"
#include "app/GameConstants.h"
#include "platform/ResourceIds.h"

namespace {

// m_nEndingFrame ranges of the act's steps.
constexpr int kBeatFrom = 22;
constexpr int kInfectionFrom = 102;
constexpr int kShakeFrom = 132;
constexpr int kSplatterSetUp = 175;
constexpr int kSplatterFrom = 176;
constexpr int kEnd = 200;

constexpr int kDropStep = 9;
constexpr int kBeatStep = 10;
constexpr int kBeatTurn = 2;
constexpr int kBeatPauseMs = 70;
constexpr int kShrinkStep = 5;
constexpr int kShakeStep = 5;
constexpr int kDropletsPerFrame = 150;
constexpr int kDropletSize = 8;
constexpr int kSplatterGrowth = 20;
constexpr Rgb kDropletOutline{50, 0, 0};
constexpr Rgb kDropletFill{255, 0, 0};

}  // namespace

// Each step runs when the counter, as the step before left it, lies in its
// range, so one call can run two or three steps.
void CGermDlg::RunEndingAct(DrawingContext& dc)
{
    EndingActValues& v = m_ending;
    const Rect rcWindow = m_platform.GetWindowRect();
    const int nX0 = (rcWindow.right - rcWindow.left) / 2 - v.s_nHeartSize / 2;
    int nBitmap = ids::kHeartBitmap;
    auto drawHeart = [&](int nWidth, int nHeight) {
        dc.StretchBitmap(nBitmap, Rect{nX0, v.s_nHeartTop, nX0 + nWidth, v.s_nHeartTop + nHeight});
    };

    if (m_nEndingFrame >= 0 && m_nEndingFrame < kBeatFrom) {
        drawHeart(v.s_nHeartSize, v.s_nHeartSize);
        v.s_nHeartTop += kDropStep;
        ++m_nEndingFrame;
    }
    if (m_nEndingFrame >= kBeatFrom && m_nEndingFrame < kInfectionFrom) {
        BeatHeart(drawHeart);
        ++m_nEndingFrame;
    }
    if (m_nEndingFrame >= kInfectionFrom && m_nEndingFrame < kShakeFrom) {
        if (m_nEndingFrame == kInfectionFrom) {
            m_platform.PlaySound(ids::kSoundInfection);
        }
        nBitmap = ids::kInfectedHeartBitmap;
        drawHeart(v.s_nHeartSize, v.s_nHeartSize);
        v.s_nHeartSize -= kShrinkStep;
        ++m_nEndingFrame;
    }
    if (m_nEndingFrame >= kShakeFrom && m_nEndingFrame < kSplatterSetUp) {
        nBitmap = ids::kInfectedHeartBitmap;  // still green while it shakes
        drawHeart(v.s_nHeartSize, v.s_nHeartSize);
        ShakeWindow();
        ++m_nEndingFrame;
    }
    if (m_nEndingFrame == kSplatterSetUp) {
        // The bitmap's own size, not the size last drawn.
        v.s_rcSplatter = Rect{nX0, v.s_nHeartTop, nX0 + EndingActValues::kHeartBitmapWidth,
                              v.s_nHeartTop + EndingActValues::kHeartBitmapHeight};
        ++m_nEndingFrame;
    }
    if (m_nEndingFrame >= kSplatterFrom && m_nEndingFrame < kEnd) {
        if (m_nEndingFrame == kSplatterFrom) {
            m_platform.PlaySound(ids::kSoundBurst);
        }
        Splatter(dc);
        ++m_nEndingFrame;
    }
    if (m_nEndingFrame == kEnd) {
        const Rect rcSplatter = v.s_rcSplatter;
        v = EndingActValues{};
        v.s_rcSplatter = rcSplatter;
        m_nEndingFrame = 0;
        m_nState = game::kStateIdle;
    }
}

// Two thumps a beat: the width turns at +2 and, after a pause that holds the
// whole program, at -2; the height stays at rest.
void CGermDlg::BeatHeart(const std::function<void(int, int)>& drawHeart)
{
    EndingActValues& v = m_ending;
    if (v.s_nBeat == kBeatTurn) {
        v.s_bGrowing = 0;
        m_platform.PlaySound(ids::kSoundHeartbeat);
    }
    if (v.s_nBeat == -kBeatTurn) {
        m_platform.Sleep(kBeatPauseMs);
        v.s_bGrowing = 1;
        m_platform.PlaySound(ids::kSoundHeartbeat);
    }
    if (v.s_bGrowing == 1) {
        v.s_nHeartSize += kBeatStep;
        drawHeart(v.s_nHeartSize, EndingActValues::kRestingSize);
        ++v.s_nBeat;
    } else if (v.s_bGrowing == 0) {
        v.s_nHeartSize -= kBeatStep;
        drawHeart(v.s_nHeartSize, EndingActValues::kRestingSize);
        --v.s_nBeat;
    }
}

void CGermDlg::ShakeWindow()
{
    EndingActValues& v = m_ending;
    const Rect rc = m_platform.GetWindowRect();
    const int nDx = v.s_bShakeRight == 1 ? kShakeStep : -kShakeStep;
    m_platform.MoveWindow(Point{rc.left + nDx, rc.top});
    v.s_bShakeRight = v.s_bShakeRight == 1 ? 0 : 1;
}

void CGermDlg::Splatter(DrawingContext& dc)
{
    Rect& rc = m_ending.s_rcSplatter;
    dc.SelectPen(1, kDropletOutline);
    dc.SelectBrush(kDropletFill);
    const int nWidth = rc.Width();
    const int nHeight = rc.Height();
    for (int i = 0; i < kDropletsPerFrame; ++i) {
        const int nX = rc.left + m_platform.Rand() % nWidth;
        const int nY = rc.top + m_platform.Rand() % nHeight;
        dc.Ellipse(Rect{nX, nY, nX + kDropletSize, nY + kDropletSize});
    }
    rc = Rect{rc.left - kSplatterGrowth, rc.top - kSplatterGrowth, rc.right + kSplatterGrowth,
              rc.bottom + kSplatterGrowth};
}
