// Draws the four-character code that the verification window shows.
#pragma once

#include <string>

#include "platform/App.h"
#include "platform/WindowView.h"

namespace morvane {

class VerifyCodeGenerator {
 public:
  explicit VerifyCodeGenerator(RandomSource& random) : random_(random) {}

  // Reseeds from the clock, then draws class and character for each of the four positions: eight
  // draws in all. Classes: 3 small letters a-z, 2 capitals C-Z (never A or B), 1 digits 0-9.
  std::string nextCode();
  // Replaces the caption of 标签1 with a new code in one write, so no partial code is ever shown.
  void showIn(WindowView& verifyWindow);

 private:
  RandomSource& random_;
};

}  // namespace morvane
