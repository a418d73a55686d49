#include "timer/duration_rules.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using namespace timer;

TEST(FieldValue, ReadsLikeASignedDecimalConversion) {
  EXPECT_EQ(12, FieldValue("12"));
  EXPECT_EQ(7, FieldValue("07"));
  EXPECT_EQ(12, FieldValue("  12"));
  EXPECT_EQ(5, FieldValue("+5"));
  EXPECT_EQ(-3, FieldValue("-3"));
  EXPECT_EQ(12, FieldValue("12abc"));
  EXPECT_EQ(0, FieldValue("abc"));
  EXPECT_EQ(0, FieldValue(""));
  EXPECT_EQ(0, FieldValue("-"));
  EXPECT_EQ(0, FieldValue(" + 5"));
  EXPECT_EQ(0, FieldValue(nullptr));
}

TEST(FieldValue, HugeNumbersAreHeldInsteadOfOverflowing) {
  EXPECT_EQ(999999999, FieldValue("99999999999999999999"));
  EXPECT_EQ(-999999999, FieldValue("-99999999999999999999"));
  EXPECT_EQ(9999999, FieldValue("9999999"));
}

TEST(FieldValue, FieldsTogetherGiveSeconds) {
  FieldTexts texts = {"01", "02", "03"};
  EXPECT_EQ(3723, FieldSeconds(ReadFieldValues(texts)));
  FieldValues big = {9999999, 9999999, 9999999};
  EXPECT_EQ(9999999LL * 3661, FieldSeconds(big));
}

TEST(CheckDuration, EachFieldHasItsRangeAndMessage) {
  EXPECT_EQ(kHoursOutOfRange, CheckDuration({24, 0, 0}));
  EXPECT_EQ(kMinutesOutOfRange, CheckDuration({0, 60, 0}));
  EXPECT_EQ(kSecondsOutOfRange, CheckDuration({0, 0, 60}));
  EXPECT_EQ(kAccepted, CheckDuration({23, 59, 59}));
  EXPECT_EQ(kAccepted, CheckDuration({0, 0, 1}));
  EXPECT_STREQ("時間は0～23の間で設定してください。", DurationMessage(kHoursOutOfRange));
  EXPECT_STREQ("分は0～59の間で設定してください。", DurationMessage(kMinutesOutOfRange));
  EXPECT_STREQ("秒は0～59の間で設定してください。", DurationMessage(kSecondsOutOfRange));
}

TEST(CheckDuration, MessageTextsAreShiftJis) {
  // "0～23": the fullwidth tilde is 81 60 in code page 932.
  const char* text = DurationMessage(kHoursOutOfRange);
  ASSERT_NE(nullptr, strstr(text,
                            "0\x81\x60"
                            "23"));
  EXPECT_EQ(0, memcmp(text, "\x8e\x9e\x8a\xd4", 4));  // 時間
}

TEST(CheckDuration, FirstRefusalWinsAndZeroIsSilent) {
  EXPECT_EQ(kHoursOutOfRange, CheckDuration({99, 99, 99}));
  EXPECT_EQ(kMinutesOutOfRange, CheckDuration({0, 99, 99}));
  EXPECT_EQ(kZeroDuration, CheckDuration({0, 0, 0}));
  EXPECT_EQ(nullptr, DurationMessage(kZeroDuration));
  EXPECT_EQ(nullptr, DurationMessage(kAccepted));
}

TEST(CheckDuration, NegativeValuesAreRefusedWithTheirFieldsMessage) {
  EXPECT_EQ(kHoursOutOfRange, CheckDuration({-1, 5, 0}));
  EXPECT_EQ(kMinutesOutOfRange, CheckDuration({0, -1, 5}));
  EXPECT_EQ(kSecondsOutOfRange, CheckDuration({0, 1, -30}));
}

TEST(AlarmArithmetic, SecondsUntilTheNextTimeTheClockShowsIt) {
  EXPECT_EQ(30, SecondsUntilClock(12 * 3600, SecondsOfDay({11, 59, 30})));
  EXPECT_EQ(20, SecondsUntilClock(10, SecondsOfDay({23, 59, 50})));
  EXPECT_EQ(86399, SecondsUntilClock(SecondsOfDay({11, 59, 59}), SecondsOfDay({12, 0, 0})));
  EXPECT_EQ(86400, SecondsUntilClock(3600, 3600));
}

TEST(AlarmArithmetic, DefaultClockTimeIsNowPlusTheDelay) {
  AlarmDefault a = AlarmDefaultFor({10, 57, 41}, 0);
  EXPECT_EQ(11, a.hour);
  EXPECT_EQ(2, a.minute);
  a = AlarmDefaultFor({23, 58, 0}, 11);
  EXPECT_EQ(0, a.hour);
  EXPECT_EQ(58, a.minute);
  a = AlarmDefaultFor({23, 55, 0}, 0);
  EXPECT_EQ(0, a.hour);
  EXPECT_EQ(0, a.minute);
  a = AlarmDefaultFor({8, 10, 0}, 3);
  EXPECT_EQ(8, a.hour);
  EXPECT_EQ(30, a.minute);
}

TEST(AlarmArithmetic, DelayOutsideTheListCountsAsFiveMinutes) {
  EXPECT_EQ(0, MendAlarmDelay(-1));
  EXPECT_EQ(0, MendAlarmDelay(12));
  EXPECT_EQ(11, MendAlarmDelay(11));
  AlarmDefault a = AlarmDefaultFor({10, 0, 0}, 50);
  EXPECT_EQ(10, a.hour);
  EXPECT_EQ(5, a.minute);
}

}  // namespace
