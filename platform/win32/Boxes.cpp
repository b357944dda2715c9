#include "platform/win32/Boxes.h"

#include <string>

#include "app/CAboutDlg.h"
#include "platform/MenuResource.h"
#include "platform/ResourceIds.h"
#include "platform/win32/WideText.h"

namespace {

const std::wstring& Caption()
{
    static const std::wstring s_wstrCaption = Widen(kWindowCaption);
    return s_wstrCaption;
}

// The texts are the game's own; the template only lays them out.
void FillAboutBox(HWND hwnd)
{
    static const std::wstring s_wstrCaption = Widen(CAboutDlg::kCaption);
    static const std::wstring s_wstrVersion = Widen(CAboutDlg::kVersionLine);
    static const std::wstring s_wstrSecond = Widen(CAboutDlg::kSecondLine);
    static const std::wstring s_wstrNotice = Widen(CAboutDlg::kNotice);
    static const std::wstring s_wstrVisit = Widen(CAboutDlg::kVisitButton);
    ::SetWindowTextW(hwnd, s_wstrCaption.c_str());
    ::SetDlgItemTextW(hwnd, ids::kAboutVersionLine, s_wstrVersion.c_str());
    ::SetDlgItemTextW(hwnd, ids::kAboutSecondLine, s_wstrSecond.c_str());
    ::SetDlgItemTextW(hwnd, ids::kAboutNotice, s_wstrNotice.c_str());
    ::SetDlgItemTextW(hwnd, ids::kAboutVisitButton, s_wstrVisit.c_str());
}

INT_PTR CALLBACK AboutProc(HWND hwnd, UINT nMessage, WPARAM wParam, LPARAM lParam)
{
    switch (nMessage) {
    case WM_INITDIALOG:
        ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        FillAboutBox(hwnd);
        return TRUE;  // the keyboard goes to OK, the default button
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDCANCEL:
            ::EndDialog(hwnd, LOWORD(wParam));
            return TRUE;
        case ids::kAboutVisitButton:
            // The box stays open.
            reinterpret_cast<CAboutDlg*>(::GetWindowLongPtrW(hwnd, DWLP_USER))->OnVisitWebSite();
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}

}  // namespace

void ShowMessageBox(HWND hwndOwner, std::string_view strText)
{
    ::MessageBoxW(hwndOwner, Widen(strText).c_str(), Caption().c_str(), MB_OK);
}

void ShowAboutBox(HINSTANCE hInstance, HWND hwndOwner, CAboutDlg& dlg)
{
    ::DialogBoxParamW(hInstance, MAKEINTRESOURCEW(ids::kAboutDialog), hwndOwner, AboutProc,
                      reinterpret_cast<LPARAM>(&dlg));
}
