#include "platform/win32/GameWindow.h"

#include <array>
#include <string>

#include "app/GameConstants.h"
#include "platform/MenuResource.h"
#include "platform/ResourceIds.h"
#include "platform/win32/WideText.h"

namespace {

constexpr const wchar_t* kClassName = L"VasculonGameWindow";
// A caption and a system menu; no sizing border, no minimise or maximise
// box. Shown on the task bar.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_APPWINDOW;
constexpr int kAboutStringLength = 64;

template <std::size_t N>
void AppendPopup(HMENU hMenuBar, const char* pszTitle, const std::array<MenuItem, N>& items)
{
    HMENU hPopup = ::CreatePopupMenu();
    for (const MenuItem& item : items)
        ::AppendMenuW(hPopup, MF_STRING, UINT_PTR(item.nCommandId), Widen(item.pszText).c_str());
    ::AppendMenuW(hMenuBar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(hPopup), Widen(pszTitle).c_str());
}

HMENU MakeMenuBar()
{
    HMENU hMenuBar = ::CreateMenu();
    AppendPopup(hMenuBar, kStartMenuTitle, kStartMenu);
    AppendPopup(hMenuBar, kHelpMenuTitle, kHelpMenu);
    return hMenuBar;
}

HICON LoadGermIcon(HINSTANCE hInstance, int nMetricX, int nMetricY)
{
    return static_cast<HICON>(::LoadImageW(hInstance, MAKEINTRESOURCEW(ids::kIcon), IMAGE_ICON,
                                           ::GetSystemMetrics(nMetricX), ::GetSystemMetrics(nMetricY),
                                           LR_DEFAULTCOLOR));
}

bool IsCloseKey(WPARAM nKey)
{
    return nKey == VK_RETURN || nKey == VK_ESCAPE;
}

void RegisterWindowClass(HINSTANCE hInstance, WNDPROC pfnProc)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    // A device context of the window's own, made once: a common one is set
    // up afresh (its font chosen again) for every frame's copy.
    wc.style = CS_OWNDC;
    wc.lpfnWndProc = pfnProc;
    wc.hInstance = hInstance;
    wc.hIcon = LoadGermIcon(hInstance, SM_CXICON, SM_CYICON);
    wc.hIconSm = LoadGermIcon(hInstance, SM_CXSMICON, SM_CYSMICON);
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClassName;
    // No background brush: every frame paints the whole client area.
    ::RegisterClassExW(&wc);
}

}  // namespace

GameWindow::GameWindow(HINSTANCE hInstance)
    : m_hInstance(hInstance),
      m_hGermCursor(::LoadCursorW(hInstance, MAKEINTRESOURCEW(ids::kGermCursor))),
      m_sound(hInstance), m_bitmaps(hInstance), m_timers(game::kFrameTimer), m_dlg(*this)
{
    if (m_hGermCursor == nullptr)
        m_hGermCursor = ::LoadCursorW(nullptr, IDC_CROSS);  // still marks the germ's point
}

GameWindow::~GameWindow()
{
    if (m_hwnd != nullptr)
        ::DestroyWindow(m_hwnd);
}

bool GameWindow::Open(int nShowCommand)
{
    RegisterWindowClass(m_hInstance, &GameWindow::WindowProc);
    m_hMenuBar = MakeMenuBar();
    static const std::wstring s_wstrCaption = Widen(kWindowCaption);
    if (::CreateWindowExW(kExStyle, kClassName, s_wstrCaption.c_str(), kStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, nullptr, m_hMenuBar, m_hInstance, this) == nullptr)
        return false;
    AddAboutToSystemMenu();
    FitClientArea();
    CentreOnMonitor();
    ::ShowWindow(m_hwnd, nShowCommand);
    ::UpdateWindow(m_hwnd);
    m_dlg.OnInitDialog();
    return true;
}

