#pragma once
// Vessels and fat on the heart: great vessels as shaded tubes with cut ends,
// coronary vessels as wandering tapered lines with twigs, fat as lumps.
#include <QPainter>

#include "tools/HeartShapes.h"
#include "tools/Rng.h"
#include "tools/Tissue.h"

void DrawTube(QPainter& p, const Tube& tube, const Tissue& tissue, bool bCutEnd);
void DrawCoronary(QPainter& p, const Tube& vessel, const Tissue& tissue, Rng& rng);
void DrawFat(QPainter& p, const Tube& band, Rng& rng);
// A soft shadow a front structure casts down and right onto what lies behind.
void DrawCastShadow(QPainter& p, const QPainterPath& path, double dWidth);
