#include "stopwatch/tick_source_win32.h"

#include <mmsystem.h>

#include "app/messages.h"

namespace {

void CALLBACK PostTick(UINT, UINT, DWORD_PTR window, DWORD_PTR, DWORD_PTR) {
  PostMessageA(reinterpret_cast<HWND>(window), WM_MIPO_STOPWATCH_TICK, 0, 0);
}

}  // namespace

MultimediaTickSource::MultimediaTickSource() : timerId_(0), periodMs_(0) {}

MultimediaTickSource::~MultimediaTickSource() {
  Stop();
}

bool MultimediaTickSource::Start(HWND window, UINT periodMs) {
  Stop();
  if (timeBeginPeriod(periodMs) != TIMERR_NOERROR)
    return false;
  timerId_ = timeSetEvent(periodMs, periodMs, PostTick, reinterpret_cast<DWORD_PTR>(window),
                          TIME_PERIODIC);
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
  timeKillEvent(timerId_);
  timeEndPeriod(periodMs_);
  timerId_ = 0;
  periodMs_ = 0;
}
