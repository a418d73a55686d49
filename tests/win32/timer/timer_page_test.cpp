#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "timer_page_fixture.h"

namespace {

using testing_support::ReadKey;
using timer_page_test::TimerPageTest;

bool Shows(HWND window) {
  return (GetWindowLongA(window, GWL_STYLE) & WS_VISIBLE) != 0;
}

TEST_F(TimerPageTest, FirstRunShowsTheDefaults) {
  OpenPage();
  EXPECT_EQ("通常タイマー", Text(IDC_TM_MODE));
  EXPECT_EQ("00:01:00", Fields());
  EXPECT_TRUE(Checked(IDC_TM_BELL_SWITCH));
  EXPECT_FALSE(Checked(IDC_TM_MAX_DISPLAY));
  EXPECT_EQ("無限", Text(IDC_TM_REPEAT));
  EXPECT_EQ("現在の5分後", Text(IDC_TM_ALARM_DELAY));
  EXPECT_EQ("00:00:05", Text(IDC_TM_BELL_PICKER));
  EXPECT_EQ("00:00:00", Shown());
  EXPECT_EQ("スタート", Text(IDC_TM_START));
  EXPECT_FALSE(Enabled(IDC_TM_STOP));
  EXPECT_FALSE(Enabled(IDC_TM_BELL_REMOVE));
  EXPECT_FALSE(Enabled(IDC_TM_PRESET_DELETE));
  EXPECT_EQ("", Status());

  EXPECT_EQ(5, ComboCount(IDC_TM_MODE));
  EXPECT_EQ(24, ComboCount(IDC_TM_HOURS));
  EXPECT_EQ("23", ComboEntry(IDC_TM_HOURS, 23));
  EXPECT_EQ(60, ComboCount(IDC_TM_MINUTES));
  EXPECT_EQ("59", ComboEntry(IDC_TM_SECONDS, 59));
  EXPECT_EQ(1000, ComboCount(IDC_TM_REPEAT));
  EXPECT_EQ("999", ComboEntry(IDC_TM_REPEAT, 999));
  EXPECT_EQ(12, ComboCount(IDC_TM_ALARM_DELAY));
  EXPECT_EQ("現在の60分後", ComboEntry(IDC_TM_ALARM_DELAY, 11));
  EXPECT_EQ("目覚ましタイマー", ComboEntry(IDC_TM_MODE, 4));
}

TEST_F(TimerPageTest, DurationFieldsTakeTwoDigitsOnly) {
  OpenPage();
  HWND edit = FindWindowExA(Item(IDC_TM_HOURS), nullptr, "Edit", nullptr);
  ASSERT_NE(nullptr, edit);
  EXPECT_NE(0, GetWindowLongA(edit, GWL_STYLE) & ES_NUMBER);
  EXPECT_EQ(2, static_cast<int>(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0)));
}

TEST_F(TimerPageTest, OutOfRangeFieldsAreRefusedWithTheirMessage) {
  OpenPage();
  struct Case {
    const char* h;
    const char* m;
    const char* s;
    const char* message;
  };
  const Case cases[] = {
      {"24", "00", "00", "時間は0～23の間で設定してください。"},
      {"00", "60", "00", "分は0～59の間で設定してください。"},
      {"00", "00", "99", "秒は0～59の間で設定してください。"},
  };
  for (const Case& c : cases) {
    boxes_.boxes.clear();
    SetFields(c.h, c.m, c.s);
    Click(IDC_TM_START);
    ASSERT_EQ(1u, boxes_.boxes.size());
    EXPECT_EQ(c.message, boxes_.boxes[0].text);
    EXPECT_EQ("", boxes_.boxes[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OK), boxes_.boxes[0].type);
    EXPECT_EQ(Page(), boxes_.boxes[0].owner);
    EXPECT_EQ("スタート", Text(IDC_TM_START));
    EXPECT_FALSE(page_->Engine().Running());
  }
}

