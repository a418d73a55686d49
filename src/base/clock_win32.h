// The platform's clocks behind the engines' clock interfaces.
#pragma once

#include <windows.h>

#include "base/clock.h"

// GetLocalTime.
class SystemLocalClock : public LocalClock {
 public:
  CalendarTime Now() override;
};

// The performance counter, in 100-ns units; the tick count where there is none.
class PerformanceCounterClock : public MonotonicClock {
 public:
  PerformanceCounterClock();
  uint64_t NowUnits() override;

 private:
  uint64_t frequency_ = 0;  // counts per second; 0 when the counter is missing
};

// The tick count, which goes on through sleep and hibernation, in 100-ns units.
// GetTickCount64 where the system has it (Vista and later); before that the
// 32-bit count, widened here across its wrap every 49.7 days.
class TickCountClock : public MonotonicClock {
 public:
  TickCountClock();
  uint64_t NowUnits() override;

 private:
  typedef ULONGLONG(WINAPI* TickCount64Function)();
  TickCount64Function tickCount64_ = nullptr;
  DWORD lastLow_ = 0;
  uint64_t wraps_ = 0;
};
