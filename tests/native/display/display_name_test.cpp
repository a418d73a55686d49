#include "display/display_name.h"

#include <gtest/gtest.h>

#include <cstdio>

using display::ComposeDisplayName;
using display::CopyNameForCaller;
using display::NameChangePacer;
using display::WholeSecondsLength;

TEST(DisplayNameTest, NameIsTheTimeThenTheNoticeCutWithoutSplittingACharacter) {
  char name[display::kDisplayNameSize];
  ComposeDisplayName("00:00:05", "超過中！", name, sizeof name);
  EXPECT_STREQ("00:00:05 超過中！", name);
  ComposeDisplayName("00:00:05", "", name, sizeof name);
  EXPECT_STREQ("00:00:05", name);

  // "超" is two bytes: a buffer that ends inside it keeps neither byte.
  char small[11];
  ComposeDisplayName("00:00:05", "超過", small, sizeof small);
  EXPECT_STREQ("00:00:05 ", small);
}

TEST(DisplayNameTest, CallersBufferGetsWholeCharactersAndTheCountCopied) {
  char buffer[8] = {'x', 'x', 'x', 'x', 'x', 'x', 'x', 'x'};
  EXPECT_EQ(0u, CopyNameForCaller("00:01", buffer, 0));
  EXPECT_EQ('x', buffer[0]);
  EXPECT_EQ(0u, CopyNameForCaller("00:01", nullptr, 8));
  EXPECT_EQ(4u, CopyNameForCaller("00:01", buffer, 5));
  EXPECT_STREQ("00:0", buffer);
  EXPECT_EQ(3u, CopyNameForCaller("12 超過", buffer, 5));  // not half of "超"
  EXPECT_STREQ("12 ", buffer);
}

TEST(DisplayNameTest, WholeSecondsAreTheFirstThreeFieldsOfEveryFormat) {
  EXPECT_EQ(8u, WholeSecondsLength("00:00:01:234"));
  EXPECT_EQ(10u, WholeSecondsLength("0000:00:01:2"));
  EXPECT_EQ(8u, WholeSecondsLength("00:00:01"));
  EXPECT_EQ(0u, WholeSecondsLength(nullptr));
}

TEST(DisplayNameTest, RunningTimeIsAnnouncedWhenTheSecondsMoveAtMostOnceASecond) {
  NameChangePacer pacer;
  EXPECT_TRUE(pacer.ShouldAnnounce("00:00:00:000", 5000));  // the first text shown
  int announced = 0;
  // Three seconds at 1 ms: one announcement per whole second, none per tick.
  for (unsigned ms = 1; ms <= 3000; ++ms) {
    char text[16];
    std::snprintf(text, sizeof text, "00:00:%02u:%03u", ms / 1000, ms % 1000);
    announced += pacer.ShouldAnnounce(text, 5000 + ms) ? 1 : 0;
  }
  EXPECT_EQ(3, announced);

  // Seconds that move faster than real time (a catch-up) are held back until
  // a second has passed, then the latest is announced.
  EXPECT_FALSE(pacer.ShouldAnnounce("00:00:04:000", 8100));
  EXPECT_FALSE(pacer.ShouldAnnounce("00:00:05:000", 8900));
  EXPECT_TRUE(pacer.ShouldAnnounce("00:00:05:100", 9000));
}

TEST(DisplayNameTest, AnnouncementAtRestRestartsThePaceAndSurvivesTheCountWrapping) {
  NameChangePacer pacer;
  pacer.Announced("00:00:07:250", 0xFFFFFF00u);
  EXPECT_FALSE(pacer.ShouldAnnounce("00:00:07:250", 0xFFFFFFF0u));  // same seconds
  EXPECT_FALSE(pacer.ShouldAnnounce("00:00:08:000", 0x00000010u));  // 272 ms later
  EXPECT_TRUE(pacer.ShouldAnnounce("00:00:08:800", 0x00000300u));   // past a second
}
