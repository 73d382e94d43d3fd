// What a handler may do to its window: the properties the handlers touch, by control name.
#pragma once

#include <string>

#include "platform/Layout.h"

namespace morvane {

class WindowView {
 public:
  virtual ~WindowView() = default;

  virtual void setVisible(const std::string& control, bool visible) = 0;
  virtual void setEnabled(const std::string& control, bool enabled) = 0;
  // The text of an edit box or the caption of a label, UTF-8.
  virtual void setText(const std::string& control, const std::string& text) = 0;
  virtual std::string text(const std::string& control) const = 0;
  virtual void setBackground(const std::string& control, Color color) = 0;
  virtual bool isChecked(const std::string& control) const = 0;
  // The window goes once the running handler has returned, before any further input.
  virtual void requestClose() = 0;
};

}  // namespace morvane
