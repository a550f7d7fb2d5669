// The clock and the homepage: start the clock, tick it, visit the homepage.
#include "app/commands.h"

namespace tessavia {

void WindowCreated() {}
void ClockTick() {}
void VisitHomepage() {}

}  // namespace tessavia
