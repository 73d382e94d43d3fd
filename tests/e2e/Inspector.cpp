// Test-only DLL that the driver loads into a running morvane.exe. Menus, fonts, icons and pointers
// are handles of that process under Wine, so they are read here, written to a report next to the
// DLL, and the driver is told through a named event. The DLL then unloads itself, so every
// injection takes a fresh look.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

HMODULE self;

std::string utf8(const wchar_t* text) {
  int length = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  std::string result(length > 0 ? length - 1 : 0, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, result.data(), length, nullptr, nullptr);
  return result;
}

void reportMenu(FILE* out, HMENU menu, const std::string& path) {
  int count = GetMenuItemCount(menu);
  for (int i = 0; i < count; ++i) {
    wchar_t text[256] = L"";
    GetMenuStringW(menu, i, text, 256, MF_BYPOSITION);
    UINT state = GetMenuState(menu, i, MF_BYPOSITION);
    std::string here = path.empty() ? std::to_string(i) : path + "." + std::to_string(i);
    fprintf(out, "menu\t%s\t%s\t%u\n", here.c_str(), utf8(text).c_str(), state & 0xFF);
    if (HMENU sub = GetSubMenu(menu, i)) reportMenu(out, sub, here);
  }
}

void reportFont(FILE* out, HWND window) {
  DWORD_PTR font = 0;
  SendMessageTimeoutW(window, WM_GETFONT, 0, 0, SMTO_ABORTIFHUNG, 2000, &font);
  LOGFONTW logFont{};
  if (!font || !GetObjectW(reinterpret_cast<HFONT>(font), sizeof logFont, &logFont)) {
    fprintf(out, "font\t%lu\tnone\n",
            static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window)));
    return;
  }
  // The face the font mapper actually chose, which differs from the asked-for one when that one
  // is not installed.
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(font));
  wchar_t chosen[LF_FACESIZE] = L"";
  GetTextFaceW(dc, LF_FACESIZE, chosen);
  SelectObject(dc, old);
  DeleteDC(dc);
  fprintf(out, "face\t%lu\t%s\n", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window)),
          utf8(chosen).c_str());
  fprintf(out, "font\t%lu\t%s\t%ld\t%ld\t%d\t%d\t%d\n",
          static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window)),
          utf8(logFont.lfFaceName).c_str(), logFont.lfHeight, logFont.lfWeight, logFont.lfUnderline,
          logFont.lfItalic, logFont.lfStrikeOut);
}

// The pointer as the user sees it now: size, hot spot and a map of its opaque pixels.
void reportCursor(FILE* out) {
  CURSORINFO info{};
  info.cbSize = sizeof info;
  ICONINFO icon{};
  if (!GetCursorInfo(&info) || !info.hCursor || !GetIconInfo(info.hCursor, &icon)) {
    fprintf(out, "cursor\tnone\n");
    return;
  }
  BITMAP mask{};
  GetObjectW(icon.hbmMask, sizeof mask, &mask);
  int width = mask.bmWidth;
  int height = icon.hbmColor ? mask.bmHeight : mask.bmHeight / 2;
  fprintf(out, "cursor\t%d\t%d\t%lu\t%lu\n", width, height, icon.xHotspot, icon.yHotspot);

  BITMAPINFO format{};
  format.bmiHeader.biSize = sizeof format.bmiHeader;
  format.bmiHeader.biWidth = width;
  format.bmiHeader.biHeight = -mask.bmHeight;
  format.bmiHeader.biPlanes = 1;
  format.bmiHeader.biBitCount = 32;
  std::vector<DWORD> maskBits(width * mask.bmHeight);
  HDC dc = GetDC(nullptr);
  GetDIBits(dc, icon.hbmMask, 0, mask.bmHeight, maskBits.data(), &format, DIB_RGB_COLORS);
  ReleaseDC(nullptr, dc);
  for (int y = 0; y < height; ++y) {
    std::string row;
    for (int x = 0; x < width; ++x) row += (maskBits[y * width + x] & 0xFFFFFF) ? '.' : 'X';
    fprintf(out, "cursorrow\t%d\t%s\n", y, row.c_str());
  }
  if (icon.hbmColor) DeleteObject(icon.hbmColor);
  DeleteObject(icon.hbmMask);
}

