// Reaching the platform windows behind a loaded window, for the loop step and for tests that drive
// the real window with key and mouse messages. Commands never use this: they go through properties.
#pragma once

#include <windows.h>

#include <cstdint>

namespace tessavia {

// The platform window of a loaded window, or of one of its components; null when there is none.
HWND WindowHandle(uint32_t windowId);
HWND ComponentHandle(uint32_t windowId, uint32_t componentId);
// Offers one message to the window's shortcut table and keyboard navigation, then dispatches it.
void DispatchWindowMessage(MSG& msg);
// Dispatches what is queued now, as the loop would, and returns when the queue is empty.
void ProcessPendingMessages();

}  // namespace tessavia
