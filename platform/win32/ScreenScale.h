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
    void Attach(HWND hwnd)
    {
        m_hwnd = hwnd;
        Forget();
    }
    // The monitor and its scale are read once and held until forgotten (at
    // each frame's start and end, and when the window moves or changes
    // scale): under Wine each monitor query is three server round trips, and
    // the hazards read the pointer many times a frame.
    void Forget() { m_read.reset(); }

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
    struct Reading {
        UINT nDpi;
        POINT ptOrigin;  // the top-left of the monitor that holds the window
    };
    const Reading& Read() const;
    POINT Origin() const { return Read().ptOrigin; }

    HWND m_hwnd = nullptr;
    mutable std::optional<Reading> m_read;
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
