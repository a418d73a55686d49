// Placeholder page: an empty child dialog that fulfils the page operations the
// main dialog calls, until the page's own contents are built.
#pragma once

#include <windows.h>

class TimerPage {
 public:
  TimerPage();
  ~TimerPage();
  TimerPage(const TimerPage&) = delete;
  TimerPage& operator=(const TimerPage&) = delete;

  int Open(HWND parent, HWND statusBar, int tabHeaderHeight);
  void Show(int command);
  void Resize(int width, int height);
  HWND StartButton() const;
  HWND Window() const { return pageWindow_; }
  void ReloadBellFile() {}

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void InitPage(HWND window);

  HWND statusBar_ = nullptr;
  int tabHeaderHeight_ = 0;
  HWND pageWindow_ = nullptr;
};
