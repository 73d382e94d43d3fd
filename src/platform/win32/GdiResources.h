// Fonts, pointers and icons shared by all windows of the program. Each is made once on first use
// and lives until the process ends.
#pragma once

#include <windows.h>

#include "platform/Layout.h"

namespace morvane::win32 {

// The caller owns the returned font and deletes it when its control is gone.
HFONT createFont(const FontStyle& font);
// Shared; never deleted. nullptr for the platform's usual pointer.
HCURSOR pointerFor(Pointer pointer);
HICON programIcon(int sizePx);

}  // namespace morvane::win32
