#include "base/sleep_aware_clock.h"

#include <gtest/gtest.h>

#include "support/fakes.h"

namespace {

using HandClock = fakes::MonotonicClock;

const uint64_t kSecond = 10000000;

TEST(SleepAwareClock, FollowsTheFineClockWhileAwakeDespiteTheCoarseOnesSteps) {
  HandClock fine, coarse;
  fine.units = coarse.units = 0;
  fine.units = 100;
  coarse.units = 7 * kSecond;
  SleepAwareClock clock(fine, coarse);
  EXPECT_EQ(100u, clock.NowUnits());
  fine.units += 12345;  // the coarse clock has not moved yet
  EXPECT_EQ(12445u, clock.NowUnits());
  fine.units += 2 * kSecond;
  coarse.units += 2 * kSecond + 160000;  // one of its 16 ms steps ahead
  EXPECT_EQ(12445u + 2 * kSecond, clock.NowUnits());
}

TEST(SleepAwareClock, AddsTheTimeSleptWhenOnlyTheCoarseClockWentOn) {
  HandClock fine, coarse;
  fine.units = coarse.units = 0;
  SleepAwareClock clock(fine, coarse);
  clock.NowUnits();
  fine.units += kSecond / 2;
  coarse.units += 3600 * kSecond;  // an hour asleep: the fine clock stood still
  EXPECT_EQ(3600 * kSecond, clock.NowUnits());
  fine.units += kSecond;
  coarse.units += kSecond;
  EXPECT_EQ(3601 * kSecond, clock.NowUnits());
}

TEST(SleepAwareClock, AddsNothingWhenTheFineClockCountedTheSleepItself) {
  HandClock fine, coarse;
  fine.units = coarse.units = 0;
  SleepAwareClock clock(fine, coarse);
  clock.NowUnits();
  fine.units += 3600 * kSecond;
  coarse.units += 3600 * kSecond;
  EXPECT_EQ(3600 * kSecond, clock.NowUnits());
}

}  // namespace
