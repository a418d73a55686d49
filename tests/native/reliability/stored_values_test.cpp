// Values a damaged or hand-edited Data.ini can hold, fed to the arithmetic that
// turns them into windows and texts.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "app/window_layout.h"
#include "settings/path_rules.h"
#include "timer/duration_rules.h"
#include "timer/preset_record.h"
#include "timer/timer_texts.h"
#include "triggers/trigger_methods.h"
#include "triggers/trigger_rules.h"

TEST(StoredPlacement, EdgesPastTheRangeOfIntAreHeldAtItsEnds) {
  const Rect far = PlacementRect(2000000000, 2000000000, 2000000000, 2000000000);
  EXPECT_EQ(far.right, INT_MAX);
  EXPECT_EQ(far.bottom, INT_MAX);
  const Rect back = PlacementRect(INT_MIN, -5, -10, INT_MIN);
  EXPECT_EQ(back.right, INT_MIN);
  EXPECT_EQ(back.bottom, INT_MIN);
  // Such a placement lies on no screen, so the window is centred instead.
  Rect screen;
  screen.right = 1024;
  screen.bottom = 768;
  EXPECT_FALSE(IsPlacementVisible(far, &screen, 1));
  EXPECT_TRUE(IsPlacementVisible(PlacementRect(-100, 10, 300, 300), &screen, 1));
}

TEST(StoredPlacement, OrdinaryValuesGiveTheSameRectangleAsPlainSums) {
  const Rect r = PlacementRect(-20, 30, 400, 500);
  EXPECT_EQ(r.left, -20);
  EXPECT_EQ(r.top, 30);
  EXPECT_EQ(r.right, 380);
  EXPECT_EQ(r.bottom, 530);
}

TEST(TimerTimeText, HoursBeyondTheRangeOfIntKeepEveryDigit) {
  char text[timer::kTimeTextSize];
  timer::FormatSeconds(3600LL * 3000000000LL + 61, text, sizeof text);
  EXPECT_STREQ(text, "3000000000:01:01");
  timer::FormatSeconds(LLONG_MAX, text, sizeof text);
  EXPECT_STREQ(text, "2562047788015215:30:07");
  timer::FormatSeconds(5, text, sizeof text);
  EXPECT_STREQ(text, "00:00:05");
}

namespace {

// A key list as the profile functions give it, embedded NULs included.
template <size_t N>
std::string KeyList(const char (&text)[N]) {
  return std::string(text, N - 1);
}

std::vector<int> Indexes(const std::string& names, int count) {
  return StoredRecordIndexes(names.data(), names.size(), count);
}

}  // namespace

TEST(StoredPresetKeys, OnlyRecordKeysBelowTheCountAreReadInOrder) {
  const std::string names =
      KeyList("TimerTime\0TimerReg2\0TimerRegNum\0timerreg0\0TIMERREG7\0TimerReg2\0\0");
  EXPECT_EQ(Indexes(names, 8), (std::vector<int>{0, 2, 7}));
  EXPECT_EQ(Indexes(names, 7), (std::vector<int>{0, 2}));
  // A spoiled count costs no more than the keys there are.
  EXPECT_EQ(Indexes(names, INT_MAX), (std::vector<int>{0, 2, 7}));
  EXPECT_TRUE(Indexes(names, 0).empty());
  EXPECT_TRUE(Indexes(names, -5).empty());
}

TEST(StoredPresetKeys, NamesTheWriterNeverProducesAreNotRecords) {
  // "%d" writes no leading zero, sign or blank; the index must fit an int.
  const std::string names = KeyList(
      "TimerReg01\0TimerReg-1\0TimerReg+1\0TimerReg\0TimerReg 1\0TimerReg2147483648\0"
      "TimerReg1x\0Timer\0\0");
  EXPECT_TRUE(Indexes(names, INT_MAX).empty());
  EXPECT_EQ(Indexes(KeyList("TimerReg2147483646\0\0"), INT_MAX), (std::vector<int>{INT_MAX - 1}));
}

