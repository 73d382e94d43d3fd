#include "platform/win32/WideText.h"

#include <windows.h>

namespace morvane::win32 {

std::wstring widen(const std::string& utf8) {
  if (utf8.empty()) return {};
  int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
  std::wstring wide(length, L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), length);
  return wide;
}

std::string narrow(const std::wstring& utf16) {
  if (utf16.empty()) return {};
  int length = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), int(utf16.size()), nullptr, 0, nullptr,
                                   nullptr);
  std::string utf8(length, '\0');
  WideCharToMultiByte(CP_UTF8, 0, utf16.data(), int(utf16.size()), utf8.data(), length, nullptr,
                      nullptr);
  return utf8;
}

}  // namespace morvane::win32
