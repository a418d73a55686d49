// Timer presets in memory and as the text records stored in Data.ini
// (section Timer, keys TimerRegNum and TimerReg0, TimerReg1, ...).
//
// A record is the plain concatenation
//   name "," repeatIndex "," timeText(8) mode(1) alarmDelay(1-2) bellOn(1)
//   maxDisplayOn(1) bellTime(8) bellTime(8) ...
// e.g. "Tea,0,00:03:000010"; bell times appear only in Bells mode.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "timer/duration_rules.h"
#include "timer/timer_texts.h"

// Longest name in bytes (cp932), without the terminator.
constexpr int kPresetNameMaxBytes = 64;
// "HH:MM:SS".
constexpr int kPresetTimeTextLength = 8;
// The bell-time list of the page holds at most this many entries.
constexpr int kPresetMaxBellTimes = 100;
// Largest repeat position (the repeat list offers endless, then 1..999).
constexpr int kPresetMaxRepeatIndex = timer::kRepeatListSize - 1;
// Largest alarm-delay position (5 to 60 minutes in steps of 5).
constexpr int kPresetMaxAlarmDelay = timer::kAlarmDelayPositions - 1;
// Highest timer mode number; only presets of timer::kBells carry bell times.
constexpr int kPresetMaxMode = timer::kModeCount - 1;

// The longest record FormatPresetRecord can produce, and the buffer size a
// reader must use so that no stored record is cut.
constexpr int kPresetRecordMaxLength = kPresetNameMaxBytes + 1 + 3 + 1 + kPresetTimeTextLength + 1 +
                                       2 + 1 + 1 + kPresetMaxBellTimes * kPresetTimeTextLength;
constexpr int kPresetRecordBufferSize = kPresetRecordMaxLength + 1;

struct TimerPreset {
  TimerPreset();

  // Empties every field.
  void Reset();

  char name[kPresetNameMaxBytes + 1];
  char timeText[kPresetTimeTextLength + 1];
  int mode;
  int repeatIndex;
  int alarmDelay;
  int bellOn;
  int maxDisplayOn;
  // Bells mode only: "HH:MM:SS" texts, latest time first.
  std::vector<std::string> bellTimes;
};

// Writes the stored text form of preset into out (outSize bytes; a buffer of
// kPresetRecordBufferSize always suffices for a preset that can be written).
// Bell times are written only for Bells presets. Returns false, leaving out
// empty, when the preset cannot be written so that it reads back the same:
// empty or over-long name, a name containing ',', a time text that is not
// "DD:DD:DD", mode, repeat position, delay or flags out of range, more than
// kPresetMaxBellTimes bell times or one that is not "DD:DD:DD", or when out is
// too small.
bool FormatPresetRecord(const TimerPreset& preset, char* out, size_t outSize);

// Reads a stored record into preset (which is reset first). Returns false,
// leaving preset reset, when the record cannot be a preset: no two commas, an
// empty or over-long name, a repeat position that is not 0..999 in digits, a
// time text that is not "DD:DD:DD", no mode digit or a mode above 4, a delay
// that is not 0..11, flags other than 0 or 1, trailing text after a non-Bells
// record, or a complete bell piece that is not "DD:DD:DD".
// In Bells records an incomplete last bell piece is dropped, and pieces beyond
// kPresetMaxBellTimes are ignored.
bool ParsePresetRecord(const char* record, TimerPreset* preset);

// The indexes below count whose record keys ("TimerReg" and the index in plain
// decimal, any letter case) appear in keyNames, ascending and each once.
// keyNames is the key list of section Timer as the profile functions give it:
// names each ended by NUL, the list by a second NUL, at most size bytes. Only
// these keys can hold a record, so a count spoiled to millions by a damaged
// file costs no more reads than there are keys.
std::vector<int> StoredRecordIndexes(const char* keyNames, size_t size, int count);

// What the name dialog thinks of a typed name.
enum class PresetNameCheck { Ok, Empty, HasComma };

// Copies a typed name into out (outSize bytes, normally kPresetNameMaxBytes+1),
// keeping at most kPresetNameMaxBytes bytes and never cutting a double-byte
// character in half.
void CopyPresetName(const char* typed, char* out, size_t outSize);

// Checks a name as CopyPresetName leaves it: empty names and names containing
// ',' (which would end the name early when the record is read) are refused.
PresetNameCheck CheckPresetName(const char* name);
