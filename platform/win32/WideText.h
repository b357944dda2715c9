#pragma once
// The game speaks UTF-8; the system's wide calls take UTF-16.
#include <string>
#include <string_view>

std::wstring Widen(std::string_view str);
std::string Narrow(std::wstring_view str);
