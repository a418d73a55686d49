#include "base/calendar_time.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

constexpr uint64_t kDay = 24ull * 3600 * kUnitsPerSecond;

CalendarTime Make(int year, int month, int day, int hour = 0, int minute = 0, int second = 0,
                  int ms = 0) {
  CalendarTime t = {};
  t.year = static_cast<uint16_t>(year);
  t.month = static_cast<uint16_t>(month);
  t.day = static_cast<uint16_t>(day);
  t.hour = static_cast<uint16_t>(hour);
  t.minute = static_cast<uint16_t>(minute);
  t.second = static_cast<uint16_t>(second);
  t.milliseconds = static_cast<uint16_t>(ms);
  return t;
}

void ExpectTime(const CalendarTime& t, int year, int month, int day, int dayOfWeek, int hour,
                int minute, int second, int ms) {
  EXPECT_EQ(year, t.year);
  EXPECT_EQ(month, t.month);
  EXPECT_EQ(day, t.day);
  EXPECT_EQ(dayOfWeek, t.dayOfWeek);
  EXPECT_EQ(hour, t.hour);
  EXPECT_EQ(minute, t.minute);
  EXPECT_EQ(second, t.second);
  EXPECT_EQ(ms, t.milliseconds);
}

uint64_t UnitsOf(const CalendarTime& t) {
  uint64_t units = 0;
  EXPECT_TRUE(CalendarToUnits(t, &units));
  return units;
}

TEST(CalendarTime, KnownInstantsHaveThePlatformsCounts) {
  EXPECT_EQ(0u, UnitsOf(Make(1601, 1, 1)));
  EXPECT_EQ(116444736000000000u, UnitsOf(Make(1970, 1, 1)));
  EXPECT_EQ(125911584000000000u, UnitsOf(Make(2000, 1, 1)));
  EXPECT_EQ(125911584000000000u + 12345 * kUnitsPerMillisecond,
            UnitsOf(Make(2000, 1, 1, 0, 0, 12, 345)));

  CalendarTime t = {};
  ASSERT_TRUE(UnitsToCalendar(0, &t));
  ExpectTime(t, 1601, 1, 1, 1, 0, 0, 0, 0);  // a Monday
  ASSERT_TRUE(UnitsToCalendar(116444736000000000u, &t));
  ExpectTime(t, 1970, 1, 1, 4, 0, 0, 0, 0);  // a Thursday
  ASSERT_TRUE(UnitsToCalendar(125911584000000000u - 1, &t));
  ExpectTime(t, 1999, 12, 31, 5, 23, 59, 59, 999);  // cut to whole milliseconds
}

TEST(CalendarTime, EveryDayFrom1601To3000RoundTripsInOrder) {
  // Walk the calendar day by day the slow way and check both conversions.
  int year = 1601, month = 1, day = 1, weekday = 1;
  for (uint64_t days = 0; year <= 3000; ++days) {
    CalendarTime t = {};
    ASSERT_TRUE(UnitsToCalendar(days * kDay + kDay - 1, &t)) << days;
    ASSERT_TRUE(t.year == year && t.month == month && t.day == day && t.dayOfWeek == weekday)
        << year << "-" << month << "-" << day;
    ASSERT_EQ(days * kDay, UnitsOf(Make(year, month, day)));
    weekday = (weekday + 1) % 7;
    if (++day > DaysInMonth(year, month)) {
      day = 1;
      if (++month > 12) {
        month = 1;
        ++year;
      }
    }
  }
}

TEST(CalendarTime, LeapDaysFollowTheCenturyRules) {
  EXPECT_TRUE(IsLeapYear(2024));
  EXPECT_TRUE(IsLeapYear(2000));
  EXPECT_TRUE(IsLeapYear(1600));
  EXPECT_FALSE(IsLeapYear(1900));
  EXPECT_FALSE(IsLeapYear(2100));
  EXPECT_FALSE(IsLeapYear(2023));

  uint64_t units = 0;
  EXPECT_TRUE(CalendarToUnits(Make(2024, 2, 29), &units));
  EXPECT_TRUE(CalendarToUnits(Make(2000, 2, 29), &units));
  EXPECT_FALSE(CalendarToUnits(Make(2023, 2, 29), &units));
  EXPECT_FALSE(CalendarToUnits(Make(1900, 2, 29), &units));
  EXPECT_FALSE(CalendarToUnits(Make(2100, 2, 29), &units));

  CalendarTime t = {};
  ASSERT_TRUE(UnitsToCalendar(UnitsOf(Make(2024, 2, 28, 12)) + kDay, &t));
  ExpectTime(t, 2024, 2, 29, 4, 12, 0, 0, 0);
  ASSERT_TRUE(UnitsToCalendar(UnitsOf(Make(2100, 2, 28, 12)) + kDay, &t));
  ExpectTime(t, 2100, 3, 1, 1, 12, 0, 0, 0);
  EXPECT_EQ(366 * kDay, UnitsOf(Make(2001, 1, 1)) - UnitsOf(Make(2000, 1, 1)));
  EXPECT_EQ(365 * kDay, UnitsOf(Make(1901, 1, 1)) - UnitsOf(Make(1900, 1, 1)));
}

TEST(CalendarTime, AddingTimeCrossesMidnightAndTheYear) {
  CalendarTime t = {};
  ASSERT_TRUE(UnitsToCalendar(UnitsOf(Make(2023, 12, 31, 23, 59, 59, 500)) + kUnitsPerSecond, &t));
  ExpectTime(t, 2024, 1, 1, 1, 0, 0, 0, 500);
}

TEST(CalendarTime, FieldsOutOfRangeAreRefused) {
  const CalendarTime bad[] = {
      Make(1600, 12, 31),
      Make(30828, 1, 1),
      Make(2024, 0, 1),
      Make(2024, 13, 1),
      Make(2024, 4, 31),
      Make(2024, 1, 0),
      Make(2024, 1, 32),
      Make(2024, 1, 1, 24),
      Make(2024, 1, 1, 0, 60),
      Make(2024, 1, 1, 0, 0, 60),
      Make(2024, 1, 1, 0, 0, 0, 1000),
  };
  for (const CalendarTime& t : bad) {
    uint64_t units = 77;
    EXPECT_FALSE(CalendarToUnits(t, &units)) << t.year << "-" << t.month << "-" << t.day;
    EXPECT_EQ(77u, units);
  }
  CalendarTime weekdayIgnored = Make(2024, 1, 1);
  weekdayIgnored.dayOfWeek = 42;
  EXPECT_EQ(UnitsOf(Make(2024, 1, 1)), UnitsOf(weekdayIgnored));
}

TEST(CalendarTime, EndsOfTheRange) {
  const uint64_t last = UnitsOf(Make(30827, 12, 31, 23, 59, 59, 999));
  CalendarTime t = {};
  ASSERT_TRUE(UnitsToCalendar(last, &t));
  ExpectTime(t, 30827, 12, 31, 5, 23, 59, 59, 999);

  ASSERT_TRUE(UnitsToCalendar(0x7FFFFFFFFFFFFFFFull, &t));
  ExpectTime(t, 30828, 9, 14, 4, 2, 48, 5, 477);

  CalendarTime untouched = Make(2024, 5, 6);
  EXPECT_FALSE(UnitsToCalendar(0x8000000000000000ull, &untouched));
  EXPECT_FALSE(UnitsToCalendar(~0ull, &untouched));
  EXPECT_EQ(2024, untouched.year);
}

}  // namespace
