#include "base/tick_source_win32.h"

#include <mmsystem.h>

MultimediaTickSource::~MultimediaTickSource() {
  StopTimer();
}

void CALLBACK MultimediaTickSource::PostTick(UINT, UINT, DWORD_PTR self, DWORD_PTR, DWORD_PTR) {
  const MultimediaTickSource* source = reinterpret_cast<const MultimediaTickSource*>(self);
  PostMessageA(source->window_, source->message_, 0, 0);
}

void MultimediaTickSource::Bind(HWND window) {
  if (window != window_)
    Disarm();
  window_ = window;
}

bool MultimediaTickSource::Arm(uint32_t periodMs) {
  Disarm();
  if (window_ == nullptr || timeBeginPeriod(periodMs) != TIMERR_NOERROR)
    return false;
  timerId_ =
      timeSetEvent(periodMs, periodMs, PostTick, reinterpret_cast<DWORD_PTR>(this), TIME_PERIODIC);
  if (timerId_ == 0) {
    // Nothing armed: the resolution must not stay raised.
    timeEndPeriod(periodMs);
    return false;
  }
  periodMs_ = periodMs;
  return true;
}

// A stopped run never handles a tick that was posted before it stopped.
void MultimediaTickSource::Disarm() {
  StopTimer();
  if (window_ == nullptr)
    return;  // a null window would make the peek take any window's messages
  MSG pending;
  while (PeekMessageA(&pending, window_, message_, message_, PM_REMOVE)) {
  }
}

void MultimediaTickSource::StopTimer() {
  if (timerId_ == 0)
    return;
  // timeKillEvent returns once no callback is running, so the fields may change after it.
  timeKillEvent(timerId_);
  timeEndPeriod(periodMs_);
  timerId_ = 0;
  periodMs_ = 0;
}
