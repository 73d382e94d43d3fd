#include "platform/win32/ControlLook.h"

#include <commctrl.h>

#include <string>

namespace morvane::win32 {

COLORREF toColorRef(Color color) {
  return RGB(color.red, color.green, color.blue);
}

bool isLabel(const ControlRow& row) {
  return row.kind == ControlKind::Label || row.kind == ControlKind::TransparentLabel;
}

Styles stylesFor(const ControlRow& row) {
  Styles styles{WC_STATICW, SS_LEFT | SS_NOPREFIX, 0};
  switch (row.kind) {
    case ControlKind::Label:
      break;
    case ControlKind::TransparentLabel:
      styles.exStyle = WS_EX_TRANSPARENT;
      break;
    case ControlKind::GroupBox:
      // WS_EX_CONTROLPARENT lets the focus reach the controls inside.
      styles = {WC_BUTTONW, BS_GROUPBOX | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT};
      break;
    case ControlKind::PushButton:
      styles = {WC_BUTTONW, BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER, 0};
      break;
    case ControlKind::CheckBox:
      styles = {WC_BUTTONW, BS_AUTOCHECKBOX | BS_MULTILINE | BS_LEFT | BS_VCENTER, 0};
      break;
    case ControlKind::EditBox:
      styles = {WC_EDITW, DWORD(ES_LEFT | ES_AUTOHSCROLL | (row.lowercase ? ES_LOWERCASE : 0)), 0};
      break;
  }
  switch (row.border) {
    case Border::ThinSunken:
      styles.exStyle |= WS_EX_STATICEDGE;
      break;
    case Border::Single:
      styles.style |= WS_BORDER;
      break;
    case Border::Sunken3D:
      styles.exStyle |= WS_EX_CLIENTEDGE;
      break;
    case Border::None:
    case Border::Native:
      break;
  }
  styles.style |= WS_CHILD | WS_CLIPSIBLINGS;
  if (row.visible) styles.style |= WS_VISIBLE;
  if (!row.enabled) styles.style |= WS_DISABLED;
  if (row.tabStop) styles.style |= WS_TABSTOP;
  return styles;
}

void paintLabel(HWND label, const ControlRow& row, HFONT font, HBRUSH background) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(label, &paint);
  RECT area;
  GetClientRect(label, &area);
  if (row.kind == ControlKind::TransparentLabel) {
    // Draws only its text: what lies behind is the parent's own background.
    HWND parent = GetParent(label);
    POINT origin{0, 0};
    MapWindowPoints(label, parent, &origin, 1);
    POINT previous;
    SetViewportOrgEx(dc, -origin.x, -origin.y, &previous);
    SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
  } else {
    FillRect(dc, &area, background ? background : GetSysColorBrush(COLOR_BTNFACE));
  }
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc,
               IsWindowEnabled(label) ? toColorRef(row.textColor) : GetSysColor(COLOR_GRAYTEXT));
  std::wstring text(GetWindowTextLengthW(label) + 1, L'\0');
  text.resize(GetWindowTextW(label, text.data(), int(text.size())));
  DrawTextW(dc, text.c_str(), int(text.size()), &area,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(dc, oldFont);
  EndPaint(label, &paint);
}

}  // namespace morvane::win32
