// Texts of the countdown timer: the time text, the mode table and the notices
// the timer writes into the page status bar and the maximised display's label.
#pragma once

#include <cstddef>

#include "base/seconds_text.h"

namespace timer {

enum TimerMode { kNormal = 0, kRepeat = 1, kBells = 2, kOverrun = 3, kAlarm = 4 };
const int kModeCount = 5;

struct ModeInfo {
  const char* name;         // entry of the mode list
  const char* description;  // shown in the status bar when chosen
};

// The mode table, in number order.
const ModeInfo& ModeText(int mode);
// A stored or chosen mode number outside the table counts as kNormal.
TimerMode ModeFromNumber(int number);

// Room for any time text FormatSeconds writes, terminator included.
const size_t kTimeTextSize = 48;

// Seconds as "HH:MM:SS" (base/seconds_text.h).
using ::FormatSeconds;

// Notices (status bar and label). Each Format* writes a terminated text.
extern const char kOverrunLabel[];  // "超過中！"
void FormatOverrunStatus(const char* timeText, char* out, size_t outSize);
void FormatRepeatNotice(int repetitions, char* out, size_t outSize);
void FormatBellNotice(const char* timeText, char* out, size_t outSize);
void FormatAlarmStatus(const char* clockText, char* out, size_t outSize);
void FormatAlarmLabel(const char* clockText, char* out, size_t outSize);
const size_t kNoticeSize = 96;

// Status texts of the page's switches.
extern const char kBellOnStatus[];
extern const char kBellOffStatus[];
extern const char kMaxDisplayHint[];

// Entries of the repeat list and the alarm delay list.
extern const char kEndlessRepeat[];  // position 0 of the repeat list
const int kRepeatListSize = 1000;    // "無限", then 1 ... 999
// position 0 .. kAlarmDelayPositions - 1 (duration_rules.h): 5, 10, ... 60 minutes.
void FormatAlarmDelayEntry(int position, char* out, size_t outSize);

}  // namespace timer
