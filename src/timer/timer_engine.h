// The countdown: a once-a-second state machine with five modes (plain, repeat,
// bells at chosen times, running on past zero, alarm until a clock time).
//
// The engine owns the timing state and its transitions. What it needs from the
// page (a one-second ticker, the bell, the displays, the status bar, the clock
// and a few controls) comes through the small interfaces below, so the page
// answers them with real controls and tests with recorders.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "base/clock.h"
#include "base/tick_source.h"
#include "base/time_readout.h"
#include "desktop/desktop_presence.h"
#include "timer/duration_rules.h"
#include "timer/preset_record.h"
#include "timer/timer_texts.h"

namespace timer {

class BellSound {
 public:
  virtual ~BellSound() = default;
  virtual void Beep() = 0;                      // the system sound
  virtual void PlayFile(const char* path) = 0;  // once, ending a sound still playing
  virtual void Silence() = 0;                   // ends a sound still playing
};

// The full-screen display with its notice label and its two buttons.
class MaxDisplay {
 public:
  virtual ~MaxDisplay() = default;
  virtual void Open() = 0;  // create over the whole screen, or show the existing window
  virtual bool IsVisible() = 0;
  virtual void ShowText(const char* text) = 0;
  virtual void Show(bool visible) = 0;
  virtual void ShowControls(bool visible) = 0;  // label and buttons
  virtual void ShowLabel() = 0;
  virtual void SetLabelText(const char* text) = 0;  // also shows the label
  virtual void SetLabelColor(unsigned long rgb) = 0;
};

class StatusLine {
 public:
  virtual ~StatusLine() = default;
  virtual void SetStatus(const char* text) = 0;
};

// The page's controls, as far as a run needs them.
class TimerControls {
 public:
  virtual ~TimerControls() = default;
  virtual void GetFieldTexts(FieldTexts* texts) = 0;  // hour, minute, second fields
  virtual void SetStartCaption(const char* caption) = 0;
  virtual void EnableForRun(bool running) = 0;
  virtual void RememberDuration() = 0;  // keep the fields' duration for later
  virtual void PostStop() = 0;          // the stop command, handled after this tick
};

// What the engine needs from the world; each must outlive the engine.
struct TimerPorts {
  ::TickSource& ticks;  // armed at kTimerTickMs
  BellSound& bell;
  ::TimeReadout& display;
  MaxDisplay& maxDisplay;
  StatusLine& status;
  ::LocalClock& clock;  // only its time of day is read
  TimerControls& controls;
  // The clock a run's seconds are counted against, one that goes on through
  // sleep: a tick counts every whole second that clock has seen, so seconds
  // missed while the machine slept are made up at once.
  ::MonotonicClock& runClock;
};

// The period of the countdown's tick.
const unsigned kTimerTickMs = 1000;

const unsigned long kLabelBlack = 0;
const unsigned long kLabelRed = 255;
// The largest time an overrunning timer counts up to before it stops itself.
const long long kOverrunLimit = 86399;
const int kBellPathSize = 260;

class TimerEngine {
 public:
  explicit TimerEngine(const TimerPorts& ports);
  ~TimerEngine();
  TimerEngine(const TimerEngine&) = delete;
  TimerEngine& operator=(const TimerEngine&) = delete;

  // The start button: while idle, checks the fields and starts when they are
  // accepted (the verdict tells the caller what to show); while running,
  // pauses or resumes and returns kAccepted.
  DurationVerdict PressStart();
  void Start();  // starts without checking the fields
  // Pauses a ticking timer (true) or resumes a paused one (false), with the
  // caption and the maximised display that go with it.
  bool PauseOrResume();
  void Stop();  // the stop button and the stop command
  // One second has passed; with a run clock, as many as it has seen (also
  // called when the machine wakes). Seconds made up at once are handled in
  // order, their bells rung once and their time shown at the end.
  void OnTick();

  // Stops the ticks of a run; safe to call when none are armed.
  void StopTicking();

  // The page's switches.
  void SwitchBell(bool on);
  void SwitchMaxDisplay(bool on);
  void ShowMaxDisplay();
  void HideMaxDisplay();

