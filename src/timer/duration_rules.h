// The arithmetic behind the timer's hour, minute and second fields: reading
// them, refusing impossible durations, and the clock arithmetic of the alarm.
#pragma once

#include "base/calendar_time.h"

namespace timer {

// Each field is read with at most this many characters.
const int kFieldMaxChars = 7;

// The texts of the hour, minute and second fields, each terminated.
struct FieldTexts {
  char hours[kFieldMaxChars + 1];
  char minutes[kFieldMaxChars + 1];
  char seconds[kFieldMaxChars + 1];
};

struct FieldValues {
  int hours;
  int minutes;
  int seconds;
};

// A field's text as a signed decimal number: leading blanks and one sign are
// allowed, the number ends at the first other character, no digit gives 0.
// Values beyond +-999999999 are held there instead of overflowing.
int FieldValue(const char* text);
FieldValues ReadFieldValues(const FieldTexts& texts);
// hours * 3600 + minutes * 60 + seconds.
long long FieldSeconds(const FieldValues& values);

enum DurationVerdict {
  kAccepted,
  kHoursOutOfRange,
  kMinutesOutOfRange,
  kSecondsOutOfRange,
  kZeroDuration,  // refused without a message
};

// Hours 0-23, minutes and seconds 0-59, not all three 0; the first refusal wins.
// A negative value is refused with its field's message like a too large one.
DurationVerdict CheckDuration(const FieldValues& values);
// The message box text of a refusal, or null when there is none to show.
const char* DurationMessage(DurationVerdict verdict);

const long long kSecondsPerDay = 86400;

struct ClockTime {
  int hour;
  int minute;
  int second;
};
// The time of day of a local calendar time; the date does not matter here.
ClockTime ClockTimeOf(const CalendarTime& time);
long long SecondsOfDay(const ClockTime& time);

// Seconds from now until the next time the clock shows clockSeconds. The clock
// time of this very second lies a whole day ahead, never 0 seconds ahead.
long long SecondsUntilClock(long long clockSeconds, long long nowSeconds);

// Positions of the alarm delay list: 0 = 5 minutes ... 11 = 60 minutes. A
// position outside the list counts as the first one.
const int kAlarmDelayPositions = 12;
int MendAlarmDelay(int position);

// The remembered duration (TimerTime) as the page may show it: 0 to 23:59:59 in
// seconds. Anything else, which only a damaged or hand-edited file holds,
// counts as the default of one minute.
const int kDefaultTimerSeconds = 60;
int MendTimerSeconds(int seconds);

// Positions of the repeat list (kRepeatListSize in timer_texts.h): 0 = endless,
// then 1 to 999 repetitions. A position outside the list counts as endless.
int MendRepeatPosition(int position);

// The clock time the alarm fields get when the alarm mode is chosen: now plus
// the delay of the position, seconds 0, wrapping past midnight.
struct AlarmDefault {
  int hour;
  int minute;
};
AlarmDefault AlarmDefaultFor(const ClockTime& now, int delayPosition);

}  // namespace timer
