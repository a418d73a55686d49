// Where a page's time display sits: the strip above the page's controls, in
// dialog client pixels. Both timing pages place their display here, so the
// time stands at the same spot whichever tab is chosen.
#pragma once

#include "ui/dpi.h"

struct DisplayPlace {
  int x;
  int y;
  int width;
  int height;
};

// Given for 96 dpi; a page places its display at PageDisplayPlace(its Dpi()).
constexpr DisplayPlace kPageDisplayRect = {1, 3, 232, 30};

// kPageDisplayRect in the pixels of a screen of dpi dots per inch.
inline DisplayPlace PageDisplayPlace(int dpi) {
  return {ScalePixels(kPageDisplayRect.x, dpi), ScalePixels(kPageDisplayRect.y, dpi),
          ScalePixels(kPageDisplayRect.width, dpi), ScalePixels(kPageDisplayRect.height, dpi)};
}
