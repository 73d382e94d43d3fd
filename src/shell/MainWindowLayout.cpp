#include "shell/MainWindowLayout.h"

#include "power/PanelNavigation.h"
#include "power/PowerCommands.h"
#include "power/TimerMode.h"
#include "shell/MainWindow.h"

namespace morvane {

namespace {

constexpr Color kDelayBoxGrey{196, 196, 196};
constexpr Color kLinkBlue{0, 0, 255};
const char kPanel[] = "分组框_电源选项";

ControlRow button(const char* name, Rect place, const char* text,
                  FontStyle font = FontStyle::ui()) {
  ControlRow row = makeControl(name, ControlKind::PushButton, kPanel, place, text, std::move(font));
  row.border = Border::Native;
  row.tabStop = true;
  return row;
}

std::vector<ControlRow> controls() {
  ControlRow status = makeControl("标签1", ControlKind::Label, "", {0, 300, 576, 24}, "已启动",
                                  FontStyle::sized(14));
  status.border = Border::ThinSunken;

  // The panel is a filled container that sits in front of the home view and hides it when shown;
  // at -8,-8 its frame falls outside the client area or behind the status line.
  ControlRow panel =
      makeControl(kPanel, ControlKind::GroupBox, "", {-8, -8, 584, 312}, "", FontStyle::ui());
  panel.border = Border::Native;
  panel.visible = false;

  ControlRow cancel =
      button("按钮3", {296, 32, 176, 64}, "取消", FontStyle::sized(21, 700, "微软雅黑"));
  cancel.onClicked = onCancelShutdownClicked;
  ControlRow restart = button("按钮2", {40, 72, 96, 32}, "重启");
  restart.onClicked = onRestartClicked;

  ControlRow seconds = makeControl("标签_电源选项_秒数", ControlKind::Label, kPanel,
                                   {256, 80, 48, 24}, "秒", FontStyle::ui());

  ControlRow delay = makeControl("编辑框_电源选项_秒数", ControlKind::EditBox, kPanel,
                                 {160, 80, 88, 24}, "30", FontStyle::ui());
  delay.background = kDelayBoxGrey;
  delay.border = Border::Sunken3D;
  delay.tabStop = true;

  ControlRow timerMode = makeControl("选择框1", ControlKind::CheckBox, kPanel, {160, 36, 80, 24},
                                     "定时模式", FontStyle::ui());
  timerMode.tabStop = true;
  timerMode.onClicked = onTimerModeClicked;

  ControlRow shutDown = button("按钮1", {40, 32, 96, 32}, "关机");
  shutDown.onClicked = onShutDownClicked;

  ControlRow title =
      makeControl("透明标签1", ControlKind::TransparentLabel, "", {192, 160, 184, 104}, "Morvane",
                  FontStyle::sized(56, 400, "迷你简稚艺"));

  ControlRow link = makeControl("标签2", ControlKind::Label, "", {48, 24, 80, 16}, "设置定时关机",
                                FontStyle::sized(12, 400, "", true));
  link.textColor = kLinkBlue;
  link.onPressed = onLinkLabelPressed;

  std::vector<ControlRow> rows{status, panel,     cancel,   restart, seconds,
                               delay,  timerMode, shutDown, title,   link};
  for (ControlRow& row : rows) row.pointer = Pointer::CrossHair;
  return rows;
}

}  // namespace

WindowLayout mainWindowLayout() {
  WindowLayout layout;
  layout.caption = "Morvane";
  layout.stored = {50, 50, 575, 375};
  layout.titleButtons = TitleButtons::SystemMenuAndClose;
  layout.taskbarButton = true;
  layout.pointer = Pointer::CrossHair;
  layout.menus = {
      {"程序(Alt + &C )",
       {{"显示主页面( &M )", onShowHomeChosen}, {"退出程序( &E )", onExitChosen}}},
      {"系统 (Alt + &S )", {{"电源选项( &D )", onPowerOptionsChosen}}},
      {"帮助(Alt + &H)", {{"关于( &A)", nullptr}}},
  };
  layout.controls = controls();
  layout.onCreated = onMainWindowCreated;
  return layout;
}

}  // namespace morvane