TEST(StoredPresetKeys, AListCutWithoutItsEndStopsAtTheBufferEnd) {
  const std::string names = KeyList("TimerReg1\0TimerReg3");
  EXPECT_EQ(Indexes(names, 10), (std::vector<int>{1, 3}));
  EXPECT_TRUE(StoredRecordIndexes(nullptr, 0, 10).empty());
}

TEST(StoredTimerValues, DurationOutsideADayCountsAsOneMinute) {
  EXPECT_EQ(timer::MendTimerSeconds(0), 0);
  EXPECT_EQ(timer::MendTimerSeconds(86399), 86399);
  EXPECT_EQ(timer::MendTimerSeconds(86400), 60);
  EXPECT_EQ(timer::MendTimerSeconds(-5), 60);
  EXPECT_EQ(timer::MendTimerSeconds(INT_MIN), 60);
}

TEST(StoredTimerValues, RepeatPositionOutsideTheListCountsAsEndless) {
  EXPECT_EQ(timer::MendRepeatPosition(999), 999);
  EXPECT_EQ(timer::MendRepeatPosition(1000), 0);
  EXPECT_EQ(timer::MendRepeatPosition(-1), 0);
}

TEST(UserFolder, NameEndingInHalfADoubleByteCharacterLosesTheHalf) {
  // "a" followed by the lead byte of 表 alone, as a cut name query leaves it.
  const SettingsLocation cut = ComposeSettingsLocation("C:\\app\\MipoWatch.exe", "a\x95");
  EXPECT_EQ(cut.userFolder, "C:\\app\\a");
  EXPECT_EQ(cut.iniPath, "C:\\app\\a\\Data.ini");
  // Nothing but half a character: no name at all.
  const SettingsLocation none = ComposeSettingsLocation("C:\\app\\MipoWatch.exe", "\x95");
  EXPECT_EQ(none.userFolder, "");
  EXPECT_EQ(none.iniPath, "C:\\app\\Data.ini");
  // Whole characters whose second byte is the backslash code are kept.
  const SettingsLocation whole =
      ComposeSettingsLocation("C:\\app\\MipoWatch.exe", "\x95\x5C\x83\x5C");
  EXPECT_EQ(whole.iniPath, "C:\\app\\\x95\x5C\x83\x5C\\Data.ini");
}

TEST(TriggerFallback, MethodsWhoseLibraryDoesNotReportStandInAsTheButton) {
  const triggers::TriggerMethods methods = {kTriggerLeftDown, kTriggerSpaceKey, kTriggerRightDown};
  const triggers::TriggerMethods noMouse = triggers::UsableTriggerMethods(methods, false, true);
  EXPECT_EQ(noMouse.start, kTriggerButton);
  EXPECT_EQ(noMouse.lap, kTriggerSpaceKey);
  EXPECT_EQ(noMouse.stop, kTriggerButton);
  const triggers::TriggerMethods noKey = triggers::UsableTriggerMethods(methods, true, false);
  EXPECT_EQ(noKey.start, kTriggerLeftDown);
  EXPECT_EQ(noKey.lap, kTriggerButton);
  EXPECT_EQ(noKey.stop, kTriggerRightDown);
  const triggers::TriggerMethods both = triggers::UsableTriggerMethods(methods, true, true);
  EXPECT_EQ(both.start, kTriggerLeftDown);
  EXPECT_EQ(both.lap, kTriggerSpaceKey);
  // The button and stored values no method stands for are left as they are.
  const triggers::TriggerMethods odd =
      triggers::UsableTriggerMethods({kTriggerButton, -1, 99}, false, false);
  EXPECT_EQ(odd.start, kTriggerButton);
  EXPECT_EQ(odd.lap, -1);
  EXPECT_EQ(odd.stop, 99);
}
