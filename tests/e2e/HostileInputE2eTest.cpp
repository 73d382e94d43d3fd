// Input nobody should give, and timing nobody should meet: huge and odd delay texts, two copies
// starting at once on a fresh fonts folder, and clicks that pile up while the gate is open.
#include <gtest/gtest.h>

#include "PowerFixture.h"

namespace e2e {
namespace {

struct OddDelay {
  const char* name;
  std::wstring text;
};

class OddDelays : public PowerE2e, public ::testing::WithParamInterface<OddDelay> {};

TEST_P(OddDelays, ReachTheCommandLineExactlyAsTheyStand) {
  click(c.timerMode);
  ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(c.delay); }));
  // Set as a paste or another program could, bypassing the keyboard.
  SendMessageW(c.delay, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(GetParam().text.c_str()));
  ASSERT_EQ(textOf(c.delay).size(), std::min<std::size_t>(GetParam().text.size(), 511));

  ASSERT_NE(openVerifyWindow(c.shutDown), nullptr);
  typeText(textOf(v.code));
  ASSERT_TRUE(waitUntil([&] { return !IsWindow(verify); }));
  expectLaunched(L"shutdown -s -t " + GetParam().text);
  EXPECT_TRUE(program.running());
  EXPECT_EQ(visibleWindows(program.pid()), std::vector<HWND>{main});
}

INSTANTIATE_TEST_SUITE_P(
    HostileInput, OddDelays,
    ::testing::Values(OddDelay{"TenThousandCharacters", std::wstring(9995, L'9') + L" -f x"},
                      OddDelay{"Chinese", L"六十秒 后关机"},
                      OddDelay{"ControlCharacters", L"30\t\x01\x1b\x7f -c"},
                      OddDelay{"Quotes", L"\"30\" '-f' \"\" \\\" & echo %PATH%"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PowerE2e, ClicksPilingUpWhileTheGateIsOpenStartNothing) {
  ASSERT_NE(openVerifyWindow(c.shutDown), nullptr);
  for (int i = 0; i < 24; ++i) {
    for (HWND button : {c.shutDown, c.restart}) {
      PostMessageW(button, BM_CLICK, 0, 0);
      PostMessageW(main, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                   reinterpret_cast<LPARAM>(button));
    }
  }
  for (HWND button : {c.shutDown, c.restart, c.cancel}) click(button);
  postKey(c.shutDown, VK_ESCAPE);
  PostMessageW(main, WM_CLOSE, 0, 0);
  Sleep(500);
  EXPECT_TRUE(IsWindow(main)) << "MainWindow cannot be closed while the gate is open";
  EXPECT_EQ(topLevelWindows(program.pid(), L"验证"), std::vector<HWND>{verify})
      << "no second verification window";
  EXPECT_TRUE(launches().empty());

  postKey(v.typed, VK_ESCAPE);
  expectFailedMessageAndDismiss();
  Sleep(500);
  EXPECT_TRUE(topLevelWindows(program.pid(), L"验证").empty()) << "no click was kept for later";
  EXPECT_TRUE(launches().empty());
  EXPECT_TRUE(program.running());
}

TEST(HostileInput, TwoCopiesStartingAtOnceBothOpenAndLeaveOneCompleteFont) {
  wchar_t windows[MAX_PATH];
  GetWindowsDirectoryW(windows, MAX_PATH);
  std::wstring font = std::wstring(windows) + L"\\Fonts\\迷你简稚艺_0.ttf";
  std::string carried = carriedTitleFont();
  ASSERT_GT(carried.size(), 1000000u);
  for (int round = 0; round < 3; ++round) {
    SCOPED_TRACE(round);
    SetFileAttributesW(font.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(font.c_str());
    ASSERT_EQ(GetFileAttributesW(font.c_str()), INVALID_FILE_ATTRIBUTES);
    Morvane first;
    Morvane second;
    EXPECT_NE(first.waitForMainWindow(), nullptr);
    EXPECT_TRUE(waitUntil([&] {
      for (HWND window : topLevelWindows(second.pid(), L"Morvane"))
        if (IsWindowVisible(window)) return true;
      return false;
    }));
    EXPECT_EQ(fileBytes(font), carried);
  }
}

}  // namespace
}  // namespace e2e
