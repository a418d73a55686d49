// Which monitor a window is on, behind a small interface: the full-screen
// display covers the monitor that holds most of the main window, and tests
// stand in a monitor of their own.
#pragma once

#include <windows.h>

class MonitorLookup {
 public:
  virtual ~MonitorLookup() = default;
  // The whole area (screen pixels) of the monitor holding most of window; the
  // primary screen when the system cannot say.
  virtual RECT AreaOf(HWND window) = 0;
};

// The system's answer (MonitorFromWindow).
class SystemMonitors : public MonitorLookup {
 public:
  RECT AreaOf(HWND window) override;
};
