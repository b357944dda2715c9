// Level 1: ten drifters fall straight at 15 pixels a frame. It follows the
// countdown at once: no start sound, no cursor reset, no banner.
#include "app/CGermDlg.h"

namespace {

constexpr HazardGroup kGroups[] = {HazardGroup::FirstWave};

constexpr LevelScript kScript{
    .pszTitle = nullptr,
    .nEndFrame = 500,
    .nRaiseBelow = 2,  // a stored 2 stays 2
    .nRaiseTo = 3,
    .nFirstWaveCount = 10,
    .nDrifterSpeed = 15,
    .groups = kGroups,
};

}  // namespace

void CGermDlg::RunLevel1(DrawingContext& dc)
{
    RunLevel(dc, kScript);
}
