#include "timer/timer_texts.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using namespace timer;

std::string Format(long long seconds) {
  char text[kTimeTextSize];
  FormatSeconds(seconds, text, sizeof text);
  return text;
}

TEST(TimerTimeText, WholeDayInHoursMinutesSeconds) {
  EXPECT_EQ("00:00:00", Format(0));
  EXPECT_EQ("00:00:59", Format(59));
  EXPECT_EQ("00:59:59", Format(3599));
  EXPECT_EQ("01:00:00", Format(3600));
  EXPECT_EQ("23:59:59", Format(86399));
}

TEST(TimerTimeText, BeyondADayTheHoursGrow) {
  EXPECT_EQ("24:00:00", Format(86400));
  EXPECT_EQ("100:00:01", Format(360001));
}

TEST(TimerTimeText, NegativeValuesTruncateTowardZero) {
  EXPECT_EQ("00:00:-1", Format(-1));
  EXPECT_EQ("-1:-1:-1", Format(-3661));
}

TEST(TimerTimeText, SmallBufferIsCutAndTerminated) {
  char text[5];
  memset(text, 'x', sizeof text);
  FormatSeconds(3723, text, sizeof text);
  EXPECT_STREQ("01:0", text);
  FormatSeconds(3723, text, 0);  // nothing written at all
  EXPECT_EQ('0', text[0]);
}

TEST(TimerModes, TableInNumberOrder) {
  EXPECT_STREQ("通常タイマー", ModeText(kNormal).name);
  EXPECT_STREQ("繰り返しタイマー", ModeText(kRepeat).name);
  EXPECT_STREQ("任意ベルタイマー", ModeText(kBells).name);
  EXPECT_STREQ("過ぎてもタイマー", ModeText(kOverrun).name);
  EXPECT_STREQ("目覚ましタイマー", ModeText(kAlarm).name);
  EXPECT_STREQ("設定した時刻になるまでのタイマーです。", ModeText(kAlarm).description);
  EXPECT_STREQ("0秒になったら終了します。", ModeText(kNormal).description);
  EXPECT_EQ(0, memcmp(ModeText(kNormal).name, "\x92\xca\x8f\xed", 4));  // 通常 in cp932
}

TEST(TimerModes, UnknownNumbersAreThePlainTimer) {
  EXPECT_EQ(kNormal, ModeFromNumber(5));
  EXPECT_EQ(kNormal, ModeFromNumber(-1));
  EXPECT_EQ(kOverrun, ModeFromNumber(3));
  EXPECT_STREQ(ModeText(kNormal).name, ModeText(99).name);
}

TEST(TimerNotices, FormatsFilledWithTheirValues) {
  char text[kNoticeSize];
  FormatOverrunStatus("00:00:01", text, sizeof text);
  EXPECT_STREQ("超過中！ 00:00:01", text);
  FormatRepeatNotice(2, text, sizeof text);
  EXPECT_STREQ("繰り返し[2回]", text);
  FormatBellNotice("00:00:30", text, sizeof text);
  EXPECT_STREQ("ベル[00:00:30]", text);
  FormatAlarmStatus("12:00:00", text, sizeof text);
  EXPECT_STREQ("■12:00:00になりました。", text);
  FormatAlarmLabel("12:00:00", text, sizeof text);
  EXPECT_STREQ("■12:00:00■", text);
  FormatAlarmDelayEntry(0, text, sizeof text);
  EXPECT_STREQ("現在の5分後", text);
  FormatAlarmDelayEntry(11, text, sizeof text);
  EXPECT_STREQ("現在の60分後", text);
}

}  // namespace
