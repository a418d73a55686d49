#include "stopwatch/stopwatch_engine.h"

#include <cstdio>

#include "stopwatch/time_texts.h"
#include "ui/start_button_captions.h"

namespace {

// The shortest time between two redraws of a running display: 10 ms.
constexpr uint64_t kMinRedrawUnits = 10 * kUnitsPerMillisecond;
// A tick may come this share of a period early and still complete it (20 ms at
// 1 s), so the display does not lag a whole extra period behind the timer.
constexpr uint64_t kEarlyTickShare = 50;

// The start button's caption while running in lap mode; the others are shared
// with the timer.
const char kLapCaption[] = "ラップ計測";
// Mode button captions.
const char kLapModeCaption[] = "ラップ";
const char kNormalModeCaption[] = "通常";
// Status text: the action and its method, then the stop method.
const char kStatusAction[] = "%s：%s";
const char kStatusRunning[] = "%s：%s ストップ：%s";

}  // namespace

void FormatStopwatchStatus(bool running, int watchMode, const char* startCaption, int startMethod,
                           int lapMethod, int stopMethod, char* out, std::size_t outSize) {
  if (out == nullptr || outSize == 0)
    return;
  if (!running) {
    std::snprintf(out, outSize, kStatusAction, kStartCaption, TriggerMethodName(startMethod));
    return;
  }
  const char* action = kLapCaption;
  if (watchMode == kNormalMode)
    action = startCaption != nullptr ? startCaption : kPauseCaption;
  std::snprintf(out, outSize, kStatusRunning, action, TriggerMethodName(lapMethod),
                TriggerMethodName(stopMethod));
}

StopwatchEngine::StopwatchEngine(TickSource& ticks, MonotonicClock& countClock, LocalClock& clock,
                                 LapRows& rows, StopwatchControls& controls, TimeReadout& readout)
    : timer_(ticks),
      monotonic_(countClock),
      clock_(clock),
      rows_(rows),
      controls_(controls),
      readout_(readout),
      armed_(false),
      accuracyIndex_(0),
      watchMode_(kLapMode),
      running_(false),
      shadeFlag_(0),
      rowCount_(0),
      ticks_(0),
      activeUnits_(0),
      lastReading_(0),
      lastShownAt_(0),
      shownBehind_(false),
      cumulativeTotal_(0),
      startTime_(),
      startUnits_(0),
      hasPreviousLap_(false),
      previousLapUnits_(0),
      startMethod_(kTriggerButton),
      lapMethod_(kTriggerButton),
      stopMethod_(kTriggerButton),
      shownColumns_{1, 1, 1, 1, 1, 1, 1},
      startCaption_(kStartCaption) {}

void StopwatchEngine::SetAccuracy(int index) {
  accuracyIndex_ = MendAccuracyIndex(index);
}

void StopwatchEngine::SetMode(int mode) {
  watchMode_ = mode == kNormalMode ? kNormalMode : kLapMode;
  controls_.SetModeCaption(watchMode_ == kNormalMode ? kNormalModeCaption : kLapModeCaption);
}

void StopwatchEngine::SetShownColumns(const int shown[kLapColumnCount]) {
  for (int column = 0; column < kLapColumnCount; ++column) {
    shownColumns_[column] = (IsFixedLapColumn(column) || shown[column] == 1) ? 1 : 0;
  }
}

int StopwatchEngine::ColumnShown(int column) const {
  return (column >= 0 && column < kLapColumnCount) ? shownColumns_[column] : 0;
}

HookNeeds StopwatchEngine::SetTriggerMethods(const triggers::TriggerMethods& methods) {
  startMethod_ = MendTriggerMethod(methods.start);
  lapMethod_ = MendTriggerMethod(methods.lap);
  stopMethod_ = MendTriggerMethod(methods.stop);
  HookNeeds needs;
  needs.mouse = TriggerMethodNeedsMouseHook(startMethod_) ||
                TriggerMethodNeedsMouseHook(lapMethod_) || TriggerMethodNeedsMouseHook(stopMethod_);
  needs.key = TriggerMethodNeedsKeyHook(startMethod_) || TriggerMethodNeedsKeyHook(lapMethod_) ||
              TriggerMethodNeedsKeyHook(stopMethod_);
  controls_.EnableStart(running_ ? lapMethod_ == kTriggerButton : startMethod_ == kTriggerButton);
  controls_.EnableStop(running_ && stopMethod_ == kTriggerButton);
  UpdateStatusText();
  return needs;
}

