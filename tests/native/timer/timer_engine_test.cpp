#include "timer/timer_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "support/fake_timer_page.h"

namespace {

using timer::kAccepted;
using timer_test::FakeTimerPage;

// Starts the page's timer from the fields as the start button would.
void PressStart(FakeTimerPage& page) {
  ASSERT_EQ(kAccepted, page.engine.PressStart());
}

std::vector<std::string> ShownSince(const FakeTimerPage& page, size_t from) {
  return std::vector<std::string>(page.display.shown.begin() + from, page.display.shown.end());
}

TEST(NormalTimer, CountsThreeSecondsDownRingsOnceAndReturnsToIdle) {
  FakeTimerPage page;
  page.SetFields("00", "00", "03");
  PressStart(page);
  EXPECT_EQ("00:00:03", page.Shown());
  EXPECT_EQ("一時停止", page.controls.caption);
  EXPECT_EQ("running", page.controls.controls);
  EXPECT_TRUE(page.ticker.armed);
  const size_t before = page.display.shown.size();

  page.TickAndDeliver();
  page.TickAndDeliver();
  EXPECT_EQ(0, page.bell.Rings());
  page.Tick();
  EXPECT_EQ((std::vector<std::string>{"00:00:02", "00:00:01", "00:00:00"}),
            ShownSince(page, before));
  EXPECT_EQ(1, page.bell.Rings());
  EXPECT_FALSE(page.ticker.armed);
  EXPECT_EQ(1, page.controls.postedStops);
  page.DeliverPosted();

  EXPECT_FALSE(page.engine.Running());
  EXPECT_EQ("スタート", page.controls.caption);
  EXPECT_EQ("idle", page.controls.controls);
  EXPECT_EQ("00:00:00", page.Shown());
  EXPECT_EQ("", page.status.text);
  EXPECT_EQ(1, page.bell.Rings());
}

TEST(NormalTimer, TicksAfterTheStopAreIgnored) {
  FakeTimerPage page;
  page.SetFields("00", "00", "05");
  PressStart(page);
  page.Tick();
  page.engine.Stop();
  EXPECT_FALSE(page.ticker.armed);
  const size_t before = page.display.shown.size();
  page.engine.OnTick();  // a tick that was already on its way
  EXPECT_EQ(before, page.display.shown.size());
  EXPECT_EQ(4, page.engine.Remaining());
}

TEST(NormalTimer, RefusedTickerLeavesTheTimerRunningWithoutTicks) {
  FakeTimerPage page;
  page.ticker.armSucceeds = false;
  page.SetFields("00", "00", "05");
  PressStart(page);
  EXPECT_TRUE(page.engine.Running());
  EXPECT_EQ("一時停止", page.controls.caption);
  page.Ticks(3);
  EXPECT_EQ("00:00:05", page.Shown());
  page.engine.OnTick();  // not armed: nothing to count
  EXPECT_EQ(5, page.engine.Remaining());
}

TEST(NormalTimer, StartSilencesABellStillSoundingAndRemembersTheDuration) {
  FakeTimerPage page;
  page.SetFields("00", "00", "05");
  PressStart(page);
  EXPECT_EQ(1, page.bell.silences);
  EXPECT_EQ(1, page.controls.remembered);
}

TEST(OverrunTimer, RunsPastZeroWithRedNoticeAndStopClearsIt) {
  FakeTimerPage page;
  page.engine.SetMode(timer::kOverrun);
  page.SetFields("00", "00", "02");
  PressStart(page);
  EXPECT_EQ(timer::kLabelBlack, page.maxDisplay.labelColor);

  page.Tick();
  EXPECT_EQ("00:00:01", page.Shown());
  page.Tick();
  EXPECT_EQ("00:00:00", page.Shown());
  EXPECT_EQ(1, page.bell.Rings());
  EXPECT_TRUE(page.engine.Running());
  EXPECT_EQ(0, page.controls.postedStops);
  EXPECT_EQ("", page.status.text);

  page.Tick();
  EXPECT_EQ("00:00:01", page.Shown());
  EXPECT_TRUE(page.engine.Overrun());
  EXPECT_EQ("超過中！ 00:00:01", page.status.text);
  EXPECT_EQ("超過中！", page.maxDisplay.label);
  EXPECT_EQ(timer::kLabelRed, page.maxDisplay.labelColor);

  page.Tick();
  EXPECT_EQ("00:00:02", page.Shown());
  EXPECT_EQ("超過中！ 00:00:02", page.status.text);
  EXPECT_EQ(1, page.bell.Rings());

  page.engine.Stop();
  EXPECT_EQ("", page.status.text);
  EXPECT_EQ("", page.maxDisplay.label);
  EXPECT_FALSE(page.engine.Overrun());
  EXPECT_EQ("00:00:02", page.Shown());
}

TEST(OverrunTimer, StopsItselfAtTheLastSecondOfADay) {
  FakeTimerPage page;
  page.engine.SetMode(timer::kOverrun);
  page.SetFields("00", "00", "01");
  PressStart(page);
  page.Tick();  // zero, first ring
  page.Tick();  // 00:00:01 past zero
  page.Ticks(86397);
  EXPECT_EQ("23:59:58", page.Shown());
  EXPECT_EQ(0, page.controls.postedStops);

  page.Tick();
  EXPECT_EQ("23:59:59", page.Shown());
  EXPECT_EQ(2, page.bell.Rings());
  EXPECT_FALSE(page.ticker.armed);
  EXPECT_EQ(1, page.controls.postedStops);
  EXPECT_EQ("超過中！ 23:59:59", page.status.text);  // this tick still shows it
  page.DeliverPosted();
  EXPECT_EQ("", page.status.text);
  EXPECT_EQ("", page.maxDisplay.label);
  EXPECT_EQ("23:59:59", page.Shown());
}

TEST(RepeatTimer, CountTwoRunsThreeTimesAndStopsAtTheThirdZero) {
  FakeTimerPage page;
  page.engine.SetMode(timer::kRepeat);
  page.engine.SetRepeatSetting(2);
  page.SetFields("00", "00", "05");
  PressStart(page);
  EXPECT_EQ(2, page.engine.RepeatSetting());

  page.Ticks(4);
  EXPECT_EQ("00:00:01", page.Shown());
  EXPECT_EQ("", page.status.text);
  page.Tick();  // first zero: the full duration again at once
  EXPECT_EQ("00:00:05", page.Shown());
  EXPECT_EQ(1, page.bell.Rings());
  EXPECT_EQ("繰り返し[1回]", page.status.text);
  EXPECT_EQ("繰り返し[1回]", page.maxDisplay.label);

  page.Ticks(4);
  EXPECT_EQ("繰り返し[1回]", page.status.text);
  page.Tick();  // second zero
  EXPECT_EQ("00:00:05", page.Shown());
  EXPECT_EQ(2, page.bell.Rings());
  EXPECT_EQ("繰り返し[2回]", page.status.text);

  page.Ticks(4);
  EXPECT_EQ("00:00:01", page.Shown());
  EXPECT_EQ(0, page.controls.postedStops);
  page.Tick();  // third zero ends the run
  EXPECT_EQ("00:00:00", page.Shown());
  EXPECT_EQ(3, page.bell.Rings());
  EXPECT_EQ("", page.status.text);
  EXPECT_EQ(1, page.controls.postedStops);
  page.DeliverPosted();
  EXPECT_FALSE(page.engine.Running());
}

TEST(RepeatTimer, EndlessRestartsWithoutRepetitionText) {
  FakeTimerPage page;
  page.engine.SetMode(timer::kRepeat);
  page.engine.SetRepeatSetting(0);
  page.SetFields("00", "00", "02");
  PressStart(page);
  EXPECT_EQ(-1, page.engine.RepeatCount());
  page.Ticks(2 * 50);
  EXPECT_EQ(50, page.bell.Rings());
  EXPECT_TRUE(page.engine.Running());
  EXPECT_EQ(0, page.controls.postedStops);
  for (const std::string& text : page.status.history) EXPECT_EQ("", text);
  EXPECT_EQ("00:00:02", page.Shown());
}

TEST(RepeatTimer, NoRepeatSelectionCountsAsEndless) {
  FakeTimerPage page;
  page.engine.SetMode(timer::kRepeat);
  page.engine.SetRepeatSetting(-1);
  page.SetFields("00", "00", "01");
  PressStart(page);
  EXPECT_EQ(0, page.engine.RepeatSetting());
  page.Ticks(5);
  EXPECT_TRUE(page.engine.Running());
  EXPECT_EQ(0, page.controls.postedStops);
}

TEST(RepeatTimer, ResumeShowsTheStandingRepetitionLabelOnTheMaximisedDisplay) {
  FakeTimerPage page;
  page.engine.SetMode(timer::kRepeat);
  page.engine.SetRepeatSetting(3);
  page.engine.SetMaxDisplayOn(true);
  page.SetFields("00", "00", "02");
  PressStart(page);
  EXPECT_FALSE(page.maxDisplay.labelVisible);
  page.Ticks(3);
  EXPECT_TRUE(page.engine.PauseOrResume());
  page.maxDisplay.Show(false);
  page.maxDisplay.ShowControls(false);
  EXPECT_FALSE(page.engine.PauseOrResume());
  EXPECT_TRUE(page.maxDisplay.visible);
  EXPECT_TRUE(page.maxDisplay.labelVisible);
  EXPECT_FALSE(page.maxDisplay.buttonsVisible);
  EXPECT_EQ("繰り返し[1回]", page.maxDisplay.label);
}

TEST(BellsTimer, RingsAtEachChosenTimeAndAtZero) {
  FakeTimerPage page;
  page.engine.SetMode(timer::kBells);
  page.engine.SetBellTimes({"00:00:10", "00:00:30"});
  page.SetFields("00", "01", "00");
  PressStart(page);
  ASSERT_EQ(2, page.engine.PendingBellCount());
  EXPECT_STREQ("00:00:30", page.engine.PendingBellTime(0));

  page.Ticks(29);
  EXPECT_EQ(0, page.bell.Rings());
  page.Tick();
  EXPECT_EQ("00:00:30", page.Shown());
  EXPECT_EQ(1, page.bell.Rings());
  EXPECT_EQ("ベル[00:00:30]", page.status.text);
  EXPECT_EQ("ベル[00:00:30]", page.maxDisplay.label);
  EXPECT_EQ(1, page.engine.PendingBellCount());

  page.Ticks(20);
  EXPECT_EQ(2, page.bell.Rings());
  EXPECT_EQ("ベル[00:00:10]", page.status.text);
  EXPECT_EQ(0, page.engine.PendingBellCount());

  page.Ticks(10);
  EXPECT_EQ(3, page.bell.Rings());
  EXPECT_EQ("", page.status.text);
  page.DeliverPosted();
  EXPECT_FALSE(page.engine.Running());
}

TEST(BellsTimer, BellTimeAtZeroRingsTwiceInTheLastTick) {
  FakeTimerPage page;
  page.engine.SetMode(timer::kBells);
  page.engine.SetBellTimes({"00:00:00"});
  page.SetFields("00", "00", "02");
  PressStart(page);
  page.Tick();
  EXPECT_EQ(0, page.bell.Rings());
  page.Tick();
  EXPECT_EQ(2, page.bell.Rings());
  EXPECT_EQ(1, page.controls.postedStops);
}

TEST(BellsTimer, TimesAtOrAboveTheStartDoNotHoldBackEarlierOnes) {
  FakeTimerPage page;
  page.engine.SetMode(timer::kBells);
  page.engine.SetBellTimes({"00:00:02", "00:00:05", "00:00:10", "00:20:00"});
  page.SetFields("00", "00", "05");
  PressStart(page);
  ASSERT_EQ(1, page.engine.PendingBellCount());
  EXPECT_STREQ("00:00:02", page.engine.PendingBellTime(0));
  page.Ticks(3);
  EXPECT_EQ("ベル[00:00:02]", page.status.text);
  EXPECT_EQ(1, page.bell.Rings());
}

TEST(BellsTimer, EachStartTakesTheListAfresh) {
  FakeTimerPage page;
  page.engine.SetMode(timer::kBells);
  page.engine.SetBellTimes({"00:00:01", "00:00:03"});
  page.SetFields("00", "00", "05");
  PressStart(page);
  page.Ticks(2);
  EXPECT_EQ(1, page.engine.PendingBellCount());
  page.engine.Stop();
  page.engine.SetBellTimes({"00:00:04"});
  PressStart(page);
  ASSERT_EQ(1, page.engine.PendingBellCount());
  EXPECT_STREQ("00:00:04", page.engine.PendingBellTime(0));
}

TEST(AlarmTimer, CountsToTheClockTimeAndKeepsItsMessageAfterTheStop) {
  FakeTimerPage page;
  page.engine.SetMode(timer::kAlarm);
  page.clock.Set(11, 59, 30);
  page.SetFields("12", "00", "00");
  PressStart(page);
  EXPECT_EQ("00:00:30", page.Shown());
  EXPECT_EQ(0, page.controls.remembered);  // a clock time is no duration to keep
  page.Ticks(29);
  EXPECT_EQ(0, page.bell.Rings());
  page.Tick();
  EXPECT_EQ("00:00:00", page.Shown());
  EXPECT_EQ(1, page.bell.Rings());
  EXPECT_EQ("■12:00:00になりました。", page.status.text);
  EXPECT_EQ("■12:00:00■", page.maxDisplay.label);
  page.DeliverPosted();
  EXPECT_FALSE(page.engine.Running());
  EXPECT_EQ("■12:00:00になりました。", page.status.text);
  EXPECT_EQ("■12:00:00■", page.maxDisplay.label);
}

TEST(AlarmTimer, AClockTimeAlreadyPassedIsReachedTheNextDay) {
  FakeTimerPage page;
  page.engine.SetMode(timer::kAlarm);
  page.clock.Set(23, 59, 50);
  page.SetFields("00", "00", "10");
  PressStart(page);
  EXPECT_EQ(20, page.engine.Remaining());

  page.engine.Stop();
  page.clock.Set(12, 0, 0);
  page.SetFields("11", "00", "00");
  PressStart(page);
  EXPECT_EQ("23:00:00", page.Shown());
}

TEST(AlarmTimer, StartedInTheVerySecondOfItsClockTimeCountsAWholeDay) {
  FakeTimerPage page;
  page.engine.SetMode(timer::kAlarm);
  page.clock.Set(7, 30, 0);
  page.SetFields("07", "30", "00");
  PressStart(page);
  EXPECT_EQ(86400, page.engine.Remaining());
  page.Tick();
  EXPECT_EQ("23:59:59", page.Shown());
  page.Ticks(86398);
  EXPECT_EQ("00:00:01", page.Shown());
  EXPECT_EQ(0, page.bell.Rings());
  page.Tick();
  EXPECT_EQ("00:00:00", page.Shown());
  EXPECT_EQ(1, page.bell.Rings());
  EXPECT_EQ("■07:30:00になりました。", page.status.text);
}

TEST(AlarmTimer, MidnightClockTimeIsRefusedLikeAZeroDuration) {
  FakeTimerPage page;
  page.engine.SetMode(timer::kAlarm);
  page.SetFields("00", "00", "00");
  EXPECT_EQ(timer::kZeroDuration, page.engine.PressStart());
  EXPECT_FALSE(page.engine.Running());
}

TEST(PauseAndResume, PausedTimerHoldsItsValueAndResumesFromIt) {
  FakeTimerPage page;
  page.SetFields("00", "00", "10");
  PressStart(page);
  page.Ticks(3);
  EXPECT_EQ(kAccepted, page.engine.PressStart());  // pauses
  EXPECT_TRUE(page.engine.Paused());
  EXPECT_EQ("再開", page.controls.caption);
  EXPECT_FALSE(page.ticker.armed);
  page.engine.OnTick();  // a tick queued before the pause
  EXPECT_EQ("00:00:07", page.Shown());

  EXPECT_EQ(kAccepted, page.engine.PressStart());  // resumes
  EXPECT_FALSE(page.engine.Paused());
  EXPECT_EQ("一時停止", page.controls.caption);
  EXPECT_EQ("running", page.controls.controls);
  page.Tick();
  EXPECT_EQ("00:00:06", page.Shown());
}

TEST(PauseAndResume, PausedAlarmEndsLaterThanItsClockTime) {
  FakeTimerPage page;
  page.engine.SetMode(timer::kAlarm);
  page.clock.Set(9, 0, 0);
  page.SetFields("09", "00", "05");
  PressStart(page);
  page.Ticks(2);
  page.engine.PauseOrResume();
  page.clock.Set(9, 0, 30);
  page.engine.PauseOrResume();
  EXPECT_EQ(3, page.engine.Remaining());
  page.Ticks(3);
  EXPECT_EQ(1, page.controls.postedStops);
}

TEST(PauseAndResume, StopWhilePausedReturnsToIdle) {
  FakeTimerPage page;
  page.SetFields("00", "00", "10");
  PressStart(page);
  page.engine.PauseOrResume();
  page.engine.Stop();
  EXPECT_FALSE(page.engine.Running());
  EXPECT_FALSE(page.engine.Paused());
  EXPECT_EQ("スタート", page.controls.caption);
  PressStart(page);
  EXPECT_EQ("00:00:10", page.Shown());
  EXPECT_TRUE(page.ticker.armed);
}

TEST(StartButton, RefusedFieldsStartNothing) {
  struct Case {
    const char* h;
    const char* m;
    const char* s;
    timer::DurationVerdict verdict;
  };
  const Case cases[] = {
      {"24", "00", "00", timer::kHoursOutOfRange},
      {"00", "60", "00", timer::kMinutesOutOfRange},
      {"00", "00", "60", timer::kSecondsOutOfRange},
      {"00", "00", "00", timer::kZeroDuration},
      {"", "", "", timer::kZeroDuration},
  };
  for (const Case& c : cases) {
    FakeTimerPage page;
    page.SetFields(c.h, c.m, c.s);
    EXPECT_EQ(c.verdict, page.engine.PressStart()) << c.h << ":" << c.m << ":" << c.s;
    EXPECT_FALSE(page.engine.Running());
    EXPECT_EQ(0, page.ticker.arms);
    EXPECT_TRUE(page.display.shown.empty());
  }
}

TEST(BellRinging, SwitchedOffBellMakesNoSoundAtAll) {
  FakeTimerPage page;
  page.engine.SwitchBell(false);
  EXPECT_EQ("ベル音を鳴らしません。", page.status.text);
  EXPECT_EQ(1, page.bell.silences);
  page.SetFields("00", "00", "01");
  PressStart(page);
  page.Tick();
  EXPECT_EQ(0, page.bell.beeps);
  EXPECT_TRUE(page.bell.played.empty());
  page.engine.SwitchBell(true);
  EXPECT_EQ("ベル音を鳴らします。", page.status.text);
}

TEST(BellRinging, ChosenFileIsPlayedInsteadOfTheSystemSound) {
  FakeTimerPage page;
  page.engine.SetBellFile("C:\\snd\\bell.wav");
  page.SetFields("00", "00", "01");
  PressStart(page);
  page.Tick();
  EXPECT_EQ(0, page.bell.beeps);
  ASSERT_EQ(1u, page.bell.played.size());
  EXPECT_EQ("C:\\snd\\bell.wav", page.bell.played[0]);
}

TEST(MaximisedDisplayDuringRun, StartCoversTheScreenWithoutControlsAndStopShowsThem) {
  FakeTimerPage page;
  page.engine.SetMaxDisplayOn(true);
  page.maxDisplay.labelVisible = page.maxDisplay.buttonsVisible = true;
  page.SetFields("00", "00", "03");
  PressStart(page);
  EXPECT_TRUE(page.maxDisplay.visible);
  EXPECT_EQ("00:00:03", page.maxDisplay.text);
  EXPECT_FALSE(page.maxDisplay.labelVisible);
  EXPECT_FALSE(page.maxDisplay.buttonsVisible);
  page.Tick();
  EXPECT_EQ("00:00:02", page.maxDisplay.text);

  page.engine.HideMaxDisplay();  // Esc in the display: the run goes on
  page.Tick();
  EXPECT_EQ("00:00:02", page.maxDisplay.text);
  EXPECT_EQ("00:00:01", page.Shown());

  page.TickAndDeliver();
  EXPECT_TRUE(page.maxDisplay.buttonsVisible);
  EXPECT_TRUE(page.maxDisplay.labelVisible);
  EXPECT_FALSE(page.maxDisplay.visible);  // keeps its visibility
}

TEST(MaximisedDisplayDuringRun, SwitchWhilePausedWaitsForTheResume) {
  FakeTimerPage page;
  page.SetFields("00", "00", "10");
  PressStart(page);
  page.engine.PauseOrResume();
  page.engine.SetMaxDisplayOn(true);
  page.engine.SwitchMaxDisplay(true);
  EXPECT_EQ("最大ウィンドウはESCキーで閉じられます。", page.status.text);
  EXPECT_EQ(0, page.maxDisplay.opens);
  page.engine.PauseOrResume();
  EXPECT_EQ(1, page.maxDisplay.opens);
  EXPECT_TRUE(page.maxDisplay.visible);

  page.engine.SetMaxDisplayOn(false);
  page.engine.SwitchMaxDisplay(false);
  EXPECT_EQ("", page.status.text);
  EXPECT_FALSE(page.maxDisplay.visible);
}

TEST(MaximisedDisplayDuringRun, SwitchWhileIdleOnlyShowsTheHint) {
  FakeTimerPage page;
  page.engine.SetMaxDisplayOn(true);
  page.engine.SwitchMaxDisplay(true);
  EXPECT_EQ(0, page.maxDisplay.opens);
}

TEST(MaximisedDisplayDuringRun, OverrunLabelReturnsOnResume) {
  FakeTimerPage page;
  page.engine.SetMode(timer::kOverrun);
  page.engine.SetMaxDisplayOn(true);
  page.SetFields("00", "00", "01");
  PressStart(page);
  page.Ticks(2);
  page.engine.PauseOrResume();
  page.maxDisplay.ShowControls(false);
  page.engine.PauseOrResume();
  EXPECT_TRUE(page.maxDisplay.labelVisible);
  EXPECT_EQ("超過中！", page.maxDisplay.label);
}

TEST(ModeChoice, NumbersOutsideTheModesCountAsThePlainTimer) {
  FakeTimerPage page;
  page.engine.SetMode(4);
  EXPECT_EQ(timer::kAlarm, page.engine.Mode());
  page.engine.SetMode(5);
  EXPECT_EQ(timer::kNormal, page.engine.Mode());
  page.engine.SetMode(-1);
  EXPECT_EQ(timer::kNormal, page.engine.Mode());
}

TEST(ModeChoice, ResetShowsZeroWithoutTouchingTheRun) {
  FakeTimerPage page;
  page.SetFields("00", "00", "10");
  PressStart(page);
  page.engine.Stop();
  page.engine.ResetRemaining();
  EXPECT_EQ(0, page.engine.Remaining());
  EXPECT_EQ("00:00:00", page.Shown());
}

// The engine owns the bell times; the page's list only shows them.
TEST(BellTimes, KeptAscendingOnceEachAtMostAHundredWithTheIndexTheListShows) {
  timer_test::FakeTimerPage page;
  timer::TimerEngine& engine = page.engine;
  EXPECT_EQ(0, engine.AddBellTime("00:00:30"));
  EXPECT_EQ(0, engine.AddBellTime("00:00:10"));
  EXPECT_EQ(1, engine.AddBellTime("00:00:30"));  // there already: where it is
  EXPECT_EQ(2, engine.AddBellTime("00:01:00"));
  // Each index names the time just added, while the list grows (and moves).
  for (int i = 0; engine.BellTimes().size() < 100; ++i) {
    char text[32];
    std::snprintf(text, sizeof text, "01:%02d:%02d", i / 60 % 60, i % 60);
    const int index = engine.AddBellTime(text);
    ASSERT_GE(index, 0);
    ASSERT_EQ(text, engine.BellTimes()[index]);
  }
  EXPECT_EQ(-1, engine.AddBellTime("00:00:01"));  // full
  EXPECT_EQ(0, engine.AddBellTime("00:00:10"));   // a time already there is still found
  EXPECT_TRUE(std::is_sorted(engine.BellTimes().begin(), engine.BellTimes().end()));
  engine.RemoveBellTime(0);
  engine.RemoveBellTime(100);  // no such index: nothing happens
  EXPECT_EQ(99u, engine.BellTimes().size());
  EXPECT_EQ("00:00:30", engine.BellTimes()[0]);
  engine.SetBellTimes({"00:00:05", "00:00:01", "00:00:05"});
  EXPECT_EQ((std::vector<std::string>{"00:00:01", "00:00:05"}), engine.BellTimes());
  engine.SetRepeatSetting(-1);  // none chosen counts as endless
  EXPECT_EQ(0, engine.RepeatSetting());
}

}  // namespace
