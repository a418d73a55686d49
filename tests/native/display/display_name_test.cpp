#include "display/display_name.h"

#include <gtest/gtest.h>

#include <cstdio>

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

TEST(DisplayNameTest, RunningTimeIsAnnouncedWhenTheSecondsMoveAtMostOnceASecond) {
  NameChangePacer pacer;
  EXPECT_TRUE(pacer.ShouldAnnounce("00:00:00:000", 5000));
  int announced = 0;
  for (unsigned ms = 1; ms <= 3000; ++ms) {  // three seconds at 1 ms
    char text[16];
    std::snprintf(text, sizeof text, "00:00:%02u:%03u", ms / 1000, ms % 1000);
    announced += pacer.ShouldAnnounce(text, 5000 + ms) ? 1 : 0;
  }
  EXPECT_EQ(3, announced);
  // Seconds that pass faster than real time (a catch-up) wait for the pace.
  EXPECT_FALSE(pacer.ShouldAnnounce("00:00:05:000", 8900));
  EXPECT_TRUE(pacer.ShouldAnnounce("00:00:05:100", 9000));
}

TEST(DisplayNameTest, AnnouncementAtRestRestartsThePaceAcrossTheCountWrapping) {
  NameChangePacer pacer;
  pacer.Announced("00:00:07:250", 0xFFFFFF00u);
  EXPECT_FALSE(pacer.ShouldAnnounce("00:00:08:000", 0x00000010u));  // 272 ms later
  EXPECT_TRUE(pacer.ShouldAnnounce("00:00:08:800", 0x00000300u));   // 1024 ms later
}
