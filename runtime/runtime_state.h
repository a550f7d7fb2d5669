// The process-wide state of the runtime: description, open windows, loop flag, shutdown hook, suspensions.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "runtime/win_handles.h"
#include "runtime/window_description.h"

namespace tessavia {

class MainWindow;

struct RuntimeState {
  const WindowDescription* description = nullptr;
  std::wstring programFolder;
  std::wstring programFileName;
  bool comInitialised = false;
  bool loopRunning = false;
  void (*shutdownHook)() = nullptr;
  int eventSuspensions = 0;
  OwnedModule richEditLibrary;  // loaded by the first RichEdit and kept for the process
  std::vector<std::unique_ptr<MainWindow>> openWindows;
};

RuntimeState& Runtime();

// The loaded window with that id, or null.
MainWindow* FindOpenWindow(uint32_t windowId);
// Called by a window in its last message: drops it and ends the loop when it was the last one.
void ForgetWindow(MainWindow* window);

// Suspends event delivery while it lives; suspensions nest.
class EventSuspension {
 public:
  EventSuspension() { ++Runtime().eventSuspensions; }
  ~EventSuspension() { --Runtime().eventSuspensions; }
  EventSuspension(const EventSuspension&) = delete;
  EventSuspension& operator=(const EventSuspension&) = delete;
};

inline bool EventsDelivered() { return Runtime().eventSuspensions == 0; }

// Runs code from a platform callback: nothing may unwind through Win32, so an escaping exception
// goes the fatal way.
void ReportEscapedException() noexcept;

}  // namespace tessavia
