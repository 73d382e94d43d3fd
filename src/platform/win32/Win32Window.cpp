#include "platform/win32/Win32Window.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/win32/ByteLimitedEdit.h"
#include "platform/win32/ControlLook.h"
#include "platform/win32/GdiResources.h"
#include "platform/win32/WideText.h"

namespace morvane::win32 {

namespace {

const wchar_t kWindowClass[] = L"MorvaneWindow";
// Control and menu ids stay clear of IDOK and IDCANCEL, which Enter and Esc send in dialogs.
constexpr int kFirstControlId = 100;
constexpr int kFirstMenuId = 1000;

std::vector<Win32Window*>& liveWindows() {
  static std::vector<Win32Window*> windows;
  return windows;
}

int& openWindows() {
  static int count = 0;
  return count;
}

void registerWindowClass() {
  static const bool registered = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = Win32Window::windowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hIcon = programIcon(32);
    windowClass.hIconSm = programIcon(16);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExW(&windowClass) != 0;
  }();
  (void)registered;
}

}  // namespace

Win32Window::Win32Window(WindowLayout layout, App& app, std::vector<HWND> disabledWhileOpen)
    : layout_(std::move(layout)), app_(app), disabledWhileOpen_(std::move(disabledWhileOpen)) {
  registerWindowClass();
  DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_CLIPCHILDREN;
  if (layout_.titleButtons == TitleButtons::SystemMenuAndClose) style |= WS_SYSMENU;
  DWORD exStyle = WS_EX_CONTROLPARENT | (layout_.taskbarButton ? WS_EX_APPWINDOW : 0);
  // Centred on the full primary screen, not its work area; the stored left and top are not used.
  const Rect& size = layout_.stored;
  int left = (GetSystemMetrics(SM_CXSCREEN) - size.width) / 2;
  int top = (GetSystemMetrics(SM_CYSCREEN) - size.height) / 2;

  for (HWND other : disabledWhileOpen_) EnableWindow(other, FALSE);
  HWND created =
      CreateWindowExW(exStyle, kWindowClass, widen(layout_.caption).c_str(), style, left, top,
                      size.width, size.height, nullptr, nullptr, GetModuleHandleW(nullptr), this);
  if (!created) {
    for (HWND other : disabledWhileOpen_) EnableWindow(other, TRUE);
    return;
  }
  liveWindows().push_back(this);

  createMenus();
  controls_.resize(layout_.controls.size());
  // A new child window goes behind its older siblings, so creating the rows in their order (front
  // to back) stacks them as listed.
  for (std::size_t index = 0; index < layout_.controls.size(); ++index) createControl(index);
}

Win32Window::~Win32Window() {
  if (hwnd_) DestroyWindow(hwnd_);
  for (Control& control : controls_) {
    if (control.font) DeleteObject(control.font);
    if (control.background) DeleteObject(control.background);
  }
  auto& live = liveWindows();
  live.erase(std::remove(live.begin(), live.end(), this), live.end());
}

void Win32Window::createMenus() {
  if (layout_.menus.empty()) return;
  HMENU bar = CreateMenu();
  for (const MenuLayout& menu : layout_.menus) {
    HMENU dropDown = CreatePopupMenu();
    for (const MenuItem& item : menu.items) {
      UINT id = kFirstMenuId + UINT(menuHandlers_.size());
      menuHandlers_.push_back(item.onChosen);
      AppendMenuW(dropDown, MF_STRING, id, widen(item.text).c_str());
    }
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(dropDown), widen(menu.text).c_str());
  }
  SetMenu(hwnd_, bar);
}