void reportIcon(FILE* out, const char* which, HICON handle) {
  ICONINFO icon{};
  BITMAP bitmap{};
  if (!handle || !GetIconInfo(handle, &icon)) {
    fprintf(out, "icon\t%s\tnone\n", which);
    return;
  }
  GetObjectW(icon.hbmColor ? icon.hbmColor : icon.hbmMask, sizeof bitmap, &bitmap);
  fprintf(out, "icon\t%s\t%ld\t%ld\t%u\n", which, bitmap.bmWidth, bitmap.bmHeight,
          bitmap.bmBitsPixel);
  if (icon.hbmColor) DeleteObject(icon.hbmColor);
  DeleteObject(icon.hbmMask);
}

// GetGuiResources is a stub under Wine, so the objects are counted here: a GDI handle whose upper
// word is zero names its table slot alone, so every slot can be asked for the kind of its object.
void reportObjectCounts(FILE* out) {
  int gdi = 0;
  for (UINT_PTR slot = 1; slot < 0x10000; ++slot)
    gdi += GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0;
  fprintf(out, "gdiobjects\t%d\n", gdi);
}

BOOL CALLBACK countWindow(HWND window, LPARAM count) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != GetCurrentProcessId()) return TRUE;
  ++*reinterpret_cast<int*>(count);
  EnumChildWindows(
      window, [](HWND, LPARAM c) WINAPI -> BOOL { return ++*reinterpret_cast<int*>(c), TRUE; },
      count);
  return TRUE;
}

BOOL CALLBACK reportChild(HWND child, LPARAM out) {
  reportFont(reinterpret_cast<FILE*>(out), child);
  return TRUE;
}

BOOL CALLBACK reportWindow(HWND window, LPARAM param) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
  FILE* out = reinterpret_cast<FILE*>(param);
  wchar_t caption[256] = L"";
  GetWindowTextW(window, caption, 256);
  fprintf(out, "window\t%lu\t%s\n", static_cast<unsigned long>(reinterpret_cast<UINT_PTR>(window)),
          utf8(caption).c_str());
  if (HMENU menu = GetMenu(window)) reportMenu(out, menu, "");
  reportIcon(out, "big", reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICON)));
  reportIcon(out, "small", reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM)));
  reportFont(out, window);
  EnumChildWindows(window, reportChild, param);
  return TRUE;
}

DWORD WINAPI report(void*) {
  wchar_t path[MAX_PATH];
  DWORD length = GetModuleFileNameW(self, path, MAX_PATH);
  std::wstring output(path, length);
  output = output.substr(0, output.rfind(L'\\')) + L"\\inspector-report.txt";
  if (FILE* out = _wfopen(output.c_str(), L"wb")) {
    EnumWindows(reportWindow, reinterpret_cast<LPARAM>(out));
    reportCursor(out);
    reportObjectCounts(out);
    int windows = 0;
    EnumWindows(countWindow, reinterpret_cast<LPARAM>(&windows));
    fprintf(out, "windows\t%d\n", windows);
    fclose(out);
  }
  if (HANDLE done = OpenEventW(EVENT_MODIFY_STATE, FALSE, L"MorvaneInspectorDone")) {
    SetEvent(done);
    CloseHandle(done);
  }
  FreeLibraryAndExitThread(self, 0);
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
  if (reason == DLL_PROCESS_ATTACH) {
    self = instance;
    DisableThreadLibraryCalls(instance);
    // Work outside the loader lock, on a thread of our own.
    if (HANDLE thread = CreateThread(nullptr, 0, report, nullptr, 0, nullptr)) CloseHandle(thread);
  }
  return TRUE;
}
