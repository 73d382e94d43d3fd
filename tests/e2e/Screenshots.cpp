// Not a test: the run command's way of photographing Morvane's views on a virtual display. Run with
// --gtest_also_run_disabled_tests --gtest_filter='*Screenshots*'; MORVANE_SCREENSHOTS names the
// folder that receives one BMP per view.
#include <gtest/gtest.h>

#include "MainWindowFixture.h"

namespace e2e {
namespace {

std::wstring outputFolder() {
  wchar_t folder[MAX_PATH] = L"";
  GetEnvironmentVariableW(L"MORVANE_SCREENSHOTS", folder, MAX_PATH);
  return *folder ? folder : buildFolder();
}

// The window with a margin of the desktop round it, as a user sees it.
void photograph(HWND window, const wchar_t* name) {
  Sleep(300);
  RECT area;
  GetWindowRect(window, &area);
  InflateRect(&area, 12, 12);
  ASSERT_TRUE(Screenshot().saveBmp(outputFolder() + L"\\" + name + L".bmp", area));
}

TEST(Screenshots, DISABLED_Views) {
  {
    // The first start of a new prefix puts the title font in place; it is drawn from the next.
    Morvane first;
    ASSERT_NE(first.waitForMainWindow(), nullptr);
    PostMessageW(first.mainWindow(), WM_CLOSE, 0, 0);
    ASSERT_EQ(first.waitForExit(), 0u);
  }
  Morvane program;
  HWND main = program.waitForMainWindow();
  ASSERT_NE(main, nullptr) << "MainWindow never became visible";
  moveMouse({5, 5});  // keep the pointer out of the picture
  photograph(main, L"home-view");

  pressKeys({VK_MENU, 'S'});
  pressKeys({'D'});
  photograph(main, L"power-panel");

  HWND panel = childrenFrontToBack(main)[1];
  std::vector<HWND> power = childrenFrontToBack(panel);  // 按钮3 按钮2 秒 delay 选择框1 按钮1
  ASSERT_EQ(power.size(), 6u);
  click(power[4]);
  click(power[3]);
  pressKeys({VK_END});
  pressKeys({VK_BACK});
  pressKeys({VK_BACK});
  typeText(L"120");
  moveMouse({5, 5});
  photograph(main, L"timer-mode");

  click(power[5]);
  HWND verify = nullptr;
  ASSERT_TRUE(waitUntil([&] {
    std::vector<HWND> found = topLevelWindows(program.pid(), L"验证");
    verify = found.empty() ? nullptr : found.front();
    return verify && IsWindowVisible(verify);
  }));
  typeText(L"k");
  moveMouse({5, 5});
  photograph(verify, L"verify-window");
  postKey(childrenFrontToBack(verify)[1], VK_ESCAPE);
  Sleep(500);
  pressKeys({VK_RETURN});  // the message that the gate failed
}

}  // namespace
}  // namespace e2e