void Win32Window::createControl(std::size_t index) {
  const ControlRow& row = layout_.controls[index];
  Control& control = controls_[index];
  control.row = &row;
  HWND parent = hwnd_;
  if (!row.parent.empty()) {
    if (Control* container = find(row.parent)) parent = container->hwnd;
  }
  Styles styles = stylesFor(row);
  control.hwnd =
      CreateWindowExW(styles.exStyle, styles.windowClass, widen(row.text).c_str(), styles.style,
                      row.place.left, row.place.top, row.place.width, row.place.height, parent,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFirstControlId + index)),
                      GetModuleHandleW(nullptr), nullptr);
  control.font = createFont(row.font);
  SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(control.font), FALSE);
  if (row.background) {
    control.backgroundColor = *row.background;
    control.background = CreateSolidBrush(toColorRef(*row.background));
  }
  SetWindowSubclass(control.hwnd, controlProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

void Win32Window::runCreatedHandler() {
  created_ = true;
  run(layout_.onCreated);
}

void Win32Window::show() {
  if (!hwnd_) return;
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  UpdateWindow(hwnd_);
}

void Win32Window::run(Handler handler) {
  if (handler) handler(*this, app_);
}

// --- WindowView ---

void Win32Window::setVisible(const std::string& name, bool visible) {
  Control* control = find(name);
  if (!control) return;
  HWND focus = GetFocus();
  bool holdsFocus = focus && (focus == control->hwnd || IsChild(control->hwnd, focus));
  ShowWindow(control->hwnd, visible ? SW_SHOWNA : SW_HIDE);
  // A hidden control cannot keep the keyboard: the window takes it back.
  if (!visible && holdsFocus) SetFocus(hwnd_);
}

void Win32Window::setEnabled(const std::string& name, bool enabled) {
  Control* control = find(name);
  if (!control) return;
  EnableWindow(control->hwnd, enabled);
  if (isLabel(*control->row)) InvalidateRect(control->hwnd, nullptr, TRUE);
}

void Win32Window::setText(const std::string& name, const std::string& text) {
  Control* control = find(name);
  if (!control) return;
  SetWindowTextW(control->hwnd, widen(text).c_str());
  if (isLabel(*control->row)) InvalidateRect(control->hwnd, nullptr, TRUE);
}

std::string Win32Window::text(const std::string& name) const {
  const Control* control = find(name);
  if (!control) return {};
  std::wstring text(GetWindowTextLengthW(control->hwnd) + 1, L'\0');
  text.resize(GetWindowTextW(control->hwnd, text.data(), int(text.size())));
  return narrow(text);
}

void Win32Window::setBackground(const std::string& name, Color color) {
  Control* control = find(name);
  if (!control) return;
  if (control->background) DeleteObject(control->background);
  control->backgroundColor = color;
  control->background = CreateSolidBrush(toColorRef(color));
  InvalidateRect(control->hwnd, nullptr, TRUE);
}

bool Win32Window::isChecked(const std::string& name) const {
  const Control* control = find(name);
  return control && SendMessageW(control->hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Window::requestClose() {
  closeRequested_ = true;
  // Wakes the event loop when the handler ran from a sent message rather than a posted one.
  PostMessageW(hwnd_, WM_NULL, 0, 0);
}

// --- messages ---

LRESULT CALLBACK Win32Window::windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* creating =
        static_cast<Win32Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    creating->hwnd_ = hwnd;
    ++openWindows();
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creating));
  }
  auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  return self->onMessage(message, wParam, lParam);
}

LRESULT Win32Window::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  HWND hwnd = hwnd_;
  switch (message) {
    case WM_COMMAND:
      onCommand(wParam, lParam);
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      if (HBRUSH brush =
              colorControl(reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam)))
        return reinterpret_cast<LRESULT>(brush);
      break;
    case WM_SETCURSOR:
      if (setPointer(reinterpret_cast<HWND>(wParam), lParam)) return TRUE;
      break;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focus = GetFocus();
        if (focus && IsChild(hwnd, focus)) lastFocus_ = focus;
      }
      break;
    case WM_SETFOCUS:
      if (HWND target = focusTarget()) SetFocus(target);
      return 0;
    case WM_CLOSE:
      // While a modal window holds this one off, it cannot be closed from outside either.
      if (IsWindowEnabled(hwnd)) close();
      return 0;
    case WM_NCDESTROY:
      // However the window went, the windows it held off take input again.
      for (HWND other : disabledWhileOpen_) EnableWindow(other, TRUE);
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      hwnd_ = nullptr;
      if (--openWindows() == 0) PostQuitMessage(0);
      break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Win32Window::close() {
  // The windows held off while this one was open take input again before it goes, so that one
  // of them is activated in its place.
  for (HWND other : disabledWhileOpen_) EnableWindow(other, TRUE);
  DestroyWindow(hwnd_);
}

