#include <gtest/gtest.h>

#include "verify/CodeMatching.h"

namespace morvane {
namespace {

TEST(FoldToSmall, ChangesOnlyTheAsciiCapitals) {
  EXPECT_EQ(foldToSmall("xPtH"), "xpth");
  EXPECT_EQ(foldToSmall("AZaz09@[`{"), "azaz09@[`{");
  // 丄 is 0x81 0x41 in code page 936: its second byte looks like "A" there, yet the character
  // stays.
  EXPECT_EQ(foldToSmall("丄Q"), "丄q");
  EXPECT_EQ(foldToSmall("中A"), "中a");
  EXPECT_EQ(foldToSmall(""), "");
}

struct MatchCase {
  const char* typed;
  const char* code;
  bool match;
};

class Matching : public ::testing::TestWithParam<MatchCase> {};

TEST_P(Matching, IgnoresLetterCaseAndNothingElse) {
  EXPECT_EQ(matchesCode(GetParam().typed, GetParam().code), GetParam().match)
      << '"' << GetParam().typed << "\" against \"" << GetParam().code << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Codes, Matching,
    ::testing::Values(MatchCase{"xpth", "xPtH", true}, MatchCase{"XPTH", "xPtH", true},
                      MatchCase{"xPtH", "xPtH", true}, MatchCase{"xpt", "xPtH", false},
                      MatchCase{"xpth ", "xPtH", false}, MatchCase{" xpt", "xPtH", false},
                      MatchCase{"xpht", "xPtH", false}, MatchCase{"", "xPtH", false},
                      MatchCase{"", "", true}, MatchCase{"中中", "xPtH", false},
                      MatchCase{"xp中", "xPtH", false}, MatchCase{"0O1l", "0o1L", true}));

}  // namespace
}  // namespace morvane
