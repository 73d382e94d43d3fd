#include "platform/Layout.h"

namespace morvane {

ControlRow makeControl(std::string name, ControlKind kind, std::string parent, Rect place,
                       std::string text, FontStyle font) {
  ControlRow row;
  row.name = std::move(name);
  row.kind = kind;
  row.parent = std::move(parent);
  row.place = place;
  row.text = std::move(text);
  row.font = std::move(font);
  return row;
}

std::vector<std::string> tabSequence(const WindowLayout& layout) {
  std::vector<std::string> names;
  for (auto row = layout.controls.rbegin(); row != layout.controls.rend(); ++row) {
    if (row->tabStop) names.push_back(row->name);
  }
  return names;
}

const ControlRow* findControl(const WindowLayout& layout, const std::string& name) {
  for (const ControlRow& row : layout.controls) {
    if (row.name == name) return &row;
  }
  return nullptr;
}

}  // namespace morvane
