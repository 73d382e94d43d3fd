#pragma once

#include "platform/App.h"

namespace morvane::win32 {

class Win32Process final : public Process {
 public:
  void exitNow(int code) override;
};

// The working directory becomes the folder that holds the program file, wherever it was started.
void enterProgramFolder();

}  // namespace morvane::win32
