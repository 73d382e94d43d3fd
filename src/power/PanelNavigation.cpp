#include "power/PanelNavigation.h"

namespace morvane {

namespace {
const char kPanel[] = "分组框_电源选项";
const char kStatusLine[] = "标签1";
}  // namespace

void onShowHomeChosen(WindowView& window, App&) {
  window.setVisible(kPanel, false);
  window.setText(kStatusLine, "已显示主界面！");
}

void onPowerOptionsChosen(WindowView& window, App&) {
  window.setVisible(kPanel, true);
  window.setText(kStatusLine, "电源选项窗口已加载！");
}

void onLinkLabelPressed(WindowView& window, App&) {
  window.setVisible(kPanel, true);
}

}  // namespace morvane
