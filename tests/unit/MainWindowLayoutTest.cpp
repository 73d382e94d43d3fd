// The parts of MainWindow's table that are easy to get wrong: where controls land in the client
// area once the panel's offset is applied, stacking and Tab order, fonts, menus and pointers.
#include <gtest/gtest.h>

#include "platform/Layout.h"
#include "shell/MainWindowLayout.h"

namespace morvane {
namespace {

Rect clientPlace(const WindowSpec& spec, const ControlSpec& row) {
  Rect place = row.place;
  if (!row.parent.empty()) {
    const ControlSpec* parent = findControl(spec, row.parent);
    place.left += parent->place.left;
    place.top += parent->place.top;
  }
  return place;
}

TEST(MainWindowLayout, WindowIsFixedSizeWithCaptionMenusAndTaskbarButton) {
  WindowSpec spec = mainWindowLayout();
  EXPECT_EQ(spec.caption, "Morvane");
  EXPECT_EQ(spec.stored.width, 575);
  EXPECT_EQ(spec.stored.height, 375);
  EXPECT_EQ(spec.titleButtons, TitleButtons::SystemMenuAndClose);
  EXPECT_TRUE(spec.taskbarButton);
  EXPECT_NE(spec.onCreated, nullptr);
}

TEST(MainWindowLayout, ControlsAreStackedFrontToBack) {
  std::vector<std::string> names;
  for (const ControlSpec& row : mainWindowLayout().controls) names.push_back(row.name);
  EXPECT_EQ(names, (std::vector<std::string>{"标签1", "分组框_电源选项", "按钮3", "按钮2",
                                             "标签_电源选项_秒数", "编辑框_电源选项_秒数",
                                             "选择框1", "按钮1", "透明标签1", "标签2"}));
}

TEST(MainWindowLayout, ControlsLandWhereTheClientAreaExpectsThem) {
  struct Expected {
    const char* name;
    Rect client;
    const char* parent;
  };
  const Expected table[] = {
      {"标签1", {0, 300, 576, 24}, ""},
      {"分组框_电源选项", {-8, -8, 584, 312}, ""},
      {"按钮3", {288, 24, 176, 64}, "分组框_电源选项"},
      {"按钮2", {32, 64, 96, 32}, "分组框_电源选项"},
      {"标签_电源选项_秒数", {248, 72, 48, 24}, "分组框_电源选项"},
      {"编辑框_电源选项_秒数", {152, 72, 88, 24}, "分组框_电源选项"},
      {"选择框1", {152, 28, 80, 24}, "分组框_电源选项"},
      {"按钮1", {32, 24, 96, 32}, "分组框_电源选项"},
      {"透明标签1", {192, 160, 184, 104}, ""},
      {"标签2", {48, 24, 80, 16}, ""},
  };
  WindowSpec spec = mainWindowLayout();
  for (const Expected& expected : table) {
    SCOPED_TRACE(expected.name);
    const ControlSpec* row = findControl(spec, expected.name);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->parent, expected.parent);
    Rect place = clientPlace(spec, *row);
    EXPECT_EQ(place.left, expected.client.left);
    EXPECT_EQ(place.top, expected.client.top);
    EXPECT_EQ(place.width, expected.client.width);
    EXPECT_EQ(place.height, expected.client.height);
  }
}

TEST(MainWindowLayout, TabVisitsThePowerControlsInTheirOwnOrder) {
  EXPECT_EQ(
      tabSequence(mainWindowLayout()),
      (std::vector<std::string>{"按钮1", "选择框1", "编辑框_电源选项_秒数", "按钮2", "按钮3"}));
}

TEST(MainWindowLayout, FontsAreEmHeightsWithTheirFacesAndWeights) {
  struct Expected {
    const char* name;
    bool defaultUi;
    const char* face;
    int px;
    int weight;
    bool underline;
  };
  const Expected table[] = {
      {"标签1", false, "", 14, 400, false},
      {"分组框_电源选项", true, "", 0, 400, false},
      {"按钮3", false, "微软雅黑", 21, 700, false},
      {"按钮2", true, "", 0, 400, false},
      {"标签_电源选项_秒数", true, "", 0, 400, false},
      {"编辑框_电源选项_秒数", true, "", 0, 400, false},
      {"选择框1", true, "", 0, 400, false},
      {"按钮1", true, "", 0, 400, false},
      {"透明标签1", false, "迷你简稚艺", 56, 400, false},
      {"标签2", false, "", 12, 400, true},
  };
  WindowSpec spec = mainWindowLayout();
  for (const Expected& expected : table) {
    SCOPED_TRACE(expected.name);
    const FontSpec& font = findControl(spec, expected.name)->font;
    EXPECT_EQ(font.defaultUi, expected.defaultUi);
    if (expected.defaultUi) continue;
    EXPECT_EQ(font.face, expected.face);
    EXPECT_EQ(font.emHeightPx, expected.px);
    EXPECT_EQ(font.weight, expected.weight);
    EXPECT_EQ(font.underline, expected.underline);
  }
}

TEST(MainWindowLayout, LookAndInitialStateOfTheControls) {
  WindowSpec spec = mainWindowLayout();
  const ControlSpec& status = *findControl(spec, "标签1");
  EXPECT_EQ(status.text, "已启动");
  EXPECT_EQ(status.border, Border::ThinSunken);

  const ControlSpec& panel = *findControl(spec, "分组框_电源选项");
  EXPECT_EQ(panel.kind, ControlKind::GroupBox);
  EXPECT_FALSE(panel.visible);
  EXPECT_EQ(panel.text, "");

  const ControlSpec& delay = *findControl(spec, "编辑框_电源选项_秒数");
  EXPECT_EQ(delay.text, "30");
  EXPECT_EQ(delay.background, (Color{196, 196, 196}));
  EXPECT_EQ(delay.border, Border::Sunken3D);
  EXPECT_TRUE(delay.enabled);  // the created handler locks it, not the table
  EXPECT_EQ(delay.maxBytes, 0);
  EXPECT_FALSE(delay.lowercase);

  const ControlSpec& link = *findControl(spec, "标签2");
  EXPECT_EQ(link.text, "设置定时关机");
  EXPECT_EQ(link.textColor, (Color{0, 0, 255}));
  EXPECT_NE(link.onPressed, nullptr);

  EXPECT_EQ(findControl(spec, "透明标签1")->kind, ControlKind::TransparentLabel);
  EXPECT_EQ(findControl(spec, "选择框1")->kind, ControlKind::CheckBox);
  EXPECT_EQ(findControl(spec, "按钮1")->text, "关机");
  EXPECT_EQ(findControl(spec, "按钮2")->text, "重启");
  EXPECT_EQ(findControl(spec, "按钮3")->text, "取消");
  EXPECT_EQ(findControl(spec, "选择框1")->text, "定时模式");
  EXPECT_EQ(findControl(spec, "标签_电源选项_秒数")->text, "秒");
}

TEST(MainWindowLayout, CrossHairOverTheWindowAndEveryControl) {
  WindowSpec spec = mainWindowLayout();
  EXPECT_EQ(spec.pointer, Pointer::CrossHair);
  for (const ControlSpec& row : spec.controls) {
    EXPECT_EQ(row.pointer, Pointer::CrossHair) << row.name;
  }
}

TEST(MainWindowLayout, MenusKeepTheirExactTextsAndOnlyAboutIsUnbound) {
  WindowSpec spec = mainWindowLayout();
  ASSERT_EQ(spec.menus.size(), 3u);
  EXPECT_EQ(spec.menus[0].text, "程序(Alt + &C )");
  EXPECT_EQ(spec.menus[1].text, "系统 (Alt + &S )");
  EXPECT_EQ(spec.menus[2].text, "帮助(Alt + &H)");
  ASSERT_EQ(spec.menus[0].items.size(), 2u);
  ASSERT_EQ(spec.menus[1].items.size(), 1u);
  ASSERT_EQ(spec.menus[2].items.size(), 1u);
  EXPECT_EQ(spec.menus[0].items[0].text, "显示主页面( &M )");
  EXPECT_EQ(spec.menus[0].items[1].text, "退出程序( &E )");
  EXPECT_EQ(spec.menus[1].items[0].text, "电源选项( &D )");
  EXPECT_EQ(spec.menus[2].items[0].text, "关于( &A)");
  EXPECT_NE(spec.menus[0].items[0].onChosen, nullptr);
  EXPECT_NE(spec.menus[0].items[1].onChosen, nullptr);
  EXPECT_NE(spec.menus[1].items[0].onChosen, nullptr);
  EXPECT_EQ(spec.menus[2].items[0].onChosen, nullptr);
}

}  // namespace
}  // namespace morvane
