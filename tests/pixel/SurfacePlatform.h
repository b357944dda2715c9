#pragma once
// A Platform that draws for real and does nothing else: frames go to the
// host's own recycled surfaces and the last presented picture is kept, so a
// test or a benchmark can run the game's drawing through the real Qt surface.
#include <QImage>

#include "platform/Platform.h"
#include "platform/qt/QtDrawingContext.h"

struct SurfacePlatform final : Platform {
    FrameSurfaces m_surfaces;
    QImage m_imgLast;  // the last frame presented
    Point m_ptCursor{244, 300};  // inside the window, clear of the walls

    std::unique_ptr<DrawingContext> CreateFrameSurface(Size size) override { return m_surfaces.Create(size, 1.0); }
    void PresentFrame(DrawingContext& dc) override { m_imgLast = static_cast<QtDrawingContext&>(dc).Finish(); }
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
