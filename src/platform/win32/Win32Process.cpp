#include "platform/win32/Win32Process.h"

#include <windows.h>

#include <string>

namespace morvane::win32 {

void Win32Process::exitNow(int code) {
  ExitProcess(UINT(code));
}

void enterProgramFolder() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, path.data(), DWORD(path.size()));
    if (length == 0) return;
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  std::size_t slash = path.rfind(L'\\');
  if (slash == std::wstring::npos) return;
  path.resize(slash == 2 && path[1] == L':' ? slash + 1 : slash);  // "C:\" keeps its backslash
  SetCurrentDirectoryW(path.c_str());
}

}  // namespace morvane::win32
