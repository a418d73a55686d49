#include "stopwatch/time_texts.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

constexpr int64_t kSecond = 10000000;  // 100-ns units
constexpr int64_t kMillisecond = 10000;

std::string Duration(int64_t count, int32_t unitsPerSecond, int accuracyIndex) {
  char text[kTimeTextSize];
  FormatDuration(count, unitsPerSecond, AccuracyAt(accuracyIndex), text, sizeof text);
  return text;
}

std::string Lap(int64_t units, int accuracyIndex) {
  return Duration(units, 10000000, accuracyIndex);
}

std::string Clock(int hour, int minute, int second, int ms, int accuracyIndex) {
  CalendarTime time = {2024,
                       3,
                       0,
                       15,
                       static_cast<uint16_t>(hour),
                       static_cast<uint16_t>(minute),
                       static_cast<uint16_t>(second),
                       static_cast<uint16_t>(ms)};
  char text[kTimeTextSize];
  FormatClockTime(time, AccuracyAt(accuracyIndex), text, sizeof text);
  return text;
}

struct AccuracyRow {
  const char* entry;
  uint32_t period;
  uint32_t unitsPerSecond;
  uint32_t hourDigits;
  const char* lastValue;
};

const AccuracyRow kRows[kAccuracyCount] = {
    {"00:00:00:000", 1, 1000, 0, "99:59:59:999"},
    {"00:00:00:00", 10, 100, 0, "99:59:59:99"},
    {"00:00:00:0", 100, 10, 0, "99:59:59:9"},
    {"00:00:00", 1000, 1, 0, "99:59:59"},
    {"000:00:00:000", 1, 1000, 1, "999:59:59:999"},
    {"000:00:00:00", 10, 100, 1, "999:59:59:99"},
    {"000:00:00:0", 100, 10, 1, "999:59:59:9"},
    {"000:00:00", 1000, 1, 1, "999:59:59"},
    {"0000:00:00:000", 1, 1000, 2, "9999:59:59:999"},
    {"0000:00:00:00", 10, 100, 2, "9999:59:59:99"},
    {"0000:00:00:0", 100, 10, 2, "9999:59:59:9"},
    {"0000:00:00", 1000, 1, 2, "9999:59:59"},
};

TEST(AccuracyTable, EveryRowHasItsEntryPeriodUnitsHourWidthAndLastValue) {
  for (int i = 0; i < kAccuracyCount; ++i) {
    SCOPED_TRACE(i);
    const Accuracy& accuracy = AccuracyAt(i);
    EXPECT_STREQ(kRows[i].entry, accuracy.entryText);
    EXPECT_EQ(kRows[i].period, accuracy.tickPeriodMs);
    EXPECT_EQ(kRows[i].unitsPerSecond, accuracy.unitsPerSecond);
    EXPECT_EQ(kRows[i].hourDigits, accuracy.hourDigits);
    EXPECT_EQ(1000u, accuracy.tickPeriodMs * accuracy.unitsPerSecond);
    // The entry shows the layout: it is the zero duration at that accuracy.
    EXPECT_EQ(kRows[i].entry, Duration(0, accuracy.unitsPerSecond, i));
    // The automatic stop comes exactly at the last value the hour field can hold.
    const int64_t limit = static_cast<int64_t>(AccuracyTickLimit(accuracy));
    EXPECT_EQ(kRows[i].lastValue, Duration(limit, accuracy.unitsPerSecond, i));
    EXPECT_NE(kRows[i].lastValue, Duration(limit + 1, accuracy.unitsPerSecond, i));
  }
}

TEST(AccuracyTable, StoredNumbersOutsideTheTableCountAsTheFirstAccuracy) {
  for (int stored : {-1, 12, 100, -2147483647 - 1}) {
    EXPECT_EQ(0, MendAccuracyIndex(stored));
    EXPECT_EQ(&AccuracyAt(0), &AccuracyAt(stored));
  }
  EXPECT_EQ(11, MendAccuracyIndex(11));
}

TEST(FormatDuration, SameDurationDiffersOnlyInDecimalsAndHourWidth) {
  EXPECT_EQ("00:01:05:250", Duration(65250, 1000, 0));
  EXPECT_EQ("00:01:05:25", Duration(6525, 100, 1));
  EXPECT_EQ("00:01:05:2", Duration(652, 10, 2));
  EXPECT_EQ("00:01:05", Duration(65, 1, 3));
  // The same 65.25 s as a lap duration in 100-ns units.
  const int64_t units = 65 * kSecond + 250 * kMillisecond;
  EXPECT_EQ("00:01:05:250", Lap(units, 0));
  EXPECT_EQ("00:01:05:25", Lap(units, 1));
  EXPECT_EQ("00:01:05:3", Lap(units, 2));  // 5.25 rounds to 5.3: half up
  EXPECT_EQ("00:01:05", Lap(units, 3));    // no decimals: cut
  EXPECT_EQ("000:01:05:250", Lap(units, 4));
  EXPECT_EQ("0000:01:05:250", Lap(units, 8));
}