TEST_F(TimerPageTest, ZeroDurationAndMidnightAlarmAreRefusedSilently) {
  OpenPage();
  SetFields("00", "00", "00");
  Click(IDC_TM_START);
  ChooseMode(4);
  SetFields("00", "00", "00");
  Click(IDC_TM_START);
  EXPECT_TRUE(boxes_.boxes.empty());
  EXPECT_FALSE(page_->Engine().Running());
  EXPECT_EQ("スタート", Text(IDC_TM_START));
}

TEST_F(TimerPageTest, CountdownRunsOnPostedTicksAndStopsItself) {
  OpenPage();
  SetFields("00", "00", "03");
  Click(IDC_TM_START);
  EXPECT_EQ("00:00:03", Shown());
  EXPECT_EQ("一時停止", Text(IDC_TM_START));
  Tick(2);
  EXPECT_EQ("00:00:01", Shown());
  Tick();
  EXPECT_EQ("00:00:00", Shown());
  EXPECT_FALSE(page_->Engine().Running());  // the posted stop has been handled
  EXPECT_EQ("スタート", Text(IDC_TM_START));
  EXPECT_FALSE(Enabled(IDC_TM_STOP));
  EXPECT_EQ("", Status());
}

// A run ticks once a second; after the stop the tick is disarmed, and a tick
// that still arrives counts nothing.
TEST_F(TimerPageTest, RunArmsTheOneSecondTickAndAStoppedRunIgnoresLateOnes) {
  OpenPage();
  SetFields("00", "00", "10");
  Click(IDC_TM_START);
  EXPECT_TRUE(ticks_.armed);
  EXPECT_EQ(1000u, ticks_.period);
  Click(IDC_TM_STOP);
  EXPECT_FALSE(ticks_.armed);
  Tick(3);
  EXPECT_EQ("00:00:10", Shown());
}

TEST_F(TimerPageTest, PauseShowsResumeAndHoldsTheTime) {
  OpenPage();
  SetFields("00", "00", "10");
  Click(IDC_TM_START);
  Tick(2);
  Click(IDC_TM_START);
  EXPECT_EQ("再開", Text(IDC_TM_START));
  Tick(3);  // nothing ticks while paused
  EXPECT_EQ("00:00:08", Shown());
  EXPECT_TRUE(Enabled(IDC_TM_STOP));
  EXPECT_FALSE(Enabled(IDC_TM_MODE));
  Click(IDC_TM_START);
  EXPECT_EQ("一時停止", Text(IDC_TM_START));
  Tick();
  EXPECT_EQ("00:00:07", Shown());
}

// Which controls each mode leaves usable, while idle and while running.
TEST_F(TimerPageTest, EnabledStatesFollowModeAndRun) {
  OpenPage();
  const int ids[] = {IDC_TM_HOURS,    IDC_TM_MINUTES,     IDC_TM_SECONDS,     IDC_TM_MODE,
                     IDC_TM_REPEAT,   IDC_TM_ALARM_DELAY, IDC_TM_BELL_PICKER, IDC_TM_BELL_TIMES,
                     IDC_TM_BELL_ADD, IDC_TM_BELL_REMOVE, IDC_TM_PRESET_ADD,  IDC_TM_PRESETS,
                     IDC_TM_STOP,     IDC_TM_START,       IDC_TM_BELL_SWITCH, IDC_TM_MAX_DISPLAY};
  auto states = [&]() {
    std::string s;
    for (int id : ids) s += Enabled(id) ? '1' : '0';
    return s;
  };
  //                                  h m s M R A P L + - r p S s b x
  const char* idle[5] = {"1111000000110111", "1111100000110111", "1111001110110111",
                         "1111000000110111", "1111010000110111"};
  const char* running = "0000000000001111";
  for (int mode = 0; mode < 5; ++mode) {
    ChooseMode(mode);
    EXPECT_EQ(idle[mode], states()) << "idle, mode " << mode;
    if (mode == 4) {
      SetClock(11, 0, 0);  // an hour before the clock time in the fields
    } else {
      SetFields("00", "00", "30");
    }
    Click(IDC_TM_START);
    ASSERT_TRUE(page_->Engine().Running()) << mode;
    EXPECT_EQ(running, states()) << "running, mode " << mode;
    Click(IDC_TM_START);  // paused: the same
    EXPECT_EQ(running, states()) << "paused, mode " << mode;
    Click(IDC_TM_STOP);
    EXPECT_EQ(idle[mode], states()) << "after the stop, mode " << mode;
  }
}

