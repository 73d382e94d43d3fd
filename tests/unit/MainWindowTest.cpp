#include <gtest/gtest.h>

#include "FakeWindow.h"
#include "shell/MainWindow.h"
#include "shell/MainWindowLayout.h"

namespace morvane::testing {
namespace {

TEST(MainWindowCreated, LocksOnlyTheDelayBox) {
  FakeWindow window(mainWindowLayout());
  FakeApp services;
  window.layout().onCreated(window, services.app);

  EXPECT_EQ(window.writes, std::vector<std::string>{"编辑框_电源选项_秒数.enabled=false"});
  EXPECT_FALSE(window["编辑框_电源选项_秒数"].enabled);
  EXPECT_EQ(window["编辑框_电源选项_秒数"].text, "30");
  EXPECT_EQ(window["编辑框_电源选项_秒数"].background, (Color{196, 196, 196}));
  EXPECT_TRUE(window["标签_电源选项_秒数"].enabled);
  EXPECT_FALSE(window["分组框_电源选项"].visible);
}

TEST(MainWindowCreated, PutsTheFontInPlaceBeforeLockingTheBox) {
  FakeWindow window(mainWindowLayout());
  FakeApp services;
  services.fontFiles.journal = &window.writes;
  window.layout().onCreated(window, services.app);

  ASSERT_EQ(window.writes.size(), 4u);
  EXPECT_EQ(window.writes[0], "lookup");
  EXPECT_EQ(window.writes[2].rfind("write ", 0), 0u);
  EXPECT_EQ(window.writes[3], "编辑框_电源选项_秒数.enabled=false");
}

TEST(MainWindowCreated, GoesOnWhenTheFontCannotBeWritten) {
  FakeWindow window(mainWindowLayout());
  FakeApp services;
  services.fontFiles.outcome = WriteOutcome::NotOpened;
  window.layout().onCreated(window, services.app);
  EXPECT_FALSE(window["编辑框_电源选项_秒数"].enabled);
  EXPECT_TRUE(services.windowing.messages.empty()) << "nothing is reported";
}

TEST(MainWindowExit, EndsTheProcessWithCodeZero) {
  FakeWindow window(mainWindowLayout());
  FakeApp services;
  window.layout().menus[0].items[1].onChosen(window, services.app);

  EXPECT_EQ(services.process.exitCodes, std::vector<int>{0});
  EXPECT_TRUE(window.writes.empty());
}

}  // namespace
}  // namespace morvane::testing
