// The heaviest frames of play: levels with every hazard out, and the Ending
// Act's stretched heart and its droplet cloud. Each level frame puts the
// hazards in place by hand before it is drawn, so it measures the drawing of
// whatever the hazard families draw.
#include <benchmark/benchmark.h>

#include <functional>

#include "app/CGermDlg.h"
#include "app/GameConstants.h"
#include "hazards/CBurster.h"
#include "hazards/CChaser.h"
#include "hazards/CDrifter.h"
#include "hazards/CGrabber.h"
#include "hazards/CSyringe.h"
#include "tests/pixel/SurfacePlatform.h"

namespace {

// The germ sits on the far right, clear of every hazard placed below.
constexpr Point kCursor{480, 300};

// Drifters spread over the field, none near the germ.
void PlaceDrifters(CGermDlg& dlg)
{
    for (int i = 0; i < dlg.m_nFirstWaveCount; ++i) {
        CDrifter& drifter = dlg.m_pFirstWave[i];
        const int nX = 25 + (i % 5) * 80;
        const int nY = 20 + (i / 5) * 180 + (i % 5) * 30;
        drifter.m_rcBox = Rect{nX, nY, nX + 50, nY + 50};
        drifter.m_bActive = 1;
    }
}

// The burster burst, its eight fragments a ring around (200, 380).
void PlaceBurstFragments(CGermDlg& dlg)
{
    constexpr Point kRing[8] = {{0, -90}, {64, -64}, {90, 0},  {64, 64},
                                {0, 90},  {-64, 64}, {-90, 0}, {-64, -64}};
    CBurster& burster = dlg.m_pSecondWave[0];
    burster.m_bActive = 1;
    burster.m_bBurst = 1;
    burster.m_rcBox = Rect{150, 330, 250, 430};
    for (int i = 0; i < 8; ++i)
        burster.m_ptFragment[i] = Point{175 + kRing[i].x, 355 + kRing[i].y};
}

void PlaceChaser(CGermDlg& dlg)
{
    dlg.m_pChaser->m_bActive = 1;
    dlg.m_pChaser->m_rcBox = Rect{300, 120, 365, 185};
}

// Both syringes half in, spraying across the window above and below the germ.
void PlaceSprayingSyringes(CGermDlg& dlg)
{
    const Point ptTips[2] = {{100, 60}, {389, 540}};
    const Rect rcSprays[2] = {{30, 75, 489, 90}, {0, 510, 459, 525}};
    for (int i = 0; i < 2; ++i) {
        CSyringe& syringe = dlg.m_pSyringes[i];
        syringe.m_nSide = i;
        syringe.m_ptBody[0] = ptTips[i];
        syringe.PlaceBody();
        syringe.m_nPhase = 60;
        syringe.m_bSpraying = 1;
        syringe.m_rcSpray = rcSprays[i];
    }
}

// In from the left wall, its line out to the germ.
void PlaceGrabbingGrabber(CGermDlg& dlg)
{
    CGrabber& grabber = *dlg.m_pGrabber;
    grabber.m_nSide = 0;
    grabber.m_ptAnchor = Point{25, 440};
    grabber.m_rcBox = Rect{-25, 390, 75, 490};
    grabber.m_nPhase = 30;
    grabber.m_bGrabbing = 1;
}

// Starts the level of nState, then measures one running frame again and
// again with the hazards put back in place before each.
void RunLevelFrame(benchmark::State& state, int nState, const std::function<void(CGermDlg&)>& place)
{
    SurfacePlatform platform;
    platform.m_ptCursor = kCursor;
    CGermDlg dlg(platform);
    dlg.OnInitDialog();
    dlg.m_nState = nState;
    dlg.DrawFrame();  // set-up
    for (auto _ : state) {
        state.PauseTiming();
        dlg.m_nFrame = 100;
        place(dlg);
        state.ResumeTiming();
        dlg.DrawFrame();
    }
    if (dlg.m_nState != nState)
        state.SkipWithError("the germ died: the frame measured was not a level frame");
}

// Level 2 in its running phase with all fifteen drifters out.
void BM_DrawFrameLevel2FifteenDrifters(benchmark::State& state)
{
    RunLevelFrame(state, game::kStateLevel1 + 1, PlaceDrifters);
}
BENCHMARK(BM_DrawFrameLevel2FifteenDrifters);

// Level 5: thirteen drifters, the burster's eight fragments and the chaser.
void BM_DrawFrameLevel5AllOut(benchmark::State& state)
{
    RunLevelFrame(state, game::kStateLevel1 + 4, [](CGermDlg& dlg) {
        PlaceDrifters(dlg);
        PlaceBurstFragments(dlg);
        PlaceChaser(dlg);
    });
}
BENCHMARK(BM_DrawFrameLevel5AllOut);

// The Final Level at its busiest: nine drifters, the chaser, both syringes
// spraying, the burster's fragments and the grabber with its line.
void BM_DrawFrameFinalLevelAllOut(benchmark::State& state)
{
    RunLevelFrame(state, game::kStateFinalLevel, [](CGermDlg& dlg) {
        PlaceDrifters(dlg);
        PlaceChaser(dlg);
        PlaceSprayingSyringes(dlg);
        PlaceBurstFragments(dlg);
        PlaceGrabbingGrabber(dlg);
    });
}
BENCHMARK(BM_DrawFrameFinalLevelAllOut);

// Plays the act up to nCall - 1, then measures call nCall again and again.
void RunEndingActCall(benchmark::State& state, int nCall)
{
    SurfacePlatform platform;
    CGermDlg dlg(platform);
    dlg.OnInitDialog();
    dlg.m_nState = game::kStateEndingAct;
    for (int i = 1; i < nCall; ++i) {
        dlg.DrawFrame();
    }
    const EndingActValues values = dlg.m_ending;
    const int nEndingFrame = dlg.m_nEndingFrame;
    for (auto _ : state) {
        dlg.DrawFrame();
        state.PauseTiming();
        dlg.m_ending = values;
        dlg.m_nEndingFrame = nEndingFrame;
        state.ResumeTiming();
    }
}

// A beat: the widest heart, stretched to 353 x 333.
void BM_DrawFrameEndingHeart(benchmark::State& state)
{
    RunEndingActCall(state, 23);
}
BENCHMARK(BM_DrawFrameEndingHeart);

// The splatter: 150 droplets over a spreading rectangle.
void BM_DrawFrameEndingSplatter(benchmark::State& state)
{
    RunEndingActCall(state, 190);
}
BENCHMARK(BM_DrawFrameEndingSplatter);

}  // namespace
