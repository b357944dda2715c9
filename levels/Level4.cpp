// Level 4: fifteen drifters fall straight at 20 pixels a frame while two
// bursters, one every two seconds, fall and burst among them.
#include "app/CGermDlg.h"

namespace {

constexpr HazardGroup kGroups[] = {HazardGroup::FirstWave, HazardGroup::SecondWave};

constexpr LevelScript kScript{
    .pszTitle = "Level 4",
    .nRaiseBelow = 6,
    .nRaiseTo = 6,
    .nFirstWaveCount = 15,
    .nDrifterSpeed = 20,
    .nSecondWaveCount = 2,
    .nSecondWavePeriodMs = 2000,
    .groups = kGroups,
};

}  // namespace

void CGermDlg::RunLevel4(DrawingContext& dc)
{
    RunLevel(dc, kScript);
}