TEST_F(TimerPageTest, ModeChoiceShowsItsDescription) {
  OpenPage();
  ChooseMode(2);
  EXPECT_EQ("設定した任意の時間にベルを鳴らします。", Status());
  ChooseMode(3);
  EXPECT_EQ("0秒になっても止まらず、増えていきます。", Status());
}

TEST_F(TimerPageTest, BellTimeListKeepsOneOfEachAndAtMostAHundred) {
  OpenPage();
  ChooseMode(2);
  Pick(0, 0, 30);
  Click(IDC_TM_BELL_ADD);
  Click(IDC_TM_BELL_ADD);
  EXPECT_EQ(1, BellTimeCount());
  EXPECT_EQ("00:00:30", BellTime(0));
  EXPECT_TRUE(Enabled(IDC_TM_BELL_REMOVE));
  Pick(0, 0, 10);
  Click(IDC_TM_BELL_ADD);
  EXPECT_EQ("00:00:10", BellTime(0));  // sorted in
  EXPECT_EQ(0, SelectedBellTime());

  for (int i = 0; BellTimeCount() < 100; ++i) {
    Pick(1, i / 60, i % 60);
    Click(IDC_TM_BELL_ADD);
  }
  EXPECT_FALSE(Enabled(IDC_TM_BELL_ADD));
  Pick(5, 0, 0);
  Click(IDC_TM_BELL_ADD);  // even a command that gets through adds nothing
  EXPECT_EQ(100, BellTimeCount());

  ChooseMode(0);
  ChooseMode(2);
  EXPECT_FALSE(Enabled(IDC_TM_BELL_ADD));
  SetFields("00", "00", "05");
  Click(IDC_TM_START);
  Click(IDC_TM_STOP);
  EXPECT_FALSE(Enabled(IDC_TM_BELL_ADD));

  SendMessageA(Item(IDC_TM_BELL_TIMES), LB_SETCURSEL, 5, 0);
  Click(IDC_TM_BELL_REMOVE);
  EXPECT_EQ(99, BellTimeCount());
  EXPECT_EQ(4, SelectedBellTime());  // the entry before the removed one
  EXPECT_TRUE(Enabled(IDC_TM_BELL_ADD));
}

TEST_F(TimerPageTest, RemovingBellTimesSelectsNeighboursAndDisablesRemoveWhenEmpty) {
  OpenPage();
  ChooseMode(2);
  Pick(0, 0, 10);
  Click(IDC_TM_BELL_ADD);
  Pick(0, 0, 20);
  Click(IDC_TM_BELL_ADD);
  SendMessageA(Item(IDC_TM_BELL_TIMES), LB_SETCURSEL, 0, 0);
  Click(IDC_TM_BELL_REMOVE);
  EXPECT_EQ(1, BellTimeCount());
  EXPECT_EQ("00:00:20", BellTime(0));
  EXPECT_EQ(0, SelectedBellTime());
  EXPECT_TRUE(Enabled(IDC_TM_BELL_REMOVE));
  Click(IDC_TM_BELL_REMOVE);
  EXPECT_EQ(0, BellTimeCount());
  EXPECT_FALSE(Enabled(IDC_TM_BELL_REMOVE));
  Click(IDC_TM_BELL_REMOVE);  // nothing selected, nothing happens
  EXPECT_EQ(0, BellTimeCount());
}

TEST_F(TimerPageTest, BellTimesRingDuringABellsRun) {
  OpenPage();
  ChooseMode(2);
  Pick(0, 0, 2);
  Click(IDC_TM_BELL_ADD);
  Pick(0, 0, 9);  // above the start: left out, the earlier one still rings
  Click(IDC_TM_BELL_ADD);
  SetFields("00", "00", "05");
  Click(IDC_TM_START);
  Tick(3);
  EXPECT_EQ("ベル[00:00:02]", Status());
  EXPECT_EQ(2, BellTimeCount());  // the list itself is kept
}

