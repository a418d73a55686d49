// Every Data.ini value the program turns into a choice: accuracy, mode, column
// flags, trigger methods, timer fields, alarm delay, placement and the command
// line. A hand-edited or damaged file may hold any integer or text; each reader
// must land on a value inside its table, and the arithmetic built on it must not
// overflow.
#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <cstring>
#include <string>

#include "app/command_line.h"
#include "app/window_layout.h"
#include "fuzz_check.h"
#include "stopwatch/accuracy.h"
#include "stopwatch/lap_columns.h"
#include "triggers/trigger_methods.h"
#include "timer/duration_rules.h"
#include "timer/timer_texts.h"
#include "triggers/trigger_rules.h"

namespace {

// Integers as GetPrivateProfileInt can return them: small, table edges, the
// "not stored" markers, and anything at all.
int StoredInt(FuzzedDataProvider& in) {
  return in.PickValueInArray<int>({0, 1, 2, -1, 7, 8, 9, 11, 12, INT_MIN, INT_MAX,
                                   in.ConsumeIntegralInRange<int>(-20, 20),
                                   in.ConsumeIntegral<int>()});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FuzzedDataProvider in(data, size);

  const int accuracy = MendAccuracyIndex(StoredInt(in));
  FUZZ_CHECK(accuracy >= 0 && accuracy < kAccuracyCount);
  FUZZ_CHECK(AccuracyAt(StoredInt(in)).entryText != nullptr);

  const int mode = timer::ModeFromNumber(StoredInt(in));
  FUZZ_CHECK(mode >= 0 && mode < timer::kModeCount);
  const int delay = timer::MendAlarmDelay(StoredInt(in));
  FUZZ_CHECK(delay >= 0 && delay < timer::kAlarmDelayPositions);
  const int seconds = timer::MendTimerSeconds(StoredInt(in));
  FUZZ_CHECK(seconds >= 0 && seconds < timer::kSecondsPerDay);
  const int repeat = timer::MendRepeatPosition(StoredInt(in));
  FUZZ_CHECK(repeat >= 0 && repeat < timer::kRepeatListSize);
  timer::ClockTime now;
  now.hour = in.ConsumeIntegralInRange<int>(0, 23);
  now.minute = in.ConsumeIntegralInRange<int>(0, 59);
  now.second = in.ConsumeIntegralInRange<int>(0, 59);
  const timer::AlarmDefault alarm = timer::AlarmDefaultFor(now, StoredInt(in));
  FUZZ_CHECK(alarm.hour >= 0 && alarm.hour < 24 && alarm.minute >= 0 && alarm.minute < 60);
  const long long clock = in.ConsumeIntegralInRange<long long>(0, timer::kSecondsPerDay - 1);
  const long long until = timer::SecondsUntilClock(clock, timer::SecondsOfDay(now));
  FUZZ_CHECK(until > 0 && until <= timer::kSecondsPerDay);

  int flags[kLapColumnCount];
  for (int& f : flags) f = StoredInt(in);
  MendShownColumns(flags);
  for (int column = 0; column < kLapColumnCount; ++column) {
    FUZZ_CHECK(flags[column] == 0 || flags[column] == 1);
    if (IsFixedLapColumn(column))
      FUZZ_CHECK(flags[column] == 1);
    FUZZ_CHECK(LapColumnPosition(flags, column) <= column);
  }
  const int column = StoredInt(in);
  char header[32];
  std::memset(header, 0, sizeof header);
  ColumnHeaderText(column, header, in.ConsumeIntegralInRange<size_t>(0, sizeof header));
  FUZZ_CHECK(std::memchr(header, '\0', sizeof header) != nullptr);
  FUZZ_CHECK((LapColumnAt(column) != nullptr) == (column >= 0 && column < kLapColumnCount));
  const int commanded = LapColumnForCommand(StoredInt(in));
  FUZZ_CHECK(commanded == -1 || (commanded > 0 && commanded < kLapColumnCount));

  triggers::TriggerMethods stored;
  stored.start = StoredInt(in);
  stored.lap = StoredInt(in);
  stored.stop = StoredInt(in);
  for (int value : {stored.start, stored.lap, stored.stop}) {
    const int mended = MendTriggerMethod(value);
    FUZZ_CHECK(mended >= 0 && mended < kTriggerMethodCount);
    FUZZ_CHECK(TriggerMethodName(value) != nullptr);
  }
  const bool running = in.ConsumeBool();
  const int method = in.PickValueInArray<int>(
      {triggers::TriggerMethodFromMouseMessage(in.ConsumeIntegral<uint32_t>()),
       triggers::TriggerMethodFromKeyMessage(in.ConsumeIntegral<uint32_t>(),
                                             in.ConsumeIntegral<int32_t>()),
       StoredInt(in)});
  const triggers::TriggerPlan plan =
      triggers::PlanTrigger(stored, running, method, in.ConsumeBool());
  FUZZ_CHECK(plan.count >= 0 && plan.count <= 3);
  if (method < 1 || method >= kTriggerMethodCount)
    FUZZ_CHECK(plan.count == 0);
  (void)triggers::StartWantsPointerTest(stored, running, method);
  const triggers::TriggerMethods usable =
      triggers::UsableTriggerMethods(stored, in.ConsumeBool(), in.ConsumeBool());
  for (int value : {usable.start, usable.lap, usable.stop})
    FUZZ_CHECK(MendTriggerMethod(value) == value || !(value >= 0 && value < kTriggerMethodCount));

  // Placement: the four stored integers, whatever they are.
  const int left = StoredInt(in), top = StoredInt(in), width = StoredInt(in),
            height = StoredInt(in);
  const Rect placement = PlacementRect(left, top, width, height);
  FUZZ_CHECK(placement.left == left && placement.top == top);
  if (width >= 0)
    FUZZ_CHECK(placement.right >= left);
  if (height >= 0)
    FUZZ_CHECK(placement.bottom >= top);
  Rect monitor;
  monitor.right = 1024;
  monitor.bottom = 768;
  (void)IsPlacementVisible(placement, &monitor, 1);

  timer::FieldTexts texts;
  for (char* field : {texts.hours, texts.minutes, texts.seconds}) {
    const std::string raw = in.ConsumeRandomLengthString(timer::kFieldMaxChars + 2);
    std::memset(field, 0, timer::kFieldMaxChars + 1);
    std::memcpy(field, raw.data(),
                raw.size() < static_cast<size_t>(timer::kFieldMaxChars) ? raw.size()
                                                                        : timer::kFieldMaxChars);
  }
  const timer::FieldValues values = timer::ReadFieldValues(texts);
  for (int v : {values.hours, values.minutes, values.seconds})
    FUZZ_CHECK(v >= -999999999 && v <= 999999999);
  const timer::DurationVerdict verdict = timer::CheckDuration(values);
  if (verdict == timer::kAccepted) {
    const long long seconds = timer::FieldSeconds(values);
    FUZZ_CHECK(seconds > 0 && seconds < timer::kSecondsPerDay);
  }
  (void)timer::DurationMessage(verdict);

  const std::string line = in.ConsumeRemainingBytesAsString();
  const CString commandLine(line);
  const bool accepted = IsAcceptedCommandLine(commandLine.c_str());
  FUZZ_CHECK(accepted == (std::strcmp(commandLine.c_str(), "") == 0 ||
                          std::strcmp(commandLine.c_str(), "-n") == 0));
  return 0;
}
