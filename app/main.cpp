// The entry routine: start-up, the one window, the message loop; the process end path cleans up.
#include <windows.h>

#include "app/component_ids.h"
#include "app/program_hooks.h"
#include "app/window_description.h"
#include "runtime/lifecycle.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  using namespace tessavia;
  InitRuntime(MainWindowDescription);
  StartupHook();
  SetShutdownHook(ShutdownHook);
  LoadWindow(MainWindowId);
  RunMessageLoop();
  // Returning runs the process end path: FinalCleanup, registered by InitRuntime, then exit code 0.
  return 0;
}
