#pragma once
// The game's modal boxes, owned by the game window so that they open over
// it. Their nested message loops keep dispatching the game's timers, so the
// game goes on behind them.
#include "platform/win32/WinApi.h"

#include <string_view>

class CAboutDlg;

// Text, an OK button and the caption "Vasculon".
void ShowMessageBox(HWND hwndOwner, std::string_view strText);
// The About box, from its template in the program's resources.
void ShowAboutBox(HINSTANCE hInstance, HWND hwndOwner, CAboutDlg& dlg);
