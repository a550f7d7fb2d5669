// The program's start-up and shutdown hooks: called at start-up and once at a normal end.
#pragma once

namespace tessavia {

// Both do nothing in this program; the entry routine still calls the first and registers the second.
inline void StartupHook() {}
inline void ShutdownHook() {}

}  // namespace tessavia
