// VerifyWindow: the gate in front of every shutdown and restart. Its handlers report the outcome in
// App::verifyResult and end the window by requesting its close.
#pragma once

#include "platform/App.h"
#include "platform/Layout.h"
#include "platform/WindowView.h"

namespace morvane {

// Built fresh on every call, so every opening starts with an empty box and a new code.
WindowLayout verifyWindowLayout();

// Created, and a press on the code: show a newly drawn code. The typed text stays and is not
// matched until it next changes.
void onVerifyWindowCreated(WindowView& window, App& app);
void onCodeLabelPressed(WindowView& window, App& app);
// Every change of the typed text: 1 and close on a match, 0 on any mismatch.
void onTypedCodeChanged(WindowView& window, App& app);
// "取消": 0, then close.
void onVerifyCancelClicked(WindowView& window, App& app);

}  // namespace morvane
