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

}  // namespace
