// The clocks the engines read, as small interfaces: the program passes the
// platform's clocks, tests pass clocks they set by hand.
#pragma once

#include <cstdint>

#include "base/calendar_time.h"

// The local date and time, as a person's wall clock shows it.
class LocalClock {
 public:
  virtual ~LocalClock() = default;
  virtual CalendarTime Now() = 0;
};

// A clock that never goes back, in 100-ns units from an origin of its own.
class MonotonicClock {
 public:
  virtual ~MonotonicClock() = default;
  virtual uint64_t NowUnits() = 0;
};
