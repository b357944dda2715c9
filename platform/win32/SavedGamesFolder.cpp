#include "platform/win32/SavedGamesFolder.h"

#include "platform/win32/WinApi.h"

#include <knownfolders.h>
#include <shlobj.h>

#include "platform/win32/WideText.h"

std::string SavedGamesFolder()
{
    PWSTR pwszPath = nullptr;
    // Not made when it is missing: only a save makes folders.
    const HRESULT hr = ::SHGetKnownFolderPath(FOLDERID_SavedGames, KF_FLAG_DONT_VERIFY, nullptr, &pwszPath);
    std::string strPath = SUCCEEDED(hr) && pwszPath != nullptr ? Narrow(pwszPath) : std::string();
    ::CoTaskMemFree(pwszPath);
    return strPath;
}

std::string EnvironmentVariable(const std::string& strName)
{
    const std::wstring wstrName = Widen(strName);
    std::wstring wstrValue(64, L'\0');
    for (;;) {
        const DWORD nLength = ::GetEnvironmentVariableW(wstrName.c_str(), wstrValue.data(), DWORD(wstrValue.size()));
        if (nLength < wstrValue.size()) {
            wstrValue.resize(nLength);  // 0 when unset
            return Narrow(wstrValue);
        }
        wstrValue.resize(nLength);  // the length it needs, with its terminator
    }
}
