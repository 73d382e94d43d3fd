// The floor for the start-up benchmark: the smallest Win32 window program, one window of
// MainWindow's size and frame, no controls, built with the same link options as morvane.exe.
#include <windows.h>

namespace {
LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(window, message, wParam, lParam);
}
}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = windowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = L"MorvaneFloor";
  RegisterClassW(&windowClass);
  int left = (GetSystemMetrics(SM_CXSCREEN) - 575) / 2;
  int top = (GetSystemMetrics(SM_CYSCREEN) - 375) / 2;
  HWND window =
      CreateWindowExW(0, L"MorvaneFloor", L"Floor", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, left,
                      top, 575, 375, nullptr, nullptr, instance, nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
