#include <gtest/gtest.h>

#include "FakeWindow.h"
#include "shell/FontProvisioner.h"

namespace morvane::testing {
namespace {

const std::string kName = "迷你简稚艺_0.ttf";

struct PathCase {
  const char* name;
  std::optional<std::string> folder;
  std::string path;
};

class TargetPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(TargetPath, OneBackslashBetweenFolderAndName) {
  EXPECT_EQ(FontProvisioner::targetPath(GetParam().folder), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(FontProvisioner, TargetPath,
                         ::testing::Values(PathCase{"Folder", "C:\\windows\\Fonts",
                                                    "C:\\windows\\Fonts\\" + kName},
                                           PathCase{"TrailingBackslash", "C:\\windows\\Fonts\\",
                                                    "C:\\windows\\Fonts\\" + kName},
                                           PathCase{"DriveRoot", "D:\\", "D:\\" + kName},
                                           PathCase{"FailedLookup", std::nullopt, kName},
                                           PathCase{"EmptyLookup", "", kName}),
                         [](const auto& info) { return std::string(info.param.name); });

class Provisioning : public ::testing::Test {
 protected:
  FakeFontFiles files;
  const std::string path = "C:\\windows\\Fonts\\" + kName;
  std::string written() const { return "write " + path + " " + std::to_string(files.font.size()); }
};

TEST_F(Provisioning, WritesTheWholeFontWhenNothingOfThatNameExists) {
  FontProvisioner(files).provision();
  EXPECT_EQ(files.calls, (std::vector<std::string>{"lookup", "exists " + path, written()}));
}

TEST_F(Provisioning, AnExistingEntryOfAnyKindIsLeftAlone) {
  files.entries = {path};  // a file of other content, a read-only file or a directory alike
  FontProvisioner(files).provision();
  EXPECT_EQ(files.calls, (std::vector<std::string>{"lookup", "exists " + path}));
}

TEST_F(Provisioning, AFailedLookupWritesTheBareNameIntoTheWorkingDirectory) {
  files.folder = std::nullopt;
  FontProvisioner(files).provision();
  EXPECT_EQ(files.calls,
            (std::vector<std::string>{"lookup", "exists " + kName,
                                      "write " + kName + " " + std::to_string(files.font.size())}));
}

TEST_F(Provisioning, AnIncompleteWriteTakesItsOwnFileAwaySoTheNextStartTriesAgain) {
  files.entries = {"C:\\windows\\Fonts\\other.ttf"};
  files.outcome = WriteOutcome::Incomplete;
  FontProvisioner(files).provision();
  EXPECT_EQ(files.calls,
            (std::vector<std::string>{"lookup", "exists " + path, written(), "remove " + path}));
  EXPECT_EQ(files.entries, std::vector<std::string>{"C:\\windows\\Fonts\\other.ttf"});

  files.calls.clear();
  files.outcome = WriteOutcome::Written;
  FontProvisioner(files).provision();
  EXPECT_EQ(files.calls, (std::vector<std::string>{"lookup", "exists " + path, written()}));
}

TEST_F(Provisioning, AWriteThatCannotOpenRemovesNothingAndIsTriedAtEveryStart) {
  files.outcome = WriteOutcome::NotOpened;
  for (int start = 0; start < 2; ++start) {
    files.calls.clear();
    FontProvisioner(files).provision();
    EXPECT_EQ(files.calls, (std::vector<std::string>{"lookup", "exists " + path, written()}));
  }
}

}  // namespace
}  // namespace morvane::testing