void Win32Window::onCommand(WPARAM wParam, LPARAM lParam) {
  if (lParam == 0) {  // a menu item
    if (!IsWindowEnabled(hwnd_)) return;
    std::size_t index = LOWORD(wParam) - kFirstMenuId;
    if (HIWORD(wParam) == 0 && index < menuHandlers_.size()) run(menuHandlers_[index]);
    return;
  }
  Control* control = find(reinterpret_cast<HWND>(lParam));
  // A window held off by a modal one takes no input, also none posted to it from outside.
  if (!control || !created_ || !IsWindowEnabled(hwnd_)) return;
  switch (HIWORD(wParam)) {
    case BN_CLICKED:
      if (control->row->kind == ControlKind::PushButton ||
          control->row->kind == ControlKind::CheckBox)
        run(control->row->onClicked);
      break;
    case EN_CHANGE:
      run(control->row->onTextChanged);
      break;
  }
}

HBRUSH Win32Window::colorControl(HWND child, HDC dc) {
  Control* control = find(child);
  if (!control) return nullptr;
  SetTextColor(dc, toColorRef(control->row->textColor));
  if (!control->background) return nullptr;
  SetBkColor(dc, toColorRef(control->backgroundColor));
  return control->background;
}

bool Win32Window::setPointer(HWND target, LPARAM lParam) {
  if (LOWORD(lParam) != HTCLIENT) return false;
  Pointer pointer = layout_.pointer;
  if (target != hwnd_) {
    Control* control = find(target);
    if (!control) return false;
    pointer = control->row->pointer;
  }
  HCURSOR cursor = pointerFor(pointer);
  if (!cursor) return false;
  SetCursor(cursor);
  return true;
}

HWND Win32Window::focusTarget() const {
  auto reachable = [](HWND h) { return IsWindowVisible(h) && IsWindowEnabled(h); };
  if (lastFocus_ && IsWindow(lastFocus_) && IsChild(hwnd_, lastFocus_) && reachable(lastFocus_))
    return lastFocus_;
  for (const std::string& name : tabSequence(layout_)) {
    const Control* control = find(name);
    if (control && reachable(control->hwnd)) return control->hwnd;
  }
  return nullptr;
}

void Win32Window::moveFocus(bool backwards) {
  std::vector<HWND> stops;
  for (const std::string& name : tabSequence(layout_)) {
    const Control* control = find(name);
    if (control && IsWindowVisible(control->hwnd) && IsWindowEnabled(control->hwnd))
      stops.push_back(control->hwnd);
  }
  HWND focus = GetFocus();
  auto current = std::find(stops.begin(), stops.end(), focus);
  if (stops.empty() || current == stops.end()) return;  // no control has the focus
  std::size_t index = current - stops.begin();
  index = backwards ? (index + stops.size() - 1) % stops.size() : (index + 1) % stops.size();
  SetFocus(stops[index]);
}

LRESULT CALLBACK Win32Window::controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                          UINT_PTR, DWORD_PTR self) {
  auto* window = reinterpret_cast<Win32Window*>(self);
  Control* control = window->find(hwnd);
  if (!control) return DefSubclassProc(hwnd, message, wParam, lParam);
  return window->onControlMessage(*control, message, wParam, lParam);
}

