// The second wave's operations of the game window: draw, contact, group update.
#include "app/CGermDlg.h"
#include "hazards/CBurster.h"

void CGermDlg::DrawBurster(CBurster, DrawingContext&) {}
int CGermDlg::BursterHitsGerm(CBurster) { return 0; }
int CGermDlg::UpdateSecondWave(DrawingContext&, int) { return 1; }
