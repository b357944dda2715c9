// The heaviest frames of play: a level with its whole wave out, and the
// Ending Act's stretched heart and its droplet cloud.
#include <benchmark/benchmark.h>

#include "app/CGermDlg.h"
#include "app/GameConstants.h"
#include "hazards/CDrifter.h"
#include "tests/pixel/SurfacePlatform.h"

namespace {

// Level 2 in its running phase with all fifteen drifters spread over the
// field; the germ sits clear of them on the far right.
void BM_DrawFrameLevel2FifteenDrifters(benchmark::State& state)
{
    SurfacePlatform platform;
    platform.m_ptCursor = Point{480, 300};
    CGermDlg dlg(platform);
    dlg.OnInitDialog();
    dlg.m_nState = game::kStateLevel1 + 1;
    dlg.DrawFrame();  // set-up
    for (auto _ : state) {
        state.PauseTiming();
        dlg.m_nFrame = 100;
        for (int i = 0; i < dlg.m_nFirstWaveCount; ++i) {
            CDrifter& drifter = dlg.m_pFirstWave[i];
            const int nX = 25 + (i % 5) * 80;
            const int nY = 20 + (i / 5) * 180 + (i % 5) * 30;
            drifter.m_rcBox = Rect{nX, nY, nX + 50, nY + 50};
            drifter.m_bActive = 1;
        }
        state.ResumeTiming();
        dlg.DrawFrame();
    }
    if (dlg.m_nState != game::kStateLevel1 + 1) {
        state.SkipWithError("the germ died: the frame measured was not a level frame");
    }
}
BENCHMARK(BM_DrawFrameLevel2FifteenDrifters);

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
