#include "ui/dpi.h"

#include <gtest/gtest.h>

#include "ui/page_layout.h"

namespace {

// The sizes the program scales land on halves at 144 and quarters at 120; a
// truncating or float-rounding helper would differ from the platform there.
TEST(ScalePixels, RoundsHalvesUpLikeMulDivAtCommonScalings) {
  EXPECT_EQ(ScalePixels(37, 144), 56);   // 55.5
  EXPECT_EQ(ScalePixels(75, 144), 113);  // 112.5
  EXPECT_EQ(ScalePixels(1, 144), 2);     // 1.5
  EXPECT_EQ(ScalePixels(1, 120), 1);     // 1.25
  EXPECT_EQ(ScalePixels(10, 120), 13);   // 12.5
  EXPECT_EQ(ScalePixels(232, 144), 348);
  EXPECT_EQ(ScalePixels(30, 192), 60);
  EXPECT_EQ(ScalePixels(-1, 144), -2);  // away from zero, as MulDiv
}

TEST(ScalePixels, LeavesSizesAloneAtNinetySixOrWithoutAnAnswer) {
  for (int pixels : {0, 1, 37, 232, -5}) {
    EXPECT_EQ(ScalePixels(pixels, 96), pixels);
    EXPECT_EQ(ScalePixels(pixels, 0), pixels);
  }
}

TEST(PageRect, ScalesItsMarginsButNotTheMeasuredSizes) {
  const Rect r = PageRect(600, 500, 33, 27, 144);
  EXPECT_EQ(r.left, 12);
  EXPECT_EQ(r.top, 33 + 6);
  EXPECT_EQ(r.Width(), 600 - 30);
  EXPECT_EQ(r.Height(), 500 - 33 - 27 - 15);
}

}  // namespace

// A template's control is placed again at another dpi from its dialog units,
// which are read back from the pixels the dialog manager gave it.
TEST(DialogUnits, PixelsTheDialogManagerMadeGiveBackTheirUnitsExactly) {
  for (int base = 5; base <= 40; ++base) {
    for (int per : {4, 8}) {
      if (base <= per)
        continue;
      for (int units = -20; units <= 600; ++units) {
        const int pixels = DialogUnitsToPixels(units, base, per);
        ASSERT_EQ(PixelsToDialogUnits(pixels, base, per), units) << base << "/" << per;
      }
    }
  }
  EXPECT_EQ(DialogUnitsToPixels(147, 6, 4), 221);  // 220.5, away from zero as MulDiv
  EXPECT_EQ(PixelsToDialogUnits(100, 0, 4), 0);
}
