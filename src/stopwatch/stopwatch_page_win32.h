// Placeholder page: an empty child dialog that fulfils the page operations the
// main dialog calls, until the page's own contents are built.
#pragma once

#include <windows.h>

class StopwatchPage {
 public:
  StopwatchPage();
  ~StopwatchPage();
  StopwatchPage(const StopwatchPage&) = delete;
  StopwatchPage& operator=(const StopwatchPage&) = delete;

  int Open(HWND parent, HWND statusBar, int tabHeaderHeight);
  void Show(int command);
  void Resize(int width, int height);
  HWND StartButton() const;
  HWND Window() const { return pageWindow_; }

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void InitPage(HWND window);

  HWND statusBar_ = nullptr;
  int tabHeaderHeight_ = 0;
  HWND pageWindow_ = nullptr;
};
