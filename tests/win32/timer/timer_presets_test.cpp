#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "timer_page_fixture.h"

namespace {

using testing_support::ReadKey;
using timer_page_test::TimerPageTest;

class TimerPresetsTest : public TimerPageTest {
 protected:
  void AddPreset(const char* name) {
    names_.answer = name;
    Click(IDC_TM_PRESET_ADD);
    names_.answer = nullptr;
  }
  void ApplyPreset(int position) { Choose(IDC_TM_PRESETS, position); }
  std::string PresetNames() const {
    std::string names;
    for (int i = 0; i < ComboCount(IDC_TM_PRESETS); ++i) {
      if (i > 0)
        names += ",";
      names += ComboEntry(IDC_TM_PRESETS, i);
    }
    return names;
  }
  void AddBellTime(int hour, int minute, int second) {
    Pick(hour, minute, second);
    Click(IDC_TM_BELL_ADD);
  }
};

TEST_F(TimerPresetsTest, NewestPresetStandsFirstAndSurvivesARestart) {
  OpenPage();
  SetFields("00", "03", "00");
  AddPreset("A");
  SetFields("00", "05", "00");
  AddPreset("B");
  EXPECT_EQ("B,A", PresetNames());
  EXPECT_TRUE(Enabled(IDC_TM_PRESET_DELETE));
  EXPECT_EQ(-1, Selected(IDC_TM_PRESETS));

  ClosePage();
  EXPECT_EQ("2", ReadKey("Timer", "TimerRegNum"));
  EXPECT_EQ("B,0,00:05:000010", ReadKey("Timer", "TimerReg0"));
  EXPECT_EQ("A,0,00:03:000010", ReadKey("Timer", "TimerReg1"));

  OpenPage();
  EXPECT_EQ("B,A", PresetNames());
  EXPECT_TRUE(Enabled(IDC_TM_PRESET_DELETE));
}

TEST_F(TimerPresetsTest, CancelledNameDialogChangesNothing) {
  OpenPage();
  AddPreset(nullptr);
  EXPECT_EQ(1, names_.asks);
  EXPECT_EQ("", PresetNames());
  EXPECT_FALSE(Enabled(IDC_TM_PRESET_DELETE));
  EXPECT_EQ(0, static_cast<int>(page_->Presets().size()));
}

TEST_F(TimerPresetsTest, PresetsMayShareAName) {
  OpenPage();
  AddPreset("Tea");
  AddPreset("Tea");
  EXPECT_EQ("Tea,Tea", PresetNames());
  EXPECT_EQ(2, static_cast<int>(page_->Presets().size()));
}

TEST_F(TimerPresetsTest, ApplyingAPresetSetsEveryControlButNotTheClock) {
  OpenPage();
  ChooseMode(1);
  Choose(IDC_TM_REPEAT, 3);
  SetFields("01", "02", "03");
  Toggle(IDC_TM_BELL_SWITCH);
  Toggle(IDC_TM_MAX_DISPLAY);
  AddPreset("Rep");

  ChooseMode(0);
  Choose(IDC_TM_REPEAT, 0);
  SetFields("00", "00", "09");
  Toggle(IDC_TM_BELL_SWITCH);
  Toggle(IDC_TM_MAX_DISPLAY);
  ApplyPreset(0);

  EXPECT_EQ("01:02:03", Fields());
  EXPECT_EQ("繰り返しタイマー", Text(IDC_TM_MODE));
  EXPECT_EQ(timer::kRepeat, page_->Engine().Mode());
  EXPECT_EQ("3", Text(IDC_TM_REPEAT));
  EXPECT_FALSE(Checked(IDC_TM_BELL_SWITCH));
  EXPECT_FALSE(page_->Engine().BellOn());
  EXPECT_TRUE(Checked(IDC_TM_MAX_DISPLAY));
  EXPECT_TRUE(Enabled(IDC_TM_REPEAT));
  EXPECT_EQ("繰り返し回数分、繰り返します。", Status());
  EXPECT_EQ("00:00:00", Shown());
  EXPECT_FALSE(page_->Engine().Running());
}

TEST_F(TimerPresetsTest, AppliedRepeatAndDelayAreWhatIsSaved) {
  OpenPage();
  ChooseMode(4);
  Choose(IDC_TM_ALARM_DELAY, 11);
  Choose(IDC_TM_REPEAT, 0);
  AddPreset("Late");
  ChooseMode(1);
  Choose(IDC_TM_REPEAT, 12);
  AddPreset("Twelve");
  Choose(IDC_TM_REPEAT, 1);
  ChooseMode(4);
  Choose(IDC_TM_ALARM_DELAY, 0);

  ApplyPreset(0);  // "Twelve"
  ClosePage();
  EXPECT_EQ("12", ReadKey("Timer", "TimerRepeat"));
  EXPECT_EQ("11", ReadKey("Timer", "TimerMezamasiIniTime"));
  EXPECT_EQ("1", ReadKey("Timer", "TimerMode"));
}

TEST_F(TimerPresetsTest, AlarmPresetKeepsTheClockTimeOfTheFields) {
  SetClock(10, 57, 0);
  OpenPage();
  ChooseMode(4);
  EXPECT_EQ("11:02:00", Fields());
  AddPreset("Wake");
  ChooseMode(0);
  SetClock(15, 0, 0);
  ApplyPreset(0);
  EXPECT_EQ("11:02:00", Fields());
  EXPECT_EQ("目覚ましタイマー", Text(IDC_TM_MODE));
  EXPECT_TRUE(Enabled(IDC_TM_ALARM_DELAY));
  ClosePage();
  EXPECT_EQ("Wake,0,11:02:004010", ReadKey("Timer", "TimerReg0"));
}

TEST_F(TimerPresetsTest, BellsPresetRestoresItsBellTimesOthersLeaveTheList) {
  OpenPage();
  ChooseMode(2);
  SetFields("00", "10", "00");
  AddBellTime(0, 1, 0);
  AddBellTime(0, 5, 0);
  AddPreset("Test");
  ChooseMode(0);
  AddPreset("Plain");

  ChooseMode(2);
  SendMessageA(Item(IDC_TM_BELL_TIMES), LB_SETCURSEL, 0, 0);
  Click(IDC_TM_BELL_REMOVE);
  AddBellTime(0, 0, 7);
  ApplyPreset(0);  // "Plain"
  ASSERT_EQ(2, BellTimeCount());
  EXPECT_EQ("00:00:07", BellTime(0));

  ApplyPreset(1);  // "Test"
  ASSERT_EQ(2, BellTimeCount());
  EXPECT_EQ("00:01:00", BellTime(0));
  EXPECT_EQ("00:05:00", BellTime(1));
  EXPECT_TRUE(Enabled(IDC_TM_BELL_REMOVE));

  ClosePage();
  EXPECT_EQ(
      "Test,0,00:10:002010"
      "00:05:0000:01:00",
      ReadKey("Timer", "TimerReg1"));
  OpenPage();
  ApplyPreset(1);
  ASSERT_EQ(2, BellTimeCount());
  EXPECT_EQ("00:05:00", BellTime(1));
}

TEST_F(TimerPresetsTest, DeletingSelectsTheFirstWithoutApplyingIt) {
  OpenPage();
  SetFields("00", "00", "01");
  AddPreset("C");
  SetFields("00", "00", "02");
  AddPreset("B");
  SetFields("00", "00", "03");
  AddPreset("A");
  SetFields("00", "00", "09");

  SendMessageA(Item(IDC_TM_PRESETS), CB_SETCURSEL, 1, 0);
  Click(IDC_TM_PRESET_DELETE);
  EXPECT_EQ("A,C", PresetNames());
  EXPECT_EQ(0, Selected(IDC_TM_PRESETS));
  EXPECT_EQ("00:00:09", Fields());
  EXPECT_STREQ("C", page_->Presets()[1].name);
  EXPECT_TRUE(Enabled(IDC_TM_PRESET_DELETE));

  Click(IDC_TM_PRESET_DELETE);
  Click(IDC_TM_PRESET_DELETE);
  EXPECT_EQ("", PresetNames());
  EXPECT_FALSE(Enabled(IDC_TM_PRESET_DELETE));
  ClosePage();
  EXPECT_EQ("0", ReadKey("Timer", "TimerRegNum"));
}

TEST_F(TimerPresetsTest, DelaySixtyAndBothFlagsComeBackFromTheFile) {
  OpenPage();
  ChooseMode(4);
  Choose(IDC_TM_ALARM_DELAY, 11);
  Toggle(IDC_TM_MAX_DISPLAY);
  AddPreset("Long");
  ClosePage();
  const std::string record = ReadKey("Timer", "TimerReg0");
  EXPECT_EQ("41111", record.substr(record.size() - 5));

  OpenPage();
  ChooseMode(0);
  Choose(IDC_TM_ALARM_DELAY, 0);
  Toggle(IDC_TM_MAX_DISPLAY);
  ApplyPreset(0);
  EXPECT_EQ("現在の60分後", Text(IDC_TM_ALARM_DELAY));
  EXPECT_TRUE(Checked(IDC_TM_BELL_SWITCH));
  EXPECT_TRUE(Checked(IDC_TM_MAX_DISPLAY));
}

TEST_F(TimerPresetsTest, UnreadableRecordsArePassedOver) {
  WriteKey("Timer", "TimerRegNum", "3");
  WriteKey("Timer", "TimerReg0", "Good,0,00:03:000010");
  WriteKey("Timer", "TimerReg1", "no commas at all");
  OpenPage();  // TimerReg2 is missing altogether
  EXPECT_EQ("Good", PresetNames());
  EXPECT_TRUE(Enabled(IDC_TM_PRESET_DELETE));
  ClosePage();
  EXPECT_EQ("1", ReadKey("Timer", "TimerRegNum"));
  EXPECT_EQ("Good,0,00:03:000010", ReadKey("Timer", "TimerReg0"));
}

// Another copy of the program on the same Data.ini adds a preset while this
// page is open (its record goes first, as a new preset does).
class SharedFileTest : public TimerPresetsTest {
 protected:
  void SetUp() override {
    TimerPresetsTest::SetUp();
    WriteKey("Timer", "TimerRegNum", "1");
    WriteKey("Timer", "TimerReg0", kA);
  }
  void OtherCopyAddsB() {
    WriteKey("Timer", "TimerRegNum", "2");
    WriteKey("Timer", "TimerReg0", kB);
    WriteKey("Timer", "TimerReg1", kA);
  }
  static constexpr const char* kA = "A,0,00:03:000010";
  static constexpr const char* kB = "B,0,00:05:000010";
};

TEST_F(SharedFileTest, APageThatChangedNoPresetKeepsTheOtherCopysPresets) {
  OpenPage();
  OtherCopyAddsB();
  ClosePage();
  EXPECT_EQ("2", ReadKey("Timer", "TimerRegNum"));
  EXPECT_EQ(kB, ReadKey("Timer", "TimerReg0"));
  EXPECT_EQ(kA, ReadKey("Timer", "TimerReg1"));
  EXPECT_NE("", ReadKey("Timer", "TimerTime"));  // the page's own keys are still written
}

TEST_F(SharedFileTest, APageThatAddedOrDeletedWritesItsWholeList) {
  OpenPage();
  OtherCopyAddsB();
  SetFields("00", "00", "09");
  AddPreset("C");
  ClosePage();
  EXPECT_EQ("2", ReadKey("Timer", "TimerRegNum"));
  EXPECT_EQ("C,0,00:00:090010", ReadKey("Timer", "TimerReg0"));
  EXPECT_EQ(kA, ReadKey("Timer", "TimerReg1"));

  OpenPage();
  OtherCopyAddsB();
  SendMessageA(Item(IDC_TM_PRESETS), CB_SETCURSEL, 0, 0);
  Click(IDC_TM_PRESET_DELETE);
  ClosePage();
  EXPECT_EQ("1", ReadKey("Timer", "TimerRegNum"));
  EXPECT_EQ(kA, ReadKey("Timer", "TimerReg0"));
}

TEST_F(TimerPresetsTest, LongRecordIsReadWhole) {
  std::string record = "Many,999,00:10:0021110";
  for (int i = 99; i >= 0; --i) {
    char piece[16];
    snprintf(piece, sizeof piece, "00:%02d:%02d", 1 + i / 60, i % 60);
    record += piece;
  }
  record.replace(0, 4, std::string(64, 'n'));
  ASSERT_EQ(882u, record.size());
  WriteKey("Timer", "TimerRegNum", "1");
  WriteKey("Timer", "TimerReg0", record.c_str());
  OpenPage();
  ApplyPreset(0);
  EXPECT_EQ(100, BellTimeCount());
  EXPECT_EQ("00:01:00", BellTime(0));
}

TEST_F(TimerPresetsTest, PresetControlsAreIdleOnly) {
  OpenPage();
  AddPreset("X");
  SetFields("00", "00", "30");
  Click(IDC_TM_START);
  EXPECT_FALSE(Enabled(IDC_TM_PRESET_ADD));
  EXPECT_FALSE(Enabled(IDC_TM_PRESETS));
  EXPECT_FALSE(Enabled(IDC_TM_PRESET_DELETE));
  Click(IDC_TM_STOP);
  EXPECT_TRUE(Enabled(IDC_TM_PRESET_ADD));
  EXPECT_TRUE(Enabled(IDC_TM_PRESETS));
  EXPECT_TRUE(Enabled(IDC_TM_PRESET_DELETE));
}

}  // namespace
