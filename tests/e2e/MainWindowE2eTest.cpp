// MainWindow as a user meets it: place, frame, controls, menus, fonts, pointer, colours, keyboard,
// panel navigation and every way out.
#include <gtest/gtest.h>

#include "MainWindowFixture.h"

namespace e2e {
namespace {

TEST_F(MainWindowE2e, OpensCentredWithAFixedFrameCaptionAndTaskbarButton) {
  expectCentred(main, 575, 375);
  EXPECT_EQ(textOf(main), L"Morvane");

  LONG style = GetWindowLongW(main, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & WS_THICKFRAME) << "the frame must not be resizable";
  EXPECT_FALSE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_TRUE(GetWindowLongW(main, GWL_EXSTYLE) & WS_EX_APPWINDOW);
  EXPECT_EQ(GetWindow(main, GW_OWNER), nullptr);
  EXPECT_EQ(visibleWindows(program.pid()), std::vector<HWND>{main});
}

TEST_F(MainWindowE2e, ControlsArePlacedStackedAndLabelledAsLaidOut) {
  struct Expected {
    const char* what;
    HWND window;
    const wchar_t* windowClass;
    RECT client;  // left, top, right, bottom in MainWindow's client area
    const wchar_t* text;
    bool ownVisible;
    bool enabled;
  };
  const Expected table[] = {
      {"标签1", c.status, L"Static", {0, 300, 576, 324}, L"已启动", true, true},
      {"分组框_电源选项", c.panel, L"Button", {-8, -8, 576, 304}, L"", false, true},
      {"按钮3", c.cancel, L"Button", {288, 24, 464, 88}, L"取消", true, true},
      {"按钮2", c.restart, L"Button", {32, 64, 128, 96}, L"重启", true, true},
      {"标签_电源选项_秒数", c.seconds, L"Static", {248, 72, 296, 96}, L"秒", true, true},
      {"编辑框_电源选项_秒数", c.delay, L"Edit", {152, 72, 240, 96}, L"30", true, false},
      {"选择框1", c.timerMode, L"Button", {152, 28, 232, 52}, L"定时模式", true, true},
      {"按钮1", c.shutDown, L"Button", {32, 24, 128, 56}, L"关机", true, true},
      {"透明标签1", c.title, L"Static", {192, 160, 376, 264}, L"Morvane", true, true},
      {"标签2", c.link, L"Static", {48, 24, 128, 40}, L"设置定时关机", true, true},
  };
  for (const Expected& e : table) {
    SCOPED_TRACE(e.what);
    EXPECT_EQ(classOf(e.window), e.windowClass);
    expectPlaced(e.window, main, e.client);
    EXPECT_EQ(textOf(e.window), e.text);
    EXPECT_EQ(bool(GetWindowLongW(e.window, GWL_STYLE) & WS_VISIBLE), e.ownVisible);
    EXPECT_EQ(bool(IsWindowEnabled(e.window)), e.enabled);
  }
  // The panel is hidden, so nothing inside it can be seen; the check box starts unchecked.
  EXPECT_FALSE(IsWindowVisible(c.shutDown));
  EXPECT_EQ(SendMessageW(c.timerMode, BM_GETCHECK, 0, 0), BST_UNCHECKED);
  EXPECT_TRUE(GetWindowLongW(c.panel, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
  for (HWND button : {c.shutDown, c.restart, c.cancel}) {
    EXPECT_EQ(GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK, BS_PUSHBUTTON)
        << "not a default button";
  }
}

TEST_F(MainWindowE2e, MenusCarryTheirExactTextsAndNoStates) {
  Report report = inspect(program);
  std::map<std::string, std::string> texts;
  for (auto [line, end] = report.equal_range("menu"); line != end; ++line) {
    const std::vector<std::string>& f = line->second;
    ASSERT_EQ(f.size(), 3u);
    texts[f[0]] = f[1];
    UINT state = UINT(std::stoul(f[2]));
    EXPECT_EQ(state & (MF_GRAYED | MF_DISABLED | MF_CHECKED), 0u) << f[1];
  }
  std::map<std::string, std::string> expected{
      {"0", "程序(Alt + &C )"},  {"0.0", "显示主页面( &M )"}, {"0.1", "退出程序( &E )"},
      {"1", "系统 (Alt + &S )"}, {"1.0", "电源选项( &D )"},   {"2", "帮助(Alt + &H)"},
      {"2.0", "关于( &A)"},
  };
  EXPECT_EQ(texts, expected);
}

TEST_F(MainWindowE2e, FontsAreTheLaidOutEmHeightsFacesAndWeights) {
  Report report = inspect(program);
  std::map<HWND, std::vector<std::string>> fonts = byWindow(report, "font");

  struct Expected {
    const char* what;
    HWND window;
    const char* face;  // nullptr: the user-interface font
    const char* height;
    const char* weight;
    const char* underline;
  };
  const Expected table[] = {
      {"标签1", c.status, "", "-14", "400", "0"},
      {"按钮3", c.cancel, "微软雅黑", "-21", "700", "0"},
      {"透明标签1", c.title, "迷你简稚艺", "-56", "400", "0"},
      {"标签2", c.link, "", "-12", "400", "1"},
  };
  const std::vector<std::string>& ui = fonts[c.restart];
  ASSERT_GE(ui.size(), 7u) << "按钮2 answers WM_GETFONT";
  for (const Expected& e : table) {
    SCOPED_TRACE(e.what);
    const std::vector<std::string>& font = fonts[e.window];
    ASSERT_GE(font.size(), 7u);
    // A size without a face takes the face of the user-interface font.
    EXPECT_EQ(font[1], *e.face ? e.face : ui[1]);
    EXPECT_EQ(font[2], e.height);
    EXPECT_EQ(font[3], e.weight);
    EXPECT_EQ(font[4], e.underline);
    EXPECT_EQ(font[5], "0");  // no italic
    EXPECT_EQ(font[6], "0");  // no strike-through
  }
  // Every control without a font of its own uses the user-interface font.
  const std::vector<std::string> uiLook(ui.begin() + 1, ui.end());
  for (HWND window : {c.panel, c.seconds, c.delay, c.timerMode, c.shutDown}) {
    const std::vector<std::string>& font = fonts[window];
    ASSERT_GE(font.size(), 7u) << utf8(textOf(window));
    EXPECT_EQ(std::vector<std::string>(font.begin() + 1, font.end()), uiLook)
        << utf8(textOf(window));
  }
}

TEST_F(MainWindowE2e, WindowShowsTheProgramIconAtBothSizes) {
  Report report = inspect(program);
  std::map<std::string, std::vector<std::string>> icons;
  for (auto [line, end] = report.equal_range("icon"); line != end; ++line)
    icons[line->second[0]] = line->second;
  ASSERT_EQ(icons["big"].size(), 4u);
  ASSERT_EQ(icons["small"].size(), 4u);
  EXPECT_EQ(icons["big"][1], "32");
  EXPECT_EQ(icons["big"][2], "32");
  EXPECT_EQ(icons["small"][1], "16");
  EXPECT_EQ(icons["small"][2], "16");
}

// The pointer over a point of the screen, as the inspection DLL reads it inside the program.
std::vector<std::string> pointerAt(const Morvane& program, POINT point) {
  moveMouse(point);
  Report report = inspect(program);
  std::vector<std::string> shape;
  auto head = report.find("cursor");
  if (head == report.end()) return shape;
  shape.push_back(head->second.size() == 4 ? head->second[0] + "x" + head->second[1] + "@" +
                                                 head->second[2] + "," + head->second[3]
                                           : "none");
  for (auto [line, end] = report.equal_range("cursorrow"); line != end; ++line)
    shape.push_back(line->second[1]);
  return shape;
}

void expectCrossHair(const std::vector<std::string>& shape) {
  ASSERT_EQ(shape.size(), 33u);
  EXPECT_EQ(shape[0], "32x32@16,16");
  const std::vector<std::string> rows(shape.begin() + 1, shape.end());
  for (int i : {0, 5, 11, 20, 31}) {
    EXPECT_EQ(rows[i][15], 'X') << "vertical arm, row " << i;
    EXPECT_EQ(rows[i][16], 'X') << "vertical arm, row " << i;
    EXPECT_EQ(rows[15][i], 'X') << "horizontal arm, column " << i;
    EXPECT_EQ(rows[16][i], 'X') << "horizontal arm, column " << i;
  }
  for (int i = 0; i < 32; ++i) {
    if (i == 15 || i == 16) continue;
    EXPECT_EQ(rows[i][0], '.') << "only the arms reach the left edge, row " << i;
    EXPECT_EQ(rows[0][i], '.') << "only the arms reach the top edge, column " << i;
  }
  EXPECT_EQ(rows[15][15], '.') << "the centre is transparent";
  EXPECT_EQ(rows[16][16], '.') << "the centre is transparent";
  EXPECT_EQ(rows[12][15], 'X') << "the ring's top";
  EXPECT_EQ(rows[19][16], 'X') << "the ring's bottom";
  EXPECT_EQ(rows[15][12], 'X') << "the ring's left";
  EXPECT_EQ(rows[16][19], 'X') << "the ring's right";
}

TEST_F(MainWindowE2e, CrossHairOverTheClientAreaAndEveryControl) {
  RECT client;
  GetClientRect(main, &client);
  POINT background{300, 100};
  ClientToScreen(main, &background);
  {
    SCOPED_TRACE("client area");
    expectCrossHair(pointerAt(program, background));
  }
  for (HWND control : {c.status, c.title, c.link}) {
    SCOPED_TRACE(utf8(textOf(control)));
    expectCrossHair(pointerAt(program, centreOf(control)));
  }
  choose('S', 'D');
  ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(c.panel); }));
  for (HWND control : {c.cancel, c.restart, c.seconds, c.delay, c.timerMode, c.shutDown}) {
    SCOPED_TRACE(utf8(textOf(control)));
    expectCrossHair(pointerAt(program, centreOf(control)));
  }
  {
    SCOPED_TRACE("panel background");
    expectCrossHair(pointerAt(program, background));
  }
  RECT frame;
  GetWindowRect(main, &frame);
  std::vector<std::string> overTitleBar = pointerAt(program, {frame.left + 200, frame.top + 10});
  ASSERT_FALSE(overTitleBar.empty());
  EXPECT_NE(overTitleBar[0], "32x32@16,16") << "the title bar keeps the platform's pointer";
}

TEST_F(MainWindowE2e, HomeViewColoursAndPanelCoveringIt) {
  COLORREF face = GetSysColor(COLOR_BTNFACE);
  RECT link, title, status;
  GetWindowRect(c.link, &link);
  GetWindowRect(c.title, &title);
  GetWindowRect(c.status, &status);
  RECT statusInside{status.left + 2, status.top + 2, status.right - 2, status.bottom - 2};
  {
    Screenshot home;
    EXPECT_GT(home.count(link, RGB(0, 0, 255)), 20) << "blue link text";
    EXPECT_GT(home.count(title, RGB(0, 0, 0)), 200) << "black title text";
    int titleArea = (title.right - title.left) * (title.bottom - title.top);
    EXPECT_GT(home.count(title, face), titleArea / 2)
        << "the window's colour shows round the title";
    EXPECT_GT(home.count(statusInside, RGB(0, 0, 0)), 20) << "black status text";
    EXPECT_GT(home.count(statusInside, face), 500) << "status line in the default colour";
  }
  choose('S', 'D');
  ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(c.panel); }));
  Sleep(200);
  Screenshot panel;
  EXPECT_EQ(panel.count(link, RGB(0, 0, 255)), 0) << "the panel hides the link";
  EXPECT_EQ(panel.count(title, RGB(0, 0, 0)), 0) << "the panel hides the title";
  EXPECT_GT(panel.count(statusInside, RGB(0, 0, 0)), 20) << "the status line stays in front";
  RECT delay;
  GetWindowRect(c.delay, &delay);
  RECT delayInside{delay.left + 3, delay.top + 3, delay.right - 3, delay.bottom - 3};
  int inside = (delayInside.right - delayInside.left) * (delayInside.bottom - delayInside.top);
  EXPECT_GT(panel.count(delayInside, RGB(196, 196, 196)), inside / 2) << "grey delay box";
}

