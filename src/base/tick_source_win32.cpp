#include "base/tick_source_win32.h"

#include <mmsystem.h>

MultimediaTickSource::~MultimediaTickSource() {
  Stop();
}

void CALLBACK MultimediaTickSource::PostTick(UINT, UINT, DWORD_PTR self, DWORD_PTR, DWORD_PTR) {
  const MultimediaTickSource* source = reinterpret_cast<const MultimediaTickSource*>(self);
  PostMessageA(source->window_, source->message_, 0, 0);
}

bool MultimediaTickSource::Start(HWND window, UINT message, UINT periodMs) {
  Stop();
  window_ = window;
  message_ = message;
  if (timeBeginPeriod(periodMs) != TIMERR_NOERROR)
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

void MultimediaTickSource::Stop() {
  if (timerId_ == 0)
    return;
  // timeKillEvent returns once no callback is running, so the fields may change after it.
  timeKillEvent(timerId_);
  timeEndPeriod(periodMs_);
  timerId_ = 0;
  periodMs_ = 0;
}

void DropQueuedTicks(HWND window, UINT message) {
  MSG pending;
  while (PeekMessageA(&pending, window, message, message, PM_REMOVE)) {
  }
}
