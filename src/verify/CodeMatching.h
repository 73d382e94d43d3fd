// How typed text is held against the code: letter case is ignored and nothing else is.
#pragma once

#include <string>

namespace morvane {

// Turns the ASCII capitals A-Z into small letters and leaves every other byte alone. Texts are
// UTF-8, where every byte of a multi-byte character is 128 or above, so a Chinese character is
// never changed, not even one whose second byte in code page 936 lies between "A" and "Z".
std::string foldToSmall(std::string text);

// Equal byte for byte, and of the same length, once both are folded.
bool matchesCode(const std::string& typed, const std::string& code);

}  // namespace morvane
