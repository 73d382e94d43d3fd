// How long a text is in code page 936, the measure of the verification box's limit of four bytes.
#pragma once

#include <cstddef>

namespace morvane {

// One byte for ASCII and for the euro sign, two for every character that GBK encodes (the Chinese
// characters among them), and one for anything it cannot encode, which becomes "?" (each half of
// a surrogate pair on its own).
std::size_t codePage936Bytes(const char16_t* text, std::size_t length);

}  // namespace morvane
