#include <gtest/gtest.h>

#include <string>

#include "verify/CodePage936.h"

namespace morvane {
namespace {

struct ByteCase {
  const char* name;
  std::u16string text;
  std::size_t bytes;
};

class CodePage936 : public ::testing::TestWithParam<ByteCase> {};

TEST_P(CodePage936, CountsBytesAsTheCodePageWritesThem) {
  EXPECT_EQ(codePage936Bytes(GetParam().text.data(), GetParam().text.size()), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    VerifyBox, CodePage936,
    ::testing::Values(ByteCase{"Empty", u"", 0}, ByteCase{"Code", u"xP7h", 4},
                      ByteCase{"ControlAndDelete", u"\t\x7f", 2}, ByteCase{"Chinese", u"中", 2},
                      ByteCase{"Mixed", u"a中!", 4}, ByteCase{"FullWidthMark", u"！", 2},
                      ByteCase{"EuroIsOneByte", u"€", 1}, ByteCase{"PinyinLetter", u"é", 2},
                      ByteCase{"RangeEdges", u"\u4E00\u9FA5", 4},
                      ByteCase{"NotInTheCodePage", u"\u0080\uE000\u0E01", 3},
                      ByteCase{"SurrogatePairIsTwoQuestionMarks", u"\U0001F600", 2}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace morvane
