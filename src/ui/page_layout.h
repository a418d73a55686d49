// Where a page's child dialog sits in the main dialog's client area: 8 pixels
// in from the left, 4 below the tab header, leaving room on the right for the
// tab control's border and below for the page's status bar. The margins are
// given for 96 dpi and scaled to dpi; the measured sizes passed in are already
// screen pixels.
#pragma once

#include "ui/dpi.h"

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

Rect PageRect(int clientWidth, int clientHeight, int tabHeaderHeight, int statusBarHeight,
              int dpi = kDesignDpi);
