#pragma once
// The white cell body that the chaser and the grabber share: a white disc
// with a faintly grey nucleus.
#include "platform/DrawingContext.h"

void DrawWhiteCell(DrawingContext& dc, const Rect& rcBox);
