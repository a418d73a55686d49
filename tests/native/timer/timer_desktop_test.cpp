// The countdown as the desktop sees it: the taskbar progress of whole runs, and
// what a run left behind after the machine slept through its zero.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_timer_page.h"
#include "timer/timer_engine.h"

namespace {

// The recorders of the native page, with the engine counting against a clock.
struct ClockedPage : timer_test::FakeTimerPage {
  void Start(int mode, const char* h, const char* m, const char* s) {
    engine.SetMode(mode);
    SetFields(h, m, s);
    ASSERT_EQ(timer::kAccepted, engine.PressStart());
  }
  // A second of real time, then its tick; posted stops are handled after it.
  void Second() { TickAndDeliver(); }
  void Deliver() { DeliverPosted(); }
  // Sleeps through the given seconds; the wake makes up what was missed.
  void SleepAndWake(int seconds) {
    runClock.Pass(static_cast<uint64_t>(seconds) * 1000);
    engine.OnTick();
  }
  std::string ProgressText() const {
    const desktop::ProgressView view = engine.Progress();
    return view.state == desktop::kNoProgress ? "none" : fakes::ProgressText(view);
  }
};

std::vector<std::string> RunRecording(ClockedPage& page, int seconds) {
  std::vector<std::string> seen;
  for (int i = 0; i < seconds; ++i) {
    page.Second();
    seen.push_back(page.ProgressText());
  }
  return seen;
}

TEST(CountdownProgress, RepeatShowsEachPassAnewAndNothingAfterTheLast) {
  ClockedPage page;
  page.engine.SetRepeatSetting(2);
  page.Start(timer::kRepeat, "00", "00", "03");
  EXPECT_EQ("normal 0/3", page.ProgressText());
  const std::vector<std::string> expected = {"normal 1/3", "normal 2/3", "normal 0/3",
                                             "normal 1/3", "normal 2/3", "normal 0/3",
                                             "normal 1/3", "normal 2/3", "none"};
  EXPECT_EQ(expected, RunRecording(page, 9));
}

TEST(CountdownProgress, OverrunIsFullInTheErrorStatePastZeroAndNothingAfterTheStop) {
  ClockedPage page;
  page.Start(timer::kOverrun, "00", "00", "02");
  const std::vector<std::string> expected = {"normal 1/2", "normal 2/2", "error 1/1", "error 1/1"};
  EXPECT_EQ(expected, RunRecording(page, 4));
  page.engine.PauseOrResume();
  EXPECT_EQ("paused 1/1", page.ProgressText());
  page.engine.Stop();
  EXPECT_EQ("none", page.ProgressText());
}

TEST(CountdownProgress, PauseKeepsTheValueAndAlarmRunsFromStartToItsTime) {
  ClockedPage page;
  page.clock.Set(11, 59, 50);
  page.Start(timer::kAlarm, "12", "00", "00");
  page.Second();
  page.Second();
  EXPECT_EQ("normal 2/10", page.ProgressText());
  page.engine.PauseOrResume();
  EXPECT_EQ("paused 2/10", page.ProgressText());
  page.engine.PauseOrResume();
  EXPECT_EQ("normal 2/10", page.ProgressText());
}

TEST(CountdownProgress, ZerosAreCountedForEveryPassOverrunAndAlarm) {
  ClockedPage page;
  page.engine.SetRepeatSetting(0);  // endless
  page.Start(timer::kRepeat, "00", "00", "02");
  RunRecording(page, 6);
  EXPECT_EQ(3, page.engine.Zeros());
  page.engine.Stop();
  page.Start(timer::kOverrun, "00", "00", "01");
  RunRecording(page, 3);
  EXPECT_EQ(4, page.engine.Zeros());
}

TEST(SleepOverZero, PlainTimerEndsAtZeroRingingOnce) {
  ClockedPage page;
  page.Start(timer::kNormal, "00", "00", "10");
  page.Second();
  page.SleepAndWake(600);
  EXPECT_EQ(1, page.bell.Rings());
  EXPECT_EQ("00:00:00", page.display.Last());
  EXPECT_EQ(1, page.engine.Zeros());
  page.Deliver();
  EXPECT_FALSE(page.engine.Running());
}

TEST(SleepOverZero, RepeatWakesInTheRightPassWithItsCount) {
  ClockedPage page;
  page.engine.SetRepeatSetting(3);
  page.Start(timer::kRepeat, "00", "00", "10");
  page.SleepAndWake(25);
  EXPECT_EQ(1, page.bell.Rings());
  EXPECT_EQ(5, page.engine.Remaining());
  EXPECT_EQ(1, page.engine.RepeatLeft());
  EXPECT_EQ("00:00:05", page.display.Last());
  char notice[timer::kNoticeSize];
  timer::FormatRepeatNotice(2, notice, sizeof notice);
  EXPECT_EQ(notice, page.status.text);
  EXPECT_EQ("normal 5/10", page.ProgressText());
  EXPECT_TRUE(page.ticker.armed);
}

TEST(SleepOverZero, RepeatSleptPastItsLastPassEndsOnce) {
  ClockedPage page;
  page.engine.SetRepeatSetting(1);
  page.Start(timer::kRepeat, "00", "00", "10");
  page.SleepAndWake(100);
  EXPECT_EQ(1, page.bell.Rings());
  EXPECT_EQ(2, page.engine.Zeros());
  page.Deliver();
  EXPECT_FALSE(page.engine.Running());
}

TEST(SleepOverZero, BellTimesPassedInTheSleepAreGoneAndRangOnce) {
  ClockedPage page;
  page.engine.SetBellTimes({"00:00:20", "00:00:40", "00:00:50"});
  page.Start(timer::kBells, "00", "01", "00");
  page.SleepAndWake(30);
  EXPECT_EQ(1, page.bell.Rings());
  ASSERT_EQ(1, page.engine.PendingBellCount());
  EXPECT_STREQ("00:00:20", page.engine.PendingBellTime(0));
  EXPECT_EQ("00:00:30", page.display.Last());
}

TEST(SleepOverZero, OverrunCountsUpByTheTimePastZero) {
  ClockedPage page;
  page.Start(timer::kOverrun, "00", "00", "10");
  page.SleepAndWake(25);
  EXPECT_EQ(1, page.bell.Rings());
  EXPECT_TRUE(page.engine.Overrun());
  EXPECT_EQ(15, page.engine.Remaining());
  EXPECT_EQ("00:00:15", page.display.Last());
  EXPECT_EQ("error 1/1", page.ProgressText());
}

TEST(SleepOverZero, AlarmShowsItsMessageAfterTheWake) {
  ClockedPage page;
  page.clock.Set(11, 59, 0);
  page.Start(timer::kAlarm, "12", "00", "00");
  page.SleepAndWake(3600);
  EXPECT_EQ(1, page.bell.Rings());
  EXPECT_EQ("■12:00:00になりました。", page.status.text);
  EXPECT_EQ("■12:00:00■", page.maxDisplay.label);
  page.Deliver();
  EXPECT_FALSE(page.engine.Running());
  EXPECT_EQ("■12:00:00になりました。", page.status.text);
}

TEST(SleepOverZero, PausedTimeIsNotCountedAndLateTicksFindNothingToCount) {
  ClockedPage page;
  page.Start(timer::kNormal, "00", "01", "00");
  page.runClock.Pass(2600);
  page.engine.OnTick();
  EXPECT_EQ(57, page.engine.Remaining());
  page.engine.PauseOrResume();
  page.runClock.Pass(3600000);
  page.engine.PauseOrResume();
  page.Second();
  EXPECT_EQ(56, page.engine.Remaining());
  // A burst of ticks the timer service kept during the sleep counts nothing more.
  page.engine.OnTick();
  page.engine.OnTick();
  EXPECT_EQ(56, page.engine.Remaining());
  EXPECT_EQ(0, page.bell.Rings());
}

TEST(SleepOverZero, TicksSlightlyEarlyOrLateCountOneSecondEach) {
  ClockedPage page;
  page.Start(timer::kNormal, "00", "00", "10");
  page.runClock.Pass(990);
  page.engine.OnTick();
  page.runClock.Pass(1020);
  page.engine.OnTick();
  page.runClock.Pass(970);
  page.engine.OnTick();
  EXPECT_EQ(7, page.engine.Remaining());
  EXPECT_EQ((std::vector<std::string>{"00:00:10", "00:00:09", "00:00:08", "00:00:07"}),
            page.display.shown);
}

}  // namespace
