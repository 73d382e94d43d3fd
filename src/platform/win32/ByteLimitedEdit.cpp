#include "platform/win32/ByteLimitedEdit.h"

#include <string>

#include "verify/CodePage936.h"

namespace morvane::win32 {

namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Windows text is UTF-16");

std::size_t codePage936Bytes(const std::wstring& text) {
  return morvane::codePage936Bytes(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

// The box's text with its selection taken out: what a typed or pasted text is inserted into.
std::wstring textAroundSelection(HWND edit, DWORD& start) {
  std::wstring text(GetWindowTextLengthW(edit) + 1, L'\0');
  text.resize(GetWindowTextW(edit, text.data(), int(text.size())));
  DWORD end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  start = std::min<DWORD>(start, DWORD(text.size()));
  end = std::min<DWORD>(std::max(end, start), DWORD(text.size()));
  return text.erase(start, end - start);
}

std::wstring clipboardText(HWND owner) {
  std::wstring text;
  if (!OpenClipboard(owner)) return text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = chars;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  // A single-line box takes the first line only.
  return text.substr(0, text.find_first_of(L"\r\n"));
}

}  // namespace

bool limitEditBytes(HWND edit, UINT message, WPARAM wParam, int maxBytes) {
  if (maxBytes <= 0) return false;
  DWORD start = 0;
  if (message == WM_CHAR || message == WM_IME_CHAR) {
    if (wParam < L' ') return false;  // Backspace and the Ctrl shortcuts pass through
    std::wstring after = textAroundSelection(edit, start);
    after.insert(start, 1, wchar_t(wParam));
    if (codePage936Bytes(after) <= std::size_t(maxBytes)) return false;
    MessageBeep(MB_OK);
    return true;
  }
  if (message == WM_PASTE) {
    std::wstring around = textAroundSelection(edit, start);
    std::wstring pasted = clipboardText(edit);
    // As much of the clipboard as fits, in whole characters.
    std::size_t fits = pasted.size();
    while (fits > 0) {
      std::wstring after = around;
      after.insert(start, pasted, 0, fits);
      if (codePage936Bytes(after) <= std::size_t(maxBytes)) break;
      --fits;
      if (fits > 0 && IS_HIGH_SURROGATE(pasted[fits - 1])) --fits;
    }
    if (fits == 0) {
      if (!pasted.empty()) MessageBeep(MB_OK);
      return true;
    }
    std::wstring insert = pasted.substr(0, fits);
    SendMessageW(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(insert.c_str()));
    return true;
  }
  return false;
}

}  // namespace morvane::win32
