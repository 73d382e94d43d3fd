#include "FakeWindow.h"

#include <algorithm>
#include <stdexcept>

#include "verify/CodeMatching.h"
#include "verify/CodePage936.h"

namespace morvane::testing {

FakeWindow::FakeWindow(WindowLayout layout) : layout_(std::move(layout)) {
  for (const ControlRow& row : layout_.controls) {
    FakeControl& control = controls_[row.name];
    control.row = &row;
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
  reads.push_back(control);
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

namespace {
// The box counts its text in code page 936, over UTF-16 as Windows holds it.
std::size_t cp936Bytes(const std::string& utf8) {
  std::u16string utf16;
  for (std::size_t i = 0; i < utf8.size();) {
    unsigned char lead = utf8[i];
    int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t c = length == 1 ? lead : lead & (0x3F >> (length - 1));
    for (int k = 1; k < length && i + k < utf8.size(); ++k) c = (c << 6) | (utf8[i + k] & 0x3F);
    if (c > 0xFFFF) {
      utf16 += char16_t(0xD800 + ((c - 0x10000) >> 10));
      utf16 += char16_t(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      utf16 += char16_t(c);
    }
    i += length;
  }
  return codePage936Bytes(utf16.data(), utf16.size());
}

// The characters of a UTF-8 text, each as its own string.
std::vector<std::string> characters(const std::string& utf8) {
  std::vector<std::string> result;
  for (unsigned char byte : utf8) {
    if (byte < 0x80 || byte >= 0xC0) result.emplace_back();
    result.back() += char(byte);
  }
  return result;
}
}  // namespace

bool FakeWindow::accepts(const FakeControl& control, const std::string& text) const {
  return control.row->maxBytes == 0 || cp936Bytes(text) <= std::size_t(control.row->maxBytes);
}

void FakeWindow::changeText(const std::string& name, const std::string& text, App& app) {
  FakeControl& control = (*this)[name];
  control.text = control.row->lowercase ? foldToSmall(text) : text;
  if (control.row->onTextChanged) control.row->onTextChanged(*this, app);
}

void FakeWindow::userTypes(const std::string& name, const std::string& keys, App& app) {
  for (const std::string& key : characters(keys)) {
    if (closeRequested) return;
    FakeControl& control = (*this)[name];
    if (key == "\b") {
      if (!control.text.empty()) {
        std::vector<std::string> chars = characters(control.text);
        chars.pop_back();
        std::string shorter;
        for (const std::string& c : chars) shorter += c;
        changeText(name, shorter, app);
      }
    } else if (accepts(control, control.text + key)) {
      changeText(name, control.text + key, app);
    }
  }
}

void FakeWindow::userPastes(const std::string& name, const std::string& text, App& app) {
  if (closeRequested) return;
  FakeControl& control = (*this)[name];
  std::string result = control.text;
  for (const std::string& c : characters(text)) {
    if (!accepts(control, result + c)) break;
    result += c;
  }
  if (result != control.text) changeText(name, result, app);
}

void FakeWindow::userClicks(const std::string& name, App& app) {
  if (closeRequested) return;
  FakeControl& control = (*this)[name];
  if (control.row->kind == ControlKind::CheckBox) control.checked = !control.checked;
  if (control.row->onClicked) control.row->onClicked(*this, app);
}

void FakeWindow::userPresses(const std::string& name, App& app) {
  if (closeRequested) return;
  const FakeControl& control = (*this)[name];
  if (control.row->onPressed) control.row->onPressed(*this, app);
}

void FakeWindowing::runModal(const WindowLayout& layout, App& app) {
  FakeWindow window(layout);
  if (window.layout().onCreated) window.layout().onCreated(window, app);
  if (std::size_t(openings) < users.size()) users[openings](window, app);
  ++openings;
  resultsOnReturn.push_back(app.verifyResult);
}

std::optional<std::string> FakeFontFiles::fontsFolder() {
  journal->push_back("lookup");
  return folder;
}

bool FakeFontFiles::exists(const std::string& path) {
  journal->push_back("exists " + path);
  return std::find(entries.begin(), entries.end(), path) != entries.end();
}

WriteOutcome FakeFontFiles::writeWhole(const std::string& path, ByteView bytes) {
  journal->push_back("write " + path + " " + std::to_string(bytes.size));
  if (outcome != WriteOutcome::NotOpened) entries.push_back(path);
  return outcome;
}

void FakeFontFiles::remove(const std::string& path) {
  journal->push_back("remove " + path);
  entries.erase(std::remove(entries.begin(), entries.end(), path), entries.end());
}

int ScriptedRandom::drawBetween(int low, int high) {
  calls.push_back(std::to_string(low) + "-" + std::to_string(high));
  if (values.empty()) return low;  // nothing scripted: every code is "0000"
  if (next_ >= values.size()) throw std::out_of_range("no scripted value left");
  int value = values[next_++];
  if (value < low || value > high) throw std::out_of_range("scripted value outside the range");
  return value;
}

}  // namespace morvane::testing
