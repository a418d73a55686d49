#include <gtest/gtest.h>

#include "app/command_line.h"
#include "app/window_layout.h"

namespace {

TEST(CommandLine, OnlyEmptyOrExactlyDashN) {
  EXPECT_TRUE(IsAcceptedCommandLine(""));
  EXPECT_TRUE(IsAcceptedCommandLine(nullptr));
  EXPECT_TRUE(IsAcceptedCommandLine("-n"));
  for (const char* refused : {"-N", "-n ", " -n", "/n", "x", "-nn", "--n"}) {
    EXPECT_FALSE(IsAcceptedCommandLine(refused)) << refused;
  }
}

TEST(Centring, HalvesTruncateAndTheWindowStaysOnTheScreen) {
  Rect desktop{0, 0, 1024, 768};
  Point p = CentreOnDesktop(desktop, 301, 401, 1024, 768);
  EXPECT_EQ(p.x, 512 - 150);
  EXPECT_EQ(p.y, 384 - 200);

  // Wider than the screen: pinned to the left edge, then pulled back from the right.
  p = CentreOnDesktop(desktop, 1200, 300, 1024, 768);
  EXPECT_EQ(p.x, 1024 - 1200);
  // Taller than the screen: moved up, with no lower bound of zero.
  p = CentreOnDesktop(desktop, 300, 900, 1024, 768);
  EXPECT_EQ(p.y, 768 - 900);
}

TEST(Layout, PagesAndBarsFollowTheClientArea) {
  const Rect page = PageRect(300, 400, 20, 22);
  EXPECT_EQ(page.left, 8);
  EXPECT_EQ(page.top, 24);
  EXPECT_EQ(page.Width(), 280);
  EXPECT_EQ(page.Height(), 400 - 20 - 22 - 10);

  const MainLayout m = LayoutMainDialog(300, 400, 0, 22, 33);
  EXPECT_EQ(m.statusBar.top, 378);
  EXPECT_EQ(m.statusBar.Width(), 300);
  EXPECT_EQ(m.tabWidth, 300);
  EXPECT_EQ(m.tabHeight, 376);
  EXPECT_EQ(m.frontSwitchX + 33, 299);  // right edge one pixel inside the client area

  EXPECT_EQ(MinimumTrackingHeight(22, 250, 100), 22 + 150 + 10);
}

TEST(Placement, RestoredWhenAnyPartIsOnAMonitor) {
  const Rect monitors[] = {{0, 0, 1024, 768}, {1024, 0, 2048, 768}};
  EXPECT_TRUE(IsPlacementVisible({1000, 700, 1300, 1000}, monitors, 2));
  EXPECT_TRUE(IsPlacementVisible({1500, 100, 1800, 400}, monitors, 2));
  EXPECT_FALSE(IsPlacementVisible({1500, 100, 1800, 400}, monitors, 1));
  EXPECT_FALSE(IsPlacementVisible({-400, 0, 0, 300}, monitors, 2));  // touching is not showing
  EXPECT_FALSE(IsPlacementVisible({0, 800, 300, 1100}, monitors, 2));
}

}  // namespace
