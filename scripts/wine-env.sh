# Sourced by the run and test commands: the Wine setup they share.
#   MORVANE_BUILD   build folder (default: build)
# Sets WINEPREFIX to a private 32-bit prefix under the build folder and, when there is no usable
# display, starts a virtual one (Xvfb) and exports DISPLAY.

MORVANE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
MORVANE_BUILD=${MORVANE_BUILD:-$MORVANE_ROOT/build}
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
export LANG=zh_CN.UTF-8
export LC_ALL=zh_CN.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml="

# A virtual screen of a fixed size, so that window positions can be checked.
MORVANE_SCREEN=${MORVANE_SCREEN:-1024x768}

morvane_start_xvfb() {
  local display=${1:-:99}
  if ! xdpyinfo -display "$display" >/dev/null 2>&1; then
    Xvfb "$display" -screen 0 "${MORVANE_SCREEN}x24" -nolisten tcp >/dev/null 2>&1 &
    for _ in $(seq 50); do
      xdpyinfo -display "$display" >/dev/null 2>&1 && break
      sleep 0.1
    done
  fi
  export DISPLAY=$display
}

# Creates the prefix once; a prefix is never made by two tests at the same time.
morvane_prefix() {
  export WINEPREFIX=${1:-$MORVANE_BUILD/wineprefix}
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    # Every program of this prefix opens on one virtual desktop of a fixed size, where Wine draws
    # frames and title bars itself (Xvfb has no window manager).
    wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d "$MORVANE_SCREEN" /f >/dev/null 2>&1
    # Wine's built-in visual style draws push-button captions in its own theme font, whatever font
    # the program gives the button (Windows' styles do not), which would hide the bold 21-pixel
    # "取消". The classic look keeps every control's font as the program sets it.
    wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive /d 0 /f >/dev/null 2>&1
    wineserver -w
    # Debian's Wine does not find its own fonts (Marlett draws the title-bar buttons) on its own.
    cp -n /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null || true
  fi
}
