// Calendar time as the platform's local-time record holds it, and its
// 100-nanosecond form (intervals since 1601-01-01 00:00), in which the stopwatch
// adds and subtracts times. No time zone or daylight saving is involved: a local
// time is taken as a plain calendar time.
#pragma once

#include <cstdint>

// Same fields, order and widths as SYSTEMTIME.
struct CalendarTime {
  uint16_t year;
  uint16_t month;      // 1..12
  uint16_t dayOfWeek;  // 0 Sunday .. 6 Saturday
  uint16_t day;        // 1..31
  uint16_t hour;
  uint16_t minute;
  uint16_t second;
  uint16_t milliseconds;
};

constexpr uint64_t kUnitsPerMillisecond = 10000;
constexpr uint64_t kUnitsPerSecond = 10000000;

bool IsLeapYear(int year);
// Days in the month (1..12) of year; 0 for a month out of range.
int DaysInMonth(int year, int month);

// 100-nanosecond form of a calendar time. Fails, leaving *units alone, for a
// field out of range (year 1601..30827, a real date, hour < 24, minute and
// second < 60, milliseconds < 1000); the day of week is not looked at.
bool CalendarToUnits(const CalendarTime& time, uint64_t* units);

// Calendar time of a 100-nanosecond count, day of week included, cut to whole
// milliseconds. Fails, leaving *time alone, for counts of 2^63 and more.
bool UnitsToCalendar(uint64_t units, CalendarTime* time);
