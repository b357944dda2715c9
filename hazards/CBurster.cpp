#include "hazards/CBurster.h"

#include "platform/Platform.h"

void CBurster::Spawn(Rect, Platform&) {}
void CBurster::Step(Rect, int, Platform&) {}
void CBurster::CheckBurst(Rect, Platform&) {}
void CBurster::StartBurst() {}
void CBurster::MoveFragments(Rect, Platform&) {}
