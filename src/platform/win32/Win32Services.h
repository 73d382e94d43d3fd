// The platform services the handlers use, realised with Win32.
#pragma once

#include "platform/App.h"
#include "platform/ClockSeededRandom.h"
#include "platform/FontFiles.h"

namespace morvane::win32 {

class Win32Windowing final : public Windowing {
 public:
  void runModal(const WindowLayout& layout, App& app) override;
  void messageBox(const std::string& text) override;
};

class Win32Launcher final : public Launcher {
 public:
  // The first word names a program that is looked up in the system directory only: a file of that
  // name beside the program or in the working directory is never started.
  void launchHidden(const std::string& commandLine) override;
};

class Win32FontFiles final : public FontFiles {
 public:
  std::optional<std::string> fontsFolder() override;
  bool exists(const std::string& path) override;
  WriteOutcome writeWhole(const std::string& path, ByteView bytes) override;
  void remove(const std::string& path) override;
  // The font compiled into the program as a resource: no copy is made.
  ByteView titleFontData() override;
};

class TickClock final : public Clock {
 public:
  std::uint32_t milliseconds() override;
};

}  // namespace morvane::win32
