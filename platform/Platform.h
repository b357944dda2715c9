#pragma once
// Everything the game asks of the machine: timers, the real cursor, the
// window, the menu, sound, modal boxes, the clock, rand() and the
// environment. The Qt host implements it for play;
// tests/support/FakePlatform scripts it for tests.
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/DrawingContext.h"
#include "platform/Geometry.h"

class CAboutDlg;

class Platform {
public:
    virtual ~Platform() = default;

    // Ticks arrive as CGermDlg::OnTimer(nId) every nPeriodMs until killed.
    // Setting a running timer again restarts it with the new period.
    virtual void SetTimer(int nId, int nPeriodMs) = 0;
    virtual void KillTimer(int nId) = 0;

    // The real pointer, in screen pixels. GetCursorPos returns false when the
    // position cannot be read.
    virtual bool GetCursorPos(Point& pt) = 0;
    virtual void SetCursorPos(Point pt) = 0;
    // The germ cursor over the client area instead of the normal arrow.
    virtual void SetGermCursor(bool bGerm) = 0;

    // Client rectangle, left and top 0.
    virtual Rect GetClientRect() = 0;
    // Outer rectangle in screen pixels, decorations included.
    virtual Rect GetWindowRect() = 0;
    virtual int GetMenuBarHeight() = 0;
    // Moves the outer rectangle's top-left corner, keeping the size.
    virtual void MoveWindow(Point ptTopLeft) = 0;

    virtual void EnableMenuItem(int nCommandId, bool bEnabled) = 0;

    // A fresh off-screen surface of the client's size for one frame, and the
    // copy of a finished surface to the window.
    virtual std::unique_ptr<DrawingContext> CreateFrameSurface(Size size) = 0;
    virtual void PresentFrame(DrawingContext& dc) = 0;

    // Starts a sound asynchronously; a new sound cuts off the one playing.
    virtual void PlaySound(int nSoundId) = 0;
    // Modal box with an OK button and the application title as caption;
    // timers keep firing while it is open.
    virtual void MessageBox(std::string_view strText) = 0;
    virtual void ShowAbout(CAboutDlg& dlg) = 0;
    virtual void OpenUrl(std::string_view strUrl) = 0;
    // Holds the whole program.
    virtual void Sleep(int nMs) = 0;

    // The local wall clock's seconds field, 0 to 59.
    virtual int GetLocalSeconds() = 0;
    // The C library's rand(), never seeded.
    virtual int Rand() = 0;
    // An environment variable of the process; empty when unset. Every host
    // has the same, so only tests need their own.
    virtual std::string GetEnvironment(const std::string& strName)
    {
        const char* pszValue = std::getenv(strName.c_str());
        return pszValue != nullptr ? pszValue : "";
    }
    // The system's own folder for players' saved games (Windows' "Saved
    // Games"), UTF-8: nothing on a system without one, empty when it is
    // there but cannot be found.
    virtual std::optional<std::string> GetSavedGamesFolder() { return std::nullopt; }
};
