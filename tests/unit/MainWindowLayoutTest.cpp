// The parts of MainWindow's table that are easy to get wrong: where controls land in the client
// area once the panel's offset is applied, stacking and Tab order, fonts, menus and pointers.
#include <gtest/gtest.h>

#include "platform/Layout.h"
#include "shell/MainWindowLayout.h"

namespace morvane {
namespace {

Rect clientPlace(const WindowLayout& layout, const ControlRow& row) {
  Rect place = row.place;
  if (!row.parent.empty()) {
    const ControlRow* parent = findControl(layout, row.parent);
    place.left += parent->place.left;
    place.top += parent->place.top;
  }
  return place;
}

TEST(MainWindowLayout, WindowIsFixedSizeWithCaptionMenusAndTaskbarButton) {
  WindowLayout layout = mainWindowLayout();
  EXPECT_EQ(layout.caption, "Morvane");
  EXPECT_EQ(layout.stored.width, 575);
  EXPECT_EQ(layout.stored.height, 375);
  EXPECT_EQ(layout.titleButtons, TitleButtons::SystemMenuAndClose);
  EXPECT_TRUE(layout.taskbarButton);
  EXPECT_NE(layout.onCreated, nullptr);
}

TEST(MainWindowLayout, ControlsAreStackedFrontToBack) {
  std::vector<std::string> names;
  for (const ControlRow& row : mainWindowLayout().controls) names.push_back(row.name);
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
  WindowLayout layout = mainWindowLayout();
  for (const Expected& expected : table) {
    SCOPED_TRACE(expected.name);
    const ControlRow* row = findControl(layout, expected.name);
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->parent, expected.parent);
    Rect place = clientPlace(layout, *row);
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
  WindowLayout layout = mainWindowLayout();
  for (const Expected& expected : table) {
    SCOPED_TRACE(expected.name);
    const FontStyle& font = findControl(layout, expected.name)->font;
    EXPECT_EQ(font.defaultUi, expected.defaultUi);
    if (expected.defaultUi) continue;
    EXPECT_EQ(font.face, expected.face);
    EXPECT_EQ(font.emHeightPx, expected.px);
    EXPECT_EQ(font.weight, expected.weight);
    EXPECT_EQ(font.underline, expected.underline);
  }
}

TEST(MainWindowLayout, LookAndInitialStateOfTheControls) {
  WindowLayout layout = mainWindowLayout();
  const ControlRow& status = *findControl(layout, "标签1");
  EXPECT_EQ(status.text, "已启动");
  EXPECT_EQ(status.border, Border::ThinSunken);

  const ControlRow& panel = *findControl(layout, "分组框_电源选项");
  EXPECT_EQ(panel.kind, ControlKind::GroupBox);
  EXPECT_FALSE(panel.visible);
  EXPECT_EQ(panel.text, "");

  const ControlRow& delay = *findControl(layout, "编辑框_电源选项_秒数");
  EXPECT_EQ(delay.text, "30");
  EXPECT_EQ(delay.background, (Color{196, 196, 196}));
  EXPECT_EQ(delay.border, Border::Sunken3D);
  EXPECT_TRUE(delay.enabled);  // the created handler locks it, not the table
  EXPECT_EQ(delay.maxBytes, 0);
  EXPECT_FALSE(delay.lowercase);

  const ControlRow& link = *findControl(layout, "标签2");
  EXPECT_EQ(link.text, "设置定时关机");
  EXPECT_EQ(link.textColor, (Color{0, 0, 255}));
  EXPECT_NE(link.onPressed, nullptr);

  EXPECT_EQ(findControl(layout, "透明标签1")->kind, ControlKind::TransparentLabel);
  EXPECT_EQ(findControl(layout, "选择框1")->kind, ControlKind::CheckBox);
  EXPECT_EQ(findControl(layout, "按钮1")->text, "关机");
  EXPECT_EQ(findControl(layout, "按钮2")->text, "重启");
  EXPECT_EQ(findControl(layout, "按钮3")->text, "取消");
  EXPECT_EQ(findControl(layout, "选择框1")->text, "定时模式");
  EXPECT_EQ(findControl(layout, "标签_电源选项_秒数")->text, "秒");
}

TEST(MainWindowLayout, CrossHairOverTheWindowAndEveryControl) {
  WindowLayout layout = mainWindowLayout();
  EXPECT_EQ(layout.pointer, Pointer::CrossHair);
  for (const ControlRow& row : layout.controls) {
    EXPECT_EQ(row.pointer, Pointer::CrossHair) << row.name;
  }
}

TEST(MainWindowLayout, MenusKeepTheirExactTextsAndOnlyAboutIsUnbound) {
  WindowLayout layout = mainWindowLayout();
  ASSERT_EQ(layout.menus.size(), 3u);
  EXPECT_EQ(layout.menus[0].text, "程序(Alt + &C )");
  EXPECT_EQ(layout.menus[1].text, "系统 (Alt + &S )");
  EXPECT_EQ(layout.menus[2].text, "帮助(Alt + &H)");
  ASSERT_EQ(layout.menus[0].items.size(), 2u);
  ASSERT_EQ(layout.menus[1].items.size(), 1u);
  ASSERT_EQ(layout.menus[2].items.size(), 1u);
  EXPECT_EQ(layout.menus[0].items[0].text, "显示主页面( &M )");
  EXPECT_EQ(layout.menus[0].items[1].text, "退出程序( &E )");
  EXPECT_EQ(layout.menus[1].items[0].text, "电源选项( &D )");
  EXPECT_EQ(layout.menus[2].items[0].text, "关于( &A)");
  EXPECT_NE(layout.menus[0].items[0].onChosen, nullptr);
  EXPECT_NE(layout.menus[0].items[1].onChosen, nullptr);
  EXPECT_NE(layout.menus[1].items[0].onChosen, nullptr);
  EXPECT_EQ(layout.menus[2].items[0].onChosen, nullptr);
}

}  // namespace
}  // namespace morvane
