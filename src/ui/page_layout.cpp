#include "ui/page_layout.h"

Rect PageRect(int clientWidth, int clientHeight, int tabHeaderHeight, int statusBarHeight,
              int dpi) {
  Rect r;
  r.left = ScalePixels(8, dpi);
  r.top = tabHeaderHeight + ScalePixels(4, dpi);
  r.right = r.left + clientWidth - ScalePixels(20, dpi);
  r.bottom = r.top + clientHeight - tabHeaderHeight - statusBarHeight - ScalePixels(10, dpi);
  return r;
}
