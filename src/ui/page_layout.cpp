#include "ui/page_layout.h"

Rect PageRect(int clientWidth, int clientHeight, int tabHeaderHeight, int statusBarHeight) {
  Rect r;
  r.left = 8;
  r.top = tabHeaderHeight + 4;
  r.right = r.left + clientWidth - 20;
  r.bottom = r.top + clientHeight - tabHeaderHeight - statusBarHeight - 10;
  return r;
}
