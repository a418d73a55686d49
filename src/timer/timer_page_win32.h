// The timer tab: a child dialog where the user sets a duration or a clock time,
// picks a mode, starts, pauses and stops the countdown, switches the bell and
// the full-screen display, and keeps named presets. The counting itself is the
// TimerEngine's; this class turns the dialog's messages into engine calls and
// answers the engine's requests with the dialog's controls.
#pragma once

#include <windows.h>

#include "bell/bell_player_win32.h"
#include "display/max_display_window_win32.h"
#include "display/time_display_window_win32.h"
#include "timer/preset_record.h"
#include "timer/ptr_array.h"
#include "timer/timer_engine.h"

class TimerPage {
 public:
  // Asks for a preset name into nameBuffer (65 bytes); IDOK when one was given.
  using NameAsker = int (*)(HWND owner, char* nameBuffer);
  using LocalTimeSource = void(WINAPI*)(LPSYSTEMTIME time);

  TimerPage();
  ~TimerPage();
  TimerPage(const TimerPage&) = delete;
  TimerPage& operator=(const TimerPage&) = delete;

  // Creates the page dialog on first use, then shows it.
  int Open(HWND parent, HWND statusBar, int tabHeaderHeight);
  // Shows or hides the page together with its status bar.
  void Show(int command);
  void Resize(int width, int height);
  HWND StartButton() const;
  HWND Window() const { return pageWindow_; }
  // Takes the bell file chosen on the settings page.
  void ReloadBellFile();

  // Seams for driving the page without real time passing or a person at the
  // keyboard. With manual ticks no multimedia timer is started: every posted
  // WM_MIPO_TIMER_TICK counts as one second while the timer runs, and stopping
  // still throws away the ticks already queued.
  void UseManualTicks(bool manual) { manualTicks_ = manual; }
  void SetNameAsker(NameAsker asker) { nameAsker_ = asker; }
  void SetLocalTimeSource(LocalTimeSource source) { localTime_ = source; }

  const timer::TimerEngine& Engine() const { return engine_; }
  const TimeDisplayWindow& Display() const { return display_; }
  const MaxDisplayWindow& MaxDisplay() const { return maxDisplay_; }
  const PtrArray<TimerPreset>& Presets() const { return presets_; }
  const BellPlayer& Bell() const { return bellPlayer_; }

 private:
  // Answers the engine's requests with the page's windows and services.
  class Ports : public timer::OneSecondTicker,
                public timer::BellSound,
                public timer::TimeDisplay,
                public timer::StatusLine,
                public timer::LocalClock,
                public timer::TimerControls {
   public:
    explicit Ports(TimerPage* page) : page_(page) {}
    bool Arm() override;
    void Disarm() override;
    void Beep() override;
    void PlayFile(const char* path) override;
    void Silence() override;
    void ShowText(const char* text) override;
    void SetStatus(const char* text) override;
    timer::ClockTime Now() override;
    void ReadFields(timer::FieldTexts* texts) override;
    int RepeatPosition() override;
    int BellTimeCount() override;
    void BellTimeAt(int index, char* out, size_t outSize) override;
    bool MaxDisplayWanted() override;
    void SetStartCaption(const char* caption) override;
    void EnableForRun(bool running) override;
    void RememberDuration() override;
    void PostStop() override;

   private:
    TimerPage* page_;
  };

  // The full-screen display as the engine sees it.
  class MaxPort : public timer::MaxDisplay {
   public:
    explicit MaxPort(TimerPage* page) : page_(page) {}
    void Open() override;
    bool IsVisible() override;
    void ShowText(const char* text) override;
    void Show(bool visible) override;
    void ShowControls(bool visible) override;
    void ShowLabel() override;
    void SetLabelText(const char* text) override;
    void SetLabelColor(unsigned long rgb) override;

   private:
    TimerPage* page_;
  };

  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static void CALLBACK TickCallback(UINT id, UINT reserved, DWORD_PTR user, DWORD_PTR, DWORD_PTR);
  timer::TimerPorts MakePorts();

  // Message handlers.
  void InitPage(HWND window);
  void OnCommand(int id, int code);
  void SaveTimerSettings();
  void OnDestroyed();

  // Controls.
  HWND Item(int id) const { return GetDlgItem(pageWindow_, id); }
  void Enable(int id, bool enabled) { EnableWindow(Item(id), enabled ? TRUE : FALSE); }
  int Selection(int id) const;
  void Select(int id, int position);
  bool Checked(int id) const;
  void FillLists();
  void LimitDurationFields();
  void SetStatus(const char* text);

  // Duration fields.
  void OnDurationField(int id, int code);
  void RememberDuration();
  void RestoreDuration();
  void SetAlarmDefault();
  void OnModeChosen();
  void ShowModeDescription();
  void OnStartButton();

  // Bell times.
  int BellTimeCount() const;
  void AddBellTime();
  void RemoveBellTime();
  void EnableAddBellTime();

  void EnableForMode();
  void EnableForRun(bool running);

  // Presets.
  void AddPreset();
  void ApplyPreset();
  void DeletePreset();
  void LoadPresets();
  void SavePresets();
  TimerPreset* BuildPreset();

  bool ArmTicks();
  void DisarmTicks();

  HWND statusBar_;
  int tabHeaderHeight_;
  HWND pageWindow_;
  int alarmDelayIndex_;
  int savedHourIndex_;
  int savedMinuteIndex_;
  int savedSecondIndex_;
  // Set while the page itself writes into the duration fields, so that their
  // change notifications are not taken for the user's typing.
  bool settingFields_;
  UINT timerId_;
  UINT timerPeriod_;
  bool manualTicks_;
  NameAsker nameAsker_;
  LocalTimeSource localTime_;
  char presetName_[kPresetNameMaxBytes + 1];

  TimeDisplayWindow display_;
  MaxDisplayWindow maxDisplay_;
  BellPlayer bellPlayer_;
  PtrArray<TimerPreset> presets_;
  Ports ports_;
  MaxPort maxPort_;
  timer::TimerEngine engine_;
};