TEST(FormatDuration, HourFieldKeepsItsMinimumWidth) {
  EXPECT_EQ("001:00:00:000", Duration(3600 * 1000, 1000, 4));
  EXPECT_EQ("0010:00:00", Duration(10 * 3600, 1, 11));
  EXPECT_EQ("09:59:59:99", Lap(10 * 3600 * kSecond - 10 * kMillisecond, 1));
  EXPECT_EQ("010:00:00:0", Lap(10 * 3600 * kSecond, 6));
  EXPECT_EQ("0100:00:00:00", Lap(100 * 3600 * kSecond, 9));
}

TEST(FormatDuration, HoursBeyondTheFieldPrintAllTheirDigits) {
  EXPECT_EQ("100:00:00:000", Lap(100 * 3600 * kSecond, 0));
  EXPECT_EQ("1000:00:00", Lap(1000 * 3600 * kSecond, 7));
  EXPECT_EQ("12345:06:07:890", Lap((12345 * 3600 + 6 * 60 + 7) * kSecond + 890 * kMillisecond, 8));
  // Past 2^31 seconds the hours still come out right.
  EXPECT_EQ("833333:20:00", Duration(3000000000LL, 1, 3));
  EXPECT_EQ("833333:20:00:000", Lap(3000000000LL * kSecond, 0));
}

TEST(FormatDuration, ExactHalvesRoundUp) {
  // Average of 1.12 s and 1.13 s.
  EXPECT_EQ("00:00:01:13", Lap((112 + 113) * 10 * kMillisecond / 2, 1));
  EXPECT_EQ("00:00:01:001", Lap(kSecond + 5000, 0));  // 1.0005
  EXPECT_EQ("00:00:01:000", Lap(kSecond + 4999, 0));  // 1.0004999
  EXPECT_EQ("00:00:00:1", Lap(500000, 2));            // 0.05
  EXPECT_EQ("00:00:00:0", Lap(499999, 2));
  EXPECT_EQ("00:00:02:5", Duration(5, 2, 2));  // 2.5 s in half seconds
  // A third of a second is no half: to nearest.
  EXPECT_EQ("00:00:00:33", Duration(1, 3, 1));
  EXPECT_EQ("00:00:00:67", Duration(2, 3, 1));
}

TEST(FormatDuration, WithoutDecimalsSecondsAreCut) {
  EXPECT_EQ("00:00:09", Lap(99 * kSecond / 10, 3));  // average of 9.9 s
  EXPECT_EQ("00:00:59", Lap(60 * kSecond - 1, 3));
  EXPECT_EQ("00:59:59", Lap(3600 * kSecond - 1, 3));
}

TEST(FormatDuration, RoundingToSixtySecondsCarriesIntoMinutesAndHours) {
  EXPECT_EQ("00:00:10:00", Lap(9996 * kMillisecond, 1));
  EXPECT_EQ("00:01:00:00", Lap(59996 * kMillisecond, 1));
  EXPECT_EQ("01:00:00:00", Lap(3599996 * kMillisecond, 1));
  EXPECT_EQ("00:02:00:0", Lap(119950 * kMillisecond, 2));
  EXPECT_EQ("100:00:00:000", Lap(100 * 3600 * kSecond - 5000, 0));  // 99:59:59.9995
  EXPECT_EQ("10000:00:00:00", Lap(10000LL * 3600 * kSecond - 50000, 9));
}

TEST(FormatDuration, DegenerateArgumentsGiveBoundedTexts) {
  EXPECT_EQ("-00:00:01:500", Lap(-15 * kSecond / 10, 0));
  EXPECT_EQ("00:00:00:000", Duration(12345, 0, 0));  // no unit: zero duration
  EXPECT_EQ("00:00:00:000", Duration(12345, -10, 0));
  const int64_t lowest = -9223372036854775807LL - 1;
  EXPECT_EQ("-2562047788015215:30:08", Duration(lowest, 1, 3));
  EXPECT_EQ("2562047788015:12:55:807", Duration(9223372036854775807LL, 1000, 0));

  char small[5] = {'x', 'x', 'x', 'x', 'x'};
  FormatDuration(65250, 1000, AccuracyAt(0), small, sizeof small);
  EXPECT_STREQ("00:0", small);
  char untouched[2] = {'x', 'y'};
  FormatDuration(65250, 1000, AccuracyAt(0), untouched, 0);
  EXPECT_EQ('x', untouched[0]);
}

TEST(FormatClockTime, FractionIsCutFromTheMillisecondsAndKeepsItsPoint) {
  EXPECT_EQ("09:05:03.042", Clock(9, 5, 3, 42, 0));
  EXPECT_EQ("09:05:03.04", Clock(9, 5, 3, 42, 1));
  EXPECT_EQ("09:05:03.0", Clock(9, 5, 3, 42, 2));
  EXPECT_EQ("09:05:03", Clock(9, 5, 3, 42, 3));
  EXPECT_EQ("23:59:59.99", Clock(23, 59, 59, 999, 5));
  EXPECT_EQ("23:59:59.9", Clock(23, 59, 59, 999, 10));
  EXPECT_EQ("23:59:59", Clock(23, 59, 59, 999, 11));
  EXPECT_EQ("00:00:00.000", Clock(0, 0, 0, 0, 8));
}

}  // namespace