TEST_F(TimerPageTest, MaximisedDisplayCoversTheScreenWhileRunning) {
  OpenPage();
  Toggle(IDC_TM_MAX_DISPLAY);
  EXPECT_EQ("最大ウィンドウはESCキーで閉じられます。", Status());
  SetFields("00", "00", "03");
  Click(IDC_TM_START);
  const MaxDisplayWindow& max = page_->MaxDisplay();
  ASSERT_NE(nullptr, max.Window());
  EXPECT_TRUE(Shows(max.Window()));
  EXPECT_STREQ("00:00:03", max.Text());
  RECT r = {};
  GetWindowRect(max.Window(), &r);
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), r.right - r.left);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), r.bottom - r.top);
  EXPECT_FALSE(Shows(max.StartButton()));
  EXPECT_FALSE(Shows(max.CloseButton()));
  EXPECT_FALSE(Shows(max.LabelWindow()));
  Tick();
  EXPECT_STREQ("00:00:02", max.Text());

  PostMessageA(Page(), WM_MIPO_MAXDISPLAY_KEY, 0, 0);  // Esc in the display
  testing_support::PumpMessages();
  EXPECT_FALSE(Shows(max.Window()));
  EXPECT_TRUE(Checked(IDC_TM_MAX_DISPLAY));
  Tick();
  EXPECT_EQ("00:00:01", Shown());
  EXPECT_TRUE(page_->Engine().Running());
}

TEST_F(TimerPageTest, StopShowsTheDisplaysButtonsWhichCloseOrStartAgain) {
  OpenPage();
  Toggle(IDC_TM_MAX_DISPLAY);
  SetFields("00", "00", "02");
  Click(IDC_TM_START);
  Tick(2);  // ends by itself
  const MaxDisplayWindow& max = page_->MaxDisplay();
  EXPECT_FALSE(page_->Engine().Running());
  EXPECT_TRUE(Shows(max.Window()));
  EXPECT_TRUE(Shows(max.StartButton()));
  EXPECT_TRUE(Shows(max.CloseButton()));
  EXPECT_TRUE(Shows(max.LabelWindow()));

  PostMessageA(Page(), WM_MIPO_MAXDISPLAY_START, 0, 0);
  testing_support::PumpMessages();
  EXPECT_TRUE(page_->Engine().Running());
  EXPECT_EQ("一時停止", Text(IDC_TM_START));
  EXPECT_STREQ("00:00:02", max.Text());
  EXPECT_FALSE(Shows(max.StartButton()));

  Click(IDC_TM_STOP);
  EXPECT_TRUE(Shows(max.CloseButton()));
  PostMessageA(Page(), WM_MIPO_MAXDISPLAY_CLOSE, 0, 0);
  testing_support::PumpMessages();
  EXPECT_FALSE(Shows(max.Window()));
  EXPECT_TRUE(Checked(IDC_TM_MAX_DISPLAY));
}

TEST_F(TimerPageTest, MaximumDisplaySwitchedOnWhilePausedWaitsForTheResume) {
  OpenPage();
  SetFields("00", "00", "09");
  Click(IDC_TM_START);
  Click(IDC_TM_START);  // pause
  Toggle(IDC_TM_MAX_DISPLAY);
  EXPECT_EQ("最大ウィンドウはESCキーで閉じられます。", Status());
  EXPECT_FALSE(Shows(page_->MaxDisplay().Window()));
  Click(IDC_TM_START);  // resume
  EXPECT_TRUE(Shows(page_->MaxDisplay().Window()));
  Toggle(IDC_TM_MAX_DISPLAY);
  EXPECT_FALSE(Shows(page_->MaxDisplay().Window()));
  EXPECT_EQ("", Status());
}

TEST_F(TimerPageTest, BellSwitchTellsWhatItDoes) {
  OpenPage();
  Toggle(IDC_TM_BELL_SWITCH);
  EXPECT_EQ("ベル音を鳴らしません。", Status());
  EXPECT_FALSE(page_->Engine().BellOn());
  Toggle(IDC_TM_BELL_SWITCH);
  EXPECT_EQ("ベル音を鳴らします。", Status());
  EXPECT_TRUE(page_->Engine().BellOn());
}

