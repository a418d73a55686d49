// The time texts at every accuracy and for any count, unit and buffer size: the
// text always fits the room the callers give it, is cut (never overrun) in a
// smaller buffer, and reads back as the rounded duration it stands for.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_check.h"
#include "stopwatch/time_texts.h"
#include "timer/duration_rules.h"
#include "timer/timer_texts.h"

namespace {

// Fields of a "H:MM:SS[:f]" duration text, without its sign.
bool ReadDuration(const char* text, unsigned __int128* hours, int* minutes, int* seconds,
                  long* fraction, int* decimals) {
  char* end = nullptr;
  *hours = std::strtoull(text, &end, 10);
  if (*end != ':')
    return false;
  *minutes = static_cast<int>(std::strtol(end + 1, &end, 10));
  if (*end != ':')
    return false;
  *seconds = static_cast<int>(std::strtol(end + 1, &end, 10));
  *fraction = 0;
  *decimals = 0;
  if (*end == ':') {
    const char* start = end + 1;
    *fraction = std::strtol(start, &end, 10);
    *decimals = static_cast<int>(end - start);
  }
  return *end == '\0';
}

void CheckDuration(int64_t count, int32_t units, int accuracyIndex, size_t outSize) {
  const Accuracy& accuracy = AccuracyAt(accuracyIndex);
  char full[kTimeTextSize];
  FormatDuration(count, units, accuracy, full, sizeof full);
  FUZZ_CHECK(std::memchr(full, '\0', sizeof full) != nullptr);

  const bool negative = units > 0 && count < 0;
  FUZZ_CHECK((full[0] == '-') == negative);
  unsigned __int128 hours = 0;
  int minutes = 0, seconds = 0, decimals = 0;
  long fraction = 0;
  FUZZ_CHECK(
      ReadDuration(full + (negative ? 1 : 0), &hours, &minutes, &seconds, &fraction, &decimals));
  FUZZ_CHECK(minutes >= 0 && minutes < 60 && seconds >= 0 && seconds < 60);
  FUZZ_CHECK(decimals == AccuracyDecimals(accuracy));
  long scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  // The count in the shown decimals: an exact half rounds up; with no decimals
  // the seconds are cut.
  const unsigned __int128 magnitude =
      units <= 0 ? 0 : (count < 0 ? -static_cast<__int128>(count) : count);
  const unsigned __int128 per = units <= 0 ? 1 : static_cast<unsigned>(units);
  const unsigned __int128 expected =
      decimals == 0 ? magnitude / per : (2 * magnitude * scale + per) / (2 * per);
  const unsigned __int128 shown =
      ((hours * 3600 + static_cast<unsigned>(minutes) * 60 + static_cast<unsigned>(seconds)) *
       static_cast<unsigned>(scale)) +
      static_cast<unsigned long>(fraction);
  FUZZ_CHECK(shown == expected);

  ExactBuffer small(outSize);
  FormatDuration(count, units, accuracy, small.data, small.size);
  if (small.size > 0) {
    FUZZ_CHECK(small.Terminated());
    FUZZ_CHECK(std::strncmp(small.data, full, small.size - 1) == 0);
  }
}

void CheckClock(const CalendarTime& time, int accuracyIndex, size_t outSize) {
  const Accuracy& accuracy = AccuracyAt(accuracyIndex);
  char full[kTimeTextSize];
  FormatClockTime(time, accuracy, full, sizeof full);
  FUZZ_CHECK(std::strlen(full) < sizeof full - 1);
  ExactBuffer small(outSize);
  FormatClockTime(time, accuracy, small.data, small.size);
  if (small.size > 0) {
    FUZZ_CHECK(small.Terminated());
    FUZZ_CHECK(std::strncmp(small.data, full, small.size - 1) == 0);
  }
}

void CheckSeconds(long long seconds, size_t outSize) {
  char full[timer::kTimeTextSize];
  timer::FormatSeconds(seconds, full, sizeof full);
  FUZZ_CHECK(std::strlen(full) < sizeof full - 1);
  if (seconds >= 0) {
    // "H:MM:SS" with every hour digit, reading back as the seconds.
    char* end = nullptr;
    const unsigned long long h = std::strtoull(full, &end, 10);
    FUZZ_CHECK(*end == ':');
    const unsigned long m = std::strtoul(end + 1, &end, 10);
    FUZZ_CHECK(*end == ':');
    const unsigned long s = std::strtoul(end + 1, &end, 10);
    FUZZ_CHECK(*end == '\0' && m < 60 && s < 60);
    FUZZ_CHECK(h * 3600 + m * 60 + s == static_cast<unsigned long long>(seconds));
  }
  ExactBuffer small(outSize);
  timer::FormatSeconds(seconds, small.data, small.size);
  if (small.size > 0) {
    FUZZ_CHECK(small.Terminated());
    FUZZ_CHECK(std::strncmp(small.data, full, small.size - 1) == 0);
  }
}

void CheckNotices(const std::string& piece, int number, size_t outSize) {
  const CString text(piece);
  using Formatter = void (*)(const char*, char*, size_t);
  const Formatter formatters[] = {timer::FormatOverrunStatus, timer::FormatBellNotice,
                                  timer::FormatAlarmStatus, timer::FormatAlarmLabel};
  for (Formatter f : formatters) {
    ExactBuffer out(outSize);
    f(text.c_str(), out.data, out.size);
    FUZZ_CHECK(out.Terminated());
  }
  ExactBuffer repeat(outSize);
  timer::FormatRepeatNotice(number, repeat.data, repeat.size);
  FUZZ_CHECK(repeat.Terminated());
  ExactBuffer entry(outSize);
  timer::FormatAlarmDelayEntry(timer::MendAlarmDelay(number), entry.data, entry.size);
  FUZZ_CHECK(entry.Terminated());
  FUZZ_CHECK(timer::ModeFromNumber(number) >= 0 &&
             timer::ModeFromNumber(number) < timer::kModeCount);
  FUZZ_CHECK(timer::ModeText(number).name != nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);
  const int accuracyIndex = in.ConsumeIntegralInRange<int>(-2, kAccuracyCount + 1);
  const size_t outSize = in.ConsumeIntegralInRange<size_t>(0, 64);
  const int64_t count = in.ConsumeIntegral<int64_t>();
  const int32_t units = in.PickValueInArray<int32_t>(
      {1, 10, 100, 1000, 10000000, 0, -1, in.ConsumeIntegral<int32_t>()});
  CheckDuration(count, units, accuracyIndex, outSize);
  // The engine hands tick counts below the accuracy's limit; near it too.
  const Accuracy& accuracy = AccuracyAt(accuracyIndex);
  const uint64_t limit = AccuracyTickLimit(accuracy);
  CheckDuration(static_cast<int64_t>(limit - (static_cast<uint64_t>(count) % 4)),
                static_cast<int32_t>(accuracy.unitsPerSecond), accuracyIndex, outSize);

  CalendarTime time;
  time.year = in.ConsumeIntegral<uint16_t>();
  time.month = in.ConsumeIntegral<uint16_t>();
  time.dayOfWeek = in.ConsumeIntegral<uint16_t>();
  time.day = in.ConsumeIntegral<uint16_t>();
  time.hour = in.ConsumeIntegral<uint16_t>();
  time.minute = in.ConsumeIntegral<uint16_t>();
  time.second = in.ConsumeIntegral<uint16_t>();
  time.milliseconds = in.ConsumeIntegral<uint16_t>();
  CheckClock(time, accuracyIndex, outSize);
  uint64_t units100ns = 0;
  if (CalendarToUnits(time, &units100ns)) {
    CalendarTime back;
    FUZZ_CHECK(UnitsToCalendar(units100ns, &back));
    FUZZ_CHECK(back.year == time.year && back.month == time.month && back.day == time.day &&
               back.hour == time.hour && back.minute == time.minute && back.second == time.second &&
               back.milliseconds == time.milliseconds);
  }
  CalendarTime any;
  if (UnitsToCalendar(static_cast<uint64_t>(count), &any))
    CheckClock(any, accuracyIndex, outSize);

  CheckSeconds(in.ConsumeIntegral<long long>(), outSize);
  CheckSeconds(in.ConsumeIntegralInRange<long long>(0, 24LL * 3600 * 1000), outSize);
  const int number = in.ConsumeIntegral<int>();
  CheckNotices(in.ConsumeRemainingBytesAsString(), number, outSize);
  return 0;
}
