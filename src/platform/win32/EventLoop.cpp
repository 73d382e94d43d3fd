#include "platform/win32/EventLoop.h"

#include "platform/win32/Win32Window.h"

namespace morvane::win32 {

void runEventLoop(HWND until) {
  MSG message;
  while (!until || IsWindow(until)) {
    BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) {
      if (until) PostQuitMessage(int(message.wParam));
      return;
    }
    if (got < 0) return;
    // A handler run by a sent message may have asked for a close while we waited.
    Win32Window::closeRequested();
    if (!Win32Window::handleDialogKey(message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Win32Window::closeRequested();
  }
}

}  // namespace morvane::win32
