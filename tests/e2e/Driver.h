// What the end-to-end tests use to start morvane.exe under Wine, find its windows, give it real
// input and read back what it shows.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace e2e {

// The folder of the driver, where morvane.exe and inspector.dll are built.
std::wstring buildFolder();

// Polls `condition` every 20 ms for up to `timeoutMs`.
bool waitUntil(const std::function<bool()>& condition, int timeoutMs = 5000);

// One running copy of morvane.exe. The destructor ends it if a test left it running.
class Morvane {
 public:
  explicit Morvane(std::wstring workingDirectory = L"");
  ~Morvane();
  Morvane(const Morvane&) = delete;
  Morvane& operator=(const Morvane&) = delete;

  // MainWindow once it is visible and in the foreground, or nullptr after the timeout.
  HWND waitForMainWindow(int timeoutMs = 10000);
  HWND mainWindow() const { return main_; }
  DWORD pid() const { return info_.dwProcessId; }
  HANDLE process() const { return info_.hProcess; }
  bool started() const { return info_.hProcess != nullptr; }
  bool running() const;
  // The exit code once the process has ended, or STILL_ACTIVE after the timeout.
  DWORD waitForExit(int timeoutMs = 5000);

 private:
  PROCESS_INFORMATION info_{};
  HWND main_ = nullptr;
};

// Top-level windows of a process with the given caption (any caption when empty).
std::vector<HWND> topLevelWindows(DWORD pid, const std::wstring& caption = L"");
// The children of `parent`, front to back.
std::vector<HWND> childrenFrontToBack(HWND parent);
std::wstring textOf(HWND window);
std::wstring classOf(HWND window);
// The window's outer rectangle in the client coordinates of `reference`.
RECT rectIn(HWND window, HWND reference);
// The control that has the keyboard focus in the thread of `window`.
HWND focusOf(HWND window);

// Real input through the virtual desktop's input queue.
void pressKeys(std::initializer_list<WORD> keys);  // down in order, up in reverse
void moveMouse(POINT screen);
void mouseButton(bool down);
POINT centreOf(HWND window);
// A key message built by hand and posted to one control, as Wine's own tests do for Tab and Esc.
void postKey(HWND target, WORD key);

// Types text as a user would: capitals with Shift held, other characters as themselves.
void typeText(const std::wstring& text);
void setClipboardText(const std::wstring& text);

// One start of the recording fake shutdown.exe.
struct Launch {
  std::wstring commandLine;
  std::wstring show;   // wShowWindow
  std::wstring flags;  // dwFlags
  std::wstring directory;
  std::wstring program;  // the path of the file that ran
};
// Every start recorded since the last clearLaunches(). The log is named in MORVANE_SHUTDOWN_LOG,
// which each Morvane passes on to the programs it starts.
std::vector<Launch> launches();
void clearLaunches();

// The whole content of a file, empty when it cannot be read.
std::string fileBytes(const std::wstring& path);
// TitleFontData, the font morvane.exe carries, read from its resources.
std::string carriedTitleFont();

// A copy of the screen's pixels.
class Screenshot {
 public:
  Screenshot();
  COLORREF at(int x, int y) const;
  // How many pixels inside `area` (screen coordinates) have exactly `color`.
  int count(const RECT& area, COLORREF color) const;
  // Writes the pixels of `area` (screen coordinates) as a 32-bit BMP file.
  bool saveBmp(const std::wstring& path, const RECT& area) const;

 private:
  int width_ = 0;
  int height_ = 0;
  std::vector<DWORD> pixels_;  // 0x00RRGGBB, top-down
};

// What the inspection DLL saw inside the running program: lines of tab-separated fields, grouped
// by their first field ("menu", "font", "cursor", ...).
using Report = std::multimap<std::string, std::vector<std::string>>;
Report inspect(const Morvane& program);
// The lines of one kind whose first field is a window ("font", "face"), by that window.
std::map<HWND, std::vector<std::string>> byWindow(const Report& report, const std::string& kind);
std::string utf8(const std::wstring& text);

}  // namespace e2e
