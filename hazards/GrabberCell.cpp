// The grabber's operations of the game window: draw, the grab, contact, group
// update.
#include "app/CGermDlg.h"
#include "hazards/CGrabber.h"

void CGermDlg::DrawGrabber(DrawingContext&) {}
void CGermDlg::GrabGerm(DrawingContext&) {}
int CGermDlg::GrabberHitsGerm() { return 0; }
int CGermDlg::UpdateGrabber(DrawingContext&, int) { return 1; }
