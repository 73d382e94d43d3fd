// Window layouts as data: one row per control, in the order the controls are stacked from front
// to back. The Win32 layer builds real windows from these tables and the unit tests build fake
// ones, so both start from the same initial state.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace morvane {

class WindowView;
struct App;

// A handler acts on the window whose event fired and may use the program's services.
using Handler = void (*)(WindowView& window, App& app);

struct Color {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;
  friend bool operator==(Color a, Color b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
  }
};

inline constexpr Color kBlack{0, 0, 0};

// What a control draws its text with. An empty face means the platform's default face; a font
// with `defaultUi` set names nothing and stands for the platform's user-interface font.
struct FontStyle {
  bool defaultUi = true;
  std::string face;
  int emHeightPx = 0;
  int weight = 400;
  bool underline = false;

  static FontStyle ui() { return {}; }
  static FontStyle sized(int px, int weight = 400, std::string face = {}, bool underline = false) {
    return {false, std::move(face), px, weight, underline};
  }
};

enum class ControlKind { Label, TransparentLabel, GroupBox, PushButton, EditBox, CheckBox };

enum class Border {
  None,
  ThinSunken,  // one-pixel sunken edge
  Single,      // thin single line
  Sunken3D,    // two-pixel sunken client edge
  Native,      // whatever the control kind draws itself (buttons, group frame)
};

enum class Pointer { Platform, CrossHair, Hand };

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

struct ControlRow {
  std::string name;
  ControlKind kind = ControlKind::Label;
  std::string parent;  // empty: the window itself
  Rect place;          // relative to the parent's client area
  std::string text;
  FontStyle font;
  Color textColor = kBlack;
  std::optional<Color> background;  // none: the platform's colour (or nothing, when transparent)
  Border border = Border::None;
  bool visible = true;
  bool enabled = true;
  bool tabStop = false;
  int maxBytes = 0;        // edit boxes: limit in code-page-936 bytes, 0 for none
  bool lowercase = false;  // edit boxes: capitals become small letters as they are typed
  Pointer pointer = Pointer::Platform;
  Handler onClicked = nullptr;      // buttons and check boxes
  Handler onPressed = nullptr;      // labels: left button down
  Handler onTextChanged = nullptr;  // edit boxes
};

// A row with its identity, place, text and font; the rest keeps the defaults above.
ControlRow makeControl(std::string name, ControlKind kind, std::string parent, Rect place,
                       std::string text, FontStyle font);

struct MenuItem {
  std::string text;
  Handler onChosen = nullptr;  // nullptr: choosing the item only closes the menu
};

struct MenuLayout {
  std::string text;
  std::vector<MenuItem> items;
};

enum class TitleButtons { SystemMenuAndClose, None };

struct WindowLayout {
  std::string caption;
  Rect stored;  // outer size; the stored left and top are kept but windows open centred
  TitleButtons titleButtons = TitleButtons::SystemMenuAndClose;
  bool taskbarButton = true;
  Pointer pointer = Pointer::Platform;
  std::vector<MenuLayout> menus;
  std::vector<ControlRow> controls;  // front to back
  Handler onCreated = nullptr;
};

// Tab moves through the tab stops in the reverse of the stacking order: the control stacked
// furthest back comes first. Names only; visibility and enabled state are judged when Tab is
// pressed.
std::vector<std::string> tabSequence(const WindowLayout& layout);

// The row of the named control, or nullptr.
const ControlRow* findControl(const WindowLayout& layout, const std::string& name);

}  // namespace morvane