TEST_F(MainWindowE2e, MenusSwitchTheViewsAndReportInTheStatusLine) {
  choose('S', 'D');
  ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(c.panel); }));
  EXPECT_EQ(textOf(c.status), L"电源选项窗口已加载！");
  EXPECT_TRUE(IsWindowVisible(c.shutDown));

  choose('C', 'M');
  ASSERT_TRUE(waitUntil([&] { return !IsWindowVisible(c.panel); }));
  EXPECT_EQ(textOf(c.status), L"已显示主界面！");

  choose('C', 'M');  // again, from the home view: the same writes
  EXPECT_FALSE(IsWindowVisible(c.panel));
  EXPECT_EQ(textOf(c.status), L"已显示主界面！");

  choose('H', 'A');  // "关于( &A)" does nothing
  Sleep(200);
  EXPECT_FALSE(IsWindowVisible(c.panel));
  EXPECT_EQ(textOf(c.status), L"已显示主界面！");
  EXPECT_TRUE(program.running());
  EXPECT_EQ(visibleWindows(program.pid()), std::vector<HWND>{main}) << "no window was opened";
}

TEST_F(MainWindowE2e, PressOnTheLinkShowsThePanelBeforeTheRelease) {
  moveMouse(centreOf(c.link));
  mouseButton(true);
  EXPECT_TRUE(waitUntil([&] { return IsWindowVisible(c.panel); }, 2000));
  mouseButton(false);
  EXPECT_EQ(textOf(c.status), L"已启动") << "a press on the link leaves the status line alone";
}

