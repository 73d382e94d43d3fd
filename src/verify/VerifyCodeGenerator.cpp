#include "verify/VerifyCodeGenerator.h"

namespace morvane {

std::string VerifyCodeGenerator::nextCode() {
  random_.seedFromClock();
  std::string code;
  for (int position = 0; position < 4; ++position) {
    int characterClass = random_.drawBetween(1, 3);
    int character;
    if (characterClass == 3) {
      character = random_.drawBetween('a', 'z');
    } else if (characterClass == 2) {
      character = random_.drawBetween('C', 'Z');
    } else {
      character = random_.drawBetween('0', '9');
    }
    code += char(character);
  }
  return code;
}

void VerifyCodeGenerator::showIn(WindowView& verifyWindow) {
  verifyWindow.setText("标签1", nextCode());
}

}  // namespace morvane
