#pragma once
// The germ: the program's icon (16 colours on dark red) and the cursor the
// player steers (RGBA, transparent around the disc, hot spot at its centre).
#include <QImage>

// nSize x nSize, Format_Indexed8 whose colour table is Palette16().
QImage DrawGermIcon(int nSize);

// nSize x nSize ARGB32, the germ of DrawGermIcon on a transparent ground for
// the desktop's icon theme: as drawn there at 16 and 32 pixels, scaled up
// with smooth edges at the larger sizes.
QImage DrawGermDesktopIcon(int nSize);

// 32 x 32 ARGB32; every pixel fully opaque or fully transparent; the disc is
// centred on the host's hot spot (15, 15).
QImage DrawGermCursor();
