// The periodic tick of both timing pages: a multimedia timer whose callback, on
// the timer service's own thread, does nothing but post a message to the page
// window. Everything else happens when that message is handled on the UI thread.
#pragma once

#include <windows.h>

class PeriodicTickSource {
 public:
  virtual ~PeriodicTickSource() = default;
  // Starts posting message to window every periodMs; false when nothing could
  // be armed.
  virtual bool Start(HWND window, UINT message, UINT periodMs) = 0;
  // Stops the posting. Ticks already queued stay queued.
  virtual void Stop() = 0;
};

// The real tick: timeSetEvent, with the finer timer resolution asked for only
// while it is armed.
class MultimediaTickSource : public PeriodicTickSource {
 public:
  MultimediaTickSource() = default;
  ~MultimediaTickSource() override;
  MultimediaTickSource(const MultimediaTickSource&) = delete;
  MultimediaTickSource& operator=(const MultimediaTickSource&) = delete;

  bool Start(HWND window, UINT message, UINT periodMs) override;
  void Stop() override;

 private:
  static void CALLBACK PostTick(UINT id, UINT reserved, DWORD_PTR self, DWORD_PTR, DWORD_PTR);

  // Read by the timer thread; written only while no timer is armed.
  HWND window_ = nullptr;
  UINT message_ = 0;
  UINT timerId_ = 0;
  UINT periodMs_ = 0;  // the period the resolution was asked for, given back on Stop
};

// Removes the ticks of message already queued for window, so a stopped run
// never handles a tick that was posted before it stopped.
void DropQueuedTicks(HWND window, UINT message);
