// Level 3: seven drifters zig-zag down at 17 pixels a frame on each axis.
#include "app/CGermDlg.h"
#include "hazards/CDrifter.h"

namespace {

constexpr LevelScript kLevel3{
    .pszTitle = "Level 3",
    .nEndFrame = 525,
    .nRaiseBelow = 5,
    .nRaiseTo = 5,
    .nFirstWaveCount = 7,
};
constexpr int kDrifterSpeed = 17;

}  // namespace

void CGermDlg::RunLevel3(DrawingContext& dc)
{
    LevelHooks hooks = FirstWaveHooks(kDrifterSpeed);
    hooks.spawn = [this] {
        for (int i = 0; i < m_nFirstWaveCount; ++i) {
            m_pFirstWave[i].Spawn(m_rcClient, m_platform);
            m_pFirstWave[i].m_bZigzag = 1;
        }
    };
    RunLevel(dc, kLevel3, hooks);
}
