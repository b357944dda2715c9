// Level 9: ten steered drifters at 13 pixels a frame and two syringes
// spraying across the window; when the level closes the drifters fall out.
#include "app/CGermDlg.h"

namespace {

constexpr HazardGroup kGroups[] = {HazardGroup::FirstWave, HazardGroup::Syringes};
constexpr DrifterModeRun kModes[] = {{10, DrifterMode::Steered}};

constexpr LevelScript kScript{
    .pszTitle = "Level 9",
    .nRaiseBelow = 11,
    .nRaiseTo = 11,
    .nFirstWaveCount = 10,
    .nDrifterSpeed = 13,
    .drifterModes = kModes,
    .bDriftersFallWhenClosing = true,
    .nSyringeCount = 2,
    .groups = kGroups,
};

}  // namespace

void CGermDlg::RunLevel9(DrawingContext& dc)
{
    RunLevel(dc, kScript);
}
