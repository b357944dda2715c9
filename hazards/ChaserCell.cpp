// The chaser's operations of the game window: draw, contact, group update.
#include "app/CGermDlg.h"
#include "hazards/CChaser.h"

void CGermDlg::DrawChaser(DrawingContext&) {}
int CGermDlg::ChaserHitsGerm() { return 0; }
int CGermDlg::UpdateChaser(DrawingContext&, int, int) { return 1; }
