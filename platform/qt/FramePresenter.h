#pragma once
// Shows finished frames on the play area without Qt's painting: the
// windowing system reads them straight from memory it shares with us, the
// frames having been drawn there (the presenter is the frame surfaces'
// SurfaceMemory). X11Presenter on X11, WaylandPresenter on Wayland.
#include <QImage>

#include "platform/qt/QtDrawingContext.h"

class FramePresenter : public SurfaceMemory {
public:
    // Shows image (device pixels, 32-bit) at the play area's top-left; one
    // not made here is copied to shared memory first. False when it could
    // not: the caller paints through Qt from then on.
    virtual bool Present(const QImage& image) = 0;
};
