// Where a page's child dialog sits in the main dialog's client area: 8 pixels
// in from the left, 4 below the tab header, leaving room on the right for the
// tab control's border and below for the page's status bar.
#pragma once

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

Rect PageRect(int clientWidth, int clientHeight, int tabHeaderHeight, int statusBarHeight);
