// The three power buttons. Shut down and restart pass the verification gate first; cancelling a
// pending shutdown does not.
#pragma once

#include <string>

#include "platform/App.h"
#include "platform/WindowView.h"

namespace morvane {

// Runs the verification window; only when it leaves verifyResult at exactly 1 is the delay box
// read and `prefix` followed by its text started. Otherwise the user is told "失败!".
void runGatedPowerCommand(WindowView& mainWindow, App& app, const std::string& prefix);

void onShutDownClicked(WindowView& mainWindow, App& app);        // 按钮1 "关机"
void onRestartClicked(WindowView& mainWindow, App& app);         // 按钮2 "重启"
void onCancelShutdownClicked(WindowView& mainWindow, App& app);  // 按钮3 "取消"

}  // namespace morvane
