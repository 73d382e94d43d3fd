#include "platform/Layout.h"

namespace morvane {

ControlSpec makeControl(std::string name, ControlKind kind, std::string parent, Rect place,
                        std::string text, FontSpec font) {
  ControlSpec row;
  row.name = std::move(name);
  row.kind = kind;
  row.parent = std::move(parent);
  row.place = place;
  row.text = std::move(text);
  row.font = std::move(font);
  return row;
}

std::vector<std::string> tabSequence(const WindowSpec& spec) {
  std::vector<std::string> names;
  for (auto row = spec.controls.rbegin(); row != spec.controls.rend(); ++row) {
    if (row->tabStop) names.push_back(row->name);
  }
  return names;
}

const ControlSpec* findControl(const WindowSpec& spec, const std::string& name) {
  for (const ControlSpec& row : spec.controls) {
    if (row.name == name) return &row;
  }
  return nullptr;
}

}  // namespace morvane