// Without a bell file the zero sounds the system's asterisk, once; with the
// bell switched off, nothing.
TEST_F(TimerPageTest, ZeroWithoutABellFileSoundsTheSystemAsteriskOnce) {
  OpenPage();
  SetFields("00", "00", "01");
  Click(IDC_TM_START);
  Tick();
  EXPECT_EQ(std::vector<UINT>{MB_ICONASTERISK}, bellDevice_.beeps);
  EXPECT_TRUE(bellDevice_.sent.empty());
  Toggle(IDC_TM_BELL_SWITCH);
  Click(IDC_TM_START);
  Tick();
  EXPECT_EQ(1u, bellDevice_.beeps.size());
}

TEST_F(TimerPageTest, BellFileThatCannotBeOpenedDoesNotStopTheTimer) {
  WriteKey("SettingData", "BellFile", (folder_ + "\\missing.wav").c_str());
  bellDevice_.failing = MCI_OPEN;
  OpenPage();
  EXPECT_STREQ((folder_ + "\\missing.wav").c_str(), page_->Engine().BellFile());
  ChooseMode(1);  // repeat, endless: rings at every zero and goes on
  SetFields("00", "00", "02");
  Click(IDC_TM_START);
  Tick(2);
  EXPECT_EQ("00:00:02", Shown());
  EXPECT_EQ(0u, page_->Bell().DeviceId());
  Tick(3);
  EXPECT_EQ("00:00:01", Shown());
  EXPECT_TRUE(page_->Engine().Running());
  EXPECT_TRUE(bellDevice_.beeps.empty());  // no system sound in its place
}

TEST_F(TimerPageTest, AlarmModeFillsTheFieldsFromTheClockAndGivesTheDurationBack) {
  OpenPage();
  SetFields("00", "03", "20");
  SetClock(10, 57, 41);
  ChooseMode(4);
  EXPECT_EQ("11:02:00", Fields());
  EXPECT_EQ("設定した時刻になるまでのタイマーです。", Status());

  SetClock(23, 58, 0);
  Choose(IDC_TM_ALARM_DELAY, 11);
  EXPECT_EQ("00:58:00", Fields());

  ChooseMode(0);
  EXPECT_EQ("00:03:20", Fields());
}

TEST_F(TimerPageTest, AlarmRunEndsWithItsClockTimeInTheStatusBar) {
  OpenPage();
  SetClock(11, 59, 30);
  ChooseMode(4);
  SetFields("12", "00", "00");
  Click(IDC_TM_START);
  EXPECT_EQ("00:00:30", Shown());
  Tick(30);
  EXPECT_FALSE(page_->Engine().Running());
  EXPECT_EQ("■12:00:00になりました。", Status());
}

TEST_F(TimerPageTest, TimerKeysAreWrittenWhenThePageCloses) {
  OpenPage();
  ChooseMode(1);
  Choose(IDC_TM_REPEAT, 7);
  Choose(IDC_TM_HOURS, 2);
  Choose(IDC_TM_MINUTES, 3);
  Choose(IDC_TM_SECONDS, 4);
  Toggle(IDC_TM_BELL_SWITCH);
  Toggle(IDC_TM_MAX_DISPLAY);
  ClosePage();
  EXPECT_EQ("7384", ReadKey("Timer", "TimerTime"));
  EXPECT_EQ("0", ReadKey("Timer", "TimerRingBell"));
  EXPECT_EQ("1", ReadKey("Timer", "TimerMaxDisp"));
  EXPECT_EQ("1", ReadKey("Timer", "TimerMode"));
  EXPECT_EQ("7", ReadKey("Timer", "TimerRepeat"));
  EXPECT_EQ("0", ReadKey("Timer", "TimerMezamasiIniTime"));
  EXPECT_EQ("0", ReadKey("Timer", "TimerRegNum"));

  OpenPage();
  EXPECT_EQ("繰り返しタイマー", Text(IDC_TM_MODE));
  EXPECT_EQ("7", Text(IDC_TM_REPEAT));
  EXPECT_EQ("02:03:04", Fields());
  EXPECT_FALSE(Checked(IDC_TM_BELL_SWITCH));
  EXPECT_TRUE(Checked(IDC_TM_MAX_DISPLAY));
  EXPECT_TRUE(Enabled(IDC_TM_REPEAT));
}

