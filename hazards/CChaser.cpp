#include "hazards/CChaser.h"

#include "platform/Platform.h"

void CChaser::Spawn(Rect, Platform&) {}
void CChaser::StepToward(int, int, int) {}
