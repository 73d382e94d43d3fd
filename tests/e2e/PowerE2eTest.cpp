// The power panel's work end to end: timer mode, the verification window, the gate and the command
// lines that reach the recording fake shutdown.exe in the prefix's system directory.
#include <gtest/gtest.h>

#include <cwctype>
#include <iostream>

#include "PowerFixture.h"

namespace e2e {
namespace {

TEST_F(PowerE2e, TimedShutdownFromTheTimerModeToTheCommandLine) {
  click(c.timerMode);
  ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(c.delay); })) << "timer mode frees the box";
  EXPECT_EQ(SendMessageW(c.timerMode, BM_GETCHECK, 0, 0), BST_CHECKED);
  EXPECT_EQ(textOf(c.delay), L"30");
  EXPECT_TRUE(IsWindowEnabled(c.seconds));
  RECT box;
  GetWindowRect(c.delay, &box);
  RECT inside{box.left + 3, box.top + 3, box.right - 3, box.bottom - 3};
  EXPECT_GT(Screenshot().count(inside, RGB(255, 255, 255)),
            (inside.right - inside.left) * (inside.bottom - inside.top) / 2)
      << "the free delay box is white";

  click(c.delay);
  pressKeys({VK_END});
  pressKeys({VK_SHIFT, VK_HOME});
  typeText(L"120");
  ASSERT_EQ(textOf(c.delay), L"120");

  ASSERT_NE(openVerifyWindow(c.shutDown), nullptr) << "the verification window did not open";
  EXPECT_FALSE(IsWindowEnabled(main)) << "MainWindow takes no input while the gate is open";
  std::wstring code = textOf(v.code);
  ASSERT_EQ(code.size(), 4u);
  typeText(upper(code.substr(0, 3)));
  EXPECT_TRUE(IsWindowVisible(verify)) << "three of four characters do not match";
  EXPECT_TRUE(launches().empty());
  typeText(upper(code.substr(3)));
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(verify); })) << "closes at the fourth key";
  expectLaunched(L"shutdown -s -t 120");
  EXPECT_TRUE(IsWindowEnabled(main));
  EXPECT_TRUE(waitUntil([&] { return GetForegroundWindow() == main; }));
  EXPECT_EQ(visibleWindows(program.pid()), std::vector<HWND>{main});
}

TEST_F(PowerE2e, RestartUsesTheLockedThirtySeconds) {
  ASSERT_NE(openVerifyWindow(c.restart), nullptr);
  typeText(textOf(v.code));
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(verify); }));
  expectLaunched(L"shutdown -r -t 30");
}

TEST_F(PowerE2e, PastingTheWholeCodeMatchesAtOnce) {
  ASSERT_NE(openVerifyWindow(c.shutDown), nullptr);
  setClipboardText(upper(textOf(v.code)));
  pressKeys({VK_CONTROL, 'V'});
  EXPECT_TRUE(waitUntil([&] { return !IsWindow(verify); }));
  expectLaunched(L"shutdown -s -t 30");
}

struct FailedGate {
  const char* name;
  void (*close)(HWND verify, HWND typed, HWND cancel);
};

class FailedGates : public PowerE2e, public ::testing::WithParamInterface<FailedGate> {};

TEST_P(FailedGates, SayFailedAndStartNothing) {
  ASSERT_NE(openVerifyWindow(c.shutDown), nullptr);
  typeText(L"zz");
  EXPECT_FALSE(IsWindowEnabled(main));
  GetParam().close(verify, v.typed, v.cancel);
  ASSERT_TRUE(waitUntil([&] { return !IsWindow(verify); })) << "the verification window stays";
  expectFailedMessageAndDismiss();
  Sleep(300);
  EXPECT_TRUE(launches().empty()) << "a failed gate starts nothing";
  EXPECT_EQ(textOf(c.delay), L"30");
  EXPECT_TRUE(program.running());
}

