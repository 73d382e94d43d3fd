// The program's services and its one piece of shared state, handed to every handler.
#pragma once

#include <cstdint>
#include <string>

#include "platform/FontFiles.h"

namespace morvane {

struct App;
struct WindowLayout;

class Process {
 public:
  virtual ~Process() = default;
  // Ends the process at once: no window is asked and no handler runs afterwards.
  virtual void exitNow(int code) = 0;
};

class Windowing {
 public:
  virtual ~Windowing() = default;
  // Builds a new window from `layout` with no parent, runs its created handler, shows it and
  // returns only after it has been destroyed. The program's other windows take no input meanwhile.
  virtual void runModal(const WindowLayout& layout, App& app) = 0;
  // A message with the caption "信息：" and one OK button, modal to the whole program.
  virtual void messageBox(const std::string& text) = 0;
};

class Launcher {
 public:
  virtual ~Launcher() = default;
  // Starts the command line as a new process with its window hidden and never waits for its end.
  // Whether it started is not reported: nobody acts on it.
  virtual void launchHidden(const std::string& commandLine) = 0;
};

class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // Starts a new sequence from the millisecond clock; two seedings in one millisecond still differ.
  virtual void seedFromClock() = 0;
  // A value from low to high inclusive (0 <= low < high), every value equally likely.
  virtual int drawBetween(int low, int high) = 0;
};

struct App {
  Process& process;
  Windowing& windowing;
  Launcher& launcher;
  RandomSource& random;
  FontFiles& fontFiles;
  // The outcome of the verification gate: 1 verified, 0 not. Written by the gate and by the
  // verification window's handlers, read once by the gate after the window has gone.
  std::int32_t verifyResult = 0;
};

}  // namespace morvane
