// UTF-8 inside the program, UTF-16 at the Win32 boundary.
#pragma once

#include <string>

namespace morvane::win32 {

std::wstring widen(const std::string& utf8);
std::string narrow(const std::wstring& utf16);

}  // namespace morvane::win32