INSTANTIATE_TEST_SUITE_P(
    Verify, FailedGates,
    ::testing::Values(FailedGate{"CancelButton", [](HWND, HWND, HWND cancel) { click(cancel); }},
                      FailedGate{"EscFromTheBox",
                                 [](HWND, HWND typed, HWND) { postKey(typed, VK_ESCAPE); }},
                      FailedGate{"EscFromTheButton",
                                 [](HWND verify, HWND, HWND cancel) {
                                   postKey(focusOf(verify), VK_TAB);
                                   ASSERT_EQ(focusOf(verify), cancel);
                                   postKey(cancel, VK_ESCAPE);
                                 }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PowerE2e, CancelStartsTheAbortWithoutAGate) {
  click(c.cancel);
  expectLaunched(L"shutdown -a");
  EXPECT_EQ(visibleWindows(program.pid()), std::vector<HWND>{main}) << "no window, no message";
}

TEST_F(PowerE2e, EachRequestNeedsItsOwnVerification) {
  ASSERT_NE(openVerifyWindow(c.shutDown), nullptr);
  typeText(textOf(v.code));
  ASSERT_TRUE(waitUntil([&] { return !IsWindow(verify); }));
  expectLaunched(L"shutdown -s -t 30");
  clearLaunches();
  ASSERT_NE(openVerifyWindow(c.shutDown), nullptr) << "a second click asks again";
  postKey(v.typed, VK_ESCAPE);
  expectFailedMessageAndDismiss();
  EXPECT_TRUE(launches().empty());
}

TEST_F(PowerE2e, VerifyWindowLayoutAndKeyboard) {
  ASSERT_NE(openVerifyWindow(c.shutDown), nullptr);
  expectCentred(verify, 132, 180);
  LONG style = GetWindowLongW(verify, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_FALSE(style & (WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
  EXPECT_EQ(GetWindow(verify, GW_OWNER), nullptr);

  struct Expected {
    HWND window;
    const wchar_t* windowClass;
    RECT client;
  };
  const Expected table[] = {{v.cancel, L"Button", {8, 104, 120, 144}},
                            {v.typed, L"Edit", {8, 64, 120, 96}},
                            {v.code, L"Static", {8, 8, 120, 56}}};
  for (const Expected& e : table) {
    SCOPED_TRACE(utf8(e.windowClass));
    EXPECT_EQ(classOf(e.window), e.windowClass);
    expectPlaced(e.window, verify, e.client);
  }
  EXPECT_EQ(textOf(v.cancel), L"取消");
  EXPECT_EQ(textOf(v.typed), L"");
  EXPECT_EQ(textOf(v.code).size(), 4u);
  EXPECT_TRUE(GetWindowLongW(v.code, GWL_STYLE) & WS_BORDER);
  EXPECT_TRUE(GetWindowLongW(v.typed, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

  Report report = inspect(program);
  std::map<HWND, std::vector<std::string>> fonts = byWindow(report, "font");
  ASSERT_GE(fonts[v.code].size(), 7u);
  EXPECT_EQ(fonts[v.code][2], "-48");
  EXPECT_EQ(fonts[v.code][3], "400");
  ASSERT_GE(fonts[v.cancel].size(), 7u);
  EXPECT_EQ(fonts[v.cancel][1], "微软雅黑");
  EXPECT_EQ(fonts[v.cancel][2], "-20");
  EXPECT_EQ(fonts[v.cancel][3], "400");

  EXPECT_EQ(focusOf(verify), v.typed) << "the box has the focus when the window opens";
  postKey(v.typed, VK_TAB);
  EXPECT_EQ(focusOf(verify), v.cancel);
  postKey(v.cancel, VK_TAB);
  EXPECT_EQ(focusOf(verify), v.typed) << "Tab wraps round, never to the label";
  pressKeys({VK_SHIFT, VK_TAB});
  EXPECT_EQ(focusOf(verify), v.cancel);
  postKey(v.cancel, VK_RETURN);
  Sleep(200);
  EXPECT_TRUE(IsWindowVisible(verify)) << "Enter does nothing";

  e2e::reactivate(verify);
  EXPECT_EQ(focusOf(verify), v.cancel) << "activation restores the focused control";
  postKey(v.cancel, VK_ESCAPE);
  expectFailedMessageAndDismiss();
}

TEST_F(PowerE2e, TheBoxTakesFourBytesAndLowersCapitals) {
  ASSERT_NE(openVerifyWindow(c.shutDown), nullptr);
  std::wstring code = textOf(v.code);
  // Characters that can never be a code, so nothing matches on the way.
  typeText(L"ABC");
  EXPECT_EQ(textOf(v.typed), L"abc");
  typeText(L"!");
  EXPECT_EQ(textOf(v.typed), L"abc!");
  typeText(L"x");
  EXPECT_EQ(textOf(v.typed), L"abc!") << "a fifth character is refused";
  typeText(L"\b\b\b");
  typeText(L"中");
  EXPECT_EQ(textOf(v.typed), L"a中") << "a Chinese character counts two bytes";
  typeText(L"中");
  EXPECT_EQ(textOf(v.typed), L"a中") << "a second one would make five bytes";
  typeText(L"!");
  EXPECT_EQ(textOf(v.typed), L"a中!");
  EXPECT_TRUE(IsWindowVisible(verify));
  EXPECT_EQ(textOf(v.code), code);
  postKey(v.typed, VK_ESCAPE);
  expectFailedMessageAndDismiss();
}

TEST_F(PowerE2e, PressOnTheCodeDrawsANewOneAndKeepsTheTypedText) {
  ASSERT_NE(openVerifyWindow(c.shutDown), nullptr);
  std::wstring first = textOf(v.code);
  typeText(L"!!");
  moveMouse(centreOf(v.code));
  mouseButton(true);
  EXPECT_TRUE(waitUntil([&] { return textOf(v.code) != first; }, 2000))
      << "a new code on the press, before the release";
  mouseButton(false);
  EXPECT_EQ(textOf(v.typed), L"!!");
  std::wstring second = textOf(v.code);
  EXPECT_EQ(second.size(), 4u);

  typeText(L"\b\b");
  typeText(first);  // the old code no longer matches (unless drawn again by chance)
  if (first != second) {
    EXPECT_TRUE(IsWindowVisible(verify));
  }
  postKey(v.typed, VK_ESCAPE);
  expectFailedMessageAndDismiss();
}

TEST_F(PowerE2e, HandOverTheCodeAndTheUsualPointersElsewhere) {
  ASSERT_NE(openVerifyWindow(c.shutDown), nullptr);
  auto pointer = [&](HWND over) {
    moveMouse(centreOf(over));
    Report report = inspect(program);
    auto head = report.find("cursor");
    return head == report.end() ? std::vector<std::string>{} : head->second;
  };
  EXPECT_EQ(pointer(v.code), (std::vector<std::string>{"32", "32", "9", "1"}))
      << "the hand, its hot spot at the fingertip";
  std::vector<std::string> overButton = pointer(v.cancel);
  ASSERT_EQ(overButton.size(), 4u);
  EXPECT_NE(overButton, (std::vector<std::string>{"32", "32", "9", "1"}));
  EXPECT_NE(overButton, (std::vector<std::string>{"32", "32", "16", "16"}));
  postKey(v.typed, VK_ESCAPE);
  expectFailedMessageAndDismiss();
}

TEST_F(PowerE2e, AShutdownExeBesideTheProgramIsNeverStarted) {
  std::wstring planted = buildFolder() + L"\\shutdown.exe";
  ASSERT_TRUE(CopyFileW((buildFolder() + L"\\fake_shutdown.exe").c_str(), planted.c_str(), FALSE));
  click(c.cancel);
  ASSERT_NE(openVerifyWindow(c.restart), nullptr);
  typeText(textOf(v.code));
  ASSERT_TRUE(waitUntil([&] { return !IsWindow(verify); }));
  ASSERT_TRUE(waitUntil([] { return launches().size() == 2; }));
  Sleep(300);
  for (const Launch& launch : launches()) {
    EXPECT_EQ(_wcsicmp(launch.program.c_str(), systemShutdown().c_str()), 0)
        << utf8(launch.commandLine) << " ran " << utf8(launch.program);
  }
  DeleteFileW(planted.c_str());
}

// Opens and closes the verification window by posted messages, by a match, Cancel and Esc in
// turn, and reads the program's GDI and USER object counts.
TEST_F(PowerE2e, TwoHundredOpeningsLeaveNoObjectsBehind) {
  auto openings = [&](int count) {
    for (int i = 0; i < count; ++i) {
      PostMessageW(main, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(c.shutDown), BN_CLICKED),
                   reinterpret_cast<LPARAM>(c.shutDown));
      HWND window = waitForWindow(program.pid(), L"验证");
      ASSERT_NE(window, nullptr) << "opening " << i;
      std::vector<HWND> children = childrenFrontToBack(window);
      switch (i % 3) {
        case 0:
          for (wchar_t ch : textOf(children[2])) PostMessageW(children[1], WM_CHAR, ch, 1);
          break;
        case 1:
          PostMessageW(children[0], BM_CLICK, 0, 0);
          break;
        case 2:
          PostMessageW(children[1], WM_KEYDOWN, VK_ESCAPE, 1);
          break;
      }
      ASSERT_TRUE(waitUntil([&] { return !IsWindow(window); })) << "opening " << i;
      if (i % 3 != 0) {
        HWND box = waitForWindow(program.pid(), L"信息：");
        ASSERT_NE(box, nullptr);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(waitUntil([&] { return !IsWindow(box); }));
      }
      ASSERT_TRUE(waitUntil([&] { return IsWindowEnabled(main); }));
    }
  };
  // GetGuiResources answers 0 under Wine; the inspection DLL counts inside the program instead.
  auto counts = [&] {
    Report report = inspect(program);
    auto gdi = report.find("gdiobjects");
    auto windows = report.find("windows");
    return std::make_pair(gdi == report.end() ? -1 : std::stoi(gdi->second[0]),
                          windows == report.end() ? -1 : std::stoi(windows->second[0]));
  };
  openings(6);
  auto [gdi, windows] = counts();
  openings(200);
  auto [gdiAfter, windowsAfter] = counts();
  std::cout << "[ MEASURED ] GDI objects " << gdi << " -> " << gdiAfter << ", windows " << windows
            << " -> " << windowsAfter << ", GetGuiResources GDI "
            << GetGuiResources(program.process(), GR_GDIOBJECTS) << "\n";
  ASSERT_GT(gdi, 0) << "the count must see the program's own objects";
  EXPECT_LE(gdiAfter, gdi);
  EXPECT_LE(windowsAfter, windows);
  ASSERT_TRUE(waitUntil([] { return launches().size() == 2u + 67u; }, 10000))
      << "every match started exactly one command, and only they did: " << launches().size();
}

}  // namespace
}  // namespace e2e
