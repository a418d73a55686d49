// The stand-ins every suite shares for the portable interfaces: clocks set by
// hand and a tick source that records what it was asked. One of each; a suite
// that needs more from one adds it here.
#pragma once

#include <cstdint>

#include "base/calendar_time.h"
#include "base/clock.h"
#include "base/tick_source.h"

namespace fakes {

// The local time of day, set by the test.
class LocalClock : public ::LocalClock {
 public:
  CalendarTime Now() override { return now; }
  void Set(int hour, int minute, int second, int milliseconds = 0) {
    now.hour = static_cast<uint16_t>(hour);
    now.minute = static_cast<uint16_t>(minute);
    now.second = static_cast<uint16_t>(second);
    now.milliseconds = static_cast<uint16_t>(milliseconds);
  }
  CalendarTime now = {2024, 3, 5, 15, 9, 0, 0, 0};
};

// A monotonic clock that moves only when the test moves it.
class MonotonicClock : public ::MonotonicClock {
 public:
  static constexpr uint64_t kUnitsPerMillisecond = 10000;
  uint64_t NowUnits() override { return units; }
  void Pass(uint64_t milliseconds) { units += milliseconds * kUnitsPerMillisecond; }
  uint64_t units = 987654321;  // an origin of its own, not zero
};

// Records arming; ticks come only as the test hands them to the engine.
class TickSource : public ::TickSource {
 public:
  bool Arm(uint32_t periodMs) override {
    ++arms;
    period = periodMs;
    armed = armSucceeds;
    return armSucceeds;
  }
  void Disarm() override {
    ++disarms;
    armed = false;
  }
  bool armSucceeds = true;
  bool armed = false;
  int arms = 0;
  int disarms = 0;
  uint32_t period = 0;
};

}  // namespace fakes
