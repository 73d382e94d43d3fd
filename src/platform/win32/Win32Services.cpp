#include "platform/win32/Win32Services.h"

#include <windows.h>

#include "platform/win32/EventLoop.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32Window.h"

namespace morvane::win32 {

void Win32Windowing::runModal(const WindowLayout& layout, App& app) {
  Win32Window window(layout, app, Win32Window::enabledWindows());
  if (window.exists()) window.runCreatedHandler();
  if (window.exists()) window.show();
  if (window.exists()) runEventLoop(window.hwnd());
}

void Win32Windowing::messageBox(const std::string& text) {
  // No owner, yet task-modal: every window of the program is disabled until it is dismissed.
  MessageBoxW(nullptr, widen(text).c_str(), L"信息：", MB_OK | MB_TASKMODAL);
}

void Win32Launcher::launchHidden(const std::string& commandLine) {
  std::wstring line = widen(commandLine);
  std::wstring program = line.substr(0, line.find(L' '));
  wchar_t system[MAX_PATH];
  UINT length = GetSystemDirectoryW(system, MAX_PATH);
  if (program.empty() || length == 0 || length >= MAX_PATH) return;
  std::wstring application = std::wstring(system, length) + L"\\" + program + L".exe";

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = SW_HIDE;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(application.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process))
    return;
  WaitForInputIdle(process.hProcess, 1000);  // never for its end
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
}

std::uint32_t TickClock::milliseconds() {
  return GetTickCount();
}

}  // namespace morvane::win32
