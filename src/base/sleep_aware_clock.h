// A fine clock that also counts the time the machine slept. The performance
// counter measures finely but is not documented to go on through sleep and
// hibernation; the tick count is coarse (10-16 ms) but is documented to include
// them. Between two readings, the tick count running ahead of the fine clock by
// more than a second can only be time slept: it is added to what the fine clock
// says, and from then on the fine clock's steps count again.
#pragma once

#include <cstdint>

#include "base/clock.h"

class SleepAwareClock : public MonotonicClock {
 public:
  // Both clocks must outlive this one. Larger gaps than slack between the two
  // are taken for sleep; smaller ones are their resolution and drift.
  SleepAwareClock(MonotonicClock& fine, MonotonicClock& throughSleep,
                  uint64_t slackUnits = 10000000);
  uint64_t NowUnits() override;

 private:
  MonotonicClock& fine_;
  MonotonicClock& throughSleep_;
  uint64_t slack_;
  bool read_;
  uint64_t lastFine_;
  uint64_t lastThrough_;
  uint64_t slept_;  // time slept so far, added to every reading
};
