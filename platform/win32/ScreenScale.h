#pragma once
// The game's screen pixels and the system's device pixels. The program is
// aware of each monitor's scale: the system speaks device pixels, the game
// keeps its own, and both the pointer and the window go through the same
// conversion (platform/DevicePixels.h), counted from the top-left of the
// monitor that holds the window.
#include "platform/win32/WinApi.h"

#include <optional>

#include "platform/Geometry.h"

class ScreenScale {
public:
    void Attach(HWND hwnd) { m_hwnd = hwnd; }

    // The window's dots per inch, 96 at 100 %.
    UINT Dpi() const;
    double Ratio() const { return Dpi() / 96.0; }

    Point ToGame(POINT ptDevice) const;
    POINT ToDevice(Point ptGame) const;
    Rect ToGame(const RECT& rcDevice) const;
    // A length from 0, such as the client area's size.
    int ToDeviceLength(int nGame) const;
    int ToGameLength(int nDevice) const;

private:
    POINT Origin() const;

    HWND m_hwnd = nullptr;
};

// The real pointer. A move is a step from where the game last read the
// pointer (within the same frame), so that whatever the player moved since
// the reading is kept, and a move lands on its target when the player has
// not moved.
class GermPointer {
public:
    explicit GermPointer(const ScreenScale& scale) : m_scale(scale) {}

    bool Read(Point& pt);
    void Move(Point ptTarget);
    // Readings hold for one frame: a move between frames (a menu command
    // starting a level) steps from where the pointer is then.
    void Forget() { m_ptRead.reset(); }

private:
    const ScreenScale& m_scale;
    std::optional<POINT> m_ptRead;  // device pixels
};
