#include "display/display_name.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

namespace {

using display::NameChangePacer;

TEST(DisplayNameTest, NameIsTheTimeAndNoticeCutOnlyBetweenWholeCharacters) {
  char name[display::kDisplayNameSize];
  display::ComposeDisplayName("00:00:05", "超過中！", name, sizeof name);
  EXPECT_STREQ("00:00:05 超過中！", name);
  display::ComposeDisplayName("00:00:05", "", name, sizeof name);
  EXPECT_STREQ("00:00:05", name);

  char buffer[6] = "xxxxx";
  EXPECT_EQ(0u, display::CopyNameForCaller("12 超過", buffer, 0));
  EXPECT_EQ('x', buffer[0]);
  EXPECT_EQ(3u, display::CopyNameForCaller("12 超過", buffer, 5));  // not half of "超"
  EXPECT_STREQ("12 ", buffer);
  EXPECT_EQ(10u, display::WholeSecondsLength("0000:00:01:2"));
}

// The pacer's clock in milliseconds.
std::uint64_t At(std::uint64_t ms) {
  return ms * display::kPacerUnitsPerMs;
}

TEST(DisplayNameTest, RunningTimeIsAnnouncedWhenTheSecondsMoveAndCatchUpsAtThePace) {
  NameChangePacer pacer;
  EXPECT_TRUE(pacer.ShouldAnnounce("00:00:00:000", At(5000)));
  int announced = 0;
  for (unsigned ms = 1; ms <= 3000; ++ms) {  // three seconds at 1 ms
    char text[16];
    std::snprintf(text, sizeof text, "00:00:%02u:%03u", ms / 1000, ms % 1000);
    announced += pacer.ShouldAnnounce(text, At(5000 + ms)) ? 1 : 0;
  }
  EXPECT_EQ(3, announced);
  // Seconds that pass faster than real time (a catch-up) wait for the pace.
  EXPECT_FALSE(pacer.ShouldAnnounce("00:00:05:000", At(8100)));
  EXPECT_TRUE(pacer.ShouldAnnounce("00:00:05:100", At(8750)));
}

// A countdown shows each second once, at a tick; ticks come a little early or
// late (a coarse clock reads 984 or 1016 ms for a second), and one late tick
// may be followed by one on time. No second goes unheard.
TEST(DisplayNameTest, EveryCountdownSecondIsAnnouncedThoughItsTicksJitter) {
  NameChangePacer pacer;
  const unsigned gaps[] = {1000, 984, 1016, 984, 1250, 750, 999, 1001};
  std::uint64_t now = 1000;
  int announced = pacer.ShouldAnnounce("00:00:10", At(now)) ? 1 : 0;
  for (int i = 0; i < 8; ++i) {
    now += gaps[i];
    char text[16];
    std::snprintf(text, sizeof text, "00:00:%02d", 9 - i);
    announced += pacer.ShouldAnnounce(text, At(now)) ? 1 : 0;
  }
  EXPECT_EQ(9, announced);
}

TEST(DisplayNameTest, AnnouncementAtRestRestartsThePace) {
  NameChangePacer pacer;
  pacer.Announced("00:00:07:250", At(90000));
  EXPECT_FALSE(pacer.ShouldAnnounce("00:00:08:000", At(90272)));
  EXPECT_TRUE(pacer.ShouldAnnounce("00:00:08:800", At(91024)));
}

}  // namespace
