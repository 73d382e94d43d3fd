// Folding and matching of the typed code, fed arbitrary bytes: folding changes only A-Z, and a
// match happens exactly when the folded texts are equal byte for byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "verify/CodeMatching.h"

namespace {

// An independent fold, byte by byte, to hold the real one against.
char reference(char byte) {
  return byte >= 'A' && byte <= 'Z' ? char(byte | 0x20) : byte;
}

void require(bool condition) {
  if (!condition) abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string bytes(reinterpret_cast<const char*>(data), size);
  // The typed text and the code, split at the first NUL byte or in the middle.
  std::size_t split = bytes.find('\0');
  if (split == std::string::npos) split = size / 2;
  std::string typed = bytes.substr(0, split);
  std::string code = bytes.substr(std::min(split + 1, size));

  std::string folded = morvane::foldToSmall(typed);
  require(folded.size() == typed.size());
  for (std::size_t i = 0; i < typed.size(); ++i) require(folded[i] == reference(typed[i]));
  require(morvane::foldToSmall(folded) == folded);

  bool equalFolded = typed.size() == code.size();
  for (std::size_t i = 0; equalFolded && i < typed.size(); ++i)
    equalFolded = reference(typed[i]) == reference(code[i]);
  require(morvane::matchesCode(typed, code) == equalFolded);
  require(morvane::matchesCode(code, typed) == equalFolded);
  return 0;
}
