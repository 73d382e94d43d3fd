// How each kind of control looks as a real window: its class and styles, and how labels draw
// themselves (their background, border and one line of text as the layout gives them).
#pragma once

#include <windows.h>

#include "platform/Layout.h"

namespace morvane::win32 {

COLORREF toColorRef(Color color);
bool isLabel(const ControlRow& row);

struct Styles {
  const wchar_t* windowClass;
  DWORD style;
  DWORD exStyle;
};

// The window class and styles that realise one row of a layout.
Styles stylesFor(const ControlRow& row);

// WM_PAINT of a label: the area inside its border filled with `background` (the platform's colour
// when null), or, for a transparent label, with whatever its parent paints there; then its text,
// greyed while the label is disabled.
void paintLabel(HWND label, const ControlRow& row, HFONT font, HBRUSH background);

}  // namespace morvane::win32
