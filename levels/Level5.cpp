// Level 5: thirteen straight drifters at 20 pixels a frame, one burster, and
// the chaser hunting the germ at 3 pixels a frame, drawn over both.
#include "app/CGermDlg.h"

namespace {

constexpr HazardGroup kGroups[] = {HazardGroup::FirstWave, HazardGroup::SecondWave,
                                    HazardGroup::Chaser};

constexpr LevelScript kScript{
    .pszTitle = "Level 5",
    .nRaiseBelow = 7,
    .nRaiseTo = 7,
    .nFirstWaveCount = 13,
    .nDrifterSpeed = 20,
    .nSecondWaveCount = 1,
    .nSecondWavePeriodMs = 2000,
    .nChaserSpeed = 3,
    .groups = kGroups,
};

}  // namespace

void CGermDlg::RunLevel5(DrawingContext& dc)
{
    RunLevel(dc, kScript);
}
