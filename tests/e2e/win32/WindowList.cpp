// Lists the visible top-level windows as Windows itself sees them, one a line,
// tab-separated: the outer rectangle (GetWindowRect: left top right bottom),
// the client area's screen origin, the caption, then the texts of its child
// windows (a box's message and buttons). The e2e tests read the game's boxes
// and its window rectangle through it, where X knows neither.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string Narrow(HWND hwnd)  // the window's text in UTF-8
{
    wchar_t szText[512];
    const int nLength = ::GetWindowTextW(hwnd, szText, 512);
    std::string strText(static_cast<size_t>(nLength) * 3, '\0');
    strText.resize(static_cast<size_t>(
        ::WideCharToMultiByte(CP_UTF8, 0, szText, nLength, strText.data(), static_cast<int>(strText.size()), nullptr, nullptr)));
    return strText;
}

BOOL CALLBACK PrintChild(HWND hwnd, LPARAM)
{
    std::printf("\t%s", Narrow(hwnd).c_str());
    return TRUE;
}

BOOL CALLBACK PrintWindow(HWND hwnd, LPARAM)
{
    RECT rcWindow;
    POINT ptClient{0, 0};
    if (!::IsWindowVisible(hwnd) || !::GetWindowRect(hwnd, &rcWindow) || !::ClientToScreen(hwnd, &ptClient))
        return TRUE;
    std::printf("%ld %ld %ld %ld\t%ld %ld\t%s", rcWindow.left, rcWindow.top, rcWindow.right, rcWindow.bottom,
                ptClient.x, ptClient.y, Narrow(hwnd).c_str());
    ::EnumChildWindows(hwnd, PrintChild, 0);
    std::printf("\n");
    return TRUE;
}

}  // namespace

int main()
{
    ::EnumWindows(PrintWindow, 0);
    return std::fflush(stdout) == 0 ? 0 : 1;
}
