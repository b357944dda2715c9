#pragma once
// A Platform that does nothing but give the game's frames a surface, which a
// subclass makes on its host; the cursor rests inside the window, clear of
// the walls.
#include "platform/Platform.h"

struct FramePlatform : Platform {
    Point m_ptCursor{244, 300};

    bool GetCursorPos(Point& pt) override { pt = m_ptCursor; return true; }
    Rect GetClientRect() override { return Rect{0, 0, 489, 581}; }
    Rect GetWindowRect() override { return Rect{0, 0, 489, 600}; }
    int GetMenuBarHeight() override { return 19; }
    void SetTimer(int, int) override {}
    void KillTimer(int) override {}
    void SetCursorPos(Point) override {}
    void SetGermCursor(bool) override {}
    void MoveWindow(Point) override {}
    void EnableMenuItem(int, bool) override {}
    void PlaySound(int) override {}
    void MessageBox(std::string_view) override {}
    void ShowAbout(CAboutDlg&) override {}
    void OpenUrl(std::string_view) override {}
    void Sleep(int) override {}
    int GetLocalSeconds() override { return 0; }
    int Rand() override { return 0; }
};
