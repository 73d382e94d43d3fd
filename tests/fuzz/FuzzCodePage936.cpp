// The verification box's byte count, fed arbitrary UTF-16, against the C library's own CP936
// converter, one code unit at a time: what it encodes counts its bytes, what it cannot encode
// counts one ("?"), and so does each half of a surrogate pair.
#include <iconv.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "verify/CodePage936.h"

namespace {

std::size_t referenceBytes(iconv_t converter, char16_t unit) {
  if (unit >= 0xD800 && unit <= 0xDFFF) return 1;
  char16_t in[1] = {unit};
  char out[8];
  char* inPointer = reinterpret_cast<char*>(in);
  char* outPointer = out;
  std::size_t inLeft = sizeof in, outLeft = sizeof out;
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  if (iconv(converter, &inPointer, &inLeft, &outPointer, &outLeft) == std::size_t(-1)) return 1;
  return sizeof out - outLeft;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static iconv_t converter = iconv_open("CP936", "UTF-16LE");
  if (converter == iconv_t(-1)) abort();
  std::u16string text;
  for (std::size_t i = 0; i + 1 < size; i += 2) text += char16_t(data[i] | (data[i + 1] << 8));

  std::size_t expected = 0;
  for (char16_t unit : text) expected += referenceBytes(converter, unit);
  if (morvane::codePage936Bytes(text.data(), text.size()) != expected) abort();
  return 0;
}
