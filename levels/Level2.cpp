// Level 2: fifteen drifters fall straight at 20 pixels a frame.
#include "app/CGermDlg.h"

namespace {

constexpr LevelScript kLevel2{
    .pszTitle = "Level 2",
    .nEndFrame = 525,
    .nRaiseBelow = 4,
    .nRaiseTo = 4,
    .nFirstWaveCount = 15,
};
constexpr int kDrifterSpeed = 20;

}  // namespace

void CGermDlg::RunLevel2(DrawingContext& dc)
{
    RunLevel(dc, kLevel2, FirstWaveHooks(kDrifterSpeed));
}