// The client area is the game's 489 x 581 pixels at the window's scale,
// whatever the system's frame and menu bar measure.
void GameWindow::FitClientArea()
{
    const SIZE size{m_scale.ToDeviceLength(kClientSize.cx), m_scale.ToDeviceLength(kClientSize.cy)};
    RECT rc{0, 0, size.cx, size.cy};
    ::AdjustWindowRectExForDpi(&rc, kStyle, TRUE, kExStyle, m_scale.Dpi());
    ::SetWindowPos(m_hwnd, nullptr, 0, 0, rc.right - rc.left, rc.bottom - rc.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    // A menu bar that wraps, or a frame of another size than the system
    // said, shows in the client area: make up the difference.
    RECT rcClient{};
    ::GetClientRect(m_hwnd, &rcClient);
    if (rcClient.right == size.cx && rcClient.bottom == size.cy)
        return;
    RECT rcWindow{};
    ::GetWindowRect(m_hwnd, &rcWindow);
    ::SetWindowPos(m_hwnd, nullptr, 0, 0, rcWindow.right - rcWindow.left + size.cx - rcClient.right,
                   rcWindow.bottom - rcWindow.top + size.cy - rcClient.bottom,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void GameWindow::CentreOnMonitor()
{
    MONITORINFO info{};
    info.cbSize = sizeof info;
    RECT rc{};
    if (!::GetMonitorInfoW(::MonitorFromWindow(m_hwnd, MONITOR_DEFAULTTOPRIMARY), &info) ||
        !::GetWindowRect(m_hwnd, &rc))
        return;
    const RECT& rcWork = info.rcWork;
    const int nWidth = rc.right - rc.left;
    const int nHeight = rc.bottom - rc.top;
    ::SetWindowPos(m_hwnd, nullptr, rcWork.left + (rcWork.right - rcWork.left - nWidth) / 2,
                   rcWork.top + (rcWork.bottom - rcWork.top - nHeight) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void GameWindow::AddAboutToSystemMenu()
{
    HMENU hSystemMenu = ::GetSystemMenu(m_hwnd, FALSE);
    wchar_t wszText[kAboutStringLength] = {};
    if (hSystemMenu == nullptr || ::LoadStringW(m_hInstance, ids::kAboutMenuString, wszText, kAboutStringLength) <= 0)
        return;
    ::AppendMenuW(hSystemMenu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(hSystemMenu, MF_STRING, ids::kSysAbout, wszText);
}

LRESULT CALLBACK GameWindow::WindowProc(HWND hwnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    if (nMessage == WM_NCCREATE) {
        auto* pWindow = static_cast<GameWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        pWindow->m_hwnd = hwnd;
        pWindow->m_scale.Attach(hwnd);
        pWindow->m_timers.Attach(hwnd);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pWindow));
    }
    auto* pWindow = reinterpret_cast<GameWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (nMessage == WM_NCDESTROY)
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    if (pWindow != nullptr) {
        if (const std::optional<LRESULT> nResult = pWindow->OnMessage(nMessage, wParam, lParam))
            return *nResult;
    }
    return ::DefWindowProcW(hwnd, nMessage, wParam, lParam);
}

// Nothing where the system's default handling is wanted.
std::optional<LRESULT> GameWindow::OnMessage(UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    switch (nMessage) {
    case WM_TIMER:
        if (m_timers.OnTimerMessage(int(wParam)))
            m_dlg.OnTimer(int(wParam));
        return 0;
    case WindowTimers::kFrameMessage:
        OnFrame();
        return 0;
    case WM_COMMAND:
        if (HIWORD(wParam) == 0 && lParam == 0)  // a menu item
            m_dlg.OnCommand(LOWORD(wParam));
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) != ids::kSysAbout)
            return std::nullopt;
        m_dlg.OnAbout();
        return 0;
    case WM_KEYDOWN:
        // Enter and Escape end the game, as a dialog's OK and Cancel keys.
        if (!IsCloseKey(wParam))
            return std::nullopt;
        ::PostMessageW(m_hwnd, WM_CLOSE, 0, 0);
        return 0;
    case WM_SETCURSOR:
        if (!OnSetCursor())
            return std::nullopt;
        return TRUE;
    case WM_ERASEBKGND:
        return TRUE;  // the next frame paints it all
    case WM_PAINT: {
        PAINTSTRUCT ps;
        ::BeginPaint(m_hwnd, &ps);
        ::EndPaint(m_hwnd, &ps);
        return 0;
    }
    case WM_WINDOWPOSCHANGED:
        ForgetWindowReadings();  // moved by the player, or by the system
        return std::nullopt;
    case WM_DPICHANGED: {
        // Onto a monitor of another scale: the same game pixels, at its scale.
        ForgetWindowReadings();
        const RECT* pSuggested = reinterpret_cast<const RECT*>(lParam);
        ::SetWindowPos(m_hwnd, nullptr, pSuggested->left, pSuggested->top, 0, 0,
                       SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        FitClientArea();
        ForgetWindowReadings();
        return 0;
    }
    case WM_DESTROY:
        m_hwnd = nullptr;
        ::PostQuitMessage(0);
        return 0;
    default:
        break;
    }
    return std::nullopt;
}

void GameWindow::OnFrame()
{
    m_timers.OnFrameMessage();
    m_pointer.Forget();
    ForgetWindowReadings();
    m_dlg.OnTimer(game::kFrameTimer);
    m_pointer.Forget();
    ForgetWindowReadings();
}

// In a game the whole window, caption and menu bar included, shows the germ.
bool GameWindow::OnSetCursor()
{
    if (!m_bGermCursor)
        return false;
    ::SetCursor(m_hGermCursor);
    return true;
}

// The pointer's shape changes on its next move, or now if it is over us.
void GameWindow::ShowCursorNow()
{
    POINT pt{};
    if (::GetCursorPos(&pt) && ::WindowFromPoint(pt) == m_hwnd)
        ::SetCursor(m_bGermCursor ? m_hGermCursor : ::LoadCursorW(nullptr, IDC_ARROW));
}
