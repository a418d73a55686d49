// Placement and layout arithmetic of the main window, in pixels.
#pragma once

#include "ui/page_layout.h"

struct Point {
  int x = 0;
  int y = 0;
};

// The main window's placement record (outer rectangle, screen pixels, and the
// dots per inch it was taken at): as restored from Data.ini, then as the user
// last left it; stored at the close.
struct Placement {
  int left = 0;
  int top = 0;
  int width = 300;
  int height = 300;
  int dpi = kDesignDpi;
};

// The placement shown at dpi: the size keeps its points (MulDiv's rounding),
// the position stays as stored. A size too large to scale stays as it is.
Placement PlacementAt(const Placement& stored, int dpi);

// Centres a window of the given size on the desktop, then keeps it inside the
// primary screen on the left and right and off its bottom edge (halves truncate).
Point CentreOnDesktop(const Rect& desktop, int windowWidth, int windowHeight, int screenWidth,
                      int screenHeight);

// The pieces of the main dialog after a resize.
struct MainLayout {
  Rect statusBar;    // each of the three page status bars
  int tabWidth = 0;  // the tab control's new size
  int tabHeight = 0;
  int frontSwitchX = 0;  // the "in front" switch's new left edge
};
// The gaps (2 above the status bar, 1 right of the switch) are given for 96 dpi
// and scaled to dpi; the measured sizes are screen pixels.
MainLayout LayoutMainDialog(int clientWidth, int clientHeight, int statusBarX, int statusBarHeight,
                            int switchWidth, int dpi = kDesignDpi);

// Least outer height: status bar + (start button bottom - dialog top) + 10, the
// 10 scaled to dpi.
int MinimumTrackingHeight(int statusBarHeight, int startButtonBottom, int dialogTop,
                          int dpi = kDesignDpi);

// The rectangle a stored placement covers. Data.ini may hold any integers, so
// an edge beyond the range of int is held at its end instead of wrapping round.
Rect PlacementRect(int left, int top, int width, int height);

// A stored placement is restored only when some of it lies on a monitor.
bool IsPlacementVisible(const Rect& placement, const Rect* monitors, int monitorCount);
