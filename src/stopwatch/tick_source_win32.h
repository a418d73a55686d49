// The stopwatch's periodic tick: a multimedia timer whose callback, on the
// timer service's own thread, does nothing but post the tick message to the
// page window. Everything else happens when that message is handled.
#pragma once

#include <windows.h>

#include "stopwatch/stopwatch_engine.h"

class PeriodicTickSource {
 public:
  virtual ~PeriodicTickSource() = default;
  // Starts posting WM_MIPO_STOPWATCH_TICK to window every periodMs; false when
  // nothing could be armed.
  virtual bool Start(HWND window, UINT periodMs) = 0;
  // Stops the posting. Ticks already queued stay queued.
  virtual void Stop() = 0;
};

// The real tick: timeSetEvent, with the finer timer resolution asked for only
// while it is armed.
class MultimediaTickSource : public PeriodicTickSource {
 public:
  MultimediaTickSource();
  ~MultimediaTickSource() override;
  MultimediaTickSource(const MultimediaTickSource&) = delete;
  MultimediaTickSource& operator=(const MultimediaTickSource&) = delete;

  bool Start(HWND window, UINT periodMs) override;
  void Stop() override;

 private:
  UINT timerId_;
  UINT periodMs_;  // the period the resolution was asked for, given back on Stop
};

// The performance counter as the engine's monotonic clock, in 100-ns units.
class PerformanceCounterClock : public MonotonicClock {
 public:
  PerformanceCounterClock();
  uint64_t NowUnits() override;

 private:
  uint64_t frequency_;  // counts per second; 0 when the counter is missing
};
