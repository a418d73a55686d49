#include "display/monitors_win32.h"

HMONITOR SystemDisplayMonitors::Holding(HWND window) {
  return MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST);
}

bool SystemDisplayMonitors::Area(HMONITOR monitor, RECT* area) {
  MONITORINFO info = {};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoA(monitor, &info))
    return false;
  *area = info.rcMonitor;
  return true;
}

DisplayMonitors& SystemMonitors::TheSystemsMonitors() {
  static SystemDisplayMonitors monitors;
  return monitors;
}

RECT SystemMonitors::AreaOf(HWND window) {
  RECT area = {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  RECT found = {};
  if (window != nullptr && monitors_.Area(monitors_.Holding(window), &found))
    area = found;
  return area;
}
