#pragma once
// The X server's own pixels: where the pointer is and where the window's
// outer frame lies, before Qt rounds either into its scaled pixels. At a
// scale factor Qt rounds the two differently, by a device pixel, and the
// game's wall test compares them; taken here, both are rounded one way.
#include <QPoint>
#include <QRect>
#include <QWindow>
#include <optional>

namespace screen_pixels {

// The pointer on the root window; nothing when there is no X server to ask.
std::optional<QPoint> Pointer();
// Moves the pointer to ptDevice on the root window without waiting for the
// server (Qt's own move asks twice where the pointer is first, each a round
// trip a busy machine makes slow). False when there is no X server.
bool WarpPointer(QPoint ptDevice);
// The outer rectangle of the top-level frame holding pWindow (the window
// manager's decorations included), right and bottom exclusive.
std::optional<QRect> OuterFrame(const QWindow* pWindow);

}  // namespace screen_pixels
