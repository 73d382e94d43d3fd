#include "verify/VerifyWindow.h"

#include "verify/CodeMatching.h"
#include "verify/VerifyCodeGenerator.h"

namespace morvane {

namespace {
const char kCodeLabel[] = "标签1";
const char kTypedBox[] = "编辑框1";
}  // namespace

WindowLayout verifyWindowLayout() {
  WindowLayout layout;
  layout.caption = "验证";
  layout.stored = {50, 50, 132, 180};
  layout.titleButtons = TitleButtons::None;
  // A window without an owner: its own taskbar button lets the user find it behind others.
  layout.taskbarButton = true;
  layout.pointer = Pointer::Platform;

  ControlRow cancel = makeControl("按钮1", ControlKind::PushButton, "", {8, 104, 112, 40}, "取消",
                                  FontStyle::sized(20, 400, "微软雅黑"));
  cancel.border = Border::Native;
  cancel.tabStop = true;
  cancel.onClicked = onVerifyCancelClicked;

  ControlRow typed =
      makeControl(kTypedBox, ControlKind::EditBox, "", {8, 64, 112, 32}, "", FontStyle::ui());
  typed.background = Color{255, 255, 255};
  typed.border = Border::Sunken3D;
  typed.tabStop = true;
  typed.maxBytes = 4;
  typed.lowercase = true;
  typed.onTextChanged = onTypedCodeChanged;

  ControlRow code =
      makeControl(kCodeLabel, ControlKind::Label, "", {8, 8, 112, 48}, "", FontStyle::sized(48));
  code.border = Border::Single;
  code.pointer = Pointer::Hand;
  code.onPressed = onCodeLabelPressed;

  layout.controls = {cancel, typed, code};
  layout.onCreated = onVerifyWindowCreated;
  return layout;
}

void onVerifyWindowCreated(WindowView& window, App& app) {
  VerifyCodeGenerator(app.random).showIn(window);
}

void onCodeLabelPressed(WindowView& window, App& app) {
  VerifyCodeGenerator(app.random).showIn(window);
}

void onTypedCodeChanged(WindowView& window, App& app) {
  if (matchesCode(window.text(kTypedBox), window.text(kCodeLabel))) {
    app.verifyResult = 1;
    window.requestClose();
  } else {
    app.verifyResult = 0;
  }
}

void onVerifyCancelClicked(WindowView& window, App& app) {
  app.verifyResult = 0;
  window.requestClose();
}

}  // namespace morvane
