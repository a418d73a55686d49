#include "base/sleep_aware_clock.h"

SleepAwareClock::SleepAwareClock(MonotonicClock& fine, MonotonicClock& throughSleep,
                                 uint64_t slackUnits)
    : fine_(fine),
      throughSleep_(throughSleep),
      slack_(slackUnits),
      read_(false),
      lastFine_(0),
      lastThrough_(0),
      slept_(0) {}

uint64_t SleepAwareClock::NowUnits() {
  const uint64_t fine = fine_.NowUnits();
  const uint64_t through = throughSleep_.NowUnits();
  if (read_ && fine >= lastFine_ && through >= lastThrough_) {
    const uint64_t fineStep = fine - lastFine_;
    const uint64_t throughStep = through - lastThrough_;
    if (throughStep > fineStep + slack_)
      slept_ += throughStep - fineStep;
  }
  read_ = true;
  lastFine_ = fine;
  lastThrough_ = through;
  return fine + slept_;
}
