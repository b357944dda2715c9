#include "platform/win32/WideText.h"

#include "platform/win32/WinApi.h"

std::wstring Widen(std::string_view str)
{
    if (str.empty())
        return {};
    const int nSize = int(str.size());
    std::wstring wstr(std::size_t(::MultiByteToWideChar(CP_UTF8, 0, str.data(), nSize, nullptr, 0)), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, str.data(), nSize, wstr.data(), int(wstr.size()));
    return wstr;
}

std::string Narrow(std::wstring_view wstr)
{
    if (wstr.empty())
        return {};
    const int nSize = int(wstr.size());
    std::string str(std::size_t(::WideCharToMultiByte(CP_UTF8, 0, wstr.data(), nSize, nullptr, 0, nullptr, nullptr)),
                    '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, wstr.data(), nSize, str.data(), int(str.size()), nullptr, nullptr);
    return str;
}
