// Date-time text: a DateTime taken apart into calendar fields to the nearest second and written out.
#include "runtime/date_time.h"

#include <cmath>
#include <string>

namespace tessavia {
namespace {

constexpr double kFirstDay = -657434;  // 0100-01-01
constexpr double kLastDay = 2958465;   // 9999-12-31
constexpr double kHalfSecond = 1.0 / 172800;

// Days from 1970-01-01 in the proleptic Gregorian calendar, counted in 400-year eras of 146097
// days that start on 1 March so that the leap day ends its year.
int64_t DaysFromCivil(int64_t y, int64_t m, int64_t d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yearOfEra = y - era * 400;
  const int64_t dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(int64_t z, CivilTime& out) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t dayOfEra = z - era * 146097;
  const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  const int64_t mp = (5 * dayOfYear + 2) / 153;
  out.day = static_cast<int32_t>(dayOfYear - (153 * mp + 2) / 5 + 1);
  out.month = static_cast<int32_t>(mp < 10 ? mp + 3 : mp - 9);
  out.year = static_cast<int32_t>(yearOfEra + era * 400 + (out.month <= 2));
}

const int64_t kDayZero = DaysFromCivil(1899, 12, 30);

}  // namespace

DateTime EncodeDateTime(const CivilTime& t) {
  const double days = static_cast<double>(DaysFromCivil(t.year, t.month, t.day) - kDayZero);
  const double fraction = (t.hour * 3600 + t.minute * 60 + t.second) / 86400.0;
  // Before day zero the fraction still measures the time of day, away from zero.
  return days < 0 ? days - fraction : days + fraction;
}

CivilTime DecodeDateTime(DateTime value) {
  double v = value > kLastDay ? kLastDay : value < kFirstDay ? kFirstDay : value;
  // Half a second away from zero, then truncation: the fields are those of the nearest second.
  v += v > 0 ? kHalfSecond : -kHalfSecond;
  const double magnitude = std::fabs(v);
  const auto seconds = static_cast<int32_t>((magnitude - std::floor(magnitude)) * 86400);
  CivilTime t{};
  CivilFromDays(static_cast<int64_t>(std::trunc(v)) + kDayZero, t);
  t.hour = seconds / 3600;
  t.minute = seconds / 60 % 60;
  t.second = seconds % 60;
  return t;
}

Text DateTimeToText(DateTime value, int32_t part) {
  if (part < kDateAndTime) part = kDateAndTime;
  if (part > kTimeOnly) part = kTimeOnly;
  const CivilTime t = DecodeDateTime(value);
  using std::to_string;
  std::string text;
  if (part != kTimeOnly)
    text = to_string(t.year) + "年" + to_string(t.month) + "月" + to_string(t.day) + "日";
  if (part == kTimeOnly || (part == kDateAndTime && t.second != 0)) {
    text += to_string(t.hour) + "时" + to_string(t.minute) + "分" + to_string(t.second) + "秒";
  } else if (part == kDateAndTime && t.minute != 0) {
    text += to_string(t.hour) + "时" + to_string(t.minute) + "分";
  } else if (part == kDateAndTime && t.hour != 0) {
    text += to_string(t.hour) + "时";
  }
  // Never null: even a date-only text has its digits.
  return MakeText(text.data(), static_cast<int32_t>(text.size()));
}

}  // namespace tessavia