  void SetMode(int mode);  // a number outside the modes counts as the plain timer
  TimerMode Mode() const { return mode_; }
  // A new mode shows nothing on the clock until it is started.
  void ResetRemaining();

  void SetBellOn(bool on) { bellOn_ = on; }
  bool BellOn() const { return bellOn_; }
  void SetBellFile(const char* path);
  const char* BellFile() const { return bellFile_; }
  // The repeat list's position (0: endless); none selected counts as 0.
  void SetRepeatSetting(int position) { repeatSetting_ = position < 0 ? 0 : position; }
  int RepeatSetting() const { return repeatSetting_; }
  // Whether a run shows the full-screen display (SwitchMaxDisplay also shows
  // or hides it at once).
  void SetMaxDisplayOn(bool on) { maxDisplayOn_ = on; }
  bool MaxDisplayOn() const { return maxDisplayOn_; }
  // The bells mode's times ("HH:MM:SS"), ascending and each once, at most
  // kPresetMaxBellTimes. AddBellTime returns the time's index, also when it
  // was there already, or -1 when the list is full.
  int AddBellTime(const char* text);
  void RemoveBellTime(int index);
  void SetBellTimes(const std::vector<std::string>& times);
  const std::vector<std::string>& BellTimes() const { return bellTimes_; }

  // The fields as seconds: in the alarm mode the seconds until their clock time.
  long long ReadDuration();
  // The fields' value as typed, without the alarm's clock arithmetic: in the
  // alarm mode the clock time itself, which is what a preset keeps.
  long long TypedSeconds();

  bool Running() const { return running_; }
  bool Paused() const { return running_ && paused_; }
  bool Overrun() const { return overrun_; }
  long long Remaining() const { return remaining_; }
  int RepeatCount() const { return repeatCount_; }
  int RepeatLeft() const { return repeatLeft_; }
  // The label holds a repetition or running-over notice worth showing again.
  bool HasStandingNotice() const;
  int PendingBellCount() const { return static_cast<int>(pending_.size()); }
  const char* PendingBellTime(int index) const;
  // How far the run has come, for the taskbar: the part of the current pass
  // gone (a repeat's each pass anew, an alarm's from the start to its time),
  // paused at the same value, or full in the error state once past zero.
  desktop::ProgressView Progress() const;
  // How often a run reached zero (each pass of a repeat, an overrun's zero, an
  // alarm's time), counted over the engine's life.
  int Zeros() const { return zeros_; }
  // The last zero reached: what it ended and the time it names (the pass's
  // length, or the alarm's clock time); whether the full screen shows is the page's.
  const desktop::ZeroReport& LastZero() const { return lastZero_; }
  // The run's state and the whole seconds shown, for the notification area.
  desktop::WatchView View() const;

 private:
  FieldTexts ReadFieldTexts();
  long long ReadDurationAs(TimerMode mode);
  void StartTicking();
  // The jobs of one tick, in the order OnTick does them.
  long long SecondsDue();
  void CountOneSecond(bool last);
  void AdvanceOneSecond();
  void ShowRunningNotices(const char* timeText);
  void RingDueBellTime(const char* timeText);
  void RingBell();
  void ClearNotices();
  void ShowNotice(const char* text);
  void ShowEverywhere(const char* timeText);
  void FillPendingBells(const char* startText);
  void EndRun();
  void ReachZero();

  TimerPorts ports_;
  long long remaining_;
  TimerMode mode_;
  int repeatSetting_;
  int repeatCount_;
  int repeatLeft_;
  bool overrun_;
  bool bellOn_;
  bool maxDisplayOn_;
  bool running_;
  bool paused_;
  bool armed_;
  long long passSeconds_;  // length of the current pass
  int zeros_;
  desktop::ZeroReport lastZero_;
  // Run time counted against the run clock: whole seconds handled, and the
  // clock time they stand for, up to lastReading_.
  long long secondsCounted_;
  unsigned long long countedUnits_;
  unsigned long long lastReading_;
  bool catchingUp_;  // more than one second in this tick: one bell at most
  bool rang_;
  char bellFile_[kBellPathSize];
  std::vector<std::string> bellTimes_;
  std::vector<std::string> pending_;  // latest first
};

}  // namespace timer
