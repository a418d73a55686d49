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

PerformanceCounterClock::PerformanceCounterClock() : frequency_(0) {
  LARGE_INTEGER frequency;
  if (QueryPerformanceFrequency(&frequency) && frequency.QuadPart > 0)
    frequency_ = static_cast<uint64_t>(frequency.QuadPart);
}

uint64_t PerformanceCounterClock::NowUnits() {
  if (frequency_ == 0)
    return static_cast<uint64_t>(GetTickCount()) * 10000;
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  const uint64_t counts = static_cast<uint64_t>(now.QuadPart);
  // Whole seconds and the rest apart, so the product cannot overflow.
  return counts / frequency_ * 10000000 + counts % frequency_ * 10000000 / frequency_;
}
