// A fresh morvane.exe per test, with MainWindow found and its ten controls picked out in the order
// they are stacked.
#pragma once

#include <gtest/gtest.h>

#include "Driver.h"

namespace e2e {

struct Controls {
  HWND status, panel, title, link;                            // window's own children
  HWND cancel, restart, seconds, delay, timerMode, shutDown;  // inside the panel
};

inline std::vector<HWND> visibleWindows(DWORD pid) {
  std::vector<HWND> visible;
  for (HWND window : topLevelWindows(pid))
    if (IsWindowVisible(window)) visible.push_back(window);
  return visible;
}

// Lets the driver's own window messages through for a moment.
inline void pump(int ms = 300) {
  DWORD start = GetTickCount();
  while (int(GetTickCount() - start) < ms) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(20);
  }
}

// Takes the activation away to a window of the driver and gives it back to `window`.
inline void reactivate(HWND window) {
  HWND other = CreateWindowExW(WS_EX_TOPMOST, L"STATIC", L"elsewhere", WS_POPUP | WS_VISIBLE, 0, 0,
                               50, 50, nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  pump();
  SetForegroundWindow(window);
  pump();
  DestroyWindow(other);
  pump();
  waitUntil([&] { return GetForegroundWindow() == window; }, 2000);
}

// The window's outer size, centred on the full primary screen with each half truncated.
inline void expectCentred(HWND window, int width, int height) {
  RECT rect;
  GetWindowRect(window, &rect);
  EXPECT_EQ(rect.left, (GetSystemMetrics(SM_CXSCREEN) - width) / 2);
  EXPECT_EQ(rect.top, (GetSystemMetrics(SM_CYSCREEN) - height) / 2);
  EXPECT_EQ(rect.right - rect.left, width);
  EXPECT_EQ(rect.bottom - rect.top, height);
}

// The control's outer rectangle in the window's client area: left, top, right, bottom.
inline void expectPlaced(HWND control, HWND window, const RECT& expected) {
  RECT rect = rectIn(control, window);
  EXPECT_EQ(rect.left, expected.left);
  EXPECT_EQ(rect.top, expected.top);
  EXPECT_EQ(rect.right, expected.right);
  EXPECT_EQ(rect.bottom, expected.bottom);
}

inline void click(HWND control) {
  moveMouse(centreOf(control));
  mouseButton(true);
  mouseButton(false);
}

class MainWindowE2e : public ::testing::Test {
 protected:
  explicit MainWindowE2e(std::wstring startFolder = L"") : program(std::move(startFolder)) {}

  void SetUp() override {
    ASSERT_TRUE(program.started()) << "morvane.exe could not be started";
    main = program.waitForMainWindow();
    ASSERT_NE(main, nullptr) << "MainWindow never became visible and active";
    std::vector<HWND> top = childrenFrontToBack(main);
    ASSERT_EQ(top.size(), 4u);
    std::vector<HWND> inner = childrenFrontToBack(top[1]);
    ASSERT_EQ(inner.size(), 6u);
    c = {top[0],   top[1],   top[2],   top[3],   inner[0],
         inner[1], inner[2], inner[3], inner[4], inner[5]};
  }

  void choose(WORD menuKey, WORD itemKey) {
    pressKeys({VK_MENU, menuKey});
    pressKeys({itemKey});
  }

  void reactivate() { e2e::reactivate(main); }

  Morvane program;
  HWND main = nullptr;
  Controls c{};
};

}  // namespace e2e
