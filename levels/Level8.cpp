// Level 8: nine drifters fly steered at 13 pixels a frame, turning at the
// walls, with the chaser; when the level closes they fall straight out.
#include "app/CGermDlg.h"

namespace {

constexpr HazardGroup kGroups[] = {HazardGroup::FirstWave, HazardGroup::Chaser};
constexpr DrifterModeRun kModes[] = {{9, DrifterMode::Steered}};

constexpr LevelScript kScript{
    .pszTitle = "Level 8",
    .nRaiseBelow = 10,
    .nRaiseTo = 10,
    .nFirstWaveCount = 9,
    .nDrifterSpeed = 13,
    .drifterModes = kModes,
    .bDriftersFallWhenClosing = true,
    .nChaserSpeed = 3,
    .groups = kGroups,
};

}  // namespace

void CGermDlg::RunLevel8(DrawingContext& dc)
{
    RunLevel(dc, kScript);
}
