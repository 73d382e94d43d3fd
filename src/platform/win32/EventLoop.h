#pragma once

#include <windows.h>

namespace morvane::win32 {

// Dispatches the program's messages until a quit request arrives or, for a nested loop, until
// `until` has been destroyed. A quit request met by a nested loop is posted again for the outer
// one.
void runEventLoop(HWND until = nullptr);

}  // namespace morvane::win32
