// Level 2: fifteen drifters fall straight at 20 pixels a frame.
#include "app/CGermDlg.h"

namespace {

constexpr HazardGroup kGroups[] = {HazardGroup::FirstWave};

constexpr LevelScript kScript{
    .pszTitle = "Level 2",
    .nRaiseBelow = 4,
    .nRaiseTo = 4,
    .nFirstWaveCount = 15,
    .nDrifterSpeed = 20,
    .groups = kGroups,
};

}  // namespace

void CGermDlg::RunLevel2(DrawingContext& dc)
{
    RunLevel(dc, kScript);
}
