// The main window's call for attention: its taskbar button flashes until the
// window comes to the front.
#pragma once

#include <windows.h>

#include "desktop/desktop_presence.h"

class WindowAttention : public desktop::AttentionSignal {
 public:
  // The window whose button flashes; until then nothing flashes.
  void Bind(HWND window) { window_ = window; }
  bool InFront() override;
  void Flash() override;

 private:
  HWND window_ = nullptr;
};

// The system's request that it stay out of sleep, for this thread; the display
// may still turn off. Ended at the latest when the object goes.
class ThreadAwakeRequest : public desktop::AwakeRequest {
 public:
  ThreadAwakeRequest() = default;
  ~ThreadAwakeRequest() override;
  ThreadAwakeRequest(const ThreadAwakeRequest&) = delete;
  ThreadAwakeRequest& operator=(const ThreadAwakeRequest&) = delete;
  void Hold(bool held) override;
  bool Held() const { return held_; }

 private:
  bool held_ = false;
};
