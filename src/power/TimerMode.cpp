#include "power/TimerMode.h"

namespace morvane {

void onTimerModeClicked(WindowView& mainWindow, App&) {
  const bool on = mainWindow.isChecked("选择框1");
  // Writing "30" back also throws away a delay typed in timer mode.
  mainWindow.setText("编辑框_电源选项_秒数", "30");
  mainWindow.setEnabled("编辑框_电源选项_秒数", on);
  mainWindow.setBackground("编辑框_电源选项_秒数",
                           on ? Color{255, 255, 255} : Color{196, 196, 196});
  mainWindow.setEnabled("标签_电源选项_秒数", on);
}

}  // namespace morvane
