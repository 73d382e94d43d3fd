#include "platform/ClockSeededRandom.h"

namespace morvane {

void ClockSeededRandom::seedFromClock() {
  // The count of seedings goes into the seed, so two seedings within one millisecond (two quick
  // presses on the code) still start different sequences.
  ++seedings_;
  state_ = (std::uint64_t(clock_.milliseconds()) << 32) ^ (seedings_ * 0xD1B54A32D192ED03ull);
}

std::uint64_t ClockSeededRandom::next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

int ClockSeededRandom::drawBetween(int low, int high) {
  const std::uint64_t range = std::uint64_t(high - low) + 1;
  // Values at the top that would favour the low end of the range are drawn again.
  const std::uint64_t unbiasedLimit = UINT64_MAX - UINT64_MAX % range;
  std::uint64_t value;
  do {
    value = next();
  } while (value >= unbiasedLimit);
  return low + int(value % range);
}

}  // namespace morvane
