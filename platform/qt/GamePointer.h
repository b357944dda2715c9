#pragma once
// The pointer as the game reads and moves it, kept the way the desktop
// allows: the desktop's own pointer, moved on the X server (X11Pointer), or,
// where no program may move the pointer, a germ the host keeps and draws
// itself (WaylandGerm). The game window reads it once a frame.
#include <QPoint>
#include <QRect>
#include <functional>
#include <memory>

class QWidget;

class GamePointer {
public:
    // The one the desktop allows for window, the game's top-level window,
    // which outlives it.
    static std::unique_ptr<GamePointer> Create(QWidget& window);
    virtual ~GamePointer() = default;

    // Where the pointer is now, in Qt's screen coordinates. walls gives the
    // window's outer rectangle, the walls' own, which bounds a germ the host
    // keeps; asked only by that one.
    virtual QPoint Read(const std::function<QRect()>& walls) = 0;
    // The game's move to ptTo from ptFrom, where it was read: whatever the
    // player moved since the reading is kept.
    virtual void Step(QPoint ptFrom, QPoint ptTo) = 0;
    virtual void SetGermCursor(bool bGerm) = 0;
    // A box or a menu is open (calls nest): the desktop's pointer serves it.
    virtual void Hold(bool) {}
    // The next frame is due in nMsToFrame: a pointer read from a server is
    // asked for a moment before, so the frame never waits for the answer.
    // Each question replaces the last.
    virtual void AskAhead(int) {}
    // The frames stopped or start again: an answer asked for is old.
    virtual void ForgetAhead() {}
};
