#include "display/monitors_win32.h"

RECT SystemMonitors::AreaOf(HWND window) {
  RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  MONITORINFO monitor = {};
  monitor.cbSize = sizeof monitor;
  if (window != nullptr &&
      GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor)) {
    area = monitor.rcMonitor;
  }
  return area;
}
