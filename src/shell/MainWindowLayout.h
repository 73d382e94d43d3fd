// MainWindow: the start-up window with the home view, the power panel and the status line.
#pragma once

#include "platform/Layout.h"

namespace morvane {

// Built fresh on every call; the rows are stacked front to back.
WindowLayout mainWindowLayout();

}  // namespace morvane
