// The check box "定时模式": with timer mode off the delay box is locked at "30" on grey; with it on
// the box is white, preset to "30" and free to edit.
#pragma once

#include "platform/App.h"
#include "platform/WindowView.h"

namespace morvane {

// Delivered after the box has toggled itself; only its new state counts.
void onTimerModeClicked(WindowView& mainWindow, App& app);

}  // namespace morvane
