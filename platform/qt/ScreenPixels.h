#pragma once
// The X server's own pixels: where the pointer is and where the window's
// outer frame lies, before Qt rounds either into its scaled pixels. At a
// scale factor Qt rounds the two differently, by a device pixel, and the
// game's wall test compares them; taken here, both are rounded one way.
#include <QPoint>
#include <QRect>
#include <QWindow>
#include <cmath>
#include <optional>

#include "platform/DevicePixels.h"

namespace screen_pixels {

// One axis, counted from the screen's top-left (the same in both): the one
// rule every host converts by.
using device_pixels::ToDevicePixel;
using device_pixels::ToGamePixel;

// A point from one kind of pixel to the other with ToGamePixel or
// ToDevicePixel, axis by axis, counted from the screen's top-left ptOrigin.
inline QPoint Rescaled(QPoint pt, QPoint ptOrigin, qreal dRatio, int (*pfnAxis)(int, qreal))
{
    const QPoint ptFromOrigin = pt - ptOrigin;
    return ptOrigin + QPoint(pfnAxis(ptFromOrigin.x(), dRatio), pfnAxis(ptFromOrigin.y(), dRatio));
}

// The device step that puts a pointer read at ptDeviceRead on the first
// device pixel of game pixel ptTarget. Worked out from the device reading,
// not between game pixels: a pointer may sit anywhere inside its game pixel,
// and a step between first pixels then lands one game pixel off. Exact when
// the player has not moved since the reading; whatever they moved is kept.
inline QPoint StepOnto(QPoint ptTarget, QPoint ptDeviceRead, QPoint ptOrigin, qreal dRatio)
{
    return Rescaled(ptTarget, ptOrigin, dRatio, ToDevicePixel) - ptDeviceRead;
}

// A question about the pointer's place on the root window, sent when made
// and answered by Answer(), which waits only if the server has not answered
// yet. Asked a little ahead of a frame, the answer is there when the frame
// needs it, and the frame never waits for the server.
class PointerQuery {
public:
    PointerQuery();
    ~PointerQuery();
    PointerQuery(const PointerQuery&) = delete;
    PointerQuery& operator=(const PointerQuery&) = delete;

    // Nothing when there is no X server to ask. Once only.
    std::optional<QPoint> Answer();

private:
    std::optional<unsigned int> m_nSequence;
};

// The pointer on the root window now; nothing when there is no X server.
std::optional<QPoint> Pointer();
// Moves the pointer by ptStep device pixels from wherever it is now, without
// waiting for the server (Qt's own move asks twice where the pointer is
// first, each a round trip a busy machine makes slow). The request leaves
// with the next Flush() or whatever is sent next; false when there is no X
// server.
bool MovePointerBy(QPoint ptStep);
// Sends what is queued for the server.
void Flush();
// The outer rectangle of the top-level frame holding pWindow (the window
// manager's decorations included), right and bottom exclusive.
std::optional<QRect> OuterFrame(const QWindow* pWindow);

}  // namespace screen_pixels
