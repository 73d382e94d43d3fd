// MainWindow's own handlers: what happens once it exists and how the program is left from its menu.
#pragma once

#include "platform/App.h"
#include "platform/WindowView.h"

namespace morvane {

// Runs once, after the controls exist and before the window is first shown: puts the title font
// in place, then locks the delay box, so the user never sees it enabled.
void onMainWindowCreated(WindowView& window, App& app);

// "退出程序( &E )": the process ends inside the handler with exit code 0.
void onExitChosen(WindowView& window, App& app);

}  // namespace morvane
