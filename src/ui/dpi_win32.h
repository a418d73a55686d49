// The screen's dots per inch as this process sees it. A program aware of the
// system's scaling (not of each monitor's) gets one value for its whole life,
// fixed when the user logged on, so it is read once and kept.
#pragma once

#include "ui/dpi.h"

int ScreenDpi();

// A size given for 96 dpi, in this screen's pixels.
inline int ScaleToScreen(int pixels) {
  return ScalePixels(pixels, ScreenDpi());
}
