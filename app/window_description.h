// The main window's description, compiled in: what LoadWindow builds the window from.
#pragma once

#include "runtime/window_description.h"

namespace tessavia {

extern const WindowDescription MainWindowDescription;

}  // namespace tessavia
