// The stopwatch tab: a modeless child dialog of the main dialog with the time
// display, the accuracy list, the mode, start, stop and clear buttons and the lap
// list. The page turns the dialog's messages into calls on the engine and
// carries out the engine's requests on the controls. Its settings (accuracy,
// mode, shown columns) live in the Watch section of Data.ini: read when the
// dialog is created, written when it is destroyed.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "display/time_display_window_win32.h"
#include "stopwatch/list_view_control_win32.h"
#include "stopwatch/stopwatch_engine.h"
#include "base/clock_win32.h"
#include "base/tick_source_win32.h"
#include "triggers/hook_library_win32.h"

class StopwatchPage : private TickTimer,
                      private LocalClock,
                      private LapRows,
                      private StopwatchControls,
                      private TimeReadout {
 public:
  StopwatchPage();
  ~StopwatchPage() override;
  StopwatchPage(const StopwatchPage&) = delete;
  StopwatchPage& operator=(const StopwatchPage&) = delete;

  // Creates the page's dialog on the first call, then shows the page. Returns 0.
  int Open(HWND parent, HWND statusBar, int tabHeaderHeight);
  // Shows or hides the page and its status bar together. Showing re-reads the
  // trigger methods, so a change on the settings tab takes effect here.
  void Show(int command);
  void Resize(int width, int height);
  HWND StartButton() const;
  HWND Window() const { return pageWindow_; }

  // The engine behind the page, for the trigger handling: running or stopped,
  // the methods in force, StartOrLap and StopRun.
  StopwatchEngine& Engine() { return engine_; }
  const StopwatchEngine& Engine() const { return engine_; }
  const TimeDisplayWindow& Display() const { return display_; }
  const ListViewControl& LapList() const { return listView_; }

  // The popup menu of the lap list's column header, as it would be shown now:
  // checked columns, export items greyed unless there are rows and the watch is
  // stopped. The caller destroys it.
  HMENU BuildHeaderMenu() const;

  // Replaces the multimedia tick (null puts it back); only while no run is going.
  // The multimedia tick's runs are counted against the performance counter; with
  // a replaced source each handled tick counts one period, unless a monotonic
  // clock is given as well.
  void SetTickSource(PeriodicTickSource* source);
  // Replaces the clock runs are counted against (null puts the default back);
  // only while no run is going.
  void SetMonotonicClock(MonotonicClock* clock);
  // Replaces the local clock (null puts it back).
  void SetClock(LocalClock* clock);

 private:
  static INT_PTR CALLBACK DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR Dispatch(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  INT_PTR OnNotify(HWND window, const NMHDR* header);
  void OnCommand(int id, int code);
  void InitPage(HWND window);
  void InitColumns();
  int ApplyAccuracy();
  void CheckHook();
  void LayoutList(LPARAM sizeParameter);
  void ShowHeaderMenu(HWND window);
  void OnContextMenu(HWND window, HWND source, LPARAM point);
  void ToggleColumn(int column);
  LRESULT ShadeRows(NMLVCUSTOMDRAW* draw);
  void SaveWatchSettings();
  void Detach();
  void ChooseCountClock();
  HWND Item(int id) const;

  // Trigger handling: the hook libraries the methods need and their events.
  void ApplyHookNeeds(const HookNeeds& needs);
  void OnKeyTrigger(HWND window, WPARAM wParam, LPARAM lParam);
  void OnMouseTrigger(HWND window, WPARAM wParam);
  void RunTrigger(HWND window, int method, bool mouse);

  // Handing the laps on, from the header menu.
  void OnExportCsv();
  void OnCopyToClipboard();

  // TickTimer
  bool Arm(uint32_t periodMs) override;
  void Disarm() override;
  // LocalClock
  CalendarTime Now() override;
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
  void SetStatusText(const char* text) override;
  // TimeReadout
  void ShowTime(const char* text) override;

  HWND statusBar_;
  int tabHeaderHeight_;
  HWND pageWindow_;
  MultimediaTickSource multimediaTicks_;
  PeriodicTickSource* ticks_;  // multimediaTicks_ unless replaced
  LocalClock* clock_;          // null: the platform's local time
  PerformanceCounterClock counterClock_;
  MonotonicClock* monotonic_;  // null: chosen by the tick source
  // Destroyed in reverse order: hook libraries first, then the display, then
  // the list wrapper.
  ListViewControl listView_;
  TimeDisplayWindow display_;
  HookLibrary mouseHook_;
  HookLibrary keyHook_;
  StopwatchEngine engine_;
};