TEST_F(MainWindowE2e, TabAndFocusFollowTheLayout) {
  EXPECT_EQ(focusOf(main), main) << "no control has the focus at start";
  postKey(main, VK_TAB);
  EXPECT_EQ(focusOf(main), main) << "Tab does nothing without a focused control";

  choose('S', 'D');
  ASSERT_TRUE(waitUntil([&] { return IsWindowVisible(c.panel); }));
  reactivate();
  EXPECT_EQ(focusOf(main), c.shutDown) << "activation gives the focus to the first tab stop";

  // The delay box is disabled, so Tab passes from the check box straight to 重启.
  const HWND forwards[] = {c.timerMode, c.restart, c.cancel, c.shutDown};
  for (HWND expected : forwards) {
    postKey(focusOf(main), VK_TAB);
    EXPECT_EQ(focusOf(main), expected) << utf8(textOf(expected));
  }
  pressKeys({VK_SHIFT, VK_TAB});
  EXPECT_EQ(focusOf(main), c.cancel) << "Shift+Tab goes back, wrapping round";

  reactivate();
  EXPECT_EQ(focusOf(main), c.cancel) << "activation restores the control that had the focus";

  postKey(c.cancel, VK_RETURN);
  EXPECT_TRUE(program.running()) << "Enter does nothing";
  EXPECT_EQ(visibleWindows(program.pid()), std::vector<HWND>{main});
  EXPECT_TRUE(IsWindowVisible(c.panel));
  EXPECT_EQ(focusOf(main), c.cancel);

  choose('C', 'M');
  ASSERT_TRUE(waitUntil([&] { return !IsWindowVisible(c.panel); }));
  EXPECT_EQ(focusOf(main), main) << "hiding the panel takes the focus back to the window";
}

