#include "platform/win32/GdiResources.h"

#include "platform/win32/Resources.h"
#include "platform/win32/WideText.h"

namespace morvane::win32 {

namespace {

// The platform's user-interface font is the one it uses for message boxes; its face also serves
// as the default face for fonts that name a size but no face.
const LOGFONTW& messageFont() {
  static const LOGFONTW font = [] {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
      return metrics.lfMessageFont;
    }
    LOGFONTW fallback{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof fallback, &fallback);
    return fallback;
  }();
  return font;
}

HCURSOR loadPointer(const wchar_t* name) {
  return static_cast<HCURSOR>(
      LoadImageW(GetModuleHandleW(nullptr), name, IMAGE_CURSOR, 32, 32, LR_DEFAULTCOLOR));
}

}  // namespace

HFONT createFont(const FontStyle& font) {
  LOGFONTW logFont = messageFont();
  if (!font.defaultUi) {
    logFont.lfHeight = -font.emHeightPx;  // negative: the em height, not the cell height
    logFont.lfWidth = 0;
    logFont.lfWeight = font.weight;
    logFont.lfItalic = FALSE;
    logFont.lfUnderline = font.underline;
    logFont.lfStrikeOut = FALSE;
    logFont.lfCharSet = DEFAULT_CHARSET;
    if (!font.face.empty()) {
      std::wstring face = widen(font.face);
      lstrcpynW(logFont.lfFaceName, face.c_str(), LF_FACESIZE);
    }
  }
  return CreateFontIndirectW(&logFont);
}

HCURSOR pointerFor(Pointer pointer) {
  static const HCURSOR crossHair = loadPointer(MORVANE_CROSSHAIR_NAME);
  static const HCURSOR hand = loadPointer(MORVANE_HAND_NAME);
  switch (pointer) {
    case Pointer::CrossHair:
      return crossHair;
    case Pointer::Hand:
      return hand;
    case Pointer::Platform:
      break;
  }
  return nullptr;
}

HICON programIcon(int sizePx) {
  return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MORVANE_ICON_NAME, IMAGE_ICON,
                                       sizePx, sizePx, LR_DEFAULTCOLOR | LR_SHARED));
}

}  // namespace morvane::win32
