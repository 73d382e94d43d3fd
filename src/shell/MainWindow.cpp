#include "shell/MainWindow.h"

#include "shell/FontProvisioner.h"

namespace morvane {

void onMainWindowCreated(WindowView& window, App& app) {
  // The title font first: when it has to be written, the window appears only after the write.
  FontProvisioner(app.fontFiles).provision();
  // Only the enabled state changes: the text stays "30" and the grey background of the layout, and
  // the "秒" label beside the box stays enabled.
  window.setEnabled("编辑框_电源选项_秒数", false);
}

void onExitChosen(WindowView&, App& app) {
  app.process.exitNow(0);
}

}  // namespace morvane
