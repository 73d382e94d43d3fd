// The program's services and its one piece of shared state, handed to every handler.
#pragma once

#include <cstdint>

namespace morvane {

class Process {
 public:
  virtual ~Process() = default;
  // Ends the process at once: no window is asked and no handler runs afterwards.
  virtual void exitNow(int code) = 0;
};

struct App {
  Process& process;
};

}  // namespace morvane
