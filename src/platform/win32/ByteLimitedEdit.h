// An edit box whose length limit counts the bytes of its text in code page 936, where a Chinese
// character takes two: the box's own limit counts UTF-16 units instead.
#pragma once

#include <windows.h>

namespace morvane::win32 {

// Handles typing and pasting into `edit` so that its text never passes `maxBytes`. Returns true
// when the message has been dealt with here (a refused key, or a paste cut to what fits).
bool limitEditBytes(HWND edit, UINT message, WPARAM wParam, int maxBytes);

}  // namespace morvane::win32
