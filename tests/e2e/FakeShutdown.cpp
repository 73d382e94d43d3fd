// The recording stand-in for the system's shutdown.exe in the test prefix: it shuts nothing down.
// It appends one line per start to the file named by MORVANE_SHUTDOWN_LOG, which it inherits from
// morvane.exe: its command line, the show state and flags it was started with, its working
// directory and its own path. Fields are hex-encoded UTF-16, so any command line survives.
#include <windows.h>

#include <cstdio>
#include <string>

namespace {

std::string hex(const std::wstring& text) {
  std::string out;
  char unit[5];
  for (wchar_t c : text) {
    snprintf(unit, sizeof unit, "%04x", unsigned(c));
    out += unit;
  }
  return out;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t log[MAX_PATH];
  if (!GetEnvironmentVariableW(L"MORVANE_SHUTDOWN_LOG", log, MAX_PATH)) return 1;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  GetStartupInfoW(&startup);
  wchar_t directory[MAX_PATH] = L"";
  GetCurrentDirectoryW(MAX_PATH, directory);
  wchar_t self[MAX_PATH] = L"";
  GetModuleFileNameW(nullptr, self, MAX_PATH);

  std::string line = hex(GetCommandLineW()) + " " + hex(std::to_wstring(startup.wShowWindow)) +
                     " " + hex(std::to_wstring(startup.dwFlags)) + " " + hex(directory) + " " +
                     hex(self) + "\n";
  // Several starts may come close together: append under an exclusive open, retrying a moment.
  for (int attempt = 0; attempt < 50; ++attempt) {
    HANDLE file = CreateFileW(log, FILE_APPEND_DATA, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      WriteFile(file, line.data(), DWORD(line.size()), &written, nullptr);
      CloseHandle(file);
      return 0;
    }
    Sleep(20);
  }
  return 2;
}
