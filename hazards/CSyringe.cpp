#include "hazards/CSyringe.h"

#include "app/CGermDlg.h"

void CSyringe::Spawn(CGermDlg&) {}
void CSyringe::PlaceBody() {}
void CSyringe::SlideIn() {}
void CSyringe::SlideOut() {}
void CSyringe::Spray(int, const Rect&) {}
void CSyringe::Advance(CGermDlg&) {}
