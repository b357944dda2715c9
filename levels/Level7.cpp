// Level 7: thirteen straight drifters at 20 pixels a frame, the chaser, and
// the grabber reeling the germ in from a side wall. No second wave.
#include "app/CGermDlg.h"

namespace {

constexpr HazardGroup kGroups[] = {HazardGroup::FirstWave, HazardGroup::Chaser,
                                    HazardGroup::Grabber};

constexpr LevelScript kScript{
    .pszTitle = "Level 7",
    .nRaiseBelow = 9,
    .nRaiseTo = 9,
    .nFirstWaveCount = 13,
    .nDrifterSpeed = 20,
    .nChaserSpeed = 3,
    .groups = kGroups,
};

}  // namespace

void CGermDlg::RunLevel7(DrawingContext& dc)
{
    RunLevel(dc, kScript);
}
