// The program's pseudo-random source: a SplitMix64 sequence started afresh from the millisecond
// clock at every seeding.
#pragma once

#include <cstdint>

#include "platform/App.h"

namespace morvane {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::uint32_t milliseconds() = 0;
};

class ClockSeededRandom final : public RandomSource {
 public:
  explicit ClockSeededRandom(Clock& clock) : clock_(clock) {}

  void seedFromClock() override;
  int drawBetween(int low, int high) override;

 private:
  std::uint64_t next();

  Clock& clock_;
  std::uint64_t state_ = 0;
  std::uint64_t seedings_ = 0;
};

}  // namespace morvane
