// The three ways between the home view and the power panel, from either view.
#include <gtest/gtest.h>

#include "FakeWindow.h"
#include "power/PanelNavigation.h"
#include "shell/MainWindowLayout.h"

namespace morvane::testing {
namespace {

struct NavigationCase {
  const char* name;
  Handler trigger;
  bool panelBefore;
  std::vector<std::string> writes;
};

class PanelNavigation : public ::testing::TestWithParam<NavigationCase> {};

TEST_P(PanelNavigation, WritesTheViewAndStatusInOrderWithoutLookingFirst) {
  const NavigationCase& c = GetParam();
  FakeWindow window(mainWindowLayout());
  window["分组框_电源选项"].visible = c.panelBefore;
  window["标签1"].text = "已显示主界面！";  // an earlier status stays unless overwritten
  FakeApp services;

  c.trigger(window, services.app);

  EXPECT_EQ(window.writes, c.writes);
  bool shown = c.writes.front() == "分组框_电源选项.visible=true";
  EXPECT_EQ(window["分组框_电源选项"].visible, shown);
  if (c.writes.size() == 1) {
    EXPECT_EQ(window["标签1"].text, "已显示主界面！");
  }
  // The panel's controls keep their own settings while it is hidden or shown.
  EXPECT_TRUE(window["按钮1"].visible);
}

const char kShow[] = "分组框_电源选项.visible=true";
const char kHide[] = "分组框_电源选项.visible=false";

INSTANTIATE_TEST_SUITE_P(
    Triggers, PanelNavigation,
    ::testing::Values(
        NavigationCase{"PowerOptionsFromHome",
                       onPowerOptionsChosen,
                       false,
                       {kShow, "标签1.text=电源选项窗口已加载！"}},
        NavigationCase{"PowerOptionsAgain",
                       onPowerOptionsChosen,
                       true,
                       {kShow, "标签1.text=电源选项窗口已加载！"}},
        NavigationCase{
            "ShowHomeFromPanel", onShowHomeChosen, true, {kHide, "标签1.text=已显示主界面！"}},
        NavigationCase{
            "ShowHomeAgain", onShowHomeChosen, false, {kHide, "标签1.text=已显示主界面！"}},
        NavigationCase{"LinkPressFromHome", onLinkLabelPressed, false, {kShow}},
        NavigationCase{"LinkPressOnPanel", onLinkLabelPressed, true, {kShow}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PanelNavigationStatus, LinkPressRightAfterStartKeepsStarted) {
  FakeWindow window(mainWindowLayout());
  FakeApp services;
  onLinkLabelPressed(window, services.app);
  EXPECT_TRUE(window["分组框_电源选项"].visible);
  EXPECT_EQ(window["标签1"].text, "已启动");
}

TEST(PanelNavigationStatus, StatusTextsUseFullWidthExclamationMarks) {
  FakeWindow window(mainWindowLayout());
  FakeApp services;
  onPowerOptionsChosen(window, services.app);
  EXPECT_EQ(window["标签1"].text, "电源选项窗口已加载\xEF\xBC\x81");
  onShowHomeChosen(window, services.app);
  EXPECT_EQ(window["标签1"].text, "已显示主界面\xEF\xBC\x81");
}

TEST(PanelNavigationStatus, MenuItemsAreBoundToTheirHandlers) {
  WindowLayout layout = mainWindowLayout();
  EXPECT_EQ(layout.menus[0].items[0].onChosen, onShowHomeChosen);
  EXPECT_EQ(layout.menus[1].items[0].onChosen, onPowerOptionsChosen);
  EXPECT_EQ(findControl(layout, "标签2")->onPressed, onLinkLabelPressed);
}

}  // namespace
}  // namespace morvane::testing
