#include "app/window_layout.h"

#include "base/mul_div.h"

Point CentreOnDesktop(const Rect& desktop, int windowWidth, int windowHeight, int screenWidth,
                      int screenHeight) {
  Point p;
  p.x = desktop.left + desktop.Width() / 2 - windowWidth / 2;
  p.y = desktop.top + desktop.Height() / 2 - windowHeight / 2;
  if (p.x < 0)
    p.x = 0;
  if (p.x + windowWidth > screenWidth)
    p.x = screenWidth - windowWidth;
  if (p.y + windowHeight > screenHeight)
    p.y = screenHeight - windowHeight;
  return p;
}

MainLayout LayoutMainDialog(int clientWidth, int clientHeight, int statusBarX, int statusBarHeight,
                            int switchWidth, int dpi) {
  MainLayout m;
  m.statusBar.left = statusBarX;
  m.statusBar.top = clientHeight - statusBarHeight;
  m.statusBar.right = statusBarX + clientWidth;
  m.statusBar.bottom = clientHeight;
  m.tabWidth = clientWidth;
  m.tabHeight = clientHeight - statusBarHeight - ScalePixels(2, dpi);
  m.frontSwitchX = clientWidth - ScalePixels(1, dpi) - switchWidth;
  return m;
}

int MinimumTrackingHeight(int statusBarHeight, int startButtonBottom, int dialogTop, int dpi) {
  return statusBarHeight + (startButtonBottom - dialogTop) + ScalePixels(10, dpi);
}

namespace {

int ClampedSum(int a, int b) {
  const long long sum = static_cast<long long>(a) + b;
  if (sum > 2147483647LL)
    return 2147483647;
  if (sum < -2147483647LL - 1)
    return -2147483647 - 1;
  return static_cast<int>(sum);
}

}  // namespace

Placement PlacementAt(const Placement& stored, int dpi) {
  Placement shown = stored;
  shown.dpi = dpi;
  if (dpi <= 0 || stored.dpi <= 0 || dpi == stored.dpi)
    return shown;
  int* sizes[] = {&shown.width, &shown.height};
  for (int* size : sizes) {
    // MulDiv's -1: a (damaged) size too large to scale stays as stored.
    const int scaled = MulDivRounded(*size, dpi, stored.dpi);
    if (scaled != -1)
      *size = scaled;
  }
  return shown;
}

Rect PlacementRect(int left, int top, int width, int height) {
  Rect r;
  r.left = left;
  r.top = top;
  r.right = ClampedSum(left, width);
  r.bottom = ClampedSum(top, height);
  return r;
}

bool IsPlacementVisible(const Rect& placement, const Rect* monitors, int monitorCount) {
  for (int i = 0; i < monitorCount; ++i) {
    const Rect& m = monitors[i];
    if (placement.left < m.right && m.left < placement.right && placement.top < m.bottom &&
        m.top < placement.bottom) {
      return true;
    }
  }
  return false;
}
