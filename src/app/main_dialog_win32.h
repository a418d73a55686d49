// The program's one top-level window: three tabs, their status bars, the
// "in front" switch, placement and first-run notices.
#pragma once

#include <windows.h>

#include "app/window_layout.h"
#include "ui/dialog_win32.h"

class Application;

// Texts the main dialog shows.
extern const char* const kMainTitles[3];
extern const char* const kTabTexts[3];
extern const char* const kFirstRunCaption;
extern const char* const kFirstRunNotices[3];

class MainDialog : public Dialog {
 public:
  explicit MainDialog(Application& app) : app_(app) {}

  // The program's modal run; returns the dialog's result.
  INT_PTR RunModal(HINSTANCE instance);
  // The same dialog, modeless, for tests that drive it message by message.
  HWND CreateModeless(HINSTANCE instance);

  // The status bar of a page (0 stopwatch, 1 timer, 2 settings); null before
  // the dialog made it.
  HWND StatusBar(int page) const { return statusBars_[page]; }

 private:
  bool OnInitDialog() override;
  bool OnCommand(int id, int code, HWND control) override;
  bool OnNotify(NMHDR* header, LRESULT* result) override;
  void OnSize(UINT type, int width, int height) override;
  void OnDpiChanged(int newDpi, int oldDpi) override;
  void PlaceAfterDpiChange(const RECT& suggested) override;
  void OnDestroy() override;
  bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

  // Start-up, in the order it happens.
  void SetIcon(HINSTANCE instance);
  void InsertTabs();
  void CreateStatusBars(HINSTANCE instance);
  int ChooseStartTab() const;
  void MeasureMinimumHeight(int startTab);

  void OnRestorePlacement();
  void OnAfterShow();
  void OnSelectionChanging();
  void OnSelectionChanged();
  void OnFrontSwitch();
  void OnGetMinMaxInfo(MINMAXINFO* info);
  void MeasureMinimumWidth();
  void OnExitSizeMove();
  void OnEndSession(bool ending);
  void OnNotificationIcon(WPARAM wParam, LPARAM lParam);
  void BringToFront();
  void OnPowerBroadcast(WPARAM event);
  void LayOut(int clientWidth, int clientHeight);

  HWND Tab() const;
  int TabHeaderHeight() const;
  int StatusBarHeight() const;
  void OpenPage(int page);
  void CentreWindow();

  Application& app_;
  HWND statusBars_[3] = {};
  // What the user last made of the window; stored when it closes.
  Placement placement_;
  // The least outer height the user may size the window to: down to the start
  // button's row and the status bar. Measured as the dialog initialises, before
  // any size query is answered.
  int minimumTrackingHeight_ = 0;
  HICON icon_ = nullptr;
  bool showingNotices_ = false;
  // The width the dialog has from its template, measured as it initialises
  // (at minimumWidthDpi_), before any size query is answered, and kept for the
  // rest of the run.
  int minimumTrackingWidth_ = 0;
  int minimumWidthDpi_ = 0;
  // The page whose start button decides the least height.
  int measuredTab_ = 0;
};
