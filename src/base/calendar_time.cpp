#include "base/calendar_time.h"

namespace {

constexpr uint64_t kUnitsPerDay = 24ull * 3600 * kUnitsPerSecond;
constexpr int kFirstYear = 1601;  // starts a 400-year cycle of the Gregorian calendar
constexpr int kLastYear = 30827;
constexpr int64_t kDaysPer400Years = 146097;
constexpr int64_t kDaysPer100Years = 36524;
constexpr int64_t kDaysPer4Years = 1461;
constexpr int kMonday = 1;  // 1601-01-01 was a Monday

const int kDaysBeforeMonth[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

// Days from 1601-01-01 to the first of January of year.
int64_t DaysBeforeYear(int year) {
  int64_t y = year - kFirstYear;
  return 365 * y + y / 4 - y / 100 + y / 400;
}

}  // namespace

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static const int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12)
    return 0;
  return (month == 2 && IsLeapYear(year)) ? 29 : kDays[month - 1];
}

bool CalendarToUnits(const CalendarTime& time, uint64_t* units) {
  if (time.year < kFirstYear || time.year > kLastYear)
    return false;
  if (time.day < 1 || time.day > DaysInMonth(time.year, time.month))
    return false;
  if (time.hour > 23 || time.minute > 59 || time.second > 59 || time.milliseconds > 999)
    return false;
  int64_t days = DaysBeforeYear(time.year) + kDaysBeforeMonth[time.month - 1] + (time.day - 1);
  if (time.month > 2 && IsLeapYear(time.year))
    days += 1;
  uint64_t ms =
      ((static_cast<uint64_t>(days) * 24 + time.hour) * 60 + time.minute) * 60 + time.second;
  ms = ms * 1000 + time.milliseconds;
  *units = ms * kUnitsPerMillisecond;
  return true;
}

bool UnitsToCalendar(uint64_t units, CalendarTime* time) {
  if (units >> 63)
    return false;
  int64_t days = static_cast<int64_t>(units / kUnitsPerDay);
  uint64_t msOfDay = (units % kUnitsPerDay) / kUnitsPerMillisecond;

  CalendarTime t = {};
  t.dayOfWeek = static_cast<uint16_t>((days + kMonday) % 7);
  t.milliseconds = static_cast<uint16_t>(msOfDay % 1000);
  t.second = static_cast<uint16_t>(msOfDay / 1000 % 60);
  t.minute = static_cast<uint16_t>(msOfDay / 60000 % 60);
  t.hour = static_cast<uint16_t>(msOfDay / 3600000);

  // Each cycle ends with its leap day, so the last century of a 400-year cycle
  // and the last year of a 4-year cycle are one day longer: cap those indexes.
  int64_t cycles400 = days / kDaysPer400Years;
  int64_t rest = days % kDaysPer400Years;
  int64_t centuries = rest / kDaysPer100Years;
  if (centuries > 3)
    centuries = 3;
  rest -= centuries * kDaysPer100Years;
  int64_t cycles4 = rest / kDaysPer4Years;
  rest -= cycles4 * kDaysPer4Years;
  int64_t years = rest / 365;
  if (years > 3)
    years = 3;
  rest -= years * 365;

  int year = static_cast<int>(kFirstYear + cycles400 * 400 + centuries * 100 + cycles4 * 4 + years);
  int month = 1;
  while (rest >= DaysInMonth(year, month)) {
    rest -= DaysInMonth(year, month);
    ++month;
  }
  t.year = static_cast<uint16_t>(year);
  t.month = static_cast<uint16_t>(month);
  t.day = static_cast<uint16_t>(rest + 1);
  *time = t;
  return true;
}