TEST_F(TimerPageTest, AlarmClockTimeIsNotSavedAsTheDuration) {
  WriteKey("Timer", "TimerTime", "125");
  WriteKey("Timer", "TimerMode", "4");
  WriteKey("Timer", "TimerMezamasiIniTime", "2");
  SetClock(8, 10, 0);
  OpenPage();
  EXPECT_EQ("08:25:00", Fields());
  EXPECT_EQ("現在の15分後", Text(IDC_TM_ALARM_DELAY));
  ClosePage();
  EXPECT_EQ("125", ReadKey("Timer", "TimerTime"));
  EXPECT_EQ("4", ReadKey("Timer", "TimerMode"));
  EXPECT_EQ("2", ReadKey("Timer", "TimerMezamasiIniTime"));
}

TEST_F(TimerPageTest, TypedDurationIsRememberedAndSaved) {
  OpenPage();
  Type(IDC_TM_MINUTES, "5");
  Type(IDC_TM_SECONDS, "7");
  ClosePage();
  EXPECT_EQ("307", ReadKey("Timer", "TimerTime"));

  OpenPage();
  SetFields("1", "2", "3");  // typed without change notices, then started
  Click(IDC_TM_START);
  Click(IDC_TM_STOP);
  ClosePage();
  EXPECT_EQ("3723", ReadKey("Timer", "TimerTime"));
}

TEST_F(TimerPageTest, UnknownStoredValuesFallBackToUsableOnes) {
  WriteKey("Timer", "TimerMode", "9");
  WriteKey("Timer", "TimerMezamasiIniTime", "40");
  OpenPage();
  EXPECT_EQ("通常タイマー", Text(IDC_TM_MODE));
  EXPECT_EQ(timer::kNormal, page_->Engine().Mode());
  EXPECT_EQ("現在の5分後", Text(IDC_TM_ALARM_DELAY));
  ClosePage();
  EXPECT_EQ("0", ReadKey("Timer", "TimerMode"));
  EXPECT_EQ("0", ReadKey("Timer", "TimerMezamasiIniTime"));
}

TEST_F(TimerPageTest, EndlessRepeatIsStillChosenAtTheNextStart) {
  OpenPage();
  ChooseMode(1);
  SetFields("00", "00", "02");
  Click(IDC_TM_START);
  Tick(5);
  Click(IDC_TM_STOP);
  ReopenPage();
  EXPECT_EQ("無限", Text(IDC_TM_REPEAT));
  EXPECT_EQ("0", ReadKey("Timer", "TimerRepeat"));
}

TEST_F(TimerPageTest, ReopeningTheTabOnlyShowsThePage) {
  OpenPage();
  HWND first = Page();
  page_->Show(SW_HIDE);
  EXPECT_FALSE(IsWindowVisible(first));
  EXPECT_FALSE(IsWindowVisible(statusBar_));
  page_->Open(parent_->Window(), statusBar_, 20);
  EXPECT_EQ(first, Page());
  EXPECT_TRUE(IsWindowVisible(first));
  EXPECT_EQ(Item(IDC_TM_START), page_->StartButton());
}

TEST_F(TimerPageTest, StoredBellFileIsReadAtCreationAndAgainOnReload) {
  WriteKey("SettingData", "BellFile", "C:\\bell.wav");
  OpenPage();
  EXPECT_STREQ("C:\\bell.wav", page_->Engine().BellFile());
  WriteKey("SettingData", "BellFile", "C:\\other.wav");
  page_->ReloadBellFile();
  EXPECT_STREQ("C:\\other.wav", page_->Engine().BellFile());
}

}  // namespace
