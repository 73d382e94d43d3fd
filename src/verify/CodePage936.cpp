#include "verify/CodePage936.h"

#include <algorithm>
#include <iterator>

namespace morvane {

namespace {

struct Range {
  char16_t first, last;
};

constexpr Range kTwoByteRanges[] = {
#include "verify/CodePage936Ranges.inc"
};

bool takesTwoBytes(char16_t unit) {
  auto after =
      std::upper_bound(std::begin(kTwoByteRanges), std::end(kTwoByteRanges), unit,
                       [](char16_t value, const Range& range) { return value < range.first; });
  return after != std::begin(kTwoByteRanges) && unit <= std::prev(after)->last;
}

}  // namespace

std::size_t codePage936Bytes(const char16_t* text, std::size_t length) {
  std::size_t bytes = 0;
  for (std::size_t i = 0; i < length; ++i)
    bytes += text[i] >= 0x80 && takesTwoBytes(text[i]) ? 2 : 1;
  return bytes;
}

}  // namespace morvane
