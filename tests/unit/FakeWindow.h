// A window built from the same layout table as the real one, recording what handlers do to it.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "platform/App.h"
#include "platform/Layout.h"
#include "platform/WindowView.h"

namespace morvane::testing {

struct FakeControl {
  const ControlRow* layout = nullptr;
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

  // Reading an unknown name fails the test rather than inventing a control.
  const FakeControl& operator[](const std::string& control) const;
  FakeControl& operator[](const std::string& control);
  // Every write a handler made, in order, as "name.property=value".
  std::vector<std::string> writes;
  bool closeRequested = false;
  const WindowLayout& layout() const { return layout_; }

 private:
  WindowLayout layout_;
  std::map<std::string, FakeControl> controls_;
};

class FakeProcess final : public Process {
 public:
  void exitNow(int code) override { exitCodes.push_back(code); }
  std::vector<int> exitCodes;
};

// The services a handler sees in a unit test.
struct FakeApp {
  FakeProcess process;
  App app{process};
};

}  // namespace morvane::testing
