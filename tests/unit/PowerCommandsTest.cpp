// The three power buttons against fake services: the gate's paths and the command lines built.
#include <gtest/gtest.h>

#include "FakeWindow.h"
#include "power/PowerCommands.h"
#include "shell/MainWindowLayout.h"

namespace morvane::testing {
namespace {

// Users of the verification window. The fake random source makes every code "0000".
void typesTheCode(FakeWindow& verify, App& app) {
  verify.userTypes("编辑框1", "0000", app);
}
void cancels(FakeWindow& verify, App& app) {
  verify.userTypes("编辑框1", "00", app);
  verify.userClicks("按钮1", app);
}
void pressesEsc(FakeWindow&, App&) {}  // the window closes without any handler
void mistypesThenPressesEsc(FakeWindow& verify, App& app) {
  verify.userTypes("编辑框1", "0001", app);
}

struct GateCase {
  const char* name;
  FakeWindowing::User user;
  bool passes;
};

class Gate : public ::testing::TestWithParam<GateCase> {
 protected:
  FakeApp services;
  FakeWindow main{mainWindowLayout()};
};

TEST_P(Gate, LaunchesOnlyAfterAMatchAndSaysFailedOtherwise) {
  services.windowing.users = {GetParam().user};
  services.app.verifyResult = 1;  // an earlier success never carries over
  main.reads.clear();
  onShutDownClicked(main, services.app);

  EXPECT_EQ(services.windowing.openings, 1);
  if (GetParam().passes) {
    EXPECT_EQ(services.launcher.launched, std::vector<std::string>{"shutdown -s -t 30"});
    EXPECT_TRUE(services.windowing.messages.empty());
    EXPECT_EQ(main.reads, std::vector<std::string>{"编辑框_电源选项_秒数"});
  } else {
    EXPECT_TRUE(services.launcher.launched.empty());
    EXPECT_EQ(services.windowing.messages, std::vector<std::string>{"失败!"});
    EXPECT_TRUE(main.reads.empty()) << "a failed gate never reads the delay box";
  }
  EXPECT_TRUE(main.writes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    PowerCommands, Gate,
    ::testing::Values(GateCase{"Match", typesTheCode, true}, GateCase{"Cancel", cancels, false},
                      GateCase{"Esc", pressesEsc, false},
                      GateCase{"WrongCodeThenEsc", mistypesThenPressesEsc, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PowerCommands, EachRequestNeedsItsOwnVerification) {
  FakeApp services;
  FakeWindow main(mainWindowLayout());
  services.windowing.users = {typesTheCode, pressesEsc};
  onRestartClicked(main, services.app);
  onRestartClicked(main, services.app);
  EXPECT_EQ(services.windowing.openings, 2);
  EXPECT_EQ(services.windowing.resultsOnReturn, (std::vector<int>{1, 0}));
  EXPECT_EQ(services.launcher.launched, std::vector<std::string>{"shutdown -r -t 30"});
  EXPECT_EQ(services.windowing.messages, std::vector<std::string>{"失败!"});
}

struct DelayCase {
  const char* name;
  const char* delay;
};

class CommandLines : public ::testing::TestWithParam<DelayCase> {};

TEST_P(CommandLines, AppendTheDelayTextByteForByte) {
  FakeApp services;
  FakeWindow main(mainWindowLayout());
  main["编辑框_电源选项_秒数"].text = GetParam().delay;
  services.windowing.users = {typesTheCode, typesTheCode};
  onShutDownClicked(main, services.app);
  onRestartClicked(main, services.app);
  EXPECT_EQ(services.launcher.launched,
            (std::vector<std::string>{std::string("shutdown -s -t ") + GetParam().delay,
                                      std::string("shutdown -r -t ") + GetParam().delay}));
}

INSTANTIATE_TEST_SUITE_P(PowerCommands, CommandLines,
                         ::testing::Values(DelayCase{"Default", "30"}, DelayCase{"Empty", ""},
                                           DelayCase{"Letters", "abc"}, DelayCase{"Negative", "-5"},
                                           DelayCase{"LeadingBlank", " 30"},
                                           DelayCase{"FurtherSwitch", "30 -f"},
                                           DelayCase{"Chinese", "六十秒"},
                                           DelayCase{"Quotes", "\"30\""}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PowerCommands, CancelIsNeverGated) {
  FakeApp services;
  FakeWindow main(mainWindowLayout());
  services.app.verifyResult = 1;
  onCancelShutdownClicked(main, services.app);
  EXPECT_EQ(services.launcher.launched, std::vector<std::string>{"shutdown -a"});
  EXPECT_EQ(services.windowing.openings, 0);
  EXPECT_TRUE(services.windowing.messages.empty());
  EXPECT_EQ(services.app.verifyResult, 1) << "neither read nor written";
  EXPECT_TRUE(main.reads.empty());
}

TEST(PowerCommands, ButtonsAreBoundToTheirCommands) {
  WindowLayout layout = mainWindowLayout();
  EXPECT_EQ(findControl(layout, "按钮1")->onClicked, onShutDownClicked);
  EXPECT_EQ(findControl(layout, "按钮2")->onClicked, onRestartClicked);
  EXPECT_EQ(findControl(layout, "按钮3")->onClicked, onCancelShutdownClicked);
}

}  // namespace
}  // namespace morvane::testing
