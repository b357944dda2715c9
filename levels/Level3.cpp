// Level 3: seven drifters zig-zag down at 17 pixels a frame on each axis.
#include "app/CGermDlg.h"

namespace {

constexpr HazardGroup kGroups[] = {HazardGroup::FirstWave};
constexpr DrifterModeRun kModes[] = {{7, DrifterMode::Zigzag}};

constexpr LevelScript kScript{
    .pszTitle = "Level 3",
    .nRaiseBelow = 5,
    .nRaiseTo = 5,
    .nFirstWaveCount = 7,
    .nDrifterSpeed = 17,
    .drifterModes = kModes,
    .groups = kGroups,
};

}  // namespace

void CGermDlg::RunLevel3(DrawingContext& dc)
{
    RunLevel(dc, kScript);
}
