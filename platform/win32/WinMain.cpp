// The program's entry on Windows. The program ends when the game window
// closes.
#include "platform/win32/WinApi.h"

#include "platform/win32/Boxes.h"
#include "platform/win32/GameWindow.h"
#include "platform/win32/WindowTimers.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int nShowCommand)
{
    const TimerResolution resolution;
    GameWindow window(hInstance);
    if (!window.Open(nShowCommand)) {
        ShowMessageBox(nullptr, "The game window could not be made.");
        return 1;
    }
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return int(msg.wParam);
}
