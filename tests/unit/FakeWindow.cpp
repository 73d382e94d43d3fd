#include "FakeWindow.h"

#include <stdexcept>

namespace morvane::testing {

FakeWindow::FakeWindow(WindowLayout layout) : layout_(std::move(layout)) {
  for (const ControlRow& row : layout_.controls) {
    FakeControl& control = controls_[row.name];
    control.layout = &row;
    control.visible = row.visible;
    control.enabled = row.enabled;
    control.text = row.text;
    control.background = row.background.value_or(Color{});
  }
}

const FakeControl& FakeWindow::operator[](const std::string& control) const {
  auto found = controls_.find(control);
  if (found == controls_.end()) throw std::out_of_range("no control named " + control);
  return found->second;
}

FakeControl& FakeWindow::operator[](const std::string& control) {
  return const_cast<FakeControl&>(static_cast<const FakeWindow&>(*this)[control]);
}

void FakeWindow::setVisible(const std::string& control, bool visible) {
  (*this)[control].visible = visible;
  writes.push_back(control + ".visible=" + (visible ? "true" : "false"));
}

void FakeWindow::setEnabled(const std::string& control, bool enabled) {
  (*this)[control].enabled = enabled;
  writes.push_back(control + ".enabled=" + (enabled ? "true" : "false"));
}

void FakeWindow::setText(const std::string& control, const std::string& text) {
  (*this)[control].text = text;
  writes.push_back(control + ".text=" + text);
}

std::string FakeWindow::text(const std::string& control) const {
  return (*this)[control].text;
}

void FakeWindow::setBackground(const std::string& control, Color color) {
  (*this)[control].background = color;
  writes.push_back(control + ".background=" + std::to_string(color.red) + "," +
                   std::to_string(color.green) + "," + std::to_string(color.blue));
}

bool FakeWindow::isChecked(const std::string& control) const {
  return (*this)[control].checked;
}

}  // namespace morvane::testing
