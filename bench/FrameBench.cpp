// The cost of one frame as the game draws it, against the floor: filling a
// client-sized surface once. Add a state's frame by setting m_nState (and
// whatever the state needs) before the loop, as BM_DrawFrameIdle does.
#include <QImage>
#include <benchmark/benchmark.h>

#include "app/CGermDlg.h"
#include "app/GameConstants.h"
#include "tests/pixel/SurfacePlatform.h"

namespace {

constexpr int kClientWidth = 489;
constexpr int kClientHeight = 581;

void BM_FullSurfaceFill(benchmark::State& state)
{
    QImage image(kClientWidth, kClientHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(QColor(150, 0, 0));
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_FullSurfaceFill);

void BM_DrawFrameIdle(benchmark::State& state)
{
    SurfacePlatform platform;
    CGermDlg dlg(platform);
    dlg.OnInitDialog();
    dlg.m_nState = game::kStateIdle;
    for (auto _ : state)
        dlg.DrawFrame();
    if (platform.m_imgLast.isNull())
        state.SkipWithError("no frame was presented");
}
BENCHMARK(BM_DrawFrameIdle);

}  // namespace