void StopwatchEngine::StartOrLap() {
  if (!running_) {
    // The run is timed from the press, before the buttons and the display are
    // brought up to date.
    const uint64_t origin = monotonic_.NowUnits();
    running_ = true;
    ticks_ = 0;
    ShowDuration(0);
    SetStartCaption(watchMode_ == kNormalMode ? kPauseCaption : kLapCaption);
    controls_.EnableStart(lapMethod_ == kTriggerButton);
    controls_.EnableStop(stopMethod_ == kTriggerButton);
    controls_.EnableSetup(false);
    StartRun(origin);
  } else {
    // A lap or a pause takes the time of the press, not of the last tick.
    CatchUp(true);
    if (AtLimit()) {
      StopRun();
      return;
    }
    if (watchMode_ == kLapMode) {
      RecordLap();
    } else if (TogglePause()) {
      SetStartCaption(kResumeCaption);
      RecordLap();
    } else {
      SetStartCaption(kPauseCaption);
    }
  }
  UpdateStatusText();
}

void StopwatchEngine::StopRun() {
  // A stray stop on a stopped watch would add a row measured from a stale
  // start and flip the shading of the next run.
  if (!running_)
    return;
  CatchUp(true);
  running_ = false;
  // A watch stopped while paused has recorded its last row at the pause.
  if (watchMode_ == kLapMode || armed_) {
    RecordLap();
    DisarmTimer();
  }
  SetStartCaption(kStartCaption);
  shadeFlag_ ^= 1;
  hasPreviousLap_ = false;
  controls_.EnableStart(startMethod_ == kTriggerButton);
  controls_.EnableStop(false);
  controls_.EnableSetup(true);
  UpdateStatusText();
}

void StopwatchEngine::OnTick() {
  // A tick that slipped past the purge of a pause or a stop is not counted.
  if (!running_ || !armed_)
    return;
  CatchUp(false);
  if (AtLimit())
    StopRun();
}

void StopwatchEngine::CatchUp(bool press) {
  if (!armed_)
    return;
  const uint64_t now = monotonic_.NowUnits();
  if (now > lastReading_)
    activeUnits_ += now - lastReading_;
  lastReading_ = now;
  // The timer service may fire a hair early by the counter; a tick then still
  // completes its period. A press counts only whole periods.
  const uint64_t slack = press ? 0 : PeriodUnits() / kEarlyTickShare;
  uint64_t counted = (activeUnits_ + slack) / PeriodUnits();
  const uint64_t limit = AccuracyTickLimit(CurrentAccuracy());
  if (counted > limit)
    counted = limit;
  // An early tick finds no new whole period: the count stands.
  if (counted > ticks_) {
    ticks_ = counted;
    shownBehind_ = true;
  }
  // Drawing is what a tick costs; at 1 ms the display is redrawn at most every
  // 10 ms, far beyond what a screen shows, and a press always brings it level
  // with the row it records.
  if (shownBehind_ && (press || PeriodUnits() >= kMinRedrawUnits ||
                       now - lastShownAt_ >= kMinRedrawUnits || now < lastShownAt_)) {
    ShowDuration(ticks_);
    lastShownAt_ = now;
    shownBehind_ = false;
  }
}

bool StopwatchEngine::AtLimit() const {
  return ticks_ >= AccuracyTickLimit(CurrentAccuracy());
}

uint64_t StopwatchEngine::PeriodUnits() const {
  return static_cast<uint64_t>(CurrentAccuracy().tickPeriodMs) * kUnitsPerMillisecond;
}

void StopwatchEngine::PressStart() {
  if ((running_ ? lapMethod_ : startMethod_) == kTriggerButton)
    StartOrLap();
}

void StopwatchEngine::PressStop() {
  if (stopMethod_ == kTriggerButton)
    StopRun();
}

void StopwatchEngine::Clear() {
  if (running_)
    return;
  rows_.DeleteAllRows();
  cumulativeTotal_ = 0;
  ticks_ = 0;
  rowCount_ = 0;
  shadeFlag_ = 0;
  ShowDuration(0);
}

void StopwatchEngine::ChangeAccuracy(int index) {
  // The period of an armed timer must stay the one it was armed with.
  if (running_)
    return;
  SetAccuracy(index);
  ticks_ = 0;
  ShowDuration(0);
}

void StopwatchEngine::FlipMode() {
  if (running_)
    return;
  SetMode(watchMode_ == kLapMode ? kNormalMode : kLapMode);
}

