// Timer preset records as Data.ini hands them back: whatever the file holds, a
// record either reads as a preset that writes back to a record reading the same,
// or is refused with the preset left empty.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "timer/preset_record.h"

namespace {

bool SamePreset(const TimerPreset& a, const TimerPreset& b) {
  if (std::strcmp(a.name, b.name) != 0 || std::strcmp(a.timeText, b.timeText) != 0 ||
      a.mode != b.mode || a.repeatIndex != b.repeatIndex || a.alarmDelay != b.alarmDelay ||
      a.bellOn != b.bellOn || a.maxDisplayOn != b.maxDisplayOn) {
    return false;
  }
  return a.bellTimes == b.bellTimes;
}

bool IsEmptyPreset(const TimerPreset& p) {
  return p.name[0] == '\0' && p.timeText[0] == '\0' && p.mode == 0 && p.repeatIndex == 0 &&
         p.alarmDelay == 0 && p.bellOn == 0 && p.maxDisplayOn == 0 && p.bellTimes.empty();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const size_t outSize = in.ConsumeIntegralInRange<size_t>(0, kPresetRecordBufferSize + 8);
  const std::string record = in.ConsumeRemainingBytesAsString();
  // The record as a C string, whatever its length (a reader may hand over more
  // than a writer ever produces).
  const CString text(record.substr(0, std::strlen(record.c_str())));

  TimerPreset preset;
  const bool read = ParsePresetRecord(text.c_str(), &preset);
  if (!read) {
    FUZZ_CHECK(IsEmptyPreset(preset));
  } else {
    FUZZ_CHECK(preset.name[0] != '\0');
    FUZZ_CHECK(std::strchr(preset.name, ',') == nullptr);
    FUZZ_CHECK(preset.mode >= 0 && preset.mode <= kPresetMaxMode);
    FUZZ_CHECK(preset.alarmDelay >= 0 && preset.alarmDelay <= kPresetMaxAlarmDelay);
    FUZZ_CHECK(preset.repeatIndex >= 0 && preset.repeatIndex <= kPresetMaxRepeatIndex);
    FUZZ_CHECK(preset.bellTimes.size() <= static_cast<size_t>(kPresetMaxBellTimes));
    if (preset.mode != timer::kBells)
      FUZZ_CHECK(preset.bellTimes.empty());

    // What was read can always be written, into the documented buffer size...
    char full[kPresetRecordBufferSize];
    FUZZ_CHECK(FormatPresetRecord(preset, full, sizeof full));
    FUZZ_CHECK(std::strlen(full) <= static_cast<size_t>(kPresetRecordMaxLength));
    // ...and what was written reads back the same.
    TimerPreset again;
    FUZZ_CHECK(ParsePresetRecord(full, &again));
    FUZZ_CHECK(SamePreset(preset, again));

    // A smaller buffer either takes the whole record or is left empty.
    ExactBuffer small(outSize);
    const bool wrote = FormatPresetRecord(preset, small.data, small.size);
    FUZZ_CHECK(small.Terminated());
    if (wrote)
      FUZZ_CHECK(std::strcmp(small.data, full) == 0);
    else if (small.size > 0)
      FUZZ_CHECK(small.data[0] == '\0');
  }

  // The same bytes as the key list of section Timer, with any count.
  const int count = static_cast<int>(
      std::min<long long>(static_cast<long long>(outSize) * 2500000 - 100, INT_MAX));
  const std::vector<int> indexes = StoredRecordIndexes(record.data(), record.size(), count);
  for (size_t i = 0; i < indexes.size(); ++i) {
    FUZZ_CHECK(indexes[i] >= 0 && indexes[i] < count);
    if (i > 0)
      FUZZ_CHECK(indexes[i] > indexes[i - 1]);
  }
  FUZZ_CHECK(indexes.size() <= record.size() / 9);

  // The name dialog's copy: bounded, never half a double-byte character past the
  // limit, and a prefix of what was typed.
  ExactBuffer name(outSize % (kPresetNameMaxBytes + 4));
  CopyPresetName(text.c_str(), name.data, name.size);
  if (name.size > 0) {
    FUZZ_CHECK(name.Terminated());
    const size_t kept = std::strlen(name.data);
    FUZZ_CHECK(kept <= static_cast<size_t>(kPresetNameMaxBytes));
    FUZZ_CHECK(std::strncmp(name.data, text.c_str(), kept) == 0);
    (void)CheckPresetName(name.data);
  }
  return 0;
}
