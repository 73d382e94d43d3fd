// A real top-level window built from a layout table: every control is a child window whose window
// text is its text. Messages are turned into the handlers bound in the table.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/App.h"
#include "platform/Layout.h"
#include "platform/WindowView.h"

namespace morvane::win32 {

class Win32Window final : public WindowView {
 public:
  // Creates the window and its controls, not yet shown. The window starts centred on the primary
  // screen. `others` are disabled while it exists (a modal window) and enabled again before it
  // goes, so that they are activated again.
  Win32Window(WindowLayout layout, App& app, std::vector<HWND> disabledWhileOpen = {});
  ~Win32Window() override;
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;

  bool exists() const { return hwnd_ != nullptr; }
  HWND hwnd() const { return hwnd_; }
  void runCreatedHandler();
  void show();

  void setVisible(const std::string& control, bool visible) override;
  void setEnabled(const std::string& control, bool enabled) override;
  void setText(const std::string& control, const std::string& text) override;
  std::string text(const std::string& control) const override;
  void setBackground(const std::string& control, Color color) override;
  bool isChecked(const std::string& control) const override;
  void requestClose() override;

  // Number of the program's windows that exist; the last one to go ends the event loop.
  static int openCount();
  // The program's windows that take input now: the ones a modal window holds off.
  static std::vector<HWND> enabledWindows();
  // Destroys every window whose handler asked to close. Called by the event loop after each
  // message, so a window goes before it handles any further input.
  static void closeRequested();
  // Tab, Shift+Tab, Esc and Enter, whichever control of the program's windows has the focus.
  // Returns true when the key was taken.
  static bool handleDialogKey(const MSG& message);

  // The window procedure of every window of the program; `this` arrives with WM_NCCREATE.
  static LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

 private:
  struct Control {
    const ControlRow* row = nullptr;
    HWND hwnd = nullptr;
    HFONT font = nullptr;
    HBRUSH background = nullptr;  // nullptr: the platform's colour
    Color backgroundColor;
  };

  static LRESULT CALLBACK controlProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR self);
  LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT onControlMessage(Control& control, UINT message, WPARAM wParam, LPARAM lParam);

  void createMenus();
  void createControl(std::size_t index);
  void onCommand(WPARAM wParam, LPARAM lParam);
  HBRUSH colorControl(HWND child, HDC dc);
  bool setPointer(HWND target, LPARAM lParam);
  void moveFocus(bool backwards);
  HWND focusTarget() const;
  void run(Handler handler);
  void close();

  Control* find(const std::string& name);
  const Control* find(const std::string& name) const;
  Control* find(HWND child);

  WindowLayout layout_;
  App& app_;
  std::vector<HWND> disabledWhileOpen_;
  HWND hwnd_ = nullptr;
  std::vector<Control> controls_;
  std::vector<Handler> menuHandlers_;
  HWND lastFocus_ = nullptr;
  bool closeRequested_ = false;
  // Controls report nothing until the created handler has run: a text-changed event from the
  // box's creation would otherwise meet a label that shows no code yet.
  bool created_ = false;
};

}  // namespace morvane::win32
