#include "timer/preset_record.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "settings/path_rules.h"

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}
bool IsFlag(char c) {
  return c == '0' || c == '1';
}

// "DD:DD:DD" in exactly kPresetTimeTextLength bytes starting at text.
bool IsTimeShape(const char* text) {
  for (int i = 0; i < kPresetTimeTextLength; ++i) {
    const bool colon = i == 2 || i == 5;
    if (colon ? text[i] != ':' : !IsDigit(text[i]))
      return false;
  }
  return true;
}

// A buffer of size bytes holding exactly a "DD:DD:DD" text.
bool IsTimeText(const char* text, size_t size) {
  return strnlen(text, size) == static_cast<size_t>(kPresetTimeTextLength) && IsTimeShape(text);
}

// A decimal number of 1 to 3 digits in [begin, end), at most kPresetMaxRepeatIndex.
bool ReadRepeatIndex(const char* begin, const char* end, int* value) {
  const long digits = end - begin;
  if (digits < 1 || digits > 3)
    return false;
  int v = 0;
  for (const char* p = begin; p < end; ++p) {
    if (!IsDigit(*p))
      return false;
    v = v * 10 + (*p - '0');
  }
  if (v > kPresetMaxRepeatIndex)
    return false;
  *value = v;
  return true;
}

// Whether rest (the text after the mode digit) can start with a delay of
// `width` digits followed by the two flags.
bool DelayFits(const char* rest, size_t length, int width) {
  if (length < static_cast<size_t>(width) + 2)
    return false;
  if (width == 1)
    return IsDigit(rest[0]) && IsFlag(rest[1]) && IsFlag(rest[2]);
  // Two digits are written only for 10 and 11.
  return rest[0] == '1' && IsFlag(rest[1]) && IsFlag(rest[2]) && IsFlag(rest[3]);
}

// Whether the first bell piece, had the delay `width` digits, shows its colons.
bool FirstPieceHasColons(const char* rest, size_t length, int width) {
  const size_t piece = static_cast<size_t>(width) + 2;
  if (length < piece + 3)
    return false;
  if (rest[piece + 2] != ':')
    return false;
  return length < piece + 6 || rest[piece + 5] == ':';
}

// The width of the delay field of a Bells record, 0 when neither fits. The
// colons of the first bell piece tell the widths apart; when no piece is long
// enough to show them, the writer's rule decides: after the flags, the bell
// pieces make an exact multiple of 8 bytes.
int BellsDelayWidth(const char* rest, size_t length) {
  const bool one = DelayFits(rest, length, 1);
  const bool two = DelayFits(rest, length, 2);
  if (one != two)
    return one ? 1 : 2;
  if (!one)
    return 0;
  const bool colonsOne = FirstPieceHasColons(rest, length, 1);
  const bool colonsTwo = FirstPieceHasColons(rest, length, 2);
  if (colonsOne != colonsTwo)
    return colonsOne ? 1 : 2;
  if ((length - 4) % kPresetTimeTextLength == 0)
    return 2;
  return 1;
}

bool ParseRecordFields(const char* record, TimerPreset* preset) {
  const char* firstComma = std::strchr(record, ',');
  if (firstComma == nullptr)
    return false;
  const char* secondComma = std::strchr(firstComma + 1, ',');
  if (secondComma == nullptr)
    return false;

  const long nameLength = firstComma - record;
  if (nameLength < 1 || nameLength > kPresetNameMaxBytes)
    return false;
  std::memcpy(preset->name, record, static_cast<size_t>(nameLength));
  preset->name[nameLength] = '\0';

  if (!ReadRepeatIndex(firstComma + 1, secondComma, &preset->repeatIndex))
    return false;

  const char* time = secondComma + 1;
  if (std::strlen(time) < static_cast<size_t>(kPresetTimeTextLength) + 1)
    return false;
  if (!IsTimeShape(time))
    return false;
  std::memcpy(preset->timeText, time, kPresetTimeTextLength);
  preset->timeText[kPresetTimeTextLength] = '\0';

  const char modeDigit = time[kPresetTimeTextLength];
  if (!IsDigit(modeDigit) || modeDigit - '0' > kPresetMaxMode)
    return false;
  preset->mode = modeDigit - '0';

  const char* rest = time + kPresetTimeTextLength + 1;
  const size_t length = std::strlen(rest);
  int width = 0;
  if (preset->mode == timer::kBells) {
    width = BellsDelayWidth(rest, length);
  } else if ((length == 3 || length == 4) &&
             DelayFits(rest, length, static_cast<int>(length) - 2)) {
    width = static_cast<int>(length) - 2;
  }
  if (width == 0)
    return false;

  preset->alarmDelay = width == 1 ? rest[0] - '0' : 10 + (rest[1] - '0');
  if (preset->alarmDelay > kPresetMaxAlarmDelay)
    return false;
  preset->bellOn = rest[width] - '0';
  preset->maxDisplayOn = rest[width + 1] - '0';

  if (preset->mode != timer::kBells)
    return true;
  const char* piece = rest + width + 2;
  // Whole pieces only; a cut-off last piece is dropped.
  while (std::strlen(piece) >= static_cast<size_t>(kPresetTimeTextLength) &&
         preset->bellTimes.size() < static_cast<size_t>(kPresetMaxBellTimes)) {
    if (!IsTimeShape(piece))
      return false;
    preset->bellTimes.emplace_back(piece, kPresetTimeTextLength);
    piece += kPresetTimeTextLength;
  }
  return true;
}

}  // namespace

