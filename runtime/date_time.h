// Date-time values and their Chinese text: the clock label's time of day and the save status prefix.
#pragma once

#include <cstdint>

#include "runtime/text_values.h"

namespace tessavia {

// Days since 1899-12-30 with the time of day as the fraction (0.5 is noon), local time. Before that
// day the integer part counts back and the fraction's magnitude is still the time of day.
using DateTime = double;

// What DateTimeToText shows.
enum DateTimePart : int32_t { kDateAndTime = 1, kDateOnly = 2, kTimeOnly = 3 };

// The local date and time now, to the whole second.
DateTime CurrentDateTime();

// "2013年6月15日9时5分" (part 1), "2013年6月15日" (part 2) or "9时5分0秒" (part 3) for the nearest whole
// second of value, clamped to 0100-01-01 .. 9999-12-31; part below 1 counts as 1, above 3 as 3.
// A new Text, never null.
Text DateTimeToText(DateTime value, int32_t part = kDateAndTime);

// A calendar date and time of day, as the clock gives it or as a DateTime is read back.
struct CivilTime {
  int32_t year, month, day, hour, minute, second;
};

DateTime EncodeDateTime(const CivilTime& time);
// The nearest whole second of the clamped value.
CivilTime DecodeDateTime(DateTime value);

}  // namespace tessavia
