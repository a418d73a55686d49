#include "timer/duration_rules.h"

#include "timer/timer_texts.h"

namespace timer {

namespace {

const int kFieldLimit = 999999999;

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

int FieldValue(const char* text) {
  if (text == nullptr)
    return 0;
  const char* p = text;
  while (IsBlank(*p)) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') {
    negative = *p == '-';
    ++p;
  }
  int value = 0;
  for (; *p >= '0' && *p <= '9'; ++p) {
    if (value <= (kFieldLimit - 9) / 10) {
      value = value * 10 + (*p - '0');
    } else {
      value = kFieldLimit;
    }
  }
  return negative ? -value : value;
}

FieldValues ReadFieldValues(const FieldTexts& texts) {
  FieldValues values;
  values.hours = FieldValue(texts.hours);
  values.minutes = FieldValue(texts.minutes);
  values.seconds = FieldValue(texts.seconds);
  return values;
}

long long FieldSeconds(const FieldValues& values) {
  return static_cast<long long>(values.hours) * 3600 + static_cast<long long>(values.minutes) * 60 +
         values.seconds;
}

DurationVerdict CheckDuration(const FieldValues& values) {
  if (values.hours < 0 || values.hours > 23)
    return kHoursOutOfRange;
  if (values.minutes < 0 || values.minutes > 59)
    return kMinutesOutOfRange;
  if (values.seconds < 0 || values.seconds > 59)
    return kSecondsOutOfRange;
  if (values.hours == 0 && values.minutes == 0 && values.seconds == 0)
    return kZeroDuration;
  return kAccepted;
}

const char* DurationMessage(DurationVerdict verdict) {
  switch (verdict) {
    case kHoursOutOfRange:
      return "時間は0～23の間で設定してください。";
    case kMinutesOutOfRange:
      return "分は0～59の間で設定してください。";
    case kSecondsOutOfRange:
      return "秒は0～59の間で設定してください。";
    case kAccepted:
    case kZeroDuration:
      break;
  }
  return nullptr;
}

ClockTime ClockTimeOf(const CalendarTime& time) {
  return {time.hour, time.minute, time.second};
}

long long SecondsOfDay(const ClockTime& time) {
  return static_cast<long long>(time.hour) * 3600 + time.minute * 60 + time.second;
}

long long SecondsUntilClock(long long clockSeconds, long long nowSeconds) {
  long long difference = clockSeconds - nowSeconds;
  if (difference <= 0)
    difference += kSecondsPerDay;
  return difference;
}

int MendAlarmDelay(int position) {
  if (position < 0 || position >= kAlarmDelayPositions)
    return 0;
  return position;
}

int MendTimerSeconds(int seconds) {
  if (seconds < 0 || seconds >= kSecondsPerDay)
    return kDefaultTimerSeconds;
  return seconds;
}

int MendRepeatPosition(int position) {
  if (position < 0 || position >= kRepeatListSize)
    return 0;
  return position;
}

AlarmDefault AlarmDefaultFor(const ClockTime& now, int delayPosition) {
  const int minutesPerDay = 24 * 60;
  int total = now.hour * 60 + now.minute + (MendAlarmDelay(delayPosition) + 1) * 5;
  total %= minutesPerDay;
  if (total < 0)
    total += minutesPerDay;
  AlarmDefault result;
  result.hour = total / 60;
  result.minute = total % 60;
  return result;
}

}  // namespace timer
