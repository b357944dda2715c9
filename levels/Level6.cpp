// Level 6: thirteen drifters home on the germ as they fall at 20 pixels a
// frame (also after re-entering at the top), with one burster.
#include "app/CGermDlg.h"

namespace {

constexpr HazardGroup kGroups[] = {HazardGroup::FirstWave, HazardGroup::SecondWave};
constexpr DrifterModeRun kModes[] = {{13, DrifterMode::Homing}};

constexpr LevelScript kScript{
    .pszTitle = "Level 6",
    .nRaiseBelow = 8,
    .nRaiseTo = 8,
    .nFirstWaveCount = 13,
    .nDrifterSpeed = 20,
    .drifterModes = kModes,
    .nSecondWaveCount = 1,
    .nSecondWavePeriodMs = 2000,
    .groups = kGroups,
};

}  // namespace

void CGermDlg::RunLevel6(DrawingContext& dc)
{
    RunLevel(dc, kScript);
}
