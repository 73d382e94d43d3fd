// The verification window's layout and handlers, driven through a fake window built from its table.
#include <gtest/gtest.h>

#include "FakeWindow.h"
#include "verify/VerifyWindow.h"

namespace morvane::testing {
namespace {

TEST(VerifyWindowLayout, SmallFixedWindowWithoutTitleBarButtons) {
  WindowLayout layout = verifyWindowLayout();
  EXPECT_EQ(layout.caption, "验证");
  EXPECT_EQ(layout.stored.width, 132);
  EXPECT_EQ(layout.stored.height, 180);
  EXPECT_EQ(layout.titleButtons, TitleButtons::None);
  EXPECT_TRUE(layout.menus.empty());
  EXPECT_EQ(tabSequence(layout), (std::vector<std::string>{"编辑框1", "按钮1"}));

  struct Expected {
    const char* name;
    ControlKind kind;
    Rect place;
    bool defaultUi;
    const char* face;
    int px;
    Pointer pointer;
  };
  const Expected table[] = {
      {"按钮1",
       ControlKind::PushButton,
       {8, 104, 112, 40},
       false,
       "微软雅黑",
       20,
       Pointer::Platform},
      {"编辑框1", ControlKind::EditBox, {8, 64, 112, 32}, true, "", 0, Pointer::Platform},
      {"标签1", ControlKind::Label, {8, 8, 112, 48}, false, "", 48, Pointer::Hand},
  };
  ASSERT_EQ(layout.controls.size(), 3u);
  for (std::size_t i = 0; i < 3; ++i) {
    const Expected& e = table[i];
    const ControlRow& row = layout.controls[i];
    SCOPED_TRACE(e.name);
    EXPECT_EQ(row.name, e.name) << "stacked front to back";
    EXPECT_EQ(row.kind, e.kind);
    EXPECT_EQ(row.place.left, e.place.left);
    EXPECT_EQ(row.place.top, e.place.top);
    EXPECT_EQ(row.place.width, e.place.width);
    EXPECT_EQ(row.place.height, e.place.height);
    EXPECT_EQ(row.font.defaultUi, e.defaultUi);
    if (!e.defaultUi) {
      EXPECT_EQ(row.font.face, e.face);
      EXPECT_EQ(row.font.emHeightPx, e.px);
      EXPECT_EQ(row.font.weight, 400);
    }
    EXPECT_EQ(row.pointer, e.pointer);
    EXPECT_TRUE(row.text.empty() || row.name == std::string("按钮1"));
  }
  const ControlRow& typed = layout.controls[1];
  EXPECT_EQ(typed.maxBytes, 4);
  EXPECT_TRUE(typed.lowercase);
  EXPECT_EQ(typed.background, (Color{255, 255, 255}));
  EXPECT_EQ(typed.border, Border::Sunken3D);
  EXPECT_EQ(layout.controls[2].border, Border::Single);
  EXPECT_EQ(layout.controls[0].text, "取消");
}

class VerifyWindowHandlers : public ::testing::Test {
 protected:
  void SetUp() override {
    services.random.values = {3, 'x', 2, 'P', 3, 't', 2, 'H',   // first code: xPtH
                              1, '4', 1, '2', 3, 'q', 2, 'Z'};  // second code: 42qZ
    window.layout().onCreated(window, services.app);
    window.writes.clear();
  }
  FakeApp services;
  FakeWindow window{verifyWindowLayout()};
  App& app = services.app;
};

TEST_F(VerifyWindowHandlers, CreatedShowsACodeAndLeavesTheBoxEmpty) {
  EXPECT_EQ(window["标签1"].text, "xPtH");
  EXPECT_EQ(window["编辑框1"].text, "");
  EXPECT_EQ(app.verifyResult, 0) << "no text-changed event at opening";
  EXPECT_FALSE(window.closeRequested);
}

struct TypingCase {
  const char* name;
  const char* keys;
  int result;
  bool closed;
  const char* boxAfter;
};

class Typing : public VerifyWindowHandlers, public ::testing::WithParamInterface<TypingCase> {};

TEST_P(Typing, MatchesAtTheKeyThatCompletesTheCode) {
  app.verifyResult = 1;  // every mismatch writes 0, also over an earlier value
  window.userTypes("编辑框1", GetParam().keys, app);
  EXPECT_EQ(app.verifyResult, GetParam().result);
  EXPECT_EQ(window.closeRequested, GetParam().closed);
  EXPECT_EQ(window["编辑框1"].text, GetParam().boxAfter);
}

INSTANTIATE_TEST_SUITE_P(
    VerifyWindow, Typing,
    ::testing::Values(TypingCase{"SmallLetters", "xpth", 1, true, "xpth"},
                      TypingCase{"Capitals", "XPTH", 1, true, "xpth"},
                      TypingCase{"MixedCase", "xPtH", 1, true, "xpth"},
                      TypingCase{"ThreeOfFour", "xpt", 0, false, "xpt"},
                      TypingCase{"WrongOrder", "xpht", 0, false, "xpht"},
                      TypingCase{"FifthKeyRefused", "abcdx", 0, false, "abcd"},
                      TypingCase{"LeadingSpace", " xpt", 0, false, " xpt"},
                      TypingCase{"MendedAfterAMistake", "xpty\bh", 1, true, "xpth"},
                      TypingCase{"EmptiedAgain", "x\b", 0, false, ""},
                      TypingCase{"ChineseCountsTwoBytes", "xp中t", 0, false, "xp中"},
                      TypingCase{"NoInputAfterTheMatch", "xpthz", 1, true, "xpth"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VerifyWindowHandlers, PastingTheWholeCodeMatchesAtOnce) {
  window.userPastes("编辑框1", "XPTH", app);
  EXPECT_EQ(app.verifyResult, 1);
  EXPECT_TRUE(window.closeRequested);
}

TEST_F(VerifyWindowHandlers, LabelPressDrawsANewCodeWithoutClearingOrMatching) {
  window.userTypes("编辑框1", "xpt", app);
  app.verifyResult = 1;  // a press runs no matching, so nothing writes here
  window.userPresses("标签1", app);
  EXPECT_EQ(window["标签1"].text, "42qZ");
  EXPECT_EQ(window["编辑框1"].text, "xpt");
  EXPECT_EQ(app.verifyResult, 1);
  EXPECT_EQ(window.writes, std::vector<std::string>{"标签1.text=42qZ"});

  app.verifyResult = 0;
  window.userTypes("编辑框1", "h", app);  // the old code no longer matches
  EXPECT_EQ(app.verifyResult, 0);
  EXPECT_FALSE(window.closeRequested);
}

TEST_F(VerifyWindowHandlers, CancelWritesZeroAndClosesAtAnyTime) {
  window.userTypes("编辑框1", "xpt", app);
  app.verifyResult = 1;
  window.userClicks("按钮1", app);
  EXPECT_EQ(app.verifyResult, 0);
  EXPECT_TRUE(window.closeRequested);
}

}  // namespace
}  // namespace morvane::testing
