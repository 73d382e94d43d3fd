#include "verify/CodeMatching.h"

namespace morvane {

std::string foldToSmall(std::string text) {
  for (char& byte : text) {
    if (byte >= 'A' && byte <= 'Z') byte = char(byte - 'A' + 'a');
  }
  return text;
}

bool matchesCode(const std::string& typed, const std::string& code) {
  return foldToSmall(typed) == foldToSmall(code);
}

}  // namespace morvane
