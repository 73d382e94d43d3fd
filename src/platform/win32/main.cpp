// Program entry: prepare the process, build MainWindow, run the one event loop, end with 0.
#include <windows.h>

#include <commctrl.h>

#include "platform/win32/EventLoop.h"
#include "platform/win32/Win32Process.h"
#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Window.h"
#include "shell/MainWindowLayout.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace morvane;
  win32::enterProgramFolder();
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  win32::Win32Process process;
  win32::Win32Windowing windowing;
  win32::Win32Launcher launcher;
  win32::TickClock clock;
  ClockSeededRandom random(clock);
  win32::Win32FontFiles fontFiles;
  App app{process, windowing, launcher, random, fontFiles};
  {
    win32::Win32Window mainWindow(mainWindowLayout(), app);
    if (mainWindow.exists()) mainWindow.runCreatedHandler();
    if (mainWindow.exists()) mainWindow.show();
    if (win32::Win32Window::openCount() > 0) win32::runEventLoop();
  }
  return 0;
}
