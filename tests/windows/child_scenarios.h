// Whole program runs in a child process: start-up as the entry routine does it, one way of ending.
#pragma once

#include <string>

namespace tessavia::testing {

// What the child's shutdown hook writes to standard output each time it is called.
inline constexpr char kHookLine[] = "shutdown hook";

// What the child writes when the message box it shows carries the stop icon (icons are looked at
// in the process that loaded them).
inline constexpr char kStopIconLine[] = "stop icon";

// Runs the named scenario: "esc", "close-box", "alt-f4" end normally; "fatal-window",
// "fatal-component", "fatal-start" end through the fatal-error box.
int RunChildScenario(const std::string& name);

}  // namespace tessavia::testing
