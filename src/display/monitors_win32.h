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

// The system's monitors as the lookup asks them, so that a test can stand in
// more monitors than the machine has.
class DisplayMonitors {
 public:
  virtual ~DisplayMonitors() = default;
  // The monitor holding most of window, or the nearest one (MonitorFromWindow).
  virtual HMONITOR Holding(HWND window) = 0;
  // The monitor's whole area (GetMonitorInfoA); false when the system cannot say.
  virtual bool Area(HMONITOR monitor, RECT* area) = 0;
};

class SystemDisplayMonitors : public DisplayMonitors {
 public:
  HMONITOR Holding(HWND window) override;
  bool Area(HMONITOR monitor, RECT* area) override;
};

// The lookup on the system's monitors (by default) or on the ones given,
// which must outlive it.
class SystemMonitors : public MonitorLookup {
 public:
  explicit SystemMonitors(DisplayMonitors& monitors = TheSystemsMonitors()) : monitors_(monitors) {}
  RECT AreaOf(HWND window) override;

  static DisplayMonitors& TheSystemsMonitors();

 private:
  DisplayMonitors& monitors_;
};
