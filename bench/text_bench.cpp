// What one tick and one lap cost in the portable code: the running-time text
// drawn on every tick, the time-of-day and duration texts of a lap row, the
// countdown's time text, and a whole lap row built by the engine.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "stopwatch/accuracy.h"
#include "base/calendar_time.h"
#include "stopwatch/stopwatch_engine.h"
#include "stopwatch/time_texts.h"
#include "timer/timer_texts.h"

namespace {

// The finest accuracy: the running time is formatted a thousand times a second.
const Accuracy& Finest() {
  return AccuracyAt(0);
}

void RunningTimeText(benchmark::State& state) {
  char text[kTimeTextSize];
  int64_t ticks = 65250;
  for (auto _ : state) {
    FormatDuration(ticks, 1000, Finest(), text, sizeof text);
    benchmark::DoNotOptimize(text);
    ++ticks;
  }
}
BENCHMARK(RunningTimeText);

void RunningTimeTextManyHours(benchmark::State& state) {
  char text[kTimeTextSize];
  int64_t ticks = 359000000;
  for (auto _ : state) {
    FormatDuration(ticks, 1000, AccuracyAt(8), text, sizeof text);
    benchmark::DoNotOptimize(text);
    ++ticks;
  }
}
BENCHMARK(RunningTimeTextManyHours);

void LapDurationText(benchmark::State& state) {
  char text[kTimeTextSize];
  int64_t units = 652512345;
  for (auto _ : state) {
    FormatDuration(units, static_cast<int32_t>(kUnitsPerSecond), Finest(), text, sizeof text);
    benchmark::DoNotOptimize(text);
    units += 10000;
  }
}
BENCHMARK(LapDurationText);

void ClockTimeText(benchmark::State& state) {
  char text[kTimeTextSize];
  CalendarTime time = {2024, 3, 5, 15, 9, 5, 3, 42};
  for (auto _ : state) {
    FormatClockTime(time, Finest(), text, sizeof text);
    benchmark::DoNotOptimize(text);
    time.milliseconds = static_cast<uint16_t>((time.milliseconds + 1) % 1000);
  }
}
BENCHMARK(ClockTimeText);

void CountdownTimeText(benchmark::State& state) {
  char text[timer::kTimeTextSize];
  long long seconds = 3599;
  for (auto _ : state) {
    timer::FormatSeconds(seconds, text, sizeof text);
    benchmark::DoNotOptimize(text);
    seconds = seconds > 0 ? seconds - 1 : 86399;
  }
}
BENCHMARK(CountdownTimeText);

// Ports that take the engine's requests and keep nothing, so only the engine's
// own work is measured.
class QuietPorts : public TickSource,
                   public LocalClock,
                   public MonotonicClock,
                   public LapRows,
                   public StopwatchControls,
                   public TimeReadout {
 public:
  bool Arm(uint32_t) override { return true; }
  void Disarm() override {}
  CalendarTime Now() override { return CalendarTime{2024, 3, 5, 15, 9, 30, 0, 0}; }
  // Moved by hand, a period at a time, so each press finds a new count.
  uint64_t NowUnits() override { return units; }
  uint64_t units = 0;
  int CountRows() override { return rows_; }
  int InsertRow(int index, const char* firstCell, int) override {
    benchmark::DoNotOptimize(firstCell);
    ++rows_;
    return index;
  }
  void SetCell(int, int, const char* text) override { benchmark::DoNotOptimize(text); }
  void EnsureVisible(int) override {}
  void DeleteAllRows() override { rows_ = 0; }
  void SetStartCaption(const char*) override {}
  void SetModeCaption(const char*) override {}
  void EnableStart(bool) override {}
  void EnableStop(bool) override {}
  void EnableSetup(bool) override {}
  void SetStatus(const char* text) override { benchmark::DoNotOptimize(text); }
  void ShowText(const char* text) override { benchmark::DoNotOptimize(text); }

 private:
  int rows_ = 0;
};

// One press of the lap button in lap mode: a row of seven cells (count, start
// time, measured time, split, elapsed, cumulative, average) and the status text.
void LapRowAllColumns(benchmark::State& state) {
  QuietPorts ports;
  StopwatchEngine engine(ports, ports, ports, ports, ports, ports);
  engine.SetAccuracy(0);
  engine.StartOrLap();
  uint64_t ticks = 1234;
  for (auto _ : state) {
    ports.units = ticks * 10000;
    engine.StartOrLap();
    ticks += 987;
  }
}
BENCHMARK(LapRowAllColumns);

// The same with only the two columns that are always shown.
void LapRowFixedColumnsOnly(benchmark::State& state) {
  QuietPorts ports;
  StopwatchEngine engine(ports, ports, ports, ports, ports, ports);
  const int flags[kLapColumnCount] = {1, 0, 0, 1, 0, 0, 0};
  engine.SetShownColumns(flags);
  engine.SetAccuracy(0);
  engine.StartOrLap();
  uint64_t ticks = 1234;
  for (auto _ : state) {
    ports.units = ticks * 10000;
    engine.StartOrLap();
    ticks += 987;
  }
}
BENCHMARK(LapRowFixedColumnsOnly);

// One tick at 1 ms accuracy as the engine handles it, a period after the last:
// read the clock, count, and format and show every tenth.
void TickHandling(benchmark::State& state) {
  QuietPorts ports;
  StopwatchEngine engine(ports, ports, ports, ports, ports, ports);
  engine.SetAccuracy(0);
  engine.StartOrLap();
  for (auto _ : state) {
    ports.units += 10000;
    engine.OnTick();
    // Far below the automatic stop at 100 hours.
    if (engine.Ticks() > 300000000) {
      engine.StopRun();
      engine.Clear();
      engine.StartOrLap();
    }
  }
}
BENCHMARK(TickHandling);

}  // namespace

BENCHMARK_MAIN();
