#include <gtest/gtest.h>

#include "FakeWindow.h"
#include "power/PanelNavigation.h"
#include "power/TimerMode.h"
#include "shell/MainWindowLayout.h"

namespace morvane::testing {
namespace {

const std::vector<std::string> kOnWrites{
    "编辑框_电源选项_秒数.text=30", "编辑框_电源选项_秒数.enabled=true",
    "编辑框_电源选项_秒数.background=255,255,255", "标签_电源选项_秒数.enabled=true"};
const std::vector<std::string> kOffWrites{
    "编辑框_电源选项_秒数.text=30", "编辑框_电源选项_秒数.enabled=false",
    "编辑框_电源选项_秒数.background=196,196,196", "标签_电源选项_秒数.enabled=false"};

class TimerMode : public ::testing::Test {
 protected:
  void SetUp() override { main.layout().onCreated(main, services.app); }
  void click() {
    main.writes.clear();
    main.userClicks("选择框1", services.app);
  }
  FakeApp services;
  FakeWindow main{mainWindowLayout()};
};

TEST_F(TimerMode, EachClickWritesItsBranchInOrder) {
  click();
  EXPECT_TRUE(main["选择框1"].checked);
  EXPECT_EQ(main.writes, kOnWrites);
  click();
  EXPECT_FALSE(main["选择框1"].checked);
  EXPECT_EQ(main.writes, kOffWrites);
  EXPECT_FALSE(main["标签_电源选项_秒数"].enabled) << "unlike at start, the label is now disabled";
  click();
  EXPECT_EQ(main.writes, kOnWrites) << "the same end state however often it is toggled";
}

TEST_F(TimerMode, SwitchingOffPutsThirtyBackAndATypedDelayIsLost) {
  click();
  main.userTypes("编辑框_电源选项_秒数", "\b\b120", services.app);
  EXPECT_EQ(main["编辑框_电源选项_秒数"].text, "120");
  click();
  EXPECT_EQ(main["编辑框_电源选项_秒数"].text, "30");
  click();
  EXPECT_EQ(main["编辑框_电源选项_秒数"].text, "30");
}

TEST_F(TimerMode, SurvivesHidingAndShowingThePanel) {
  onPowerOptionsChosen(main, services.app);
  click();
  main.userTypes("编辑框_电源选项_秒数", "\b\b\b", services.app);
  onShowHomeChosen(main, services.app);
  onPowerOptionsChosen(main, services.app);
  EXPECT_TRUE(main["选择框1"].checked);
  EXPECT_TRUE(main["编辑框_电源选项_秒数"].enabled);
  EXPECT_EQ(main["编辑框_电源选项_秒数"].text, "") << "an emptied box is not refilled";
  EXPECT_EQ(main["编辑框_电源选项_秒数"].background, (Color{255, 255, 255}));
}

}  // namespace
}  // namespace morvane::testing
