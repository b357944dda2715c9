// What the game asks of the machine, as the Windows desktop answers it.
#include "platform/win32/GameWindow.h"

#include <shellapi.h>

#include <cstdlib>

#include "platform/MenuResource.h"
#include "platform/win32/Boxes.h"
#include "platform/win32/GdiDrawingContext.h"
#include "platform/win32/SavedGamesFolder.h"
#include "platform/win32/WideText.h"

void GameWindow::SetTimer(int nId, int nPeriodMs)
{
    m_timers.Set(nId, nPeriodMs);
}

void GameWindow::KillTimer(int nId)
{
    m_timers.Kill(nId);
}

bool GameWindow::GetCursorPos(Point& pt)
{
    return m_pointer.Read(pt);
}

void GameWindow::SetCursorPos(Point pt)
{
    m_pointer.Move(pt);
}

void GameWindow::SetGermCursor(bool bGerm)
{
    if (bGerm == m_bGermCursor)
        return;
    m_bGermCursor = bGerm;
    ShowCursorNow();
}

Rect GameWindow::GetClientRect()
{
    return Rect{0, 0, kClientSize.cx, kClientSize.cy};
}

Rect GameWindow::GetWindowRect()
{
    if (!m_rcWindowRead) {
        RECT rc{};
        ::GetWindowRect(m_hwnd, &rc);
        m_rcWindowRead = m_scale.ToGame(rc);
    }
    return *m_rcWindowRead;
}

// The height of a single-line menu bar, as the game's walls reckon it.
int GameWindow::GetMenuBarHeight()
{
    if (!m_nMenuBarRead)
        m_nMenuBarRead = m_scale.ToGameLength(::GetSystemMetricsForDpi(SM_CYMENU, m_scale.Dpi()));
    return *m_nMenuBarRead;
}

void GameWindow::ForgetWindowReadings()
{
    m_rcWindowRead.reset();
    m_nMenuBarRead.reset();
    m_scale.Forget();
}

// Onto the first device pixel of the game pixel asked for, so that the
// window is read back exactly where the game put it.
void GameWindow::MoveWindow(Point ptTopLeft)
{
    const POINT pt = m_scale.ToDevice(ptTopLeft);
    ::SetWindowPos(m_hwnd, nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ForgetWindowReadings();
}

void GameWindow::EnableMenuItem(int nCommandId, bool bEnabled)
{
    ::EnableMenuItem(m_hMenuBar, UINT(nCommandId), MF_BYCOMMAND | (bEnabled ? MF_ENABLED : MF_GRAYED | MF_DISABLED));
}

std::unique_ptr<DrawingContext> GameWindow::CreateFrameSurface(Size size)
{
    return std::make_unique<GdiDrawingContext>(size, m_bitmaps, int(m_scale.Dpi()), m_surfaces);
}

// One block copy of the finished frame, at the window's scale.
void GameWindow::PresentFrame(DrawingContext& dc)
{
    // Every surface the game draws on was made by CreateFrameSurface.
    auto& surface = static_cast<GdiDrawingContext&>(dc);
    const Size size = surface.GetDeviceSize();
    // In device pixels: scaled, BitBlt would scale its source once more.
    HDC hdcSurface = surface.GetFinishedHdc();
    HDC hdcWindow = ::GetDC(m_hwnd);
    ::BitBlt(hdcWindow, 0, 0, size.cx, size.cy, hdcSurface, 0, 0, SRCCOPY);
    ::ReleaseDC(m_hwnd, hdcWindow);
}

void GameWindow::PlaySound(int nSoundId)
{
    m_sound.Play(nSoundId);
}

void GameWindow::MessageBox(std::string_view strText)
{
    ShowMessageBox(m_hwnd, strText);
}

void GameWindow::ShowAbout(CAboutDlg& dlg)
{
    ShowAboutBox(m_hInstance, m_hwnd, dlg);
}

void GameWindow::OpenUrl(std::string_view strUrl)
{
    ::ShellExecuteW(m_hwnd, nullptr, Widen(strUrl).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void GameWindow::Sleep(int nMs)
{
    ::Sleep(DWORD(nMs));
}

int GameWindow::GetLocalSeconds()
{
    SYSTEMTIME time{};
    ::GetLocalTime(&time);
    return time.wSecond;
}

int GameWindow::Rand()
{
    return std::rand();
}

std::string GameWindow::GetEnvironment(const std::string& strName)
{
    return EnvironmentVariable(strName);
}

// Asked for on every idle frame, and the shell's answer takes a dozen calls
// to the registry: it is asked until it gives one.
std::optional<std::string> GameWindow::GetSavedGamesFolder()
{
    if (m_strSavedGames.empty())
        m_strSavedGames = SavedGamesFolder();
    return m_strSavedGames;
}
