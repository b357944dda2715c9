#pragma once
// What the host asks the X server itself, in the server's own pixels: where
// the pointer is, moves of it, and where the window's outer frame lies,
// before Qt rounds any of them into its scaled pixels (see ScreenPixels.h).
// Nothing is asked where Qt does not run on X11.
#include <QPoint>
#include <QRect>
#include <QWindow>
#include <optional>

namespace x_server {

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

}  // namespace x_server