TimerPreset::TimerPreset()
    : name(), timeText(), mode(0), repeatIndex(0), alarmDelay(0), bellOn(0), maxDisplayOn(0) {}

void TimerPreset::Reset() {
  bellTimes.clear();
  std::memset(name, 0, sizeof name);
  std::memset(timeText, 0, sizeof timeText);
  mode = 0;
  repeatIndex = 0;
  alarmDelay = 0;
  bellOn = 0;
  maxDisplayOn = 0;
}

bool FormatPresetRecord(const TimerPreset& preset, char* out, size_t outSize) {
  if (outSize == 0)
    return false;
  out[0] = '\0';
  if (strnlen(preset.name, sizeof preset.name) > static_cast<size_t>(kPresetNameMaxBytes)) {
    return false;
  }
  if (CheckPresetName(preset.name) != PresetNameCheck::Ok)
    return false;
  if (!IsTimeText(preset.timeText, sizeof preset.timeText))
    return false;
  if (preset.mode < 0 || preset.mode > kPresetMaxMode)
    return false;
  if (preset.repeatIndex < 0 || preset.repeatIndex > kPresetMaxRepeatIndex)
    return false;
  if (preset.alarmDelay < 0 || preset.alarmDelay > kPresetMaxAlarmDelay)
    return false;
  if ((preset.bellOn != 0 && preset.bellOn != 1) ||
      (preset.maxDisplayOn != 0 && preset.maxDisplayOn != 1)) {
    return false;
  }
  const bool bells = preset.mode == timer::kBells;
  if (bells) {
    if (preset.bellTimes.size() > static_cast<size_t>(kPresetMaxBellTimes))
      return false;
    for (const std::string& bell : preset.bellTimes) {
      if (!IsTimeText(bell.c_str(), bell.size() + 1))
        return false;
    }
  }

  int used = std::snprintf(out, outSize, "%s,%d,%s%d%d%d%d", preset.name, preset.repeatIndex,
                           preset.timeText, preset.mode, preset.alarmDelay, preset.bellOn,
                           preset.maxDisplayOn);
  if (used < 0 || static_cast<size_t>(used) >= outSize) {
    out[0] = '\0';
    return false;
  }
  if (!bells)
    return true;
  for (const std::string& bell : preset.bellTimes) {
    if (static_cast<size_t>(used) + kPresetTimeTextLength >= outSize) {
      out[0] = '\0';
      return false;
    }
    std::memcpy(out + used, bell.data(), kPresetTimeTextLength);
    used += kPresetTimeTextLength;
    out[used] = '\0';
  }
  return true;
}

bool ParsePresetRecord(const char* record, TimerPreset* preset) {
  preset->Reset();
  if (record == nullptr || !ParseRecordFields(record, preset)) {
    preset->Reset();
    return false;
  }
  return true;
}

namespace {

// The index of a record key name, or -1 when the name is not one.
int RecordKeyIndex(const char* name, size_t length) {
  static const char kPrefix[] = "timerreg";
  const size_t prefix = sizeof kPrefix - 1;
  if (length <= prefix || length > prefix + 10)
    return -1;
  for (size_t i = 0; i < prefix; ++i) {
    char c = name[i];
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
    if (c != kPrefix[i])
      return -1;
  }
  // "%d" writes no sign, no blank and no leading zero.
  if (name[prefix] == '0' && length != prefix + 1)
    return -1;
  long long value = 0;
  for (size_t i = prefix; i < length; ++i) {
    if (!IsDigit(name[i]))
      return -1;
    value = value * 10 + (name[i] - '0');
  }
  return value > 2147483647LL ? -1 : static_cast<int>(value);
}

}  // namespace

std::vector<int> StoredRecordIndexes(const char* keyNames, size_t size, int count) {
  std::vector<int> indexes;
  if (keyNames == nullptr || count <= 0)
    return indexes;
  size_t start = 0;
  while (start < size && keyNames[start] != '\0') {
    const size_t length = strnlen(keyNames + start, size - start);
    const int index = RecordKeyIndex(keyNames + start, length);
    if (index >= 0 && index < count)
      indexes.push_back(index);
    start += length + 1;
  }
  std::sort(indexes.begin(), indexes.end());
  indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
  return indexes;
}

void CopyPresetName(const char* typed, char* out, size_t outSize) {
  if (outSize == 0)
    return;
  size_t limit = outSize - 1;
  if (limit > static_cast<size_t>(kPresetNameMaxBytes))
    limit = kPresetNameMaxBytes;
  const size_t length = WholeCharacterLength(typed, limit);
  if (length > 0)
    std::memcpy(out, typed, length);
  out[length] = '\0';
}

PresetNameCheck CheckPresetName(const char* name) {
  if (name == nullptr || name[0] == '\0')
    return PresetNameCheck::Empty;
  // ',' (0x2C) is never the second byte of a cp932 character, so a byte search
  // finds only real commas.
  if (std::strchr(name, ',') != nullptr)
    return PresetNameCheck::HasComma;
  return PresetNameCheck::Ok;
}
