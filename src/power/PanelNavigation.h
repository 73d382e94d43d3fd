// Switching between the home view and the power panel. The view is nothing but the panel's visible
// state; the menu items also report the switch in the status line.
#pragma once

#include "platform/App.h"
#include "platform/WindowView.h"

namespace morvane {

void onShowHomeChosen(WindowView& window, App& app);
void onPowerOptionsChosen(WindowView& window, App& app);
// A press on "设置定时关机" opens the panel but leaves the status line as it is.
void onLinkLabelPressed(WindowView& window, App& app);

}  // namespace morvane
