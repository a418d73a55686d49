// The stopwatch tab: the time display, the accuracy list, the mode, start, stop
// and clear buttons and the lap list. The page turns the dialog's messages into
// calls on the engine and carries out the engine's requests on the controls.
// Its settings (accuracy, mode, shown columns) live in the Watch section of
// Data.ini: read when the dialog is created, written when it is destroyed. The
// trigger methods are read from the settings tab's section each time the page
// is shown.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "base/clock.h"
#include "base/tick_source.h"
#include "desktop/desktop_presence.h"
#include "display/time_display_window_win32.h"
#include "settings/file_chooser_win32.h"
#include "settings/settings_file_win32.h"
#include "stopwatch/list_view_control_win32.h"
#include "stopwatch/stopwatch_engine.h"
#include "triggers/hook_library_win32.h"
#include "ui/page_win32.h"

class StopwatchPage : public Page {
 public:
  // The page on the given services, which must outlive it. settings is where
  // its Watch section is read and written and the trigger methods are read; ticks
  // posts the page's tick message; countClock is what a run's time is counted
  // against (and what the display's announcements are paced by); clock gives the time of day a run
  // starts at; chooser asks where the laps are saved; activity is told when the watch starts and
  // stops counting (by default nobody listens).
  StopwatchPage(const SettingsFile& settings, TickSource& ticks, MonotonicClock& countClock,
                LocalClock& clock, FileChooser& chooser,
                desktop::ActivityReport& activity = desktop::UnheardActivity());
  ~StopwatchPage() override;

  HWND StartButton() const override;

  // The engine behind the page, to look at: running or stopped, the trigger
  // methods in force, the count.
  const StopwatchEngine& Engine() const { return engine_; }
  const TimeDisplayWindow& Display() const { return display_; }
  const ListViewControl& LapList() const { return listView_; }

  // The popup menu of the lap list's column header, as it would be shown now:
  // checked columns, export items greyed unless there are rows and the watch is
  // stopped. The caller destroys it.
  HMENU BuildHeaderMenu() const;

 private:
  // Page
  void OnInitPage() override;
  void AfterCreate() override;
  void BeforeShow(int command) override;
  // MessageTarget
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(NMHDR* header, LRESULT* result) override;
  void OnSize(UINT type, int width, int height) override;
  void OnDpiChanged(int newDpi, int oldDpi) override;
  bool OnContextMenu(HWND source, LPARAM screenPoint) override;
  void OnDestroy() override;
  void OnNcDestroy() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

  void InitColumns();
  // Takes the trigger methods from Data.ini: the buttons, the status text and
  // the hook libraries follow them.
  void ReadTriggerMethods();
  void LayOut(int width);
  void ShowHeaderMenu();
  void ShowHeaderMenuAt(POINT screenPoint);
  void ToggleColumn(int column);
  LRESULT ShadeRows(NMLVCUSTOMDRAW* draw);
  void SaveWatchSettings();

  // Trigger handling: the hook libraries the methods need and their events.
  void ApplyHookNeeds(const HookNeeds& needs);
  void OnKeyTrigger(WPARAM wParam, LPARAM lParam);
  void OnMouseTrigger(WPARAM wParam);
  void RunTrigger(int method, bool mouse);

  // Handing the laps on, from the header menu.
  void OnExportCsv();
  void OnCopyToClipboard();
  // Tells the activity report the watch's state and whole seconds when they change.
  void ReportTime(bool settled);

  // Answers the engine's requests with the page's windows and services.
  class Ports : public TickSource, public LapRows, public StopwatchControls, public TimeReadout {
   public:
    explicit Ports(StopwatchPage* page) : page_(page) {}
    // TickSource
    bool Arm(uint32_t periodMs) override;
    void Disarm() override;
    // LapRows
    int CountRows() override;
    int InsertRow(int index, const char* firstCell, int parameter) override;
    void SetCell(int row, int position, const char* text) override;
    void EnsureVisible(int row) override;
    void DeleteAllRows() override;
    // StopwatchControls
    void SetStartCaption(const char* text) override;
    void SetModeCaption(const char* text) override;
    void EnableStart(bool enable) override;
    void EnableStop(bool enable) override;
    void EnableSetup(bool enable) override;
    void SetStatus(const char* text) override;
    // TimeReadout
    void ShowText(const char* text) override;

   private:
    StopwatchPage* page_;
  };

  const SettingsFile& settings_;
  TickSource& ticks_;
  FileChooser& chooser_;
  // Told from Arm and Disarm, which the engine calls exactly when counting
  // starts and stops: nothing on the path of the fast ticks. The watch's state
  // and whole seconds go out only when they change (ReportTime).
  desktop::ActivityReport& activity_;
  desktop::WatchView reportedTime_ = {desktop::kWatchStopped, false, 0};
  // Destroyed in reverse order: hook libraries first, then the display, then
  // the list wrapper.
  ListViewControl listView_;
  TimeDisplayWindow display_;
  HookLibrary mouseHook_;
  HookLibrary keyHook_;
  Ports ports_;
  StopwatchEngine engine_;
  // The shaded runs take the system's highlight colours under high contrast.
  bool highContrast_ = false;
};
