#include "Driver.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>

namespace e2e {

std::wstring buildFolder() {
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  return folder.substr(0, folder.rfind(L'\\'));
}

bool waitUntil(const std::function<bool()>& condition, int timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    if (condition()) return true;
    if (int(GetTickCount() - start) > timeoutMs) return false;
    Sleep(20);
  }
}

namespace {
std::wstring launchLog() {
  return buildFolder() + L"\\shutdown-log.txt";
}
}  // namespace

Morvane::Morvane(std::wstring workingDirectory) {
  SetEnvironmentVariableW(L"MORVANE_SHUTDOWN_LOG", launchLog().c_str());
  std::wstring exe = buildFolder() + L"\\morvane.exe";
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      workingDirectory.empty() ? nullptr : workingDirectory.c_str(), &startup,
                      &info_)) {
    info_ = {};
  }
}

Morvane::~Morvane() {
  if (!info_.hProcess) return;
  if (running()) {
    TerminateProcess(info_.hProcess, 1);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

HWND Morvane::waitForMainWindow(int timeoutMs) {
  if (!info_.hProcess) return nullptr;
  WaitForInputIdle(info_.hProcess, timeoutMs);
  waitUntil(
      [&] {
        for (HWND window : topLevelWindows(pid(), L"Morvane")) {
          if (IsWindowVisible(window)) main_ = window;
        }
        return main_ && GetForegroundWindow() == main_;
      },
      timeoutMs);
  return main_;
}

bool Morvane::running() const {
  DWORD code = 0;
  return GetExitCodeProcess(info_.hProcess, &code) && code == STILL_ACTIVE;
}

DWORD Morvane::waitForExit(int timeoutMs) {
  WaitForSingleObject(info_.hProcess, timeoutMs);
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(info_.hProcess, &code);
  return code;
}

std::vector<HWND> topLevelWindows(DWORD pid, const std::wstring& caption) {
  struct Search {
    DWORD pid;
    const std::wstring* caption;
    std::vector<HWND> found;
  } search{pid, &caption, {}};
  EnumWindows(
      [](HWND window, LPARAM param) WINAPI -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == s->pid && (s->caption->empty() || textOf(window) == *s->caption))
          s->found.push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> childrenFrontToBack(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

std::wstring textOf(HWND window) {
  wchar_t text[512] = L"";
  DWORD_PTR length = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                      2000, &length);
  return std::wstring(text, length);
}

std::wstring classOf(HWND window) {
  wchar_t name[256] = L"";
  int length = GetClassNameW(window, name, 256);
  return std::wstring(name, length);
}

RECT rectIn(HWND window, HWND reference) {
  RECT rect;
  GetWindowRect(window, &rect);
  MapWindowPoints(nullptr, reference, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

HWND focusOf(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
  return info.hwndFocus;
}

namespace {
void sendKey(WORD key, bool down) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = WORD(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &input, sizeof input);
  Sleep(30);
}
}  // namespace

void pressKeys(std::initializer_list<WORD> keys) {
  for (WORD key : keys) sendKey(key, true);
  for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) sendKey(*key, false);
  Sleep(100);
}

void typeText(const std::wstring& text) {
  for (wchar_t c : text) {
    if (c >= L'A' && c <= L'Z') {
      pressKeys({VK_SHIFT, WORD(c)});
    } else if ((c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9')) {
      pressKeys({WORD(c >= L'a' ? c - L'a' + L'A' : c)});
    } else {
      INPUT input[2]{};
      for (INPUT& i : input) {
        i.type = INPUT_KEYBOARD;
        i.ki.wScan = c;
        i.ki.dwFlags = KEYEVENTF_UNICODE;
      }
      input[1].ki.dwFlags |= KEYEVENTF_KEYUP;
      SendInput(2, input, sizeof(INPUT));
      Sleep(100);
    }
  }
}

void setClipboardText(const std::wstring& text) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  SIZE_T bytes = (text.size() + 1) * sizeof(wchar_t);
  if (HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
    memcpy(GlobalLock(memory), text.c_str(), bytes);
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
  }
  CloseClipboard();
}

namespace {
std::wstring unhex(const std::string& field) {
  std::wstring text;
  for (std::size_t i = 0; i + 4 <= field.size(); i += 4)
    text += wchar_t(std::stoul(field.substr(i, 4), nullptr, 16));
  return text;
}
}  // namespace

std::vector<Launch> launches() {
  std::vector<Launch> result;
  std::ifstream in(launchLog().c_str(), std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    std::stringstream fields(line);
    std::string f[5];
    for (std::string& field : f) fields >> field;
    result.push_back({unhex(f[0]), unhex(f[1]), unhex(f[2]), unhex(f[3]), unhex(f[4])});
  }
  return result;
}

void clearLaunches() {
  DeleteFileW(launchLog().c_str());
}

void moveMouse(POINT screen) {
  // Arrive from a neighbouring pixel: a jump straight onto the target is not always seen as a move
  // by a window that has not had the pointer yet.
  SetCursorPos(screen.x - 1, screen.y);
  Sleep(50);
  SetCursorPos(screen.x, screen.y);
  Sleep(100);
}

void mouseButton(bool down) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof input);
  Sleep(150);
}

POINT centreOf(HWND window) {
  RECT rect;
  GetWindowRect(window, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void postKey(HWND target, WORD key) {
  LPARAM scan = LPARAM(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)) << 16;
  PostMessageW(target, WM_KEYDOWN, key, 1 | scan);
  PostMessageW(target, WM_KEYUP, key, 1 | scan | (LPARAM(3) << 30));
  Sleep(150);
}

Screenshot::Screenshot() {
  width_ = GetSystemMetrics(SM_CXSCREEN);
  height_ = GetSystemMetrics(SM_CYSCREEN);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width_, height_, screen, 0, 0, SRCCOPY);
  GdiFlush();
  const DWORD* source = static_cast<const DWORD*>(bits);
  pixels_.assign(source, source + width_ * height_);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

COLORREF Screenshot::at(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  DWORD pixel = pixels_[y * width_ + x];
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

int Screenshot::count(const RECT& area, COLORREF color) const {
  int found = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) found += at(x, y) == color;
  return found;
}

bool Screenshot::saveBmp(const std::wstring& path, const RECT& area) const {
  int width = area.right - area.left;
  int height = area.bottom - area.top;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = -height;  // top-down rows
  header.biPlanes = 1;
  header.biBitCount = 32;
  DWORD bytes = DWORD(width * height * 4);
  file.bfType = 0x4D42;
  file.bfOffBits = sizeof file + sizeof header;
  file.bfSize = file.bfOffBits + bytes;
  std::ofstream out(path.c_str(), std::ios::binary);
  out.write(reinterpret_cast<const char*>(&file), sizeof file);
  out.write(reinterpret_cast<const char*>(&header), sizeof header);
  for (int y = area.top; y < area.bottom; ++y)
    out.write(reinterpret_cast<const char*>(&pixels_[y * width_ + area.left]), width * 4);
  return bool(out);
}

std::string utf8(const std::wstring& text) {
  int length =
      WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string result(length, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), int(text.size()), result.data(), length, nullptr,
                      nullptr);
  return result;
}

std::map<HWND, std::vector<std::string>> byWindow(const Report& report, const std::string& kind) {
  std::map<HWND, std::vector<std::string>> lines;
  for (auto [line, end] = report.equal_range(kind); line != end; ++line)
    lines[reinterpret_cast<HWND>(std::stoul(line->second[0]))] = line->second;
  return lines;
}

std::string fileBytes(const std::wstring& path) {
  std::ifstream in(path.c_str(), std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::string carriedTitleFont() {
  HMODULE exe =
      LoadLibraryExW((buildFolder() + L"\\morvane.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  HRSRC resource = FindResourceW(exe, L"TITLE_FONT", RT_RCDATA);
  std::string bytes;
  if (resource) {
    bytes.assign(static_cast<const char*>(LockResource(LoadResource(exe, resource))),
                 SizeofResource(exe, resource));
  }
  FreeLibrary(exe);
  return bytes;
}

Report inspect(const Morvane& program) {
  Report report;
  std::wstring dll = buildFolder() + L"\\inspector.dll";
  std::wstring output = buildFolder() + L"\\inspector-report.txt";
  DeleteFileW(output.c_str());
  HANDLE done = CreateEventW(nullptr, TRUE, FALSE, L"MorvaneInspectorDone");
  ResetEvent(done);

  SIZE_T bytes = (dll.size() + 1) * sizeof(wchar_t);
  void* remote = VirtualAllocEx(program.process(), nullptr, bytes, MEM_COMMIT, PAGE_READWRITE);
  WriteProcessMemory(program.process(), remote, dll.c_str(), bytes, nullptr);
  // LoadLibraryW takes one pointer and returns one, like a thread routine; kernel32 lies at the
  // same address in both processes.
  auto loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW")));
  HANDLE thread =
      CreateRemoteThread(program.process(), nullptr, 0, loadLibrary, remote, 0, nullptr);
  bool finished = WaitForSingleObject(done, 10000) == WAIT_OBJECT_0;
  if (thread) {
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
  }
  VirtualFreeEx(program.process(), remote, 0, MEM_RELEASE);
  CloseHandle(done);
  if (!finished) {
    ADD_FAILURE() << "the inspection DLL did not report";
    return report;
  }

  std::ifstream in(output.c_str(), std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    std::vector<std::string> fields;
    std::stringstream stream(line);
    std::string field;
    while (std::getline(stream, field, '\t')) fields.push_back(field);
    if (fields.empty()) continue;
    std::string key = fields.front();
    fields.erase(fields.begin());
    report.emplace(key, fields);
  }
  return report;
}

}  // namespace e2e
