#include "hazards/CGrabber.h"

#include "platform/Platform.h"

void CGrabber::Spawn(Rect, Platform&) {}
void CGrabber::SlideIn() {}
void CGrabber::SlideOut() {}
void CGrabber::Advance(Rect, Platform&) {}
