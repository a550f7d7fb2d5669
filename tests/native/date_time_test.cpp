// Date-time text: the worked examples, rounding to the nearest second, clamping and part mending.
#include <gtest/gtest.h>

#include <ctime>
#include <string>

#include "runtime/date_time.h"

namespace tessavia {
namespace {

std::string TextOf(DateTime value, int32_t part) {
  OwnedText text(DateTimeToText(value, part));
  return text ? std::string(text.get()) : std::string("<null>");
}

DateTime At(int32_t y, int32_t mo, int32_t d, int32_t h, int32_t mi, double s) {
  return EncodeDateTime({y, mo, d, h, mi, 0}) + s / 86400;
}

TEST(EncodeDateTime, CountsDaysFromTheEpochOfOleDates) {
  EXPECT_EQ(EncodeDateTime({1899, 12, 30, 0, 0, 0}), 0);
  EXPECT_EQ(EncodeDateTime({2013, 6, 15, 0, 0, 0}), 41440);
  EXPECT_EQ(EncodeDateTime({2013, 6, 15, 12, 0, 0}), 41440.5);
  EXPECT_EQ(EncodeDateTime({1899, 12, 29, 6, 0, 0}), -1.25);  // the fraction counts away from zero
  EXPECT_EQ(EncodeDateTime({100, 1, 1, 0, 0, 0}), -657434);
  EXPECT_EQ(EncodeDateTime({9999, 12, 31, 0, 0, 0}), 2958465);
  EXPECT_EQ(EncodeDateTime({2000, 3, 1, 0, 0, 0}) - EncodeDateTime({2000, 2, 28, 0, 0, 0}), 2);  // 2000 leaps
  EXPECT_EQ(EncodeDateTime({1900, 3, 1, 0, 0, 0}) - EncodeDateTime({1900, 2, 28, 0, 0, 0}), 1);  // 1900 not
}

TEST(DateTimeToText, WorkedExamples) {
  struct Case {
    const char* name;
    DateTime value;
    const char *dateAndTime, *timeOnly;
  } cases[] = {
      {"09:05:00", At(2013, 6, 15, 9, 5, 0), "2013年6月15日9时5分", "9时5分0秒"},
      {"midnight", At(2013, 6, 15, 0, 0, 0), "2013年6月15日", "0时0分0秒"},
      {"14:00:00", At(2013, 6, 15, 14, 0, 0), "2013年6月15日14时", "14时0分0秒"},
      {"14:00:07", At(2013, 6, 15, 14, 0, 7), "2013年6月15日14时0分7秒", "14时0分7秒"},
      {"09:00:05", At(2013, 6, 15, 9, 0, 5), "2013年6月15日9时0分5秒", "9时0分5秒"},
      {"23:59:59.6 rounds to the next day", At(2013, 6, 15, 23, 59, 59.6), "2013年6月16日", "0时0分0秒"},
      {"0.4 s after a second", At(2013, 6, 15, 9, 5, 7.4), "2013年6月15日9时5分7秒", "9时5分7秒"},
      {"value 0", 0, "1899年12月30日", "0时0分0秒"},
      {"value -1.25", -1.25, "1899年12月29日6时", "6时0分0秒"},
      {"above the range", 3e6, "9999年12月31日", "0时0分0秒"},
      {"below the range", -1e7, "100年1月1日", "0时0分0秒"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(TextOf(c.value, kDateAndTime), c.dateAndTime);
    EXPECT_EQ(TextOf(c.value, kTimeOnly), c.timeOnly);
  }
  EXPECT_EQ(TextOf(At(2013, 6, 15, 9, 5, 0), kDateOnly), "2013年6月15日");
}

TEST(DateTimeToText, PartOutsideOneToThreeIsMended) {
  const DateTime value = At(2013, 6, 15, 9, 5, 0);
  OwnedText omitted(DateTimeToText(value));
  EXPECT_STREQ(omitted.get(), "2013年6月15日9时5分");
  for (int32_t part : {0, -5}) EXPECT_EQ(TextOf(value, part), "2013年6月15日9时5分") << part;
  for (int32_t part : {4, 100}) EXPECT_EQ(TextOf(value, part), "9时5分0秒") << part;
}

TEST(CurrentDateTime, IsTheLocalClockToTheWholeSecond) {
  // Retry when the clock's second changes between the two readings.
  for (int attempt = 0; attempt < 5; ++attempt) {
    const std::time_t before = std::time(nullptr);
    const DateTime first = CurrentDateTime();
    const DateTime second = CurrentDateTime();
    if (std::time(nullptr) != before) continue;
    std::tm local{};
    localtime_r(&before, &local);
    EXPECT_EQ(first, second);
    const CivilTime t = DecodeDateTime(first);
    EXPECT_EQ(t.year, local.tm_year + 1900);
    EXPECT_EQ(t.month, local.tm_mon + 1);
    EXPECT_EQ(t.day, local.tm_mday);
    EXPECT_EQ(t.hour, local.tm_hour);
    EXPECT_EQ(t.minute, local.tm_min);
    EXPECT_EQ(t.second, local.tm_sec);
    EXPECT_EQ(EncodeDateTime(t), first);  // nothing below the second
    return;
  }
  FAIL() << "the clock never held one second for two readings";
}

}  // namespace
}  // namespace tessavia
