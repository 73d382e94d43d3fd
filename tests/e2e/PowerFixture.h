// MainWindow with its power panel open, started from another folder than the program's, and what
// the tests of the power commands share: the verification window, the failure message and the
// launches recorded by the fake shutdown.exe.
#pragma once

#include <gtest/gtest.h>

#include <cwctype>

#include "MainWindowFixture.h"

namespace e2e {

inline std::wstring systemShutdown() {
  wchar_t system[MAX_PATH];
  GetSystemDirectoryW(system, MAX_PATH);
  return std::wstring(system) + L"\\shutdown.exe";
}

inline HWND waitForWindow(DWORD pid, const wchar_t* caption, int timeoutMs = 5000) {
  HWND found = nullptr;
  waitUntil(
      [&] {
        for (HWND window : topLevelWindows(pid, caption))
          if (IsWindowVisible(window)) found = window;
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

struct VerifyControls {
  HWND cancel, typed, code;  // front to back
};

inline std::wstring upper(std::wstring text) {
  for (wchar_t& c : text) c = wchar_t(std::towupper(c));
  return text;
}

// Every test starts Morvane from another folder than its own, opens the power panel and begins
// with an empty record of launches.
class PowerE2e : public MainWindowE2e {
 protected:
  PowerE2e() : MainWindowE2e(L"C:\\windows") {}

  void SetUp() override {
    clearLaunches();
    MainWindowE2e::SetUp();
    if (HasFatalFailure()) return;
    choose('S', 'D');
    ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(c.panel); }));
  }

  // Clicks a gated button and waits for the verification window, which must hold off MainWindow.
  HWND openVerifyWindow(HWND button) {
    click(button);
    verify = waitForWindow(program.pid(), L"验证");
    if (!verify) return nullptr;
    std::vector<HWND> children = childrenFrontToBack(verify);
    if (children.size() != 3) return nullptr;
    v = {children[0], children[1], children[2]};
    waitUntil([&] { return focusOf(verify) == v.typed; }, 2000);
    return verify;
  }

  // The message box that a failed gate shows, checked and dismissed.
  void expectFailedMessageAndDismiss() {
    HWND box = waitForWindow(program.pid(), L"信息：");
    ASSERT_NE(box, nullptr) << "no message box";
    bool saysFailed = false;
    for (HWND child : childrenFrontToBack(box)) saysFailed |= textOf(child) == L"失败!";
    EXPECT_TRUE(saysFailed) << "the message reads 失败!";
    EXPECT_FALSE(IsWindowEnabled(main)) << "MainWindow takes no input while the message is up";
    EXPECT_EQ(GetWindow(box, GW_OWNER), nullptr) << "the message box has no owner";
    pressKeys({VK_RETURN});
    ASSERT_TRUE(waitUntil([&] { return !IsWindow(box); }));
    EXPECT_TRUE(waitUntil([&] { return IsWindowEnabled(main); }));
  }

  void expectLaunched(const std::wstring& commandLine) {
    ASSERT_TRUE(waitUntil([] { return !launches().empty(); })) << "nothing was started";
    Sleep(300);  // a second start would show up now
    std::vector<Launch> started = launches();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_EQ(started[0].commandLine, commandLine);
    EXPECT_EQ(started[0].show, std::to_wstring(SW_HIDE));
    EXPECT_TRUE(std::stoul(started[0].flags) & STARTF_USESHOWWINDOW);
    EXPECT_EQ(_wcsicmp(started[0].program.c_str(), systemShutdown().c_str()), 0)
        << "started " << utf8(started[0].program);
    EXPECT_EQ(_wcsicmp(started[0].directory.c_str(), buildFolder().c_str()), 0)
        << "the working directory is the program's folder, wherever it was started from";
  }

  HWND verify = nullptr;
  VerifyControls v{};
};

}  // namespace e2e
