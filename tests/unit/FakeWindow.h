// A window built from the same layout table as the real one, recording what handlers do to it, and
// fakes of the program's services that record what was started or shown.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/App.h"
#include "platform/FontFiles.h"
#include "platform/Layout.h"
#include "platform/WindowView.h"

namespace morvane::testing {

struct FakeControl {
  const ControlRow* row = nullptr;
  bool visible = true;
  bool enabled = true;
  bool checked = false;
  std::string text;
  Color background;
};

class FakeWindow final : public WindowView {
 public:
  explicit FakeWindow(WindowLayout layout);

  void setVisible(const std::string& control, bool visible) override;
  void setEnabled(const std::string& control, bool enabled) override;
  void setText(const std::string& control, const std::string& text) override;
  std::string text(const std::string& control) const override;
  void setBackground(const std::string& control, Color color) override;
  bool isChecked(const std::string& control) const override;
  void requestClose() override { closeRequested = true; }

  // What a user does, run through the handlers the layout binds. Once a close has been requested
  // the window is gone and takes no more input.
  // Key by key, as the edit box allows: capitals lowered where the box does that, and a key refused
  // when the text would pass the box's byte limit (a non-ASCII character counts two bytes).
  void userTypes(const std::string& control, const std::string& keys, App& app);
  // One change that inserts as much of `text` as fits.
  void userPastes(const std::string& control, const std::string& text, App& app);
  void userClicks(const std::string& control, App& app);   // a check box toggles itself first
  void userPresses(const std::string& control, App& app);  // left button down on a label

  // Reading an unknown name fails the test rather than inventing a control.
  const FakeControl& operator[](const std::string& control) const;
  FakeControl& operator[](const std::string& control);
  const WindowLayout& layout() const { return layout_; }

  // Every write a handler made, in order, as "name.property=value"; and every read of a text.
  std::vector<std::string> writes;
  mutable std::vector<std::string> reads;
  bool closeRequested = false;

 private:
  bool accepts(const FakeControl& control, const std::string& text) const;
  void changeText(const std::string& control, const std::string& text, App& app);

  WindowLayout layout_;
  std::map<std::string, FakeControl> controls_;
};

class FakeProcess final : public Process {
 public:
  void exitNow(int code) override { exitCodes.push_back(code); }
  std::vector<int> exitCodes;
};

// Each modal opening builds a FakeWindow from the layout, runs its created handler and hands it to
// the next scripted user; an opening with no user left is closed at once, as with Esc.
class FakeWindowing final : public Windowing {
 public:
  using User = std::function<void(FakeWindow& window, App& app)>;
  void runModal(const WindowLayout& layout, App& app) override;
  void messageBox(const std::string& text) override { messages.push_back(text); }

  std::vector<User> users;
  int openings = 0;
  std::vector<std::string> messages;
  // The verification result at the moment each opening returned.
  std::vector<int> resultsOnReturn;
};

class FakeLauncher final : public Launcher {
 public:
  void launchHidden(const std::string& commandLine) override { launched.push_back(commandLine); }
  std::vector<std::string> launched;
};

// Hands out scripted values and records every call as "seed" or "low-high". With nothing
// scripted it always draws the low end, so every code is "0000".
class ScriptedRandom final : public RandomSource {
 public:
  void seedFromClock() override { calls.push_back("seed"); }
  int drawBetween(int low, int high) override;
  std::vector<int> values;
  std::vector<std::string> calls;

 private:
  std::size_t next_ = 0;
};

// A fonts folder in memory. Every call is recorded in `journal` as "lookup", "exists PATH",
// "write PATH SIZE" or "remove PATH".
class FakeFontFiles final : public FontFiles {
 public:
  std::optional<std::string> fontsFolder() override;
  bool exists(const std::string& path) override;
  WriteOutcome writeWhole(const std::string& path, ByteView bytes) override;
  void remove(const std::string& path) override;
  ByteView titleFontData() override {
    return {reinterpret_cast<const unsigned char*>(font.data()), font.size()};
  }

  std::optional<std::string> folder = "C:\\windows\\Fonts";
  std::vector<std::string> entries;  // paths that exist
  WriteOutcome outcome = WriteOutcome::Written;
  std::string font = "a small stand-in for the title font";
  std::vector<std::string> calls;
  std::vector<std::string>* journal = &calls;
};

// The services a handler sees in a unit test.
struct FakeApp {
  FakeProcess process;
  FakeWindowing windowing;
  FakeLauncher launcher;
  ScriptedRandom random;
  FakeFontFiles fontFiles;
  App app{process, windowing, launcher, random, fontFiles};
};

}  // namespace morvane::testing
