// The timing half of the stopwatch page. A run's time is a whole number of tick
// periods: the number of whole periods the monotonic clock has seen while the
// watch ran (paused time left out), so ticks that arrive late, in bursts or not
// at all cost nothing; the tick only says when to look and draw. The local time is read once,
// at the start of a run; every time of day in the lap list is that start plus
// counted time. Everything runs on the UI thread; the engine reaches the world
// only through the small interfaces below.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/clock.h"
#include "base/tick_source.h"
#include "base/time_readout.h"
#include "stopwatch/accuracy.h"
#include "base/calendar_time.h"
#include "stopwatch/lap_columns.h"
#include "triggers/trigger_methods.h"
#include "triggers/trigger_rules.h"

// The rows of the lap list. Cells are addressed by position among the shown
// columns.
class LapRows {
 public:
  virtual ~LapRows() = default;
  virtual int CountRows() = 0;
  // Inserts a row at index with its first cell and item parameter; returns the
  // new row's index or -1.
  virtual int InsertRow(int index, const char* firstCell, int parameter) = 0;
  virtual void SetCell(int row, int position, const char* text) = 0;
  virtual void EnsureVisible(int row) = 0;
  virtual void DeleteAllRows() = 0;
};

// The page's buttons and its status text.
class StopwatchControls {
 public:
  virtual ~StopwatchControls() = default;
  virtual void SetStartCaption(const char* text) = 0;
  virtual void SetModeCaption(const char* text) = 0;
  virtual void EnableStart(bool enable) = 0;
  virtual void EnableStop(bool enable) = 0;
  // The clear button, the accuracy list and the mode button: usable only while stopped.
  virtual void EnableSetup(bool enable) = 0;
  virtual void SetStatus(const char* text) = 0;
};

enum WatchMode {
  kLapMode = 0,     // each press of the start button adds a row
  kNormalMode = 1,  // a press pauses (and adds a row), the next resumes
};

struct HookNeeds {
  bool mouse;
  bool key;
};

// What the page must do to the list's columns after a column was switched.
struct ColumnSwitch {
  bool done;     // false for a fixed or unknown column: nothing changes
  bool shown;    // the column's new state
  int position;  // where it is inserted, or from where it is deleted
  int width;     // width of an inserted column
};

// Room for the status text, terminator included.
constexpr std::size_t kStatusTextSize = 128;

// The status-bar summary of the trigger methods in force. startCaption is the
// start button's current text, named while running in normal mode.
void FormatStopwatchStatus(bool running, int watchMode, const char* startCaption, int startMethod,
                           int lapMethod, int stopMethod, char* out, std::size_t outSize);

class StopwatchEngine {
 public:
  // ticks says when to look; countClock is what a run's time is counted
  // against; clock gives the time of day a run starts at.
  StopwatchEngine(TickSource& ticks, MonotonicClock& countClock, LocalClock& clock, LapRows& rows,
                  StopwatchControls& controls, TimeReadout& readout);
  StopwatchEngine(const StopwatchEngine&) = delete;
  StopwatchEngine& operator=(const StopwatchEngine&) = delete;

  // Set-up from the stored settings, before the first run.
  void SetAccuracy(int index);  // mended to 0 outside 0..11
  void SetMode(int mode);       // 1 is normal mode, anything else lap mode; sets the mode caption
  void SetShownColumns(const int shown[kLapColumnCount]);  // as MendShownColumns leaves them
  // Takes the trigger methods in force (mended), sets the start and stop buttons
  // and the status text by them, and tells which hook libraries they need.
  HookNeeds SetTriggerMethods(const triggers::TriggerMethods& methods);

  // Starts a stopped watch; on a running one takes a lap (lap mode) or pauses or
  // resumes (normal mode).
  void StartOrLap();
  // Ends a run; a stopped watch is left alone.
  void StopRun();
  // One tick of the timer.
  void OnTick();
  // The page's buttons: each acts only when its action is bound to the button.
  void PressStart();
  void PressStop();
  // Set-up changes, accepted only while stopped.
  void Clear();
  void ChangeAccuracy(int index);
  void FlipMode();
  // Switches column 1, 2, 4, 5 or 6 on or off; the page applies the result.
  ColumnSwitch ToggleColumn(int column);

  // Stops the tick timer if it is armed (the page window is going away).
  void DisarmTimer();
  void ShowRunningTime();
  void UpdateStatusText();

  bool IsRunning() const { return running_; }
  bool IsPaused() const { return running_ && !armed_; }
  triggers::TriggerMethods TriggerMethods() const {
    return {startMethod_, lapMethod_, stopMethod_};
  }
  int Mode() const { return watchMode_; }
  int AccuracyIndex() const { return accuracyIndex_; }
  const Accuracy& CurrentAccuracy() const { return AccuracyAt(accuracyIndex_); }
  // 1 when column is shown, 0 when hidden or not a column (as stored in Data.ini).
  int ColumnShown(int column) const;
  // The laps can be handed on only from a stopped watch with rows in the list.
  bool CanExport(int rowsInList) const { return !running_ && rowsInList > 0; }
  uint64_t Ticks() const { return ticks_; }
  int ShadeFlag() const { return shadeFlag_; }
  int64_t CumulativeTotal() const { return cumulativeTotal_; }

 private:
  void StartRun(uint64_t origin);  // origin: monotonic reading the run is timed from
  bool TogglePause();
  // Brings the count up to the monotonic clock while the timer is armed, never
  // past the automatic stop, and redraws the display when it is behind: on a
  // press at once, on a tick no more often than every 10 ms.
  void CatchUp(bool press);
  bool AtLimit() const;
  uint64_t PeriodUnits() const;
  void RecordLap();
  void SetStartCaption(const char* text);
  void ShowDuration(uint64_t ticks);
  void FormatLapDuration(int64_t units, char* out, std::size_t outSize) const;

  TickSource& timer_;
  MonotonicClock& monotonic_;
  LocalClock& clock_;
  LapRows& rows_;
  StopwatchControls& controls_;
  TimeReadout& readout_;

  bool armed_;
  int accuracyIndex_;
  int watchMode_;
  bool running_;
  int shadeFlag_;
  int rowCount_;
  uint64_t ticks_;
  uint64_t activeUnits_;     // running time of the run up to lastReading_, pauses left out
  uint64_t lastReading_;     // monotonic clock reading activeUnits_ runs up to
  uint64_t lastShownAt_;     // monotonic clock reading of the last redraw
  bool shownBehind_;         // the display shows less than the count
  int64_t cumulativeTotal_;  // sum of the splits of all rows, 100-ns units
  CalendarTime startTime_;
  uint64_t startUnits_;  // startTime_ in 100-ns units
  bool hasPreviousLap_;  // false until the run's first row
  uint64_t previousLapUnits_;
  int startMethod_;
  int lapMethod_;
  int stopMethod_;
  int shownColumns_[kLapColumnCount];
  const char* startCaption_;  // what the start button reads now
};
