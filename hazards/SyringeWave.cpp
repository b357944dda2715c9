// The syringes' operations of the game window: draw, spray, contact, group
// update.
#include "app/CGermDlg.h"
#include "hazards/CSyringe.h"

void CGermDlg::DrawSyringe(DrawingContext&, CSyringe) {}
void CGermDlg::DrawSpray(DrawingContext&, CSyringe) {}
int CGermDlg::SyringeHitsGerm(CSyringe, DrawingContext&) { return 0; }
int CGermDlg::UpdateSyringes(DrawingContext&, int) { return 1; }
