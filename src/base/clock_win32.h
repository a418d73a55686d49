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
