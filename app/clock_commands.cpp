// The clock and the homepage: start the clock, tick it, visit the homepage.
#include "app/commands.h"
#include "app/component_ids.h"
#include "app/homepage.h"
#include "runtime/components.h"
#include "runtime/date_time.h"
#include "runtime/file_dialog.h"
#include "runtime/text_values.h"

namespace tessavia {

constexpr int32_t kClockPeriodMs = 1000;

void WindowCreated() {
  WriteIntProperty(MainWindowId, kClockTimerId, kTimerPeriod, kClockPeriodMs);
}

void ClockTick() {
  // Each tick reads the clock afresh, so late or merged ticks never make it drift.
  OwnedText time(DateTimeToText(CurrentDateTime(), kTimeOnly));
  WriteTextProperty(MainWindowId, kClockLabelId, kLabelCaption, time.get());
}

void VisitHomepage() {
  OpenWebAddress(kHomepageHost);
}

}  // namespace tessavia
