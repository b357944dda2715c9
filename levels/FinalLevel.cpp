// The Final Level: every family at once. Nine drifters at 10 pixels a frame,
// three steered, three homing, three zig-zag; the chaser, two syringes, one
// burster and the grabber, drawn in that order, the grabber on top. Its
// completion leads into the Ending Act.
#include "app/CGermDlg.h"

namespace {

constexpr HazardGroup kGroups[] = {HazardGroup::FirstWave, HazardGroup::Chaser,
                                    HazardGroup::Syringes, HazardGroup::SecondWave,
                                    HazardGroup::Grabber};
constexpr DrifterModeRun kModes[] = {
    {3, DrifterMode::Steered},
    {3, DrifterMode::Homing},
    {3, DrifterMode::Zigzag},
};

constexpr LevelScript kScript{
    .pszTitle = "Final Level",
    .nRaiseBelow = 12,
    .nRaiseTo = 12,
    .nFirstWaveCount = 9,
    .nDrifterSpeed = 10,
    .drifterModes = kModes,
    .bDriftersFallWhenClosing = true,
    .nSecondWaveCount = 1,
    .nSecondWavePeriodMs = 2000,
    .nChaserSpeed = 3,
    .nSyringeCount = 2,
    .groups = kGroups,
};

}  // namespace

void CGermDlg::RunFinalLevel(DrawingContext& dc)
{
    RunLevel(dc, kScript);
}