ColumnSwitch StopwatchEngine::ToggleColumn(int column) {
  ColumnSwitch result = {false, false, 0, 0};
  const LapColumn* info = LapColumnAt(column);
  if (info == nullptr || IsFixedLapColumn(column))
    return result;
  shownColumns_[column] ^= 1;
  result.done = true;
  result.shown = shownColumns_[column] == 1;
  result.position = LapColumnPosition(shownColumns_, column);
  result.width = info->switchWidth;
  return result;
}

void StopwatchEngine::DisarmTimer() {
  if (!armed_)
    return;
  timer_.Disarm();
  armed_ = false;
}

void StopwatchEngine::ShowRunningTime() {
  ShowDuration(ticks_);
}

void StopwatchEngine::UpdateStatusText() {
  char text[kStatusTextSize];
  FormatStopwatchStatus(running_, watchMode_, startCaption_, startMethod_, lapMethod_, stopMethod_,
                        text, sizeof text);
  controls_.SetStatus(text);
}

void StopwatchEngine::StartRun(uint64_t origin) {
  DisarmTimer();
  ticks_ = 0;
  activeUnits_ = 0;
  startTime_ = clock_.Now();
  if (!CalendarToUnits(startTime_, &startUnits_)) {
    startUnits_ = 0;
    UnitsToCalendar(0, &startTime_);
  }
  shownBehind_ = false;
  lastReading_ = origin;
  lastShownAt_ = origin;
  armed_ = timer_.Arm(CurrentAccuracy().tickPeriodMs);
}

bool StopwatchEngine::TogglePause() {
  if (armed_) {
    DisarmTimer();
    return true;
  }
  // Count and start time stay: the paused time is not counted. The part of a
  // period that had run before the pause is kept and runs on from here.
  lastReading_ = monotonic_.NowUnits();
  armed_ = timer_.Arm(CurrentAccuracy().tickPeriodMs);
  return false;
}

void StopwatchEngine::RecordLap() {
  const Accuracy& accuracy = CurrentAccuracy();
  char text[kTimeTextSize];
  ++rowCount_;
  std::snprintf(text, sizeof text, "%d", rowCount_);
  const int row = rows_.InsertRow(rows_.CountRows(), text, shadeFlag_);
  int next = 1;  // hidden columns take no position
  auto put = [&](const char* cell) {
    if (row >= 0)
      rows_.SetCell(row, next, cell);
    ++next;
  };

  if (shownColumns_[kColumnStartTime] == 1) {
    FormatClockTime(startTime_, accuracy, text, sizeof text);
    put(text);
  }
  const uint64_t elapsedUnits = ticks_ * accuracy.tickPeriodMs * kUnitsPerMillisecond;
  const uint64_t lapUnits = startUnits_ + elapsedUnits;
  if (shownColumns_[kColumnMeasuredTime] == 1) {
    CalendarTime lap = {};
    UnitsToCalendar(lapUnits, &lap);
    FormatClockTime(lap, accuracy, text, sizeof text);
    put(text);
  }
  const uint64_t reference = hasPreviousLap_ ? previousLapUnits_ : startUnits_;
  const int64_t split = static_cast<int64_t>(lapUnits - reference);
  FormatLapDuration(split, text, sizeof text);
  put(text);
  previousLapUnits_ = lapUnits;
  hasPreviousLap_ = true;
  cumulativeTotal_ += split;

  if (shownColumns_[kColumnSinceStart] == 1) {
    FormatLapDuration(static_cast<int64_t>(elapsedUnits), text, sizeof text);
    put(text);
  }
  if (shownColumns_[kColumnCumulative] == 1) {
    FormatLapDuration(cumulativeTotal_, text, sizeof text);
    put(text);
  }
  if (shownColumns_[kColumnAverage] == 1) {
    FormatLapDuration(cumulativeTotal_ / rowCount_, text, sizeof text);
    put(text);
  }
  if (row >= 0)
    rows_.EnsureVisible(row);
}

void StopwatchEngine::SetStartCaption(const char* text) {
  startCaption_ = text;
  controls_.SetStartCaption(text);
}

void StopwatchEngine::ShowDuration(uint64_t ticks) {
  char text[kTimeTextSize];
  const Accuracy& accuracy = CurrentAccuracy();
  FormatDuration(static_cast<int64_t>(ticks), static_cast<int32_t>(accuracy.unitsPerSecond),
                 accuracy, text, sizeof text);
  readout_.ShowText(text);
}

void StopwatchEngine::FormatLapDuration(int64_t units, char* out, std::size_t outSize) const {
  FormatDuration(units, static_cast<int32_t>(kUnitsPerSecond), CurrentAccuracy(), out, outSize);
}
