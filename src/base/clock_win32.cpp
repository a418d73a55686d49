#include "base/clock_win32.h"

#include "base/system_function_win32.h"

CalendarTime SystemLocalClock::Now() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  CalendarTime time;
  time.year = now.wYear;
  time.month = now.wMonth;
  time.dayOfWeek = now.wDayOfWeek;
  time.day = now.wDay;
  time.hour = now.wHour;
  time.minute = now.wMinute;
  time.second = now.wSecond;
  time.milliseconds = now.wMilliseconds;
  return time;
}

PerformanceCounterClock::PerformanceCounterClock() {
  LARGE_INTEGER frequency;
  if (QueryPerformanceFrequency(&frequency) && frequency.QuadPart > 0)
    frequency_ = static_cast<uint64_t>(frequency.QuadPart);
}

uint64_t PerformanceCounterClock::NowUnits() {
  if (frequency_ == 0)
    return static_cast<uint64_t>(GetTickCount()) * 10000;
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  const uint64_t counts = static_cast<uint64_t>(now.QuadPart);
  // Whole seconds and the rest apart, so the product cannot overflow.
  return counts / frequency_ * 10000000 + counts % frequency_ * 10000000 / frequency_;
}

TickCountClock::TickCountClock() {
  tickCount64_ = SystemFunction<TickCount64Function>("kernel32.dll", "GetTickCount64");
  lastLow_ = GetTickCount();
}

uint64_t TickCountClock::NowUnits() {
  if (tickCount64_ != nullptr)
    return static_cast<uint64_t>(tickCount64_()) * 10000;
  const DWORD low = GetTickCount();
  if (low < lastLow_)
    ++wraps_;
  lastLow_ = low;
  return ((wraps_ << 32) + low) * 10000;
}
