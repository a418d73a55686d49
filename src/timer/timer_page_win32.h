// The timer tab: a child dialog where the user sets a duration or a clock time,
// picks a mode, starts, pauses and stops the countdown, switches the bell and
// the full-screen display, and keeps named presets. The counting itself is the
// TimerEngine's; this class turns the dialog's messages into engine calls and
// answers the engine's requests with the dialog's controls, helped by its
// parts: the duration fields, the bell times, the presets and the full-screen
// display.
#pragma once

#include <windows.h>

#include <vector>

#include "base/clock.h"
#include "base/tick_source.h"
#include "bell/bell_device_win32.h"
#include "bell/bell_player_win32.h"
#include "desktop/desktop_presence.h"
#include "display/max_display_window_win32.h"
#include "display/monitors_win32.h"
#include "display/time_display_window_win32.h"
#include "settings/settings_file_win32.h"
#include "timer/bell_time_list_win32.h"
#include "timer/duration_fields_win32.h"
#include "timer/max_display_port_win32.h"
#include "timer/preset_name_dialog_win32.h"
#include "timer/preset_record.h"
#include "timer/timer_engine.h"
#include "timer/timer_presets_win32.h"
#include "ui/message_box_win32.h"
#include "ui/page_win32.h"

class TimerPage : public Page {
 public:
  // A page on the given services, which must outlive it. The ticks come as
  // WM_MIPO_TIMER_TICK to the page window, one a second while a run counts.
  // A run's seconds are counted against runClock (one that goes on through
  // sleep; it also paces the displays' announcements), the full-screen display covers the monitor
  // monitors names for the main window, and what the countdown does is told to activity (by default
  // nobody listens). A duration it refuses is said in one of boxes.
  TimerPage(const SettingsFile& settings, TickSource& ticks, MonotonicClock& runClock,
            LocalClock& clock, PresetNameAsker& names, BellDevice& bellDevice,
            MonitorLookup& monitors, MessageBoxes& boxes,
            desktop::ActivityReport& activity = desktop::UnheardActivity());
  ~TimerPage() override;

  HWND StartButton() const override;
  // Reads the bell file from Data.ini: when the page is first made, and when
  // the settings tab, which stores it, is left.
  void ReloadBellFile();
  // The machine woke: what the countdown missed is handled now.
  void CatchUpAfterSleep();

  const timer::TimerEngine& Engine() const { return engine_; }
  const TimeDisplayWindow& Display() const { return display_; }
  const MaxDisplayWindow& MaxDisplay() const { return maxPort_.Display(); }
  const std::vector<TimerPreset>& Presets() const { return presets_.Presets(); }
  const BellPlayer& Bell() const { return bellPlayer_; }

 private:
  // Answers the engine's requests with the page's windows and services.
  class Ports : public TickSource,
                public timer::BellSound,
                public TimeReadout,
                public timer::StatusLine,
                public timer::TimerControls {
   public:
    explicit Ports(TimerPage* page) : page_(page) {}
    bool Arm(uint32_t periodMs) override;
    void Disarm() override;
    void Beep() override;
    void PlayFile(const char* path) override;
    void Silence() override;
    void ShowText(const char* text) override;
    void SetStatus(const char* text) override;
    void GetFieldTexts(timer::FieldTexts* texts) override;
    void SetStartCaption(const char* caption) override;
    void EnableForRun(bool running) override;
    void RememberDuration() override;
    void PostStop() override;

   private:
    TimerPage* page_;
  };

  timer::TimerPorts MakePorts();

  // Page and message handlers.
  void BeforeCreate() override;
  void OnInitPage() override;
  void OnDpiChanged(int newDpi, int oldDpi) override;
  void AfterCreate() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  void OnDestroy() override;
  void OnNcDestroy() override;
  void SaveTimerSettings();

  // The jobs of the first creation, in order.
  void CreateDisplay();
  void FillLists();
  void ReadStoredSettings();

  // Controls.
  void Enable(int id, bool enabled) { EnableWindow(Item(id), enabled ? TRUE : FALSE); }
  int Selection(int id) const;
  void Select(int id, int position);
  bool Checked(int id) const;

  void SetAlarmDefault();
  void OnModeChosen();
  void ShowModeDescription();
  void OnStartButton();
  void EnableForMode();
  void EnableForRun(bool running);

  // Presets: what the controls hold goes into one, and comes back from one.
  TimerPreset BuildPreset();
  void AddPreset();
  void ApplyPreset();

  bool ArmTicks(uint32_t periodMs);
  void DisarmTicks();
  // Tells accessibility clients that both displays' names changed.
  void AnnounceTimes();
  // Tells the activity report what changed since it was last told.
  void ReportActivity();

  // The services come first: they are in use until the last member goes.
  const SettingsFile& settings_;
  TickSource& ticks_;
  LocalClock& clock_;
  PresetNameAsker& names_;
  MessageBoxes& boxes_;
  MonotonicClock& runClock_;
  desktop::ActivityReport& activity_;
  desktop::ProgressView reported_;
  desktop::WatchView reportedView_;
  int reportedZeros_;
  int alarmDelayIndex_;
  char presetName_[kPresetNameBufferSize];

  TimeDisplayWindow display_;
  MaxDisplayPort maxPort_;
  BellPlayer bellPlayer_;
  DurationFields durationFields_;
  TimerPresets presets_;
  Ports ports_;
  timer::TimerEngine engine_;
  BellTimeList bellTimes_;
};
