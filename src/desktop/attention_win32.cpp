#include "desktop/attention_win32.h"

// A window owned by the main window (the full-screen display, a message box)
// counts as the main window being in front.
bool WindowAttention::InFront() {
  if (window_ == nullptr)
    return true;
  HWND front = GetForegroundWindow();
  if (front == nullptr)
    return false;
  return front == window_ || GetAncestor(front, GA_ROOTOWNER) == window_;
}

void WindowAttention::Flash() {
  if (window_ == nullptr)
    return;
  FLASHWINFO info = {};
  info.cbSize = sizeof info;
  info.hwnd = window_;
  info.dwFlags = FLASHW_ALL | FLASHW_TIMERNOFG;
  FlashWindowEx(&info);
}

ThreadAwakeRequest::~ThreadAwakeRequest() {
  Hold(false);
}

void ThreadAwakeRequest::Hold(bool held) {
  if (held == held_)
    return;
  held_ = held;
  SetThreadExecutionState(held ? ES_CONTINUOUS | ES_SYSTEM_REQUIRED : ES_CONTINUOUS);
}
