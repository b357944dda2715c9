#pragma once
// The germ: the program's icon (16 colours on dark red) and the cursor the
// player steers (RGBA, transparent around the disc, hot spot at its centre).
#include <QImage>

// nSize x nSize, Format_Indexed8 whose colour table is Palette16().
QImage DrawGermIcon(int nSize);

// nSize x nSize, opaque RGB32: the icon of DrawGermIcon(32) scaled up with
// smooth edges, for the desktop's larger sizes (48 pixels and up).
QImage DrawGermIconSmooth(int nSize);

// 32 x 32 ARGB32; every pixel fully opaque or fully transparent; the disc is
// centred on the host's hot spot (15, 15).
QImage DrawGermCursor();
