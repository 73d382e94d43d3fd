#include "platform/win32/Win32Services.h"

#include <windows.h>

#include <shlobj.h>

#include "platform/win32/EventLoop.h"
#include "platform/win32/Resources.h"
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

std::optional<std::string> Win32FontFiles::fontsFolder() {
  wchar_t folder[MAX_PATH];
  // Without CSIDL_FLAG_CREATE: the folder is looked up, never made.
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_FONTS, nullptr, SHGFP_TYPE_CURRENT, folder)))
    return std::nullopt;
  return narrow(folder);
}

bool Win32FontFiles::exists(const std::string& path) {
  return GetFileAttributesW(widen(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

WriteOutcome Win32FontFiles::writeWhole(const std::string& path, ByteView bytes) {
  HANDLE file = CreateFileW(widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return WriteOutcome::NotOpened;
  DWORD written = 0;
  bool complete =
      WriteFile(file, bytes.data, DWORD(bytes.size), &written, nullptr) && written == bytes.size;
  complete = CloseHandle(file) && complete;
  return complete ? WriteOutcome::Written : WriteOutcome::Incomplete;
}

void Win32FontFiles::remove(const std::string& path) {
  DeleteFileW(widen(path).c_str());
}

ByteView Win32FontFiles::titleFontData() {
  HRSRC resource = FindResourceW(nullptr, MORVANE_TITLE_FONT_NAME, RT_RCDATA);
  if (!resource) return {};
  HGLOBAL loaded = LoadResource(nullptr, resource);
  return {static_cast<const unsigned char*>(LockResource(loaded)),
          std::size_t(SizeofResource(nullptr, resource))};
}

std::uint32_t TickClock::milliseconds() {
  return GetTickCount();
}

}  // namespace morvane::win32
