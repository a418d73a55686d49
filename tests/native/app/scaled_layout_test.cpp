#include <gtest/gtest.h>

#include "app/window_layout.h"

namespace {

TEST(MainLayoutAtScaling, ScalesOnlyTheGapsTheProgramChose) {
  const MainLayout m = LayoutMainDialog(600, 450, 0, 30, 90, 144);
  EXPECT_EQ(m.tabHeight, 450 - 30 - 3);
  EXPECT_EQ(m.frontSwitchX, 600 - 2 - 90);
  EXPECT_EQ(m.statusBar.top, 420);
  EXPECT_EQ(MinimumTrackingHeight(30, 400, 100, 144), 30 + 300 + 15);
  EXPECT_EQ(MinimumTrackingHeight(30, 400, 100, 96), 30 + 300 + 10);
}

// A placement taken at one scaling, shown at another: the size in points with
// MulDiv's rounding, the place as stored; a size too large to scale stays.
TEST(PlacementAtScaling, KeepsTheSizeInPointsAndThePosition) {
  const Placement shown = PlacementAt({-40, 30, 451, 600, 144}, 96);
  EXPECT_EQ(shown.left, -40);
  EXPECT_EQ(shown.top, 30);
  EXPECT_EQ(shown.width, 301);  // 300.67
  EXPECT_EQ(shown.height, 400);
  EXPECT_EQ(PlacementAt(shown, 144).width, 452);  // 451.5
  EXPECT_EQ(PlacementAt({0, 0, 2000000000, 600, 24}, 96).width, 2000000000);
}

}  // namespace
