#include "stopwatch/stopwatch_engine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_stopwatch_page.h"
#include "support/fakes.h"

namespace {

using stopwatch_test::FakeControls;
using stopwatch_test::FakeRows;

class StopwatchEngineTest : public ::testing::Test {
 protected:
  StopwatchEngineTest() : engine(timer, monotonic, clock, rows, controls, readout) {}

  // Each tick comes exactly one period after the last one, unless the test
  // moves the clock itself.
  void Tick(int count) {
    for (int i = 0; i < count; ++i) {
      if (tickMovesClock)
        monotonic.Pass(timer.period);
      engine.OnTick();
    }
  }
  void SetClock(int hour, int minute, int second, int ms) { clock.Set(hour, minute, second, ms); }
  const std::vector<std::string>& Cells(int row) { return rows.rows.at(row).cells; }
  void ExpectStopped() {
    EXPECT_FALSE(engine.IsRunning());
    EXPECT_FALSE(timer.armed);
    EXPECT_EQ("スタート", controls.startCaption);
    EXPECT_TRUE(controls.setupEnabled);
    EXPECT_FALSE(controls.stopEnabled);
  }

  bool tickMovesClock = true;
  fakes::TickSource timer;
  fakes::MonotonicClock monotonic;
  fakes::LocalClock clock;
  FakeRows rows;
  FakeControls controls;
  fakes::TimeReadout readout;
  StopwatchEngine engine;
};

TEST_F(StopwatchEngineTest, LapModeRunRecordsSplitsCumulativeAndAverage) {
  engine.UpdateStatusText();
  EXPECT_EQ("スタート：通常", controls.status);

  engine.StartOrLap();
  EXPECT_TRUE(engine.IsRunning());
  EXPECT_TRUE(timer.armed);
  EXPECT_EQ(1u, timer.period);
  EXPECT_EQ("ラップ計測", controls.startCaption);
  EXPECT_TRUE(controls.startEnabled);
  EXPECT_TRUE(controls.stopEnabled);
  EXPECT_FALSE(controls.setupEnabled);
  EXPECT_EQ("00:00:00:000", readout.Last());
  EXPECT_EQ("ラップ計測：通常 ストップ：通常", controls.status);

  Tick(1000);
  EXPECT_EQ("00:00:01:000", readout.Last());
  engine.StartOrLap();
  Tick(2000);
  engine.StopRun();

  ExpectStopped();
  EXPECT_EQ("スタート：通常", controls.status);
  ASSERT_EQ(2u, rows.rows.size());
  EXPECT_EQ((std::vector<std::string>{"1", "09:00:00.000", "09:00:01.000", "00:00:01:000",
                                      "00:00:01:000", "00:00:01:000", "00:00:01:000"}),
            Cells(0));
  EXPECT_EQ((std::vector<std::string>{"2", "09:00:00.000", "09:00:03.000", "00:00:02:000",
                                      "00:00:03:000", "00:00:03:000", "00:00:01:500"}),
            Cells(1));
  EXPECT_EQ(0, rows.rows[0].parameter);
  EXPECT_EQ(1, rows.lastVisible);
  EXPECT_EQ(30000000, engine.CumulativeTotal());
}

TEST_F(StopwatchEngineTest, NormalModePausesWithARowAndResumesWithout) {
  engine.SetMode(kNormalMode);
  EXPECT_EQ("通常", controls.modeCaption);
  engine.StartOrLap();
  EXPECT_EQ("一時停止", controls.startCaption);
  EXPECT_EQ("一時停止：通常 ストップ：通常", controls.status);
  Tick(2000);

  engine.StartOrLap();  // pause
  EXPECT_TRUE(engine.IsPaused());
  EXPECT_FALSE(timer.armed);
  EXPECT_EQ("再開", controls.startCaption);
  EXPECT_EQ("再開：通常 ストップ：通常", controls.status);
  ASSERT_EQ(1u, rows.rows.size());
  EXPECT_EQ("00:00:02:000", Cells(0)[3]);

  Tick(5000);  // nothing may count while paused
  EXPECT_EQ(2000u, engine.Ticks());

  engine.StartOrLap();  // resume
  EXPECT_TRUE(timer.armed);
  EXPECT_EQ("一時停止", controls.startCaption);
  EXPECT_EQ(1u, rows.rows.size());
  Tick(3000);
  engine.StartOrLap();  // pause again
  ASSERT_EQ(2u, rows.rows.size());
  EXPECT_EQ("09:00:05.000", Cells(1)[2]);
  EXPECT_EQ("00:00:03:000", Cells(1)[3]);
  EXPECT_EQ("00:00:05:000", Cells(1)[4]);

  const int disarms = timer.disarms;
  engine.StopRun();  // while paused: no row
  EXPECT_EQ(2u, rows.rows.size());
  EXPECT_EQ(disarms, timer.disarms);
  ExpectStopped();
}

TEST_F(StopwatchEngineTest, NormalModeStopWhileRunningRecordsTheLastRow) {
  engine.SetMode(kNormalMode);
  engine.StartOrLap();
  Tick(1500);
  engine.StopRun();
  ASSERT_EQ(1u, rows.rows.size());
  EXPECT_EQ("00:00:01:500", Cells(0)[3]);
  ExpectStopped();
}

TEST_F(StopwatchEngineTest, EveryAccuracyStopsByItselfAtItsLastValue) {
  const char* const lastValues[kAccuracyCount] = {
      "99:59:59:999",   "99:59:59:99",   "99:59:59:9",   "99:59:59",
      "999:59:59:999",  "999:59:59:99",  "999:59:59:9",  "999:59:59",
      "9999:59:59:999", "9999:59:59:99", "9999:59:59:9", "9999:59:59"};
  for (int index = 0; index < kAccuracyCount; ++index) {
    SCOPED_TRACE(index);
    engine.ChangeAccuracy(index);
    engine.StartOrLap();
    EXPECT_EQ(AccuracyAt(index).tickPeriodMs, timer.period);
    monotonic.Pass((AccuracyTickLimit(AccuracyAt(index)) - 2) * timer.period);
    Tick(1);
    EXPECT_TRUE(engine.IsRunning());
    EXPECT_NE(lastValues[index], readout.Last());
    Tick(1);
    EXPECT_FALSE(engine.IsRunning());
    EXPECT_FALSE(timer.armed);
    EXPECT_EQ(lastValues[index], readout.Last());
    // The final row's elapsed-since-start shows the same value.
    EXPECT_EQ(lastValues[index], rows.rows.back().cells[4]);
    Tick(1);  // a late tick changes nothing
    EXPECT_EQ(lastValues[index], readout.Last());
  }
  EXPECT_EQ(static_cast<size_t>(kAccuracyCount), rows.rows.size());
}

TEST_F(StopwatchEngineTest, LapAcrossMidnightShowsTheNewDaysClockTime) {
  SetClock(23, 59, 59, 500);
  engine.StartOrLap();
  Tick(1000);
  engine.StartOrLap();
  ASSERT_EQ(1u, rows.rows.size());
  EXPECT_EQ("23:59:59.500", Cells(0)[1]);
  EXPECT_EQ("00:00:00.500", Cells(0)[2]);
  EXPECT_EQ("00:00:01:000", Cells(0)[3]);
}

TEST_F(StopwatchEngineTest, SecondRunContinuesCountAndTotalsWithTheOtherShade) {
  engine.StartOrLap();
  Tick(1000);
  engine.StopRun();
  EXPECT_EQ(1, engine.ShadeFlag());

  SetClock(10, 0, 0, 0);
  engine.StartOrLap();
  Tick(500);
  engine.StartOrLap();
  Tick(500);
  engine.StopRun();

  ASSERT_EQ(3u, rows.rows.size());
  EXPECT_EQ(0, rows.rows[0].parameter);
  EXPECT_EQ(1, rows.rows[1].parameter);
  EXPECT_EQ(1, rows.rows[2].parameter);
  EXPECT_EQ((std::vector<std::string>{"2", "10:00:00.000", "10:00:00.500", "00:00:00:500",
                                      "00:00:00:500", "00:00:01:500", "00:00:00:750"}),
            Cells(1));
  EXPECT_EQ((std::vector<std::string>{"3", "10:00:00.000", "10:00:01.000", "00:00:00:500",
                                      "00:00:01:000", "00:00:02:000", "00:00:00:667"}),
            Cells(2));
  EXPECT_EQ(0, engine.ShadeFlag());

  // A third run goes back to plain rows.
  engine.StartOrLap();
  Tick(1);
  engine.StopRun();
  EXPECT_EQ(0, rows.rows[3].parameter);
}

TEST_F(StopwatchEngineTest, ClearStartsTheTableAfreshAtTheCurrentAccuracy) {
  engine.StartOrLap();
  Tick(700);
  engine.StopRun();
  engine.ChangeAccuracy(1);
  engine.StartOrLap();
  Tick(30);
  engine.StopRun();
  ASSERT_EQ(2u, rows.rows.size());

  engine.Clear();
  EXPECT_EQ(1, rows.clears);
  EXPECT_TRUE(rows.rows.empty());
  EXPECT_EQ("00:00:00:00", readout.Last());
  EXPECT_EQ(0u, engine.Ticks());
  EXPECT_EQ(0, engine.CumulativeTotal());

  engine.StartOrLap();
  Tick(20);
  engine.StopRun();
  ASSERT_EQ(1u, rows.rows.size());
  EXPECT_EQ("1", Cells(0)[0]);
  EXPECT_EQ(0, rows.rows[0].parameter);
  EXPECT_EQ("00:00:00:20", Cells(0)[5]);
}

TEST_F(StopwatchEngineTest, AccuracyChangeKeepsRowsAndLaterRowsUseTheNewDecimals) {
  engine.StartOrLap();
  Tick(1234);
  engine.StopRun();
  ASSERT_EQ("00:00:01:234", Cells(0)[3]);

  engine.ChangeAccuracy(1);
  EXPECT_EQ("00:00:00:00", readout.Last());
  EXPECT_EQ(1u, rows.rows.size());
  engine.StartOrLap();
  EXPECT_EQ(10u, timer.period);
  Tick(100);
  EXPECT_EQ("00:00:01:00", readout.Last());
  engine.StopRun();

  ASSERT_EQ(2u, rows.rows.size());
  EXPECT_EQ("00:00:01:234", Cells(0)[3]);
  EXPECT_EQ((std::vector<std::string>{"2", "09:00:00.00", "09:00:01.00", "00:00:01:00",
                                      "00:00:01:00", "00:00:02:23", "00:00:01:12"}),
            Cells(1));
}

TEST_F(StopwatchEngineTest, SetupChangesAreRefusedWhileRunning) {
  engine.StartOrLap();
  Tick(10);
  engine.StartOrLap();
  engine.Clear();
  engine.ChangeAccuracy(3);
  engine.FlipMode();
  EXPECT_EQ(0, rows.clears);
  EXPECT_EQ(1u, rows.rows.size());
  EXPECT_EQ(0, engine.AccuracyIndex());
  EXPECT_EQ(kLapMode, engine.Mode());
  EXPECT_EQ(10u, engine.Ticks());
}

TEST_F(StopwatchEngineTest, StopOnAStoppedWatchChangesNothing) {
  engine.StartOrLap();
  Tick(5);
  engine.StopRun();
  engine.StopRun();
  engine.PressStop();
  EXPECT_EQ(1u, rows.rows.size());
  EXPECT_EQ(1, engine.ShadeFlag());
}

TEST_F(StopwatchEngineTest, TicksWhileStoppedAreIgnored) {
  Tick(10);
  EXPECT_EQ(0u, engine.Ticks());
  EXPECT_TRUE(readout.shown.empty());
}

TEST_F(StopwatchEngineTest, ModeFlipsBetweenLapAndNormal) {
  engine.FlipMode();
  EXPECT_EQ(kNormalMode, engine.Mode());
  EXPECT_EQ("通常", controls.modeCaption);
  engine.FlipMode();
  EXPECT_EQ(kLapMode, engine.Mode());
  EXPECT_EQ("ラップ", controls.modeCaption);
  engine.SetMode(5);  // a hand-edited value: the button reads lap, so it is lap mode
  EXPECT_EQ(kLapMode, engine.Mode());
  EXPECT_EQ("ラップ", controls.modeCaption);
}

TEST_F(StopwatchEngineTest, HiddenColumnsTakeNoPosition) {
  int flags[kLapColumnCount] = {1, 0, 1, 1, 1, 0, 1};
  engine.SetShownColumns(flags);
  engine.StartOrLap();
  Tick(250);
  engine.StopRun();
  EXPECT_EQ((std::vector<std::string>{"1", "09:00:00.250", "00:00:00:250", "00:00:00:250",
                                      "00:00:00:250"}),
            Cells(0));
}

TEST_F(StopwatchEngineTest, FixedColumnsStayAndSplitIsAlwaysWritten) {
  int flags[kLapColumnCount] = {0, 0, 0, 0, 0, 0, 0};
  engine.SetShownColumns(flags);
  EXPECT_EQ(1, engine.ColumnShown(kColumnLapNumber));
  EXPECT_EQ(1, engine.ColumnShown(kColumnSplit));
  engine.StartOrLap();
  Tick(3);
  engine.StopRun();
  EXPECT_EQ((std::vector<std::string>{"1", "00:00:00:003"}), Cells(0));
}

TEST_F(StopwatchEngineTest, ToggleColumnReportsWhereTheColumnGoes) {
  ColumnSwitch off = engine.ToggleColumn(kColumnSinceStart);
  EXPECT_TRUE(off.done);
  EXPECT_FALSE(off.shown);
  EXPECT_EQ(4, off.position);
  ColumnSwitch startOff = engine.ToggleColumn(kColumnStartTime);
  EXPECT_EQ(1, startOff.position);
  ColumnSwitch on = engine.ToggleColumn(kColumnSinceStart);
  EXPECT_TRUE(on.shown);
  EXPECT_EQ(3, on.position);  // after count, measured and elapsed
  EXPECT_EQ(75, on.width);
  EXPECT_EQ(1, engine.ColumnShown(kColumnSinceStart));

  for (int fixed : {0, 3, -1, 7}) {
    EXPECT_FALSE(engine.ToggleColumn(fixed).done);
  }
  EXPECT_EQ(1, engine.ColumnShown(kColumnSplit));
}

TEST_F(StopwatchEngineTest, GlobalTriggerMethodsDisableTheirButtonsAndNameThemselves) {
  HookNeeds needs = engine.SetTriggerMethods({1, 7, 3});
  EXPECT_TRUE(needs.mouse);
  EXPECT_TRUE(needs.key);
  EXPECT_FALSE(controls.startEnabled);
  EXPECT_FALSE(controls.stopEnabled);
  EXPECT_EQ("スタート：左クリックDOWN", controls.status);

  engine.PressStart();  // the button is not the start method
  EXPECT_FALSE(engine.IsRunning());
  engine.StartOrLap();  // as the mouse trigger does
  EXPECT_FALSE(controls.startEnabled);
  EXPECT_FALSE(controls.stopEnabled);
  EXPECT_EQ("ラップ計測：スペースキー押下 ストップ：右クリックDOWN", controls.status);
  engine.PressStop();
  EXPECT_TRUE(engine.IsRunning());
  engine.StopRun();
  EXPECT_FALSE(controls.startEnabled);
}

TEST_F(StopwatchEngineTest, MethodsReadWhileRunningSetTheButtonsOfTheRunningState) {
  engine.StartOrLap();
  engine.SetTriggerMethods({0, 8, 0});
  EXPECT_FALSE(controls.startEnabled);
  EXPECT_TRUE(controls.stopEnabled);
  engine.SetTriggerMethods({2, 0, 6});
  EXPECT_TRUE(controls.startEnabled);
  EXPECT_FALSE(controls.stopEnabled);
  EXPECT_EQ("ラップ計測：通常 ストップ：ホイールクリックUP", controls.status);
}

TEST_F(StopwatchEngineTest, MethodsOutsideTheTableActAsTheButton) {
  HookNeeds needs = engine.SetTriggerMethods({9, -1, 1000});
  EXPECT_FALSE(needs.mouse);
  EXPECT_FALSE(needs.key);
  EXPECT_TRUE(controls.startEnabled);
  EXPECT_EQ("スタート：通常", controls.status);
  engine.PressStart();
  EXPECT_TRUE(engine.IsRunning());
  EXPECT_TRUE(controls.stopEnabled);
  EXPECT_EQ(0, engine.TriggerMethods().stop);
}

TEST_F(StopwatchEngineTest, ButtonsActOnlyForTheirOwnMethod) {
  engine.SetTriggerMethods({0, 5, 0});
  engine.PressStart();
  EXPECT_TRUE(engine.IsRunning());
  Tick(10);
  engine.PressStart();  // lapping is the wheel's job now
  EXPECT_TRUE(rows.rows.empty());
  engine.PressStop();
  EXPECT_FALSE(engine.IsRunning());
  EXPECT_EQ(1u, rows.rows.size());
}

TEST_F(StopwatchEngineTest, FailedTimerLeavesARunningWatchAtZero) {
  timer.armSucceeds = false;
  engine.SetMode(kNormalMode);
  engine.StartOrLap();
  EXPECT_TRUE(engine.IsRunning());
  Tick(100);
  EXPECT_EQ(0u, engine.Ticks());
  engine.StartOrLap();  // counts as a resume: no row
  EXPECT_EQ("一時停止", controls.startCaption);
  EXPECT_TRUE(rows.rows.empty());
  engine.StopRun();
  EXPECT_TRUE(rows.rows.empty());
  EXPECT_EQ(0, timer.disarms);
}

TEST_F(StopwatchEngineTest, EveryArmingIsMatchedByOneDisarming) {
  engine.SetMode(kNormalMode);
  engine.StartOrLap();
  engine.StartOrLap();
  engine.StartOrLap();
  engine.StopRun();
  EXPECT_EQ(2, timer.arms);
  EXPECT_EQ(2, timer.disarms);
  engine.DisarmTimer();
  EXPECT_EQ(2, timer.disarms);
}

TEST_F(StopwatchEngineTest, ExportOnlyFromAStoppedWatchWithRows) {
  EXPECT_FALSE(engine.CanExport(0));
  EXPECT_TRUE(engine.CanExport(1));
  engine.StartOrLap();
  EXPECT_FALSE(engine.CanExport(3));
}

TEST(StopwatchStatus, NamesEveryMethodInEachState) {
  char text[kStatusTextSize];
  FormatStopwatchStatus(false, kLapMode, "スタート", 8, 0, 0, text, sizeof text);
  EXPECT_STREQ("スタート：Enterキー押下", text);
  FormatStopwatchStatus(true, kNormalMode, "再開", 0, 4, 2, text, sizeof text);
  EXPECT_STREQ("再開：右クリックUP ストップ：左クリックUP", text);
  FormatStopwatchStatus(true, kLapMode, "ignored", 0, 5, 7, text, sizeof text);
  EXPECT_STREQ("ラップ計測：ホイールクリックDOWN ストップ：スペースキー押下", text);
  char small[8];
  FormatStopwatchStatus(true, kLapMode, nullptr, 0, 5, 7, small, sizeof small);
  EXPECT_EQ(7u, std::string(small).size());
}

TEST(LapColumns, StoredFlagsAreMendedToShownOrHidden) {
  int firstRun[kLapColumnCount] = {2, 2, 2, 2, 2, 2, 2};
  MendShownColumns(firstRun);
  for (int flag : firstRun) EXPECT_EQ(1, flag);

  int stored[kLapColumnCount] = {1, 0, 1, 1, 1, 0, 1};
  MendShownColumns(stored);
  EXPECT_EQ((std::vector<int>{1, 0, 1, 1, 1, 0, 1}), std::vector<int>(stored, stored + 7));

  // Fixed columns always show; odd values and keys missing after the first hide.
  int edited[kLapColumnCount] = {0, 5, -1, 0, 2, 2, 1};
  MendShownColumns(edited);
  EXPECT_EQ((std::vector<int>{1, 0, 0, 1, 0, 0, 1}), std::vector<int>(edited, edited + 7));

  int firstOdd[kLapColumnCount] = {7, 1, 1, 1, 1, 1, 1};
  MendShownColumns(firstOdd);
  for (int flag : firstOdd) EXPECT_EQ(1, flag);
}

TEST(LapColumns, MenuCommandsAndHeadersMatchTheColumns) {
  EXPECT_EQ(1, LapColumnForCommand(5000));
  EXPECT_EQ(2, LapColumnForCommand(5001));
  EXPECT_EQ(4, LapColumnForCommand(5002));
  EXPECT_EQ(5, LapColumnForCommand(5003));
  EXPECT_EQ(6, LapColumnForCommand(5004));
  EXPECT_EQ(-1, LapColumnForCommand(5005));
  EXPECT_EQ(-1, LapColumnForCommand(0));

  char text[32] = "keep";
  ColumnHeaderText(7, text, sizeof text);
  EXPECT_STREQ("keep", text);
  ColumnHeaderText(4, text, sizeof text);
  EXPECT_STREQ("開始からの経過時間", text);
  const int widths[kLapColumnCount] = {37, 75, 75, 75, 100, 75, 75};
  for (int column = 0; column < kLapColumnCount; ++column) {
    EXPECT_EQ(widths[column], LapColumnAt(column)->initialWidth);
  }
}

// Runs counted against the monotonic clock as the test moves it: ticks only
// say when to look.
class StopwatchClockCountTest : public StopwatchEngineTest {
 protected:
  StopwatchClockCountTest() { tickMovesClock = false; }
  void Pass(uint64_t milliseconds) { monotonic.Pass(milliseconds); }
};

TEST_F(StopwatchClockCountTest, LateTickCatchesUpAndTheBurstBehindItAddsNothing) {
  engine.StartOrLap();
  Pass(50);
  Tick(1);
  EXPECT_EQ(50u, engine.Ticks());
  EXPECT_EQ("00:00:00:050", readout.Last());
  const size_t draws = readout.shown.size();
  Tick(49);  // the late ticks arriving together
  EXPECT_EQ(50u, engine.Ticks());
  EXPECT_EQ(draws, readout.shown.size());
  Pass(10);
  Tick(1);
  EXPECT_EQ("00:00:00:060", readout.Last());
}

TEST_F(StopwatchClockCountTest, FinestAccuracyRedrawsEveryTenMillisecondsAndAPressCatchesUp) {
  engine.StartOrLap();
  const size_t draws = readout.shown.size();
  for (int i = 0; i < 100; ++i) {
    Pass(1);
    Tick(1);
  }
  EXPECT_EQ(draws + 10, readout.shown.size());
  EXPECT_EQ("00:00:00:100", readout.Last());
  Pass(3);
  Tick(1);
  EXPECT_EQ(103u, engine.Ticks());
  EXPECT_EQ("00:00:00:100", readout.Last());
  engine.StartOrLap();  // a lap shows what it records
  EXPECT_EQ("00:00:00:103", readout.Last());
  ASSERT_EQ(1u, rows.rows.size());
  EXPECT_EQ("00:00:00:103", Cells(0)[4]);
  engine.StopRun();

  engine.ChangeAccuracy(1);  // 10 ms: every new value is drawn
  engine.StartOrLap();
  const size_t coarserDraws = readout.shown.size();
  for (int i = 0; i < 10; ++i) {
    Pass(10);
    Tick(1);
  }
  EXPECT_EQ(coarserDraws + 10, readout.shown.size());
}

TEST_F(StopwatchClockCountTest, LostTicksLoseNoTime) {
  engine.ChangeAccuracy(1);  // 10 ms
  engine.StartOrLap();
  for (int i = 0; i < 25; ++i) {
    Pass(40);
    Tick(1);  // three ticks of every four never came
  }
  EXPECT_EQ("00:00:01:00", readout.Last());
  engine.StopRun();
  ASSERT_EQ(1u, rows.rows.size());
  EXPECT_EQ("00:00:01:00", Cells(0)[4]);
  EXPECT_EQ("09:00:01.00", Cells(0)[2]);
}

TEST_F(StopwatchClockCountTest, TickAHairEarlyCompletesItsPeriodAnEarlierOneDoesNot) {
  engine.ChangeAccuracy(3);  // 1 s
  engine.StartOrLap();
  Pass(900);
  Tick(1);
  EXPECT_EQ(0u, engine.Ticks());
  EXPECT_EQ("00:00:00", readout.Last());
  Pass(85);
  engine.StartOrLap();  // a press at 0.985 s counts whole periods only
  ASSERT_EQ(1u, rows.rows.size());
  EXPECT_EQ("00:00:00", Cells(0)[4]);
  Pass(10);
  Tick(1);  // 0.995 s by the counter: the timer's second
  EXPECT_EQ("00:00:01", readout.Last());
  Pass(1000);
  Tick(1);
  EXPECT_EQ("00:00:02", readout.Last());
}

TEST_F(StopwatchClockCountTest, LapAndStopTakeTheTimeOfThePressInWholePeriods) {
  engine.ChangeAccuracy(2);  // 100 ms
  engine.StartOrLap();
  Pass(1000);
  Tick(1);
  Pass(250);  // the ticks since are still on their way
  engine.StartOrLap();
  ASSERT_EQ(1u, rows.rows.size());
  EXPECT_EQ("00:00:01:2", Cells(0)[3]);
  EXPECT_EQ("00:00:01:2", readout.Last());  // the display agrees with the row
  Pass(830);
  engine.StopRun();
  ASSERT_EQ(2u, rows.rows.size());
  EXPECT_EQ("00:00:00:8", Cells(1)[3]);  // 2.0 s - 1.2 s, still whole periods
  EXPECT_EQ("00:00:02:0", Cells(1)[4]);
  EXPECT_EQ("00:00:02:0", readout.Last());
  Pass(500);
  Tick(5);  // stragglers after the stop
  EXPECT_EQ(20u, engine.Ticks());
}

TEST_F(StopwatchClockCountTest, PausedTimeIsLeftOutAndThePartPeriodRunsOn) {
  engine.SetMode(kNormalMode);
  engine.ChangeAccuracy(3);  // 1 s
  engine.StartOrLap();
  Pass(2500);
  Tick(1);
  engine.StartOrLap();  // pause at 2.5 s
  ASSERT_EQ(1u, rows.rows.size());
  EXPECT_EQ("00:00:02", Cells(0)[3]);
  Pass(5000);
  Tick(3);  // stray ticks while paused
  EXPECT_EQ(2u, engine.Ticks());

  engine.StartOrLap();  // resume
  Pass(400);
  Tick(1);
  EXPECT_EQ("00:00:02", readout.Last());  // 2.9 s
  Pass(100);
  Tick(1);
  EXPECT_EQ("00:00:03", readout.Last());  // 3.0 s: the half second before the pause counts
  Pass(1000);
  engine.StartOrLap();  // pause at 4.0 s
  ASSERT_EQ(2u, rows.rows.size());
  EXPECT_EQ("09:00:04", Cells(1)[2]);
  EXPECT_EQ("00:00:02", Cells(1)[3]);
  EXPECT_EQ("00:00:04", Cells(1)[4]);
  Pass(3000);
  engine.StopRun();  // while paused: no row, no more time
  EXPECT_EQ(2u, rows.rows.size());
  EXPECT_EQ(4u, engine.Ticks());
}

TEST_F(StopwatchClockCountTest, ClockPastTheLimitStopsAtTheLastValue) {
  engine.ChangeAccuracy(3);  // 1 s: stops at 99:59:59
  engine.StartOrLap();
  Pass(400000ull * 1000);
  Tick(1);
  ExpectStopped();
  EXPECT_EQ("99:59:59", readout.Last());
  ASSERT_EQ(1u, rows.rows.size());
  EXPECT_EQ("99:59:59", Cells(0)[4]);
}

TEST_F(StopwatchClockCountTest, LapPressPastTheLimitStopsWithOneRow) {
  engine.ChangeAccuracy(3);
  engine.StartOrLap();
  Pass(400000ull * 1000);
  engine.StartOrLap();  // no tick came since the limit passed
  ExpectStopped();
  ASSERT_EQ(1u, rows.rows.size());
  EXPECT_EQ("99:59:59", Cells(0)[4]);
}

TEST_F(StopwatchClockCountTest, NoTimerArmedKeepsTheCountAtZero) {
  timer.armSucceeds = false;
  engine.StartOrLap();
  Pass(5000);
  Tick(1);
  engine.StopRun();
  ASSERT_EQ(1u, rows.rows.size());
  EXPECT_EQ("00:00:00:000", Cells(0)[4]);
  EXPECT_EQ("00:00:00:000", readout.Last());
}

}  // namespace
