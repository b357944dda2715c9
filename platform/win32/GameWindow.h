#pragma once
// The game's window on the Windows desktop: a fixed 489 x 581 client area
// (in the game's pixels) under a "Start" and "Help" menu bar. It owns the
// game (CGermDlg), forwards timer ticks and menu commands to it, and serves
// it as its Platform. Messages are handled in GameWindow.cpp, the game's
// requests in GamePlatform.cpp.
#include "platform/win32/WinApi.h"

#include <memory>
#include <optional>
#include <string>

#include "app/CGermDlg.h"
#include "platform/Platform.h"
#include "platform/win32/GdiSurface.h"
#include "platform/win32/ResourceBitmaps.h"
#include "platform/win32/ScreenScale.h"
#include "platform/win32/WaveSound.h"
#include "platform/win32/WindowTimers.h"

class GameWindow final : public Platform {
public:
    explicit GameWindow(HINSTANCE hInstance);
    ~GameWindow() override;
    GameWindow(const GameWindow&) = delete;
    GameWindow& operator=(const GameWindow&) = delete;

    // Makes the window, centred on its monitor, shows it and starts the
    // game; false when the system refuses the window.
    bool Open(int nShowCommand);

    // Platform
    void SetTimer(int nId, int nPeriodMs) override;
    void KillTimer(int nId) override;
    bool GetCursorPos(Point& pt) override;
    void SetCursorPos(Point pt) override;
    void SetGermCursor(bool bGerm) override;
    Rect GetClientRect() override;
    Rect GetWindowRect() override;
    int GetMenuBarHeight() override;
    void MoveWindow(Point ptTopLeft) override;
    void EnableMenuItem(int nCommandId, bool bEnabled) override;
    std::unique_ptr<DrawingContext> CreateFrameSurface(Size size) override;
    void PresentFrame(DrawingContext& dc) override;
    void PlaySound(int nSoundId) override;
    void MessageBox(std::string_view strText) override;
    void ShowAbout(CAboutDlg& dlg) override;
    void OpenUrl(std::string_view strUrl) override;
    void Sleep(int nMs) override;
    int GetLocalSeconds() override;
    int Rand() override;
    std::string GetEnvironment(const std::string& strName) override;
    std::optional<std::string> GetSavedGamesFolder() override;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT nMessage, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> OnMessage(UINT nMessage, WPARAM wParam, LPARAM lParam);
    bool OnSetCursor();
    void OnFrame();
    void FitClientArea();
    void CentreOnMonitor();
    void AddAboutToSystemMenu();
    void ShowCursorNow();
    void ForgetWindowReadings();

    HINSTANCE m_hInstance;
    HWND m_hwnd = nullptr;
    HMENU m_hMenuBar = nullptr;
    HCURSOR m_hGermCursor;
    bool m_bGermCursor = false;
    ScreenScale m_scale;
    GermPointer m_pointer{m_scale};
    WaveSound m_sound;
    ResourceBitmaps m_bitmaps;
    WindowTimers m_timers;
    GdiSurfaces m_surfaces;  // kept for the window's frames
    std::string m_strSavedGames;  // the shell's answer, once it gave one
    // The outer rectangle and the menu bar's height, read once a frame: every
    // hazard's contact test asks for them, and under Wine each asking is a
    // round trip to its server. Forgotten when the window moves or rescales.
    std::optional<Rect> m_rcWindowRead;
    std::optional<int> m_nMenuBarRead;
    // Last: the game may still ask the rest while it is destroyed.
    CGermDlg m_dlg;
};
