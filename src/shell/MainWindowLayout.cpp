#include "shell/MainWindowLayout.h"

#include "power/PanelNavigation.h"
#include "shell/MainWindow.h"

namespace morvane {

namespace {

constexpr Color kDelayBoxGrey{196, 196, 196};
constexpr Color kLinkBlue{0, 0, 255};
const char kPanel[] = "分组框_电源选项";

ControlSpec button(const char* name, Rect place, const char* text, FontSpec font = FontSpec::ui()) {
  ControlSpec row =
      makeControl(name, ControlKind::PushButton, kPanel, place, text, std::move(font));
  row.border = Border::Native;
  row.tabStop = true;
  return row;
}

std::vector<ControlSpec> controls() {
  ControlSpec status = makeControl("标签1", ControlKind::Label, "", {0, 300, 576, 24}, "已启动",
                                   FontSpec::sized(14));
  status.border = Border::ThinSunken;

  // The panel is a filled container that sits in front of the home view and hides it when shown;
  // at -8,-8 its frame falls outside the client area or behind the status line.
  ControlSpec panel =
      makeControl(kPanel, ControlKind::GroupBox, "", {-8, -8, 584, 312}, "", FontSpec::ui());
  panel.border = Border::Native;
  panel.visible = false;

  ControlSpec cancel =
      button("按钮3", {296, 32, 176, 64}, "取消", FontSpec::sized(21, 700, "微软雅黑"));
  ControlSpec restart = button("按钮2", {40, 72, 96, 32}, "重启");

  ControlSpec seconds = makeControl("标签_电源选项_秒数", ControlKind::Label, kPanel,
                                    {256, 80, 48, 24}, "秒", FontSpec::ui());

  ControlSpec delay = makeControl("编辑框_电源选项_秒数", ControlKind::EditBox, kPanel,
                                  {160, 80, 88, 24}, "30", FontSpec::ui());
  delay.background = kDelayBoxGrey;
  delay.border = Border::Sunken3D;
  delay.tabStop = true;

  ControlSpec timerMode = makeControl("选择框1", ControlKind::CheckBox, kPanel, {160, 36, 80, 24},
                                      "定时模式", FontSpec::ui());
  timerMode.tabStop = true;

  ControlSpec shutDown = button("按钮1", {40, 32, 96, 32}, "关机");

  ControlSpec title =
      makeControl("透明标签1", ControlKind::TransparentLabel, "", {192, 160, 184, 104}, "Morvane",
                  FontSpec::sized(56, 400, "迷你简稚艺"));

  ControlSpec link = makeControl("标签2", ControlKind::Label, "", {48, 24, 80, 16}, "设置定时关机",
                                 FontSpec::sized(12, 400, "", true));
  link.textColor = kLinkBlue;
  link.onPressed = onLinkLabelPressed;

  std::vector<ControlSpec> rows{status, panel,     cancel,   restart, seconds,
                                delay,  timerMode, shutDown, title,   link};
  for (ControlSpec& row : rows) row.pointer = Pointer::CrossHair;
  return rows;
}

}  // namespace

WindowSpec mainWindowLayout() {
  WindowSpec spec;
  spec.caption = "Morvane";
  spec.stored = {50, 50, 575, 375};
  spec.titleButtons = TitleButtons::SystemMenuAndClose;
  spec.taskbarButton = true;
  spec.pointer = Pointer::CrossHair;
  spec.menus = {
      {"程序(Alt + &C )",
       {{"显示主页面( &M )", onShowHomeChosen}, {"退出程序( &E )", onExitChosen}}},
      {"系统 (Alt + &S )", {{"电源选项( &D )", onPowerOptionsChosen}}},
      {"帮助(Alt + &H)", {{"关于( &A)", nullptr}}},
  };
  spec.controls = controls();
  spec.onCreated = onMainWindowCreated;
  return spec;
}

}  // namespace morvane
