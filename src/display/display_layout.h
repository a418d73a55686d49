// Where a page's time display sits: the strip above the page's controls, in
// dialog client pixels. Both timing pages place their display here, so the
// time stands at the same spot whichever tab is chosen.
#pragma once

struct DisplayPlace {
  int x;
  int y;
  int width;
  int height;
};

constexpr DisplayPlace kPageDisplayRect = {1, 3, 232, 30};
