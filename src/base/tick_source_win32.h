// The periodic tick of both timing pages: a multimedia timer whose callback, on
// the timer service's own thread, does nothing but post the page's tick message
// to the page window. Everything else happens when that message is handled on
// the UI thread.
#pragma once

#include <windows.h>

#include "base/tick_source.h"

// The real tick: timeSetEvent, with the finer timer resolution asked for only
// while it is armed. It posts message to the window it is bound to, and knows
// both, so disarming also drops the ticks already queued there.
class MultimediaTickSource : public TickSource {
 public:
  explicit MultimediaTickSource(UINT message) : message_(message) {}
  ~MultimediaTickSource() override;
  MultimediaTickSource(const MultimediaTickSource&) = delete;
  MultimediaTickSource& operator=(const MultimediaTickSource&) = delete;

  // The window the ticks go to, once it exists; until then nothing can be armed.
  void Bind(HWND window);

  // Starts afresh: whatever was armed or queued before is gone first.
  bool Arm(uint32_t periodMs) override;
  void Disarm() override;

 private:
  static void CALLBACK PostTick(UINT id, UINT reserved, DWORD_PTR self, DWORD_PTR, DWORD_PTR);
  void StopTimer();

  // Read by the timer thread; written only while no timer is armed.
  HWND window_ = nullptr;
  const UINT message_;
  UINT timerId_ = 0;
  UINT periodMs_ = 0;  // the period the resolution was asked for, given back on Disarm
};
