// Names of the resources compiled into morvane.exe from assets/morvane.rc.
#pragma once

#define MORVANE_ICON_NAME L"DEFAULT_ICON"
#define MORVANE_CROSSHAIR_NAME L"CROSSHAIR_POINTER"
#define MORVANE_HAND_NAME L"HAND_POINTER"
#define MORVANE_TITLE_FONT_NAME L"TITLE_FONT"
