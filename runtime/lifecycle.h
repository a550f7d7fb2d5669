// The process's life: start-up services, loading a window of the description, the message loop, clean-up.
#pragma once

#include <cstdint>

#include "runtime/window_description.h"

namespace tessavia {

// Takes the heap, initialises COM, makes the program's folder the current directory and loads the
// window description (a description that does not hold together is fatal).
void InitRuntime(const WindowDescription& description);
void SetShutdownHook(void (*hook)());
// Builds, fills and shows the window; fatal when the id names no window or the window cannot be made.
void LoadWindow(uint32_t windowId);
// Dispatches messages until the quit message; returns at once when no window is open.
void RunMessageLoop();
// Calls the shutdown hook once, then frees the runtime's resources. Safe to call again.
void FinalCleanup();

}  // namespace tessavia
