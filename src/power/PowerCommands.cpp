#include "power/PowerCommands.h"

#include "verify/VerifyWindow.h"

namespace morvane {

void runGatedPowerCommand(WindowView& mainWindow, App& app, const std::string& prefix) {
  // One verification counts for one request only.
  app.verifyResult = 0;
  app.windowing.runModal(verifyWindowLayout(), app);
  if (app.verifyResult == 1) {
    // The delay is taken as it stands, after the gate: not trimmed, checked or quoted.
    app.launcher.launchHidden(prefix + mainWindow.text("编辑框_电源选项_秒数"));
  } else {
    app.windowing.messageBox("失败!");
  }
}

void onShutDownClicked(WindowView& mainWindow, App& app) {
  runGatedPowerCommand(mainWindow, app, "shutdown -s -t ");
}

void onRestartClicked(WindowView& mainWindow, App& app) {
  runGatedPowerCommand(mainWindow, app, "shutdown -r -t ");
}

void onCancelShutdownClicked(WindowView&, App& app) {
  app.launcher.launchHidden("shutdown -a");
}

}  // namespace morvane
