// Start-up benchmark, run under Wine by scripts/bench.sh. It starts morvane.exe and the floor
// program (FloorWindow.cpp) in turn, N times each, and measures the time from the process's
// creation to its window being visible, and the working set once the window is up. It does so with
// the title font already in the fonts folder and with a fresh one (the 2 MB write included), and
// also times a press on "关机" until the verification window is visible.
#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "../tests/e2e/Driver.h"

namespace {

using e2e::buildFolder;

double now() {
  static LARGE_INTEGER frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f;
  }();
  LARGE_INTEGER counter;
  QueryPerformanceCounter(&counter);
  return double(counter.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

struct Run {
  double startMs = -1;
  double workingSetKb = -1;
};

HWND visibleWindow(DWORD pid, const wchar_t* caption) {
  for (HWND window : e2e::topLevelWindows(pid, caption))
    if (IsWindowVisible(window)) return window;
  return nullptr;
}

// Creation of the process to its window being visible; then the working set, then a clean close.
Run timeStart(const std::wstring& exe, const wchar_t* caption) {
  Run run;
  std::wstring commandLine = L"\"" + exe + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  double t0 = now();
  if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process))
    return run;
  HWND window = nullptr;
  while (!(window = visibleWindow(process.dwProcessId, caption)) && now() - t0 < 20000) Sleep(1);
  if (window) run.startMs = now() - t0;
  Sleep(300);
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory))
    run.workingSetKb = double(memory.WorkingSetSize) / 1024;
  if (window) PostMessageW(window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0)
    TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return run;
}

struct Summary {
  double median, low, high, q1, q3;
};

Summary summarise(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  auto at = [&](double q) { return values[std::size_t(q * double(values.size() - 1) + 0.5)]; };
  return {at(0.5), values.front(), values.back(), at(0.25), at(0.75)};
}

void print(const char* what, const std::vector<double>& values, const char* unit) {
  Summary s = summarise(values);
  printf("  %-30s median %8.1f %s   IQR %7.1f-%-7.1f  range %7.1f-%-7.1f  (n=%zu)\n", what,
         s.median, unit, s.q1, s.q3, s.low, s.high, values.size());
}

std::wstring fontFile() {
  wchar_t windows[MAX_PATH];
  GetWindowsDirectoryW(windows, MAX_PATH);
  return std::wstring(windows) + L"\\Fonts\\迷你简稚艺_0.ttf";
}

// The program measured against the floor; another build can be named to see where time goes.
std::wstring program = L"morvane.exe";

void compareStarts(int runs, bool freshFonts) {
  std::vector<double> morvane, floor, morvaneKb, floorKb;
  for (int i = 0; i < runs; ++i) {
    // Interleaved, so that whatever else the machine does falls on both alike.
    Run f = timeStart(buildFolder() + L"\\floor_window.exe", L"Floor");
    if (freshFonts) DeleteFileW(fontFile().c_str());
    Run m = timeStart(buildFolder() + L"\\" + program, L"Morvane");
    if (f.startMs < 0 || m.startMs < 0) {
      printf("  run %d: a window did not appear\n", i);
      continue;
    }
    floor.push_back(f.startMs);
    morvane.push_back(m.startMs);
    floorKb.push_back(f.workingSetKb);
    morvaneKb.push_back(m.workingSetKb);
  }
  if (morvane.empty()) return;
  printf("%s\n", freshFonts ? "Start-up with a fresh fonts folder (the font is written first):"
                            : "Start-up with the title font already in place:");
  print(e2e::utf8(program).c_str(), morvane, "ms");
  print("floor program", floor, "ms");
  printf("  %-30s %.2f\n", "ratio of medians", summarise(morvane).median / summarise(floor).median);
  print("working set, morvane.exe", morvaneKb, "KB");
  print("working set, floor program", floorKb, "KB");
}

void timeVerifyWindow(int runs) {
  e2e::Morvane program;
  HWND main = program.waitForMainWindow();
  if (!main) return;
  e2e::pressKeys({VK_MENU, 'S'});
  e2e::pressKeys({'D'});
  HWND panel = e2e::childrenFrontToBack(main)[1];
  HWND shutDown = e2e::childrenFrontToBack(panel)[5];
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    e2e::moveMouse(e2e::centreOf(shutDown));
    INPUT press[2]{};
    press[0].type = press[1].type = INPUT_MOUSE;
    press[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    press[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    double t0 = now();
    SendInput(2, press, sizeof(INPUT));
    HWND verify = nullptr;
    while (!(verify = visibleWindow(program.pid(), L"验证")) && now() - t0 < 10000) Sleep(1);
    if (!verify) break;
    times.push_back(now() - t0);
    e2e::postKey(e2e::childrenFrontToBack(verify)[1], VK_ESCAPE);
    HWND box = nullptr;
    e2e::waitUntil([&] { return (box = visibleWindow(program.pid(), L"信息：")) != nullptr; });
    if (box) PostMessageW(box, WM_COMMAND, IDOK, 0);
    e2e::waitUntil([&] { return IsWindowEnabled(main) != FALSE; });
    Sleep(100);
  }
  if (times.empty()) return;
  printf("Press on 关机 to the verification window visible:\n");
  print("morvane.exe", times, "ms");
  PostMessageW(main, WM_CLOSE, 0, 0);
}

}  // namespace

// startup_bench.exe [RUNS [PROGRAM.exe]]
int main(int argc, char** argv) {
  int runs = argc > 1 ? std::max(3, atoi(argv[1])) : 15;
  if (argc > 2) program = std::wstring(argv[2], argv[2] + strlen(argv[2]));
  timeStart(buildFolder() + L"\\morvane.exe", L"Morvane");  // warm the caches and the font
  timeStart(buildFolder() + L"\\floor_window.exe", L"Floor");
  compareStarts(runs, false);
  compareStarts(runs, true);
  timeVerifyWindow(runs);
  return 0;
}