TEST_F(MainWindowE2e, TheSystemsQuestionBeforeLoggingOffIsGranted) {
  DWORD_PTR answer = 0;
  ASSERT_TRUE(SendMessageTimeoutW(main, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF, SMTO_ABORTIFHUNG,
                                  3000, &answer));
  EXPECT_EQ(answer, TRUE);
  EXPECT_TRUE(program.running());
}

// --- ways out ---

struct WayOut {
  const char* name;
  void (*leave)(HWND main, const Controls& c);
};

class WaysOut : public MainWindowE2e, public ::testing::WithParamInterface<WayOut> {};

POINT closeBox(HWND main) {
  RECT frame;
  GetWindowRect(main, &frame);
  for (int x = frame.right - 2; x > frame.right - 60; --x) {
    for (int y = frame.top + 2; y < frame.top + 30; ++y) {
      DWORD_PTR hit = 0;
      SendMessageTimeoutW(main, WM_NCHITTEST, 0, MAKELPARAM(x, y), SMTO_ABORTIFHUNG, 1000, &hit);
      if (hit == HTCLOSE) return {x - 3, y + 3};
    }
  }
  return {frame.right - 12, frame.top + 12};
}

TEST_P(WaysOut, EndsTheProgramWithExitCodeZero) {
  GetParam().leave(main, c);
  EXPECT_EQ(program.waitForExit(5000), 0u);
  EXPECT_TRUE(topLevelWindows(program.pid()).empty());
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, WaysOut,
    ::testing::Values(
        WayOut{"CloseBox",
               [](HWND main, const Controls&) {
                 moveMouse(closeBox(main));
                 mouseButton(true);
                 mouseButton(false);
               }},
        WayOut{"SystemMenuClose",
               [](HWND main, const Controls&) { PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        WayOut{"AltF4",
               [](HWND, const Controls&) {
                 pressKeys({VK_MENU, VK_F4});
               }},
        WayOut{"EscapeWithoutFocusedControl",
               [](HWND main, const Controls&) { postKey(main, VK_ESCAPE); }},
        WayOut{"EscapeFromAButton",
               [](HWND main, const Controls& c) {
                 pressKeys({VK_MENU, 'S'});
                 pressKeys({'D'});
                 moveMouse(centreOf(c.timerMode));  // focus a control without starting anything
                 mouseButton(true);
                 mouseButton(false);
                 ASSERT_EQ(focusOf(main), c.timerMode);
                 postKey(c.timerMode, VK_ESCAPE);
               }},
        WayOut{"ExitMenuItem",
               [](HWND, const Controls&) {
                 pressKeys({VK_MENU, 'C'});
                 pressKeys({'E'});
               }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