LRESULT Win32Window::onControlMessage(Control& control, UINT message, WPARAM wParam,
                                      LPARAM lParam) {
  HWND hwnd = control.hwnd;
  const ControlRow& row = *control.row;
  if (message == WM_NCDESTROY) RemoveWindowSubclass(hwnd, controlProc, 0);

  if (row.kind == ControlKind::GroupBox) {
    switch (message) {
      case WM_NCHITTEST:
        return HTCLIENT;  // a filled panel: the home view behind it takes no clicks
      case WM_ERASEBKGND: {
        RECT area;
        GetClientRect(hwnd, &area);
        FillRect(reinterpret_cast<HDC>(wParam), &area,
                 control.background ? control.background : GetSysColorBrush(COLOR_BTNFACE));
        return 1;
      }
      case WM_COMMAND:
      case WM_CTLCOLORSTATIC:
      case WM_CTLCOLOREDIT:
      case WM_CTLCOLORBTN:
        // The controls inside report to the window, which owns their handlers and colours.
        return SendMessageW(hwnd_, message, wParam, lParam);
    }
  }

  if (row.kind == ControlKind::EditBox && limitEditBytes(hwnd, message, wParam, row.maxBytes))
    return 0;

  if (isLabel(row)) {
    switch (message) {
      case WM_NCHITTEST:
        return HTCLIENT;  // labels take the pointer and presses themselves
      case WM_ERASEBKGND:
        return 1;  // painted whole in WM_PAINT
      case WM_PAINT:
        paintLabel(control.hwnd, *control.row, control.font, control.background);
        return 0;
      case WM_LBUTTONDOWN:
        // Fires on the press, not on the release.
        run(row.onPressed);
        return 0;
    }
  }
  return DefSubclassProc(hwnd, message, wParam, lParam);
}

// --- lookups ---

Win32Window::Control* Win32Window::find(const std::string& name) {
  for (Control& control : controls_) {
    if (control.row && control.row->name == name) return &control;
  }
  return nullptr;
}

const Win32Window::Control* Win32Window::find(const std::string& name) const {
  return const_cast<Win32Window*>(this)->find(name);
}

Win32Window::Control* Win32Window::find(HWND child) {
  for (Control& control : controls_) {
    if (control.hwnd && control.hwnd == child) return &control;
  }
  return nullptr;
}

// --- the program's windows together ---

int Win32Window::openCount() {
  return openWindows();
}

std::vector<HWND> Win32Window::enabledWindows() {
  std::vector<HWND> windows;
  for (Win32Window* window : liveWindows()) {
    if (window->hwnd_ && IsWindowEnabled(window->hwnd_)) windows.push_back(window->hwnd_);
  }
  return windows;
}

void Win32Window::closeRequested() {
  // Copy: destroying a window may end a nested loop whose owner removes itself from the list.
  std::vector<Win32Window*> windows = liveWindows();
  for (Win32Window* window : windows) {
    if (window->closeRequested_ && window->hwnd_) {
      window->closeRequested_ = false;
      window->close();
    }
  }
}

bool Win32Window::handleDialogKey(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  HWND root = GetAncestor(message.hwnd, GA_ROOT);
  Win32Window* window = nullptr;
  for (Win32Window* candidate : liveWindows()) {
    if (candidate->hwnd_ && candidate->hwnd_ == root) window = candidate;
  }
  if (!window) return false;
  // A window held off by a modal one takes no keys, also none posted to it from outside.
  if (!IsWindowEnabled(window->hwnd_)) return true;
  switch (message.wParam) {
    case VK_TAB:
      window->moveFocus(GetKeyState(VK_SHIFT) < 0);
      return true;
    case VK_ESCAPE:
      SendMessageW(window->hwnd_, WM_CLOSE, 0, 0);
      return true;
    case VK_RETURN:
      return true;  // no default button: Enter does nothing
  }
  return false;
}

}  // namespace morvane::win32
